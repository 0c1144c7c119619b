"""The Shut Down Windows screen under Wine, driven with real input."""

import os
import shutil
import subprocess
import tempfile
import threading
import time
import unittest

from harness import (HELPER, THE_WAIT, Display, Program, ProgramTest, box_text, centre, child,
                     throwaway_prefix, wait_for, wait_out_the_moment, windows_directory_on_disk)

PIF_TESTED = "Exit to dos.pif"
MISSING_MESSAGE = ("Cannot find C:\\windows\\Exit To Dos.pif\n\n"
                   "Please make sure this file is in your Windows directory")


def checked(screen, text):
    return child(screen, text=text)["checked"] == 1


class ShutDownScreen(ProgramTest):
    def setUp(self):
        super().setUp()
        self.addCleanup(self.remove_planted_files)
        self.open()

    def open(self):
        self.click_child(self.close_program(), "Shutdown")
        for _ in range(2):
            listing = self.program.wait_for(lambda l: l.boxes(), "an announcement")
            self.click_child(listing.boxes()[0], "OK")
            self.program.wait_for(
                lambda l, seen=listing.boxes()[0]["hwnd"]: all(b["hwnd"] != seen for b in l.boxes()),
                "the box to close")
        self.listing = self.program.wait_for(lambda l: l.screen_with("&Yes"), "Shut Down Windows")
        self.screen = self.shown(self.listing, "&Yes")
        self.seen = time.monotonic()

    def remove_planted_files(self):
        for name in (PIF_TESTED, "Exit.exe", "Exit To.exe", "Exit.exe.ran", "Exit To.exe.ran"):
            path = os.path.join(windows_directory_on_disk(), name)
            if os.path.isdir(path):
                os.rmdir(path)
            elif os.path.exists(path):
                os.remove(path)

    def test_appears_centred_with_shut_down_selected_and_the_focus_on_yes(self):
        screen = self.screen
        self.assertEqual(screen["text"], "Shut Down Windows")
        left, top, right, bottom = screen["rect"]
        self.assertEqual(left, (1024 - (right - left)) // 2)
        self.assertEqual(top, (768 - (bottom - top)) // 2)
        cl, ct, cr, cb = screen["client"]
        self.assertEqual((cr - cl, cb - ct), (335, 191))
        self.assertEqual([c["text"] for c in screen["children"]],
                         ["&Yes", "", "&Shut down the computer?", "&Restart the computer?",
                          "Are you sure you want to:", "&No", "Restart the computer in &MS-DOS mode?",
                          "&Close all programs and log on as a differnet user?", "&Help"])
        self.assertTrue(checked(screen, "&Shut down the computer?"))
        self.assertEqual(self.listing.focus, child(screen, text="&Yes")["hwnd"])
        self.assertEqual(len(self.listing.screens()), 1)
        shot = Display.screenshot()
        icon = shot.colours(cl + 8, ct + 16, cl + 39, ct + 47)
        self.assertIn("#0000FF", icon)  # the computer's screen
        self.assertIn("#C0C0C0", icon)
        self.assertEqual(shot.pixel(cl + 8, ct + 16), shot.pixel(cl + 4, ct + 4))  # see-through
        Display.save_picture("shut_down.png", screen["rect"])

    def choose_ms_dos_and_press_enter(self):
        self.click_child(self.screen, "Restart the computer in &MS-DOS mode?")
        self.program.wait_for(
            lambda l: checked(l.screen_with("&Yes"), "Restart the computer in &MS-DOS mode?"),
            "the MS-DOS option")
        wait_out_the_moment(self.seen)
        Display.key("Return")  # Enter on an option presses Yes
        return self.program.wait_for(lambda l: l.boxes(), "the answer to Yes")

    def test_ms_dos_mode_without_the_file_says_so_and_changes_nothing(self):
        for make_directory in (False, True):
            if make_directory:
                os.mkdir(os.path.join(windows_directory_on_disk(), PIF_TESTED))
            listing = self.choose_ms_dos_and_press_enter()
            box = listing.boxes()[0]
            self.assertEqual(box["text"], "quorm3")
            self.assertEqual(box_text(box), MISSING_MESSAGE)
            self.assertEqual(box["owner"], self.screen["hwnd"])  # no taskbar button of its own
            self.click_child(box, "OK")
            # The screen that asked is active again, with the focus on the option clicked.
            option = child(self.screen, text="Restart the computer in &MS-DOS mode?")["hwnd"]
            listing = self.program.wait_for(
                lambda l: not l.boxes() and l.active == self.screen["hwnd"] and l.focus == option,
                "the box to close and Shut Down Windows to take the keyboard again")
            self.seen = time.monotonic()
            screen = listing.screen_with("&Yes")
            self.assertTrue(checked(screen, "Restart the computer in &MS-DOS mode?"))
            self.assertIsNone(listing.screen_with("Shutdown"))

    def test_ms_dos_mode_launches_exactly_the_file_and_never_a_planted_program(self):
        directory = windows_directory_on_disk()
        with open(os.path.join(directory, PIF_TESTED), "w") as pif:
            pif.write("[quorm3 test]\n")
        for planted in ("Exit.exe", "Exit To.exe"):
            shutil.copy(HELPER, os.path.join(directory, planted))
        listing = self.choose_ms_dos_and_press_enter()
        # Wine cannot start a program information file: the launch fails and is reported.
        box = listing.boxes()[0]
        self.assertEqual(box["text"], "quorm3")
        self.assertTrue(box_text(box).startswith("Run-time error '"), box_text(box))
        self.click_child(box, "OK")
        self.program.wait_for_exit(60)
        for planted in ("Exit.exe", "Exit To.exe"):
            self.assertFalse(os.path.exists(os.path.join(directory, planted + ".ran")), planted)

    def test_no_returns_to_the_task_list_as_it_was_and_the_next_showing_starts_afresh(self):
        self.click_child(self.screen, "&Restart the computer?")
        self.click_child(self.screen, "&No")
        listing = self.program.wait_for(lambda l: l.screen_with("Shutdown"), "the task list again")
        self.shown(listing, "Shutdown")
        self.assertEqual(len(listing.screens()), 1)
        self.assertEqual(child(self.close_program(listing), cls="ListBox")["items"],
                         ["Explorer", "Systray"])
        self.assertFalse(any(w["text"] == "Shut Down Windows" for w in listing.windows))
        self.open()
        self.assertTrue(checked(self.screen, "&Shut down the computer?"))
        self.assertFalse(checked(self.screen, "&Restart the computer?"))

    def test_the_close_box_leaves_nothing_visible_while_the_program_runs_on(self):
        Display.key("alt+F4")
        listing = self.program.wait_for(lambda l: not l.screens(), "no screen to show")
        self.assertTrue(listing.running)
        self.assertFalse(any(w["text"] == "Shut Down Windows" for w in listing.windows))

    def test_help_opens_the_help_viewer_and_leaves_the_screen_as_it_was(self):
        self.click_child(self.screen, "&Restart the computer?")
        self.click_child(self.screen, "&Help")
        self.addCleanup(subprocess.run, ["wine", "taskkill", "/f", "/im", "winhlp32.exe"],
                        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                        stderr=subprocess.DEVNULL)
        wait_for(lambda: self.program.probe("winhlp32.exe").running, "the help viewer")
        listing = self.program.probe()
        screen = listing.screen_with("&Yes")
        self.assertIsNotNone(screen)
        self.assertTrue(checked(screen, "&Restart the computer?"))
        self.assertTrue(self.program.running())


WS_MINIMIZE = 0x20000000


class Rhythm:
    """A person hammering a key or the mouse button: the xdotool command given, every `interval`
    seconds on a thread of its own, from entering the block until leaving it."""

    def __init__(self, interval, *command):
        self.interval, self.command = interval, command
        self.times = []
        self.stopping = threading.Event()
        self.thread = threading.Thread(target=self.run)

    def run(self):
        start = time.monotonic()
        while not self.stopping.is_set():
            subprocess.run(["xdotool", *self.command], check=True)
            self.times.append(time.monotonic())
            next_at = start + len(self.times) * self.interval
            self.stopping.wait(max(0.0, next_at - time.monotonic()))

    def longest_gap(self):
        return max((b - a for a, b in zip(self.times, self.times[1:])), default=0.0)

    def __enter__(self):
        self.thread.start()
        return self

    def __exit__(self, *exc):
        self.stopping.set()
        self.thread.join()


class ShutDownForReal(unittest.TestCase):
    """Runs that may really end the Wine session, each in a prefix made for that test alone.

    Yes takes only a press that a person gave after seeing the screen: input given before it
    showed, keys held since then and their repeats, and presses in the first moment after it
    became active never reach it; a fresh press after that moment does, and ends the session."""

    RELAY = ("HKCU\\Software\\Wine\\Debug", "RelayInclude", "REG_SZ",
             "user32.ExitWindowsEx;advapi32.AdjustTokenPrivileges")
    # A longer double-click time, so that input meant to come within the moment does even on a
    # machine that stalls for a while; the program takes it from the system.
    LONG_MOMENT = 1.5
    SLOW_DOUBLE_CLICK = ("HKCU\\Control Panel\\Mouse", "DoubleClickSpeed", "REG_SZ",
                         str(int(LONG_MOMENT * 1000)))

    def start(self, registry=(), env=None):
        workdir = tempfile.mkdtemp(prefix="quorm3-e2e-")
        self.addCleanup(shutil.rmtree, workdir, True)
        self.program = Program(workdir, dict(throwaway_prefix(self, workdir, registry), **(env or {})))
        self.addCleanup(self.program.stop)
        listing = self.program.wait_for(lambda l: l.screen_with("Shutdown"), "the Close Program screen",
                                        60)
        ProgramTest.wait_shown(listing.screen_with("Shutdown"), *ProgramTest.MARKS["Shutdown"])
        return workdir

    def wait_for_shut_down_windows(self):
        """Waits for the screen with no box in front of it; returns the listing."""
        return self.program.wait_for(
            lambda l: not l.running or (l.screen_with("&Yes") and not l.boxes()),
            "Shut Down Windows")

    def assert_yes_untouched(self, seconds=3):
        """For `seconds` the program keeps running, and then Shut Down Windows shows, active with
        the focus on Yes; returns when it was seen so."""
        self.wait_for_shut_down_windows()
        self.assert_still_running_for(seconds)
        listing = self.program.probe()
        screen = listing.screen_with("&Yes")
        self.assertIsNotNone(screen)
        self.assertEqual(listing.active, screen["hwnd"])
        self.assertEqual(listing.focus, child(screen, text="&Yes")["hwnd"])
        return time.monotonic()

    def assert_still_running_for(self, seconds, why=lambda: "the press reached Yes"):
        """A press that reached Yes would end the session meanwhile; `why` says which."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            self.assertTrue(self.program.running(), why())
            time.sleep(0.1)

    def assert_a_fresh_press_shuts_down(self, since, moment, *keys):
        wait_out_the_moment(since, moment)
        Display.key(*(keys or ("Return",)))
        self.assertEqual(self.program.wait_for_exit(120), 0)

    def assert_the_rhythm_never_reaches_yes(self, rhythm):
        """Goes on until the rhythm has pressed for three seconds past the showing of Shut Down
        Windows; the program keeps running all the while."""
        gap = lambda: f"longest gap between presses {rhythm.longest_gap():.2f} s"
        listing = self.wait_for_shut_down_windows()
        shown = time.monotonic()
        self.assertTrue(listing.running, f"Yes answered the rhythm before it was seen ({gap()})")
        self.assert_still_running_for(3, lambda: f"Yes answered the rhythm "
                                      f"{time.monotonic() - shown:.1f} s after it showed ({gap()})")

    def test_yes_enables_the_shut_down_privilege_then_shuts_the_session_down(self):
        workdir = self.start([self.RELAY], {"WINEDEBUG": "+relay"})
        Display.key("Return")
        self.program.close_boxes_with_enter(2, "an announcement")
        listing = self.wait_for_shut_down_windows()
        self.assertEqual(listing.focus, child(listing.screen_with("&Yes"), text="&Yes")["hwnd"])
        self.assert_a_fresh_press_shuts_down(time.monotonic(), THE_WAIT)
        with open(os.path.join(workdir, "program.log"), errors="replace") as log:
            calls = [("Adjust" if "AdjustTokenPrivileges" in line else
                      line.split("ExitWindowsEx")[1].split(")")[0] + ")")
                     for line in log if "Call " in line and
                     ("AdjustTokenPrivileges" in line or "ExitWindowsEx" in line)]
        # Shut down with the power off, for a reason that was planned: what the user asked for.
        self.assertEqual(calls, ["Adjust", "(00000009,80000000)"])

    def test_return_at_a_steady_rhythm_reaches_yes_only_after_a_pause(self):
        # Enter hammered from the task list through both boxes, and on for three seconds after
        # Shut Down Windows shows: each press of Yes is refused and makes it wait again.
        for interval in (0.2, 0.3, 0.45):
            with self.subTest(interval=interval):
                self.start()
                with Rhythm(interval, "key", "Return") as rhythm:
                    self.assert_the_rhythm_never_reaches_yes(rhythm)
                self.assert_yes_untouched(0)
                self.assert_a_fresh_press_shuts_down(rhythm.times[-1], 1.5)

    def test_keys_typed_ahead_or_at_a_quick_persons_pace_never_reach_yes(self):
        # Enter through the task list and both boxes, then a fourth key that would press Yes:
        # all at once, and at a quick person's pace; Enter, Space, and the access key with Alt.
        for delay, key in ((0, "Return"), (120, "Return"), (250, "Return"), (120, "space"),
                           (120, "alt+y")):
            with self.subTest(delay=delay, key=key):
                self.start([self.SLOW_DOUBLE_CLICK])
                Display.key("Return", "Return", "Return", key, delay=delay)
                seen = self.assert_yes_untouched()
                self.assert_a_fresh_press_shuts_down(seen, self.LONG_MOMENT, key)

    def test_return_held_down_reaches_yes_only_when_pressed_again(self):
        self.start()  # the system's own double-click time
        Display.hold("Return")
        try:
            # Its repeats go through both announcements, then keep coming for a while.
            self.wait_for_shut_down_windows()
            held = time.monotonic()
            wait_for(lambda: time.monotonic() - held > 3, "three seconds of repeats")
        finally:
            Display.hold("Return", down=False)
        released = self.assert_yes_untouched(1)
        self.assert_a_fresh_press_shuts_down(released, THE_WAIT)

    def test_a_letter_held_while_the_boxes_are_clicked_through_never_reaches_yes(self):
        self.start([self.SLOW_DOUBLE_CLICK])
        listing = self.program.probe()
        Display.hold("y")
        try:
            Display.click(*centre(child(listing.screen_with("Shutdown"), text="Shutdown")["rect"]))
            for _ in range(2):
                box = self.program.wait_for(lambda l: l.boxes(), "an announcement").boxes()[0]
                Display.click(*centre(child(box, text="OK")["rect"]))
                self.program.wait_for(lambda l, seen=box["hwnd"]: all(
                    b["hwnd"] != seen for b in l.boxes()), "the box to close")
            self.wait_for_shut_down_windows()
            shown = time.monotonic()
            # Past the moment, too: a repeat is never a press.
            wait_for(lambda: time.monotonic() - shown > self.LONG_MOMENT + 1, "repeats of y")
        finally:
            Display.hold("y", down=False)
        seen = self.assert_yes_untouched(1)
        self.assert_a_fresh_press_shuts_down(seen, self.LONG_MOMENT, "y")

    def test_clicks_on_the_spot_where_yes_appears_reach_it_only_after_a_pause(self):
        self.start()
        Display.key("Return")
        self.program.close_boxes_with_enter(2, "an announcement")
        listing = self.wait_for_shut_down_windows()
        yes = centre(child(listing.screen_with("&Yes"), text="&Yes")["rect"])
        # Back to the task list, and to Shut Down Windows again: it shows at the same place,
        # where the pointer waits for it, clicking every 300 ms from before it shows until
        # three seconds after.
        Display.key("alt+n")
        self.program.wait_for(lambda l: l.screen_with("Shutdown") and not l.screen_with("&Yes"),
                              "the task list")
        Display.key("Return")
        self.program.wait_for(lambda l: l.boxes(), "the first announcement")
        Display.key("Return")
        self.program.wait_for(lambda l: l.boxes() and box_text(l.boxes()[0]).startswith("Loging"),
                              "the second announcement")
        Display.move(*yes)
        with Rhythm(0.3, "click", "1") as rhythm:
            wait_for(lambda: len(rhythm.times) >= 2, "clicks before the screen shows")
            Display.key("Return")
            self.assert_the_rhythm_never_reaches_yes(rhythm)
        self.assert_yes_untouched(0)
        wait_out_the_moment(rhythm.times[-1], 1.5)
        subprocess.run(["xdotool", "click", "1"], check=True)
        self.assertEqual(self.program.wait_for_exit(120), 0)

    def test_a_minimised_screen_takes_no_keys_and_takes_them_again_when_restored(self):
        self.start()
        Display.key("Return")
        self.program.close_boxes_with_enter(2, "an announcement")
        self.wait_for_shut_down_windows()
        wait_out_the_moment(time.monotonic())  # from here on, Enter would press Yes
        by_another_program = lambda verb: subprocess.run(
            ["wine", HELPER, verb, "Shut Down Windows"], check=True, env=self.program.env,
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            timeout=120)
        minimised = lambda l: l.screen_with("&Yes")["style"] & WS_MINIMIZE
        by_another_program("minimise")
        self.program.wait_for(minimised, "the screen minimised")
        Display.key("Return")
        Display.key("alt+y")
        self.assert_still_running_for(3)
        self.assertTrue(minimised(self.program.probe()))
        # Restored, it takes the keyboard again without a click, and so does its box.
        by_another_program("restore")
        listing = self.program.wait_for(
            lambda l: not minimised(l) and l.active == l.screen_with("&Yes")["hwnd"],
            "the screen restored and active")
        restored = time.monotonic()  # seen anew: Yes waits a moment again
        Display.key("alt+m")
        option = child(listing.screen_with("&Yes"), text="Restart the computer in &MS-DOS mode?")
        self.program.wait_for(lambda l: l.focus == option["hwnd"], "the MS-DOS option")
        wait_out_the_moment(restored)
        Display.key("Return")
        box = self.program.wait_for(lambda l: l.boxes(), "the missing-file box").boxes()[0]
        by_another_program("minimise")
        self.program.wait_for(minimised, "the screen minimised under its box")
        by_another_program("restore")
        self.program.wait_for(lambda l: not minimised(l) and l.active == box["hwnd"],
                              "the box active again")
        Display.key("Return")
        self.program.wait_for(lambda l: not l.boxes() and l.focus == option["hwnd"],
                              "the box closed by the keyboard")
        self.assertTrue(self.program.running())


if __name__ == "__main__":
    unittest.main()
