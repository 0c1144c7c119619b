"""The screens at other display densities: drawn at a whole factor, controls over the painted
ones, pictures in crisp blocks. Each density runs in a prefix of its own."""

import os
import shutil
import subprocess
import tempfile
import unittest

from harness import Display, Program, ProgramTest, centre, child, throwaway_prefix, wait_for

DESKTOP = "HKCU\\Control Panel\\Desktop"
FONTS = "HKLM\\System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts"

# Client-area rectangles at 96 dpi: each screen's own and its controls', by caption.
CLOSE_PROGRAM = {"": (0, 0, 319, 278), "End Task": (12, 242, 106, 265),
                 "Shutdown": (112, 242, 206, 265), "Cancel": (213, 242, 307, 265),
                 "list": (12, 32, 307, 179)}
NOT_RESPONDING = {"": (0, 0, 364, 251), "End Task": (158, 209, 251, 233),
                  "Cancel": (256, 209, 347, 233), "Explorer": (5, 3, 341, 18)}
SHUT_DOWN = {"": (0, 0, 335, 191), "&Yes": (96, 152, 169, 177), "&No": (176, 152, 249, 177),
             "&Help": (256, 152, 329, 177),
             "&Shut down the computer?": (56, 40, 201, 57), "icon": (8, 16, 40, 48)}


OPTIONS = ("&Shut down the computer?", "&Restart the computer?",
           "Restart the computer in &MS-DOS mode?",
           "&Close all programs and log on as a differnet user?")


def relative(rect, client):
    return (rect[0] - client[0], rect[1] - client[1], rect[2] - client[0], rect[3] - client[1])


def scaled(rect, factor):
    return tuple(v * factor for v in rect)


class Density(unittest.TestCase):
    def run_at(self, dpi, factor):
        workdir = tempfile.mkdtemp(prefix="quorm3-e2e-")
        self.addCleanup(shutil.rmtree, workdir, True)
        env = throwaway_prefix(self, workdir, [(DESKTOP, "LogPixels", "REG_DWORD", dpi),
                                               (FONTS, "LogPixels", "REG_DWORD", dpi)])
        program = Program(workdir, env)
        self.addCleanup(program.stop)
        self.factor, self.dpi = factor, dpi
        self.pictures, self.whole, self.controls = {}, {}, {}
        listing = program.wait_for(lambda l: l.screen_with("Shutdown"), "Close Program", 60)
        screen = listing.screen_with("Shutdown")
        ProgramTest.wait_shown(screen, 160 * factor, 3 * factor, "#000080")
        self.check_close_program(screen, dpi)
        self.photograph_with_focus_moved(program, "Close Program", "Cancel")
        # Cancel held down with the mouse, then let go away from it: no press.
        cancel = centre(child(screen, text="Cancel")["rect"])
        Display.move(*cancel)
        subprocess.run(["xdotool", "mousedown", "1"], check=True)
        self.photograph("Close Program, Cancel held down", screen)
        Display.move(cancel[0], cancel[1] - 60 * factor)
        subprocess.run(["xdotool", "mouseup", "1"], check=True)

        # Each task where it is drawn, then End Task: the Not Responding screen.
        tasks = child(screen, cls="ListBox")
        for row in (1, 0):
            Display.click(tasks["rect"][0] + 20 * factor, tasks["rect"][1] + (6 + 13 * row) * factor)
            program.wait_for(lambda l, row=row: child(l.screen_with("Shutdown"), cls="ListBox")[
                "selected"] == row, f"task {row} selected")
        self.photograph("Close Program, a task selected", program.probe().screen_with("Shutdown"))
        Display.click(*centre(child(screen, text="End Task")["rect"]))
        listing = program.wait_for(lambda l: l.screen_with("Explorer"), "Not Responding")
        screen = listing.screen_with("Explorer")
        ProgramTest.wait_shown(screen, 30 * factor, 58 * factor, "#FFFF00")
        self.check_not_responding(screen)
        self.photograph_with_focus_moved(program, "Not Responding", "Cancel")

        # Cancel, Shutdown and its two boxes: the Shut Down Windows screen.
        Display.click(*centre(child(screen, text="Cancel")["rect"]))
        listing = program.wait_for(lambda l: l.screen_with("Shutdown"), "Close Program again")
        Display.click(*centre(child(listing.screen_with("Shutdown"), text="Shutdown")["rect"]))
        program.close_boxes_with_enter(2, "an announcement")
        listing = program.wait_for(lambda l: l.screen_with("&Yes"), "Shut Down Windows")
        screen = listing.screen_with("&Yes")
        ProgramTest.wait_shown(screen, 22 * factor, 32 * factor, "#0000FF")
        self.check_shut_down(screen)
        self.photograph_with_focus_moved(program, "Shut Down Windows", OPTIONS[0])
        # Arrows typed quickly walk the options, and Tab and Shift+Tab come back to the chosen
        # one. (At 96 dpi Wine inverts the focus rectangle of an option chosen by an arrow twice,
        # leaving it undrawn until the option is painted anew: the way back paints it.)
        self.photograph_with_focus_moved(program, "Shut Down Windows", OPTIONS[2],
                                         ("Down", "Down", "Tab", "shift+Tab"), delay=0)
        # This density's program and session go now, so that the next run has the display.
        program.stop()
        subprocess.run(["wineserver", "-k"], env=dict(os.environ, **env), check=False)
        return self.pictures, self.whole, self.controls

    def photograph(self, name, screen, system_drawn=()):
        """A screenshot, once two in a row agree (the drawing done); the screen's client area is
        kept for comparison, whole and, for the comparison at factor one, without the controls
        named in `system_drawn`: there the system draws an option's glyph at the display's own
        density."""
        shot = wait_for(lambda: Display.still(screen["client"]), f"{name} drawn")
        self.controls[name] = [(c["class"], c["text"], c.get("items")) for c in screen["children"]]
        left, top, right, bottom = screen["client"]
        self.whole[name] = (right - left, shot.region(screen["client"]))
        picture = bytearray(shot.region(screen["client"]))
        for text in system_drawn:
            x0, y0, x1, y1 = child(screen, text=text)["rect"]
            for y in range(max(y0, top), min(y1, bottom)):
                at = 3 * ((y - top) * (right - left) + max(x0, left) - left)
                picture[at:at + 3 * (min(x1, right) - max(x0, left))] = bytes(
                    3 * (min(x1, right) - max(x0, left)))
        self.pictures[name] = bytes(picture)
        return shot

    def photograph_with_focus_moved(self, program, name, to, keys=("Tab",), delay=50):
        """The keys move the focus on to the control with the text `to`; the screen is
        photographed again once it shows that."""
        Display.key(*keys, delay=delay)
        listing = program.wait_for(lambda l: l.focused_text() == to, f"the focus on {to!r}")
        screen = next(s for s in listing.screens()
                      if any(c["hwnd"] == listing.focus for c in s["children"]))
        self.photograph(f"{name}, focus on {to}", screen,
                        OPTIONS if screen is listing.screen_with("&Yes") else ())

    def check_rects(self, screen, expected):
        client = screen["client"]
        for text, rect in expected.items():
            if text == "":
                got = relative(client, client)
            elif text == "list":
                got = relative(child(screen, cls="ListBox")["rect"], client)
            elif text == "icon":
                got = relative(child(screen, cls="Quorm3PictureBox")["rect"], client)
            else:
                got = relative(child(screen, text=text)["rect"], client)
            self.assertEqual(got, scaled(rect, self.factor), text or "the client area")

    def check_blocks(self, shot, origin, x0, y0, x1, y1):
        """Every picture pixel of the region, counted from `origin` (a rectangle whose top left
        is the picture's), shows as one colour over a factor-square block."""
        f = self.factor
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                left, top = origin[0] + x * f, origin[1] + y * f
                self.assertEqual(len(shot.colours(left, top, left + f - 1, top + f - 1)), 1,
                                 f"picture pixel {x},{y}")

    def check_close_program(self, screen, dpi):
        self.check_rects(screen, CLOSE_PROGRAM)
        shot = self.photograph("Close Program", screen)
        client, f = screen["client"], self.factor
        self.assertEqual(shot.pixel(client[0], client[1]), "#FCFCFC")  # the frame, top left
        self.assertEqual(shot.pixel(client[0] + 200 * f, client[1] + 18 * f), "#000080")
        self.assertEqual(shot.pixel(client[0] + 5 * f, client[1] + 230 * f), "#C0C0C0")
        self.check_blocks(shot, client, 0, 0, 30, 20)  # frame, flag and title bar
        self.check_blocks(shot, client, 23, 6, 102, 16)  # the painted title
        self.check_blocks(shot, client, 13, 187, 60, 197)  # the warning's first words
        Display.save_picture(f"close_program_{dpi}dpi.png", screen["rect"])

    def check_not_responding(self, screen):
        self.check_rects(screen, NOT_RESPONDING)
        Display.save_picture(f"not_responding_{self.dpi}dpi.png", screen["rect"])
        shot = self.photograph("Not Responding", screen)
        self.check_blocks(shot, screen["client"], 17, 37, 44, 66)  # the warning sign
        self.check_blocks(shot, screen["client"], 342, 2, 362, 19)  # the painted close box

    def check_shut_down(self, screen):
        self.check_rects(screen, SHUT_DOWN)
        Display.save_picture(f"shut_down_{self.dpi}dpi.png", screen["rect"])
        left, top, right, bottom = screen["rect"]
        self.assertLessEqual(abs(left - (1024 - (right - left)) // 2), 1)
        self.assertLessEqual(abs(top - (768 - (bottom - top)) // 2), 1)
        shot = self.photograph("Shut Down Windows", screen, OPTIONS)
        icon = child(screen, cls="Quorm3PictureBox")["rect"]
        self.check_blocks(shot, icon, 0, 0, 31, 31)  # the computer icon

    # The 96-dpi pictures, taken once for the tests that compare with them.
    at_96 = None

    def pictures_at_96(self):
        if Density.at_96 is None:
            Density.at_96 = self.run_at(96, 1)
        return Density.at_96

    def test_120_dpi_draws_every_screen_pixel_for_pixel_as_96_dpi(self):
        at_96 = self.pictures_at_96()[0]
        at_120 = self.run_at(120, 1)[0]
        for name, picture in at_96.items():
            self.assertTrue(picture == at_120[name], f"{name} differs at 120 dpi")

    def assert_factor_two_is_96_dpi_scaled(self, dpi):
        """Every pixel of each client area, in each state, is the 96-dpi one as a 2x2 block, the
        live controls' too; the controls are the same."""
        _, at_96, controls_96 = self.pictures_at_96()
        _, at_dpi, controls_dpi = self.run_at(dpi, 2)
        for name, (width, small) in at_96.items():
            big_width, big = at_dpi[name]
            with self.subTest(state=name):
                # The same controls, texts and items: what a screen reader reads.
                self.assertEqual(controls_dpi[name], controls_96[name])
                self.assertEqual(big_width, 2 * width)
                differ = 0
                for y in range(len(small) // (3 * width)):
                    row = small[3 * y * width:3 * (y + 1) * width]
                    doubled = b"".join(row[i:i + 3] * 2 for i in range(0, len(row), 3))
                    for big_y in (2 * y, 2 * y + 1):
                        got = big[3 * big_y * big_width:3 * (big_y + 1) * big_width]
                        if got != doubled:
                            differ += sum(got[i:i + 3] != doubled[i:i + 3]
                                          for i in range(0, len(got), 3))
                total = len(big) // 3
                self.assertEqual(differ, 0, f"{name} at {dpi} dpi: {differ} of {total} pixels "
                                 f"differ ({100 * (total - differ) / total:.2f}% match)")

    def test_144_dpi_draws_at_factor_two(self):
        self.assert_factor_two_is_96_dpi_scaled(144)

    def test_192_dpi_draws_at_factor_two(self):
        self.assert_factor_two_is_96_dpi_scaled(192)


if __name__ == "__main__":
    unittest.main()
