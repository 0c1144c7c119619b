"""The Close Program screen under Wine, driven with real input."""

import getpass
import time
import unittest

from harness import (Display, ProgramTest, box_text, centre, child, wait_for,
                     wait_out_the_moment)

WS_CAPTION = 0x00C00000
WS_BORDER = 0x00800000


def expected_user():
    name = getpass.getuser()
    return name[:1].upper() + name[1:]


class CloseProgramScreen(ProgramTest):
    def test_starts_alone_centred_with_its_tasks_and_the_focus_on_shutdown(self):
        listing = self.first
        self.assertEqual(len(listing.screens()), 1)
        self.assertEqual(len([w for w in listing.windows if w["class"] == "Quorm3Screen"]), 1)
        screen = listing.screens()[0]
        left, top, right, bottom = screen["rect"]
        self.assertEqual((right - left, bottom - top), (321, 280))
        self.assertEqual((left, top), ((1024 - 321) // 2, (768 - 280) // 2))
        cl, ct, cr, cb = screen["client"]
        self.assertEqual((cr - cl, cb - ct), (319, 278))
        self.assertEqual(screen["style"] & WS_CAPTION, WS_BORDER)
        self.assertEqual(screen["text"], "")
        tasks = child(screen, cls="ListBox")
        self.assertEqual(tasks["items"], ["Explorer", "Systray"])
        self.assertEqual(tasks["selected"], -1)
        self.assertEqual([tasks["rect"][0] - cl, tasks["rect"][1] - ct,
                          tasks["rect"][2] - cl, tasks["rect"][3] - ct], [12, 32, 307, 179])
        for text, x0 in (("End Task", 12), ("Shutdown", 112), ("Cancel", 213)):
            button = child(screen, text=text)
            self.assertEqual([button["rect"][0] - cl, button["rect"][1] - ct], [x0, 242], text)
        shutdown = child(screen, text="Shutdown")["hwnd"]
        self.program.wait_for(lambda l: l.focus == shutdown, "the focus on Shutdown")

    def test_the_painted_dialog_shows_around_the_live_controls(self):
        screen = self.first.screens()[0]
        cl, ct = screen["client"][:2]
        shot = Display.screenshot()

        def at(x, y):
            return shot.pixel(cl + x, ct + y)

        self.assertEqual(at(0, 0), "#FCFCFC")  # the frame
        self.assertEqual(at(318, 100), "#808080")
        self.assertEqual(at(160, 3), "#000080")  # the title bar
        self.assertEqual(at(200, 18), "#000080")
        self.assertIn("#FCFCFC", shot.colours(cl + 23, ct + 6, cl + 102, ct + 16))  # its title
        self.assertIn("#FC0404", shot.colours(cl + 4, ct + 4, cl + 19, ct + 17))  # the flag
        self.assertEqual(at(299, 4), "#FCFCFC")  # the painted close button
        for top in (187, 200, 213):  # the warning, line by line
            self.assertIn("#040404", shot.colours(cl + 13, ct + top, cl + 296, ct + top + 10))
        self.assertEqual(at(5, 230), "#C0C0C0")
        # The live list lies over the painted one: its selected first row does not show.
        self.assertNotIn("#000080", shot.colours(cl + 20, ct + 36, cl + 300, ct + 44))
        Display.save_picture("close_program.png", screen["rect"])

    def test_shutdown_announces_the_log_off_in_two_boxes_then_shows_shut_down_windows(self):
        self.click_child(self.close_program(self.first), "Shutdown")
        listing = self.program.wait_for(lambda l: l.boxes(), "the first box")
        box = listing.boxes()[0]
        self.assertEqual(box["text"], "Windows")
        self.assertEqual(box_text(box), "Are you sure you want to shutdown?")
        self.assertEqual([c["text"] for c in box["children"] if c["class"] == "Button"], ["OK"])
        self.assertIsNone(listing.screen_with("&Yes"))
        self.click_child(box, "OK")
        listing = self.program.wait_for(
            lambda l: l.boxes() and box_text(l.boxes()[0]).startswith("Loging"), "the second box")
        box = listing.boxes()[0]
        self.assertEqual(box["text"], "Windows")
        self.assertEqual(box_text(box), "Loging off user: " + expected_user())
        self.assertIsNone(listing.screen_with("&Yes"))
        Display.key("Return")
        listing = self.program.wait_for(lambda l: l.screen_with("&Yes"), "Shut Down Windows")
        self.assertIsNone(listing.screen_with("Shutdown"))

    def test_enter_right_after_the_start_presses_shutdown(self):
        Display.key("Return")
        listing = self.program.wait_for(lambda l: l.boxes(), "the first box")
        self.assertEqual(box_text(listing.boxes()[0]), "Are you sure you want to shutdown?")

    def test_cancel_hides_the_cursor_until_timer1_gives_it_back(self):
        screen = self.close_program(self.first)
        Display.move(*centre(child(screen, text="Cancel")["rect"]))
        wait_for(Display.cursor_visible, "the cursor over the screen")
        if time.monotonic() - self.program.started < 4.5:
            clicks = 1  # before Timer1's first tick: the counter goes from 0 to -1
        else:
            # A slow start: let the first tick raise the counter to 1 first.
            wait_for(lambda: time.monotonic() - self.program.started > 10, "Timer1's first tick")
            clicks = 2
        for _ in range(clicks):
            self.click_child(screen, "Cancel")
        wait_for(lambda: not Display.cursor_visible(), "the cursor to vanish", 10)
        wait_for(Display.cursor_visible, "Timer1 to bring the cursor back", 30)
        self.assertTrue(self.program.running())

    def test_a_quick_double_click_on_cancel_is_two_presses(self):
        screen = self.close_program(self.first)
        Display.move(*centre(child(screen, text="Cancel")["rect"]))
        wait_for(Display.cursor_visible, "the cursor over the screen")
        pairs = 1
        if time.monotonic() - self.program.started > 4.5:
            # A slow start: Timer1's first tick raises the counter to 1 first.
            wait_for(lambda: time.monotonic() - self.program.started > 10, "Timer1's first tick")
            pairs = 2
        for _ in range(pairs):
            self.click_child(screen, "Cancel", double=True)  # two clicks 80 ms apart
        clicked = time.monotonic()
        wait_for(lambda: not Display.cursor_visible(), "the cursor to vanish", 10)
        # Timer1 has ticked once by 7.5 s after the clicks: one press short, the cursor is back.
        wait_for(lambda: time.monotonic() - clicked > 7.5, "Timer1's tick after the clicks", 20)
        self.assertFalse(Display.cursor_visible())
        self.assertTrue(self.program.running())


class KeyboardAlone(ProgramTest):
    """A person without a mouse: every step by keys, each awaited before the next."""

    def test_boxes_give_the_keyboard_back_and_arrows_walk_the_buttons(self):
        Display.key("Right", "Right", "Left", delay=0)  # typed quickly: each one counts
        self.program.wait_for(lambda l: l.focused_text() == "Cancel", "Right, Right, Left")
        Display.key("Left")
        self.program.wait_for(lambda l: l.focused_text() == "Shutdown", "Left to Shutdown")
        Display.key("Return")
        self.program.close_boxes_with_enter(2, "an announcement")
        listing = self.program.wait_for(lambda l: l.screen_with("&Yes"), "Shut Down Windows")
        self.shown(listing, "&Yes")
        Display.key("alt+m")
        self.program.wait_for(lambda l: l.focused_text() == "Restart the computer in &MS-DOS mode?",
                              "the MS-DOS option")
        seen = time.monotonic()
        for _ in range(2):  # Enter presses Yes: the missing-file box; Enter closes it
            wait_out_the_moment(seen)  # the screen active anew: Yes waits until it has been seen
            Display.key("Return")
            listing = self.program.wait_for(lambda l: l.boxes(), "the missing-file box")
            box = listing.boxes()[0]
            self.assertEqual(box["owner"], listing.screen_with("&Yes")["hwnd"])
            Display.key("Return")
            listing = self.program.wait_for(
                lambda l: not l.boxes() and l.active == l.screen_with("&Yes")["hwnd"] and
                l.focused_text() == "Restart the computer in &MS-DOS mode?",
                "Shut Down Windows active again with the focus where it was")
            seen = time.monotonic()
        Display.key("alt+n")
        listing = self.program.wait_for(
            lambda l: l.screen_with("Shutdown") and l.active == l.screen_with("Shutdown")["hwnd"]
            and l.focused_text() is not None, "the Close Program screen active with a focus")
        self.assertIsNone(listing.screen_with("&Yes"))
        self.assertEqual(listing.focused_text(), "Shutdown")


if __name__ == "__main__":
    unittest.main()
