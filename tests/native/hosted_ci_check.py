#!/usr/bin/env python3
"""What the hosted runners need of the project today, read from its files: the Windows image
that has the presets' generator, actions made for the Node 24 runtime, the build program a bare
Debian root lacks, GoogleTest required where the Windows-side tests are built, and test presets
that fail when no test ran.
"""
import json
import pathlib
import re
import sys
import unittest

ROOT = pathlib.Path(sys.argv.pop(1) if len(sys.argv) > 1 else ".")

# The image that carries each Visual Studio generator.
IMAGE_OF_GENERATOR = {"Visual Studio 17 2022": "windows-2022",
                      "Visual Studio 18 2026": "windows-2025"}
# The first major version of each action that runs on Node 24; the runners removed Node 20.
FIRST_NODE24_MAJOR = {"actions/checkout": 5, "actions/upload-artifact": 6,
                      "actions/download-artifact": 7, "actions/cache": 5}


def read(path):
    return (ROOT / path).read_text(encoding="utf-8")


def presets():
    return json.loads(read("CMakePresets.json"))


class HostedCi(unittest.TestCase):
    def test_windows_jobs_run_on_the_image_that_has_the_presets_generator(self):
        generators = {p["generator"] for p in presets()["configurePresets"] if "generator" in p}
        images = {IMAGE_OF_GENERATOR.get(g) for g in generators}
        self.assertEqual(len(images), 1, f"one generator with a known image: {generators}")
        workflow = read(".github/workflows/ci.yml")
        windows = [r for r in re.findall(r"runs-on:\s*(\S+)", workflow) if "windows" in r]
        self.assertTrue(windows, "a Windows job")
        self.assertEqual(set(windows), images)

    def test_every_action_is_made_for_node_24(self):
        uses = re.findall(r"uses:\s*([\w./-]+)@v(\d+)", read(".github/workflows/ci.yml"))
        self.assertTrue(uses)
        for action, major in uses:
            self.assertIn(action, FIRST_NODE24_MAJOR, "an action this check does not know")
            self.assertGreaterEqual(int(major), FIRST_NODE24_MAJOR[action], action)

    def test_setup_installs_what_a_bare_root_only_gets_as_recommendations(self):
        block = re.search(r"packages=\((.*?)\)", read("tools/setup.sh"), re.S).group(1)
        packages = {word for line in block.splitlines()
                    for word in line.split("#")[0].split()}
        for needed in ("make", "llvm", "ca-certificates"):  # cmake's, clang's, npm's
            self.assertIn(needed, packages)

    def test_googletest_is_required_where_the_windows_side_tests_are_built(self):
        calls = re.findall(r"find_package\(\s*GTest([^)]*)\)", read("tests/win/CMakeLists.txt"))
        self.assertTrue(calls)
        for arguments in calls:
            self.assertIn("REQUIRED", arguments.split())

    def test_every_test_preset_fails_when_no_test_ran(self):
        tests = presets()["testPresets"]
        self.assertTrue(tests)
        by_name = {p["name"]: p for p in tests}

        def no_tests_action(preset):
            action = preset.get("execution", {}).get("noTestsAction")
            if action is None:
                for parent in preset.get("inherits", []):
                    action = action or no_tests_action(by_name[parent])
            return action

        for preset in tests:
            if not preset.get("hidden"):
                self.assertEqual(no_tests_action(preset), "error", preset["name"])


if __name__ == "__main__":
    unittest.main(verbosity=2)
