"""The built QUORM.exe as a file: its version record, icon, pictures and imports."""

import os
import struct
import unittest

import pefile

EXE = os.environ["QUORM_EXE"]
SOURCE = os.path.normpath(os.path.join(os.path.dirname(__file__), "..", ".."))

# SHELL32 and ADVAPI32 are loaded when a launch or a shut-down needs them, not at start-up.
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll"}


def windows_xp_imports():
    """The functions the program may import, by library in lower case, from the committed list."""
    allowed, library = {}, None
    with open(os.path.join(os.path.dirname(__file__), "windows_xp_imports.txt")) as f:
        for line in f:
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            if line.startswith("["):
                library = line.strip("[]").lower()
                allowed.setdefault(library, set())
            else:
                allowed[library].add(line)
    return allowed


def committed(path):
    with open(os.path.join(SOURCE, path), "rb") as f:
        return f.read()


class Executable(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pe = pefile.PE(EXE)

    def resources(self, type_id):
        for entry in self.pe.DIRECTORY_ENTRY_RESOURCE.entries:
            if entry.id == type_id:
                return {str(e.name) if e.name else e.id: e for e in entry.directory.entries}
        return {}

    def data(self, entry):
        language = entry.directory.entries[0]
        self.assertEqual(language.id, 0x0409)
        rva, size = language.data.struct.OffsetToData, language.data.struct.Size
        return self.pe.get_data(rva, size)

    def test_the_version_record_is_the_projects(self):
        fixed = self.pe.VS_FIXEDFILEINFO[0]
        self.assertEqual((fixed.FileVersionMS, fixed.FileVersionLS), (0x30000, 1))
        self.assertEqual((fixed.ProductVersionMS, fixed.ProductVersionLS), (0x30000, 1))
        self.assertEqual((fixed.FileFlagsMask, fixed.FileFlags), (0, 0))
        self.assertEqual((fixed.FileOS, fixed.FileType, fixed.FileSubtype), (4, 1, 0))
        self.assertEqual((fixed.FileDateMS, fixed.FileDateLS), (0, 0))
        strings, translation = None, None
        for info in self.pe.FileInfo[0]:
            if info.Key == b"StringFileInfo":
                self.assertEqual(len(info.StringTable), 1)
                table = info.StringTable[0]
                self.assertEqual(table.LangID, b"040904B0")
                strings = list(table.entries.items())
            if info.Key == b"VarFileInfo":
                translation = info.Var[0].entry
        self.assertEqual([k for k, _ in strings],
                         [b"Comments", b"CompanyName", b"LegalCopyright", b"ProductName",
                          b"FileVersion", b"ProductVersion", b"InternalName", b"OriginalFilename"])
        values = dict(strings)
        self.assertEqual(values[b"Comments"], b"A program that will scare you!")
        self.assertEqual(values[b"ProductName"], b"Quorm3")
        self.assertEqual(values[b"FileVersion"], b"3.00.0001")
        self.assertEqual(values[b"ProductVersion"], b"3.00.0001")
        self.assertEqual(values[b"InternalName"], b"quorm3")
        self.assertEqual(values[b"OriginalFilename"], b"quorm3.exe")
        self.assertTrue(values[b"CompanyName"] and values[b"LegalCopyright"])
        self.assertEqual(translation, {b"Translation": "0x0409 0x04b0"})

    def test_icon_group_one_holds_the_application_icon_large_then_small(self):
        groups = self.resources(pefile.RESOURCE_TYPE["RT_GROUP_ICON"])
        self.assertEqual(list(groups), [1])
        group = self.data(groups[1])
        reserved, kind, count = struct.unpack_from("<HHH", group)
        self.assertEqual((reserved, kind, count), (0, 1, 2))
        icons = self.resources(pefile.RESOURCE_TYPE["RT_ICON"])
        ico = committed("screens/close_program/application.ico")
        for i in range(count):
            width, height, colours, _, planes, bits, size, icon_id = struct.unpack_from(
                "<BBBBHHIH", group, 6 + 14 * i)
            self.assertEqual((width, height, colours, bits), ((32, 32, 16, 4), (16, 16, 16, 4))[i])
            offset, = struct.unpack_from("<I", ico, 6 + 16 * i + 12)
            self.assertEqual(self.data(icons[icon_id]), ico[offset:offset + size])

    def test_the_pictures_are_the_committed_files_byte_for_byte(self):
        pictures = self.resources(pefile.RESOURCE_TYPE["RT_RCDATA"])
        for name, path in (("APPLICATION_ICON", "screens/close_program/application.ico"),
                           ("CLOSE_PROGRAM_PICTURE", "screens/close_program/close_program.bmp"),
                           ("NOT_RESPONDING_PICTURE", "screens/not_responding/not_responding.bmp"),
                           ("SHUT_DOWN_ICON", "screens/shut_down/shut_down.ico")):
            self.assertEqual(self.data(pictures[name]), committed(path), name)

    def test_it_imports_only_libraries_that_come_with_windows(self):
        imported = {entry.dll.decode().lower() for entry in self.pe.DIRECTORY_ENTRY_IMPORT}
        self.assertLessEqual(imported, SYSTEM_DLLS)
        self.assertEqual(self.pe.OPTIONAL_HEADER.Subsystem, 2)  # a GUI program, no console

    def test_it_imports_only_functions_that_windows_xp_has(self):
        allowed = windows_xp_imports()
        unexpected = []
        for entry in self.pe.DIRECTORY_ENTRY_IMPORT:
            library = entry.dll.decode().lower()
            for function in entry.imports:
                name = function.name.decode() if function.name else f"#{function.ordinal}"
                if name not in allowed.get(library, set()):
                    unexpected.append(f"{entry.dll.decode()}!{name}")
        self.assertEqual(unexpected, [], "imports not in tests/e2e/windows_xp_imports.txt")
        # The system accepts the file from Windows XP on: 5.1 for 32 bits, 5.2 for 64.
        header = self.pe.OPTIONAL_HEADER
        self.assertLessEqual((header.MajorOperatingSystemVersion,
                              header.MinorOperatingSystemVersion), (5, 2))
        self.assertLessEqual((header.MajorSubsystemVersion, header.MinorSubsystemVersion), (5, 2))

    def test_the_manifest_declares_density_awareness_and_no_visual_styles(self):
        manifest = self.data(self.resources(24)[1]).decode()
        self.assertIn(">true</dpiAware>", manifest)
        self.assertNotIn("Common-Controls", manifest)
        self.assertNotIn("dependency", manifest)

    def test_the_release_is_lean_and_carries_no_build_time_or_symbols(self):
        self.assertLessEqual(os.path.getsize(EXE), 480 * 1024)
        self.assertEqual(self.pe.FILE_HEADER.TimeDateStamp, 0)
        self.assertEqual(self.pe.FILE_HEADER.PointerToSymbolTable, 0)
        self.assertEqual(self.pe.FILE_HEADER.NumberOfSymbols, 0)
        names = {section.Name.rstrip(b"\0").decode() for section in self.pe.sections}
        self.assertEqual({n for n in names if n.startswith((".debug", "/"))}, set())
        with open(EXE, "rb") as f:
            self.assertNotIn(SOURCE.encode(), f.read())  # no path of the build machine


if __name__ == "__main__":
    unittest.main()
