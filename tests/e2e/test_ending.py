"""The end of the prank: one minute after the start, whatever is showing."""

import time
import unittest

from harness import Display, ProgramTest, box_text


class Ending(ProgramTest):
    def test_the_program_ends_a_minute_after_the_start_even_with_a_box_open(self):
        Display.key("Return")
        listing = self.program.wait_for(lambda l: l.boxes(), "the first box")
        self.assertEqual(box_text(listing.boxes()[0]), "Are you sure you want to shutdown?")
        self.assertEqual(self.program.wait_for_exit(180), 0)
        # Timers never fire early: the end cannot come before the sixty seconds are up.
        self.assertGreaterEqual(time.monotonic() - self.program.started, 59.5)


if __name__ == "__main__":
    unittest.main()
