"""The end of the prank: one minute after the start, whatever is showing."""

import os
import subprocess
import time
import unittest

from harness import (EXE, Display, ProgramTest, box_text, centre, child, wait_for,
                     wait_out_the_moment, windows_directory_on_disk)


class Ending(ProgramTest):
    def close_request(self):
        """What `taskkill` without /f does: a close request to every top-level window of the
        program, the hidden ones included."""
        subprocess.run(["wine", "taskkill", "/im", os.path.basename(EXE)], env=self.program.env,
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, check=True, timeout=120)

    def test_close_requests_never_end_the_program_before_its_minute(self):
        screen = self.close_program(self.first)
        Display.move(*centre(child(screen, text="Cancel")["rect"]))
        wait_for(Display.cursor_visible, "the cursor over the screen")
        self.click_child(screen, "Cancel")
        cancelled = time.monotonic()
        wait_for(lambda: not Display.cursor_visible(), "the pointer hidden")
        # Declined by every window that has no close box: the task list stays, and Timer1
        # gives the pointer back at six seconds.
        self.close_request()
        wait_for(Display.cursor_visible, "the pointer back", 30)
        self.assertGreater(time.monotonic() - cancelled, 5.5)
        self.shown(self.program.probe(), "Shutdown")
        # Shut Down Windows closes on request, as by its close box; the program runs on.
        self.click_child(screen, "Shutdown")
        self.program.close_boxes_with_enter(2, "an announcement")
        self.program.wait_for(lambda l: l.screen_with("&Yes") and not l.boxes(), "Shut Down Windows")
        self.close_request()
        listing = self.program.wait_for(lambda l: not l.screens(), "no screen to show")
        self.assertTrue(listing.running)
        # The end comes on time all the same, and never early.
        self.assertEqual(self.program.wait_for_exit(180), 0)
        self.assertGreaterEqual(time.monotonic() - self.program.started, 59.5)

    def test_the_error_report_shows_the_pointer_and_the_end_still_comes_on_time(self):
        # A program information file that cannot be started: its launch fails with an error.
        pif = os.path.join(windows_directory_on_disk(), "Exit To Dos.pif")
        open(pif, "wb").close()
        self.addCleanup(os.remove, pif)
        screen = self.close_program(self.first)
        Display.move(*centre(child(screen, text="Cancel")["rect"]))
        wait_for(Display.cursor_visible, "the cursor over the screen")
        # Hidden: the counter below zero however Timer1's first tick falls.
        self.click_child(screen, "Cancel")
        self.click_child(screen, "Cancel")
        cancelled = time.monotonic()
        self.click_child(screen, "Shutdown")
        self.program.close_boxes_with_enter(2, "an announcement")
        self.program.wait_for(lambda l: l.screen_with("&Yes") and not l.boxes(), "Shut Down Windows")
        seen = time.monotonic()
        Display.key("alt+m")
        wait_out_the_moment(seen)
        Display.key("Return")
        listing = self.program.wait_for(lambda l: l.boxes(), "the error report")
        report = listing.boxes()[0]
        self.assertEqual(report["text"], "quorm3")
        self.assertTrue(box_text(report).startswith("Run-time error '"), box_text(report))
        # Timer1 would have given the pointer back 6 s after Cancel: the report came first.
        self.assertLess(time.monotonic() - cancelled, 6)
        Display.move(*centre(child(report, text="OK")["rect"]))
        self.assertTrue(Display.cursor_visible(), "the pointer is hidden over the report's OK")
        # No handler runs behind it: no second report once Timer1's time has come.
        wait_for(lambda: time.monotonic() - cancelled > 7, "Timer1's time")
        self.assertEqual(len(self.program.probe().boxes()), 1)
        # Never closed, the report goes with the program a minute after the start.
        self.assertEqual(self.program.wait_for_exit(180), 0)
        self.assertGreaterEqual(time.monotonic() - self.program.started, 59.5)
        self.assertLess(time.monotonic() - self.program.started, 75)


if __name__ == "__main__":
    unittest.main()
