"""The Not Responding screen under Wine, driven with real input."""

import unittest

from harness import Display, ProgramTest, child

ROW = 13  # the list's row height with MS Sans Serif 8


class NotRespondingTest(ProgramTest):
    """Starts the program on its task list; the ways to and from the Not Responding screen."""

    def select(self, listing, row, double=False):
        tasks = child(self.close_program(listing), cls="ListBox")
        left, top = tasks["client"][:2]
        Display.click(left + 40, top + ROW * row + ROW // 2, double=double)

    def open_for(self, row):
        self.select(self.program.probe(), row)
        self.program.wait_for(
            lambda l: child(self.close_program(l), cls="ListBox")["selected"] == row, "the selection")
        self.click_child(self.close_program(), "End Task")
        listing = self.program.wait_for(
            lambda l: l.screen_with("Cancel") and not l.screen_with("Shutdown"),
            "the Not Responding screen")
        self.shown(listing, "Cancel")
        return listing

    def back(self):
        listing = self.program.wait_for(lambda l: self.close_program(l), "the task list again")
        self.shown(listing, "Shutdown")
        return listing

    def tasks(self, listing):
        return child(self.close_program(listing), cls="ListBox")


class NotRespondingScreen(NotRespondingTest):
    def test_end_task_here_ends_the_task_named_in_the_title(self):
        listing = self.open_for(1)
        screen = listing.screen_with("End Task")
        cl, ct, cr, cb = screen["client"]
        self.assertEqual((cr - cl, cb - ct), (364, 251))
        label = child(screen, cls="Static")
        self.assertEqual(label["text"], "Systray")
        self.assertEqual(listing.focus, child(screen, text="End Task")["hwnd"])

        shot = Display.screenshot()
        self.assertEqual(shot.pixel(cl + 30, ct + 58), "#FFFF00")  # the warning sign
        self.assertIn("#000000", shot.colours(cl + 63, ct + 39, cl + 333, ct + 49))
        self.assertIn("#000000", shot.colours(cl + 73, ct + 127, cl + 300, ct + 137))
        self.assertEqual(shot.pixel(cl + 344, ct + 4), "#FFFFFF")  # the painted close box
        self.assertEqual(shot.pixel(cl + 3, ct + 10), "#000080")  # the painted title bar
        # The label hides the painted title: only its own two colours show there.
        self.assertLessEqual(shot.colours(cl + 5, ct + 3, cl + 340, ct + 17),
                             {listing.data["highlight"], listing.data["highlighttext"]})
        Display.save_picture("not_responding.png", screen["rect"])

        self.click_child(screen, "End Task")
        listing = self.back()
        self.assertEqual(self.tasks(listing)["items"], ["Explorer"])
        self.assertEqual(self.tasks(listing)["selected"], -1)
        self.assertEqual(len(listing.screens()), 1)

    def test_cancel_keeps_the_tasks_and_the_selection(self):
        listing = self.open_for(0)
        self.assertEqual(child(listing.screen_with("End Task"), cls="Static")["text"], "Explorer")
        self.click_child(listing.screen_with("End Task"), "Cancel")
        listing = self.back()
        self.assertEqual(len(listing.screens()), 1)
        self.assertEqual(self.tasks(listing)["items"], ["Explorer", "Systray"])
        self.assertEqual(self.tasks(listing)["selected"], 0)

    def test_a_second_visit_keeps_the_first_name_and_an_empty_list_opens_nothing(self):
        listing = self.open_for(1)
        self.click_child(listing.screen_with("End Task"), "End Task")
        self.back()
        listing = self.open_for(0)
        screen = listing.screen_with("End Task")
        self.assertEqual(child(screen, cls="Static")["text"], "Systray")
        self.click_child(screen, "End Task")
        listing = self.back()
        self.assertEqual(self.tasks(listing)["items"], [])
        self.click_child(self.close_program(listing), "End Task")
        # "Shutdown" answers with a box: by then the End Task click has long been handled.
        self.click_child(self.close_program(listing), "Shutdown")
        listing = self.program.wait_for(lambda l: l.boxes(), "the first box")
        self.assertEqual(len(listing.screens()), 1)
        self.assertIsNotNone(self.close_program(listing))

    def test_a_double_click_on_a_task_opens_the_screen(self):
        self.select(self.first, 0, double=True)
        listing = self.program.wait_for(lambda l: l.screen_with("Cancel") and not l.screen_with("Shutdown"),
                                        "the Not Responding screen")
        self.assertEqual(child(listing.screen_with("End Task"), cls="Static")["text"], "Explorer")


class KeyboardAlone(NotRespondingTest):
    """A person without a mouse, there and back: each screen shown anew takes the keys at once.
    The keys for one screen go at the given pace; each screen is awaited before the next."""

    def focus_on(self, listing, screen, text):
        return (screen is not None and listing.active == screen["hwnd"] and
                listing.focus == child(screen, text=text)["hwnd"])

    def not_responding(self, listing):
        return next((s for s in listing.screens() if s is not self.close_program(listing)), None)

    def there_and_back(self, delay):
        # From Shutdown, Tab reaches the list past Cancel and End Task; Home selects the first
        # task, and Shift+Tab goes back to End Task, which Return presses.
        Display.key("Tab", "Tab", "Tab", "Home", "shift+Tab", delay=delay)
        self.program.wait_for(
            lambda l: self.tasks(l)["selected"] == 0 and
            self.focus_on(l, self.close_program(l), "End Task"), "End Task with Explorer selected")
        Display.key("Return")
        listing = self.program.wait_for(
            lambda l: self.focus_on(l, self.not_responding(l), "End Task"),
            "the Not Responding screen active with the focus on End Task")
        self.shown(listing, "Cancel")
        self.assertEqual(child(self.not_responding(listing), cls="Static")["text"], "Explorer")
        Display.key("Right", "Return", delay=delay)  # Right walks to Cancel, Return presses it
        listing = self.program.wait_for(
            lambda l: self.not_responding(l) is None and
            self.focus_on(l, self.close_program(l), "End Task"),
            "the task list active again with the focus where it was")
        self.shown(listing, "Shutdown")
        self.assertEqual(self.tasks(listing)["items"], ["Explorer", "Systray"])
        self.assertEqual(self.tasks(listing)["selected"], 0)
        Display.key("Left")  # the screen shown anew takes keys: Left walks back to Cancel
        self.program.wait_for(lambda l: self.focus_on(l, self.close_program(l), "Cancel"),
                              "Left to Cancel")

    def test_there_and_back_at_a_persons_pace(self):
        self.there_and_back(delay=120)

    def test_there_and_back_typed_quickly(self):
        self.there_and_back(delay=0)


if __name__ == "__main__":
    unittest.main()
