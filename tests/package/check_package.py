#!/usr/bin/env python3
"""Unpacks the built Debian package into a temporary folder and checks Kelvane as it would be installed:
the files the package holds, its control fields, the desktop entry, the icon, both programs' versions,
the batch tool solving the worked examples and drawing charts with its module, the manual pages, and the
Python module imported from it."""
import argparse
import gzip
import json
import os
import subprocess
import sys
import sysconfig
import tempfile
import unittest
from pathlib import Path

ARGS = argparse.Namespace()

INSTALLED_FILES = {
    "usr/bin/kelvane",
    "usr/bin/kelvane-solve",
    "usr/share/applications/kelvane.desktop",
    "usr/share/icons/hicolor/scalable/apps/kelvane.svg",
    "usr/share/icons/hicolor/256x256/apps/kelvane.png",
    "usr/share/man/man1/kelvane.1.gz",
    "usr/share/man/man1/kelvane-solve.1.gz",
    "usr/share/doc/kelvane/copyright",
    "usr/share/doc/kelvane/changelog.gz",
}
# Where Debian's python3 finds packages.
PYTHON_PACKAGES = "usr/lib/python3/dist-packages"
ICON_SIZE = 256
# Solved with the default station count and inputs, as kelvane.solve(path) solves.
DEFAULTS_EXAMPLE = "01-default-elliptic"
NO_DISPLAY = {"DISPLAY": "", "WAYLAND_DISPLAY": "", "QT_QPA_PLATFORM": "xcb"}


def run(command, **kwargs):
    return subprocess.run(command, capture_output=True, text=True, **kwargs)


def expected_files():
    files = INSTALLED_FILES | {f"usr/{ARGS.chart_module}", f"usr/{ARGS.traps_off_library}"}
    if ARGS.python:
        module = f"{PYTHON_PACKAGES}/kelvane"
        # The trap switch beside the module too: XFoil runs from a script find it there.
        files |= {f"{module}/__init__.py", f"{module}/_kelvane{sysconfig.get_config_var('EXT_SUFFIX')}",
                  f"{module}/{Path(ARGS.traps_off_library).name}"}
    return files


def solved_examples():
    """The worked examples that solve: their folders and the numbers they must give."""
    for example in sorted(Path(ARGS.examples).iterdir()):
        if (example / "PLL.txt").exists():
            yield example, json.loads((example / "expected.json").read_text())["numbers"]


class UnpackedPackage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        debs = sorted(Path(ARGS.package_dir).glob("*.deb"))
        if len(debs) != 1:
            raise AssertionError(f"expected one package in {ARGS.package_dir}, found {[d.name for d in debs]}")
        cls.deb = debs[0]
        cls.folder = tempfile.TemporaryDirectory(prefix="kelvane-package-")
        cls.root = Path(cls.folder.name) / "root"
        subprocess.run(["dpkg-deb", "-x", str(cls.deb), str(cls.root)], check=True)

    @classmethod
    def tearDownClass(cls):
        cls.folder.cleanup()

    def field(self, name):
        return run(["dpkg-deb", "-f", str(self.deb), name], check=True).stdout.strip()

    def program(self, name):
        return str(self.root / "usr/bin" / name)

    def test_file_name_carries_version_and_architecture(self):
        architecture = run(["dpkg", "--print-architecture"], check=True).stdout.strip()
        self.assertEqual(self.deb.name, f"kelvane_{ARGS.version}_{architecture}.deb")

    def test_control_fields(self):
        self.assertEqual(self.field("Package"), "kelvane")
        self.assertEqual(self.field("Version"), ARGS.version)
        self.assertEqual(self.field("Section"), "science")
        self.assertRegex(self.field("Maintainer"), r".+ <.+@.+>")
        # Computed from the programs' libraries.
        depends = self.field("Depends")
        for library in ("libqt6widgets6", "libqt6svg6", "libstdc++6", "libc6", "qt6-translations-l10n"):
            self.assertIn(library, depends)
        if ARGS.python:
            self.assertIn("python3-numpy", depends)
            self.assertRegex(depends, r"python3 \(>= 3\.\d+\), python3 \(<< 3\.\d+\)")
        self.assertEqual(self.field("Recommends"), "xfoil")

    def test_changelog_begins_with_this_version(self):
        changelog = gzip.decompress((self.root / "usr/share/doc/kelvane/changelog.gz").read_bytes()).decode()
        self.assertTrue(changelog.startswith(f"kelvane ({ARGS.version}) "), changelog.splitlines()[0])

    def test_holds_the_listed_files_and_nothing_else(self):
        files = {str(path.relative_to(self.root)) for path in self.root.rglob("*") if not path.is_dir()}
        self.assertEqual(files, expected_files())
        for program in ("kelvane", "kelvane-solve"):
            self.assertTrue(os.access(self.program(program), os.X_OK), program)

    def test_desktop_entry_validates_and_starts_the_window(self):
        entry = self.root / "usr/share/applications/kelvane.desktop"
        validated = run(["desktop-file-validate", str(entry)])
        self.assertEqual(validated.returncode, 0, validated.stdout + validated.stderr)
        lines = entry.read_text(encoding="utf-8").splitlines()
        for line in ("Exec=kelvane", "Icon=kelvane", "Terminal=false", "Categories=Education;Science;Engineering;"):
            self.assertIn(line, lines)

    def test_icon_is_a_square_png_of_the_theme_size(self):
        png = (self.root / "usr/share/icons/hicolor/256x256/apps/kelvane.png").read_bytes()
        self.assertEqual(png[:8], b"\x89PNG\r\n\x1a\n")
        # The header chunk follows the signature: length, "IHDR", width, height (big-endian).
        self.assertEqual(png[12:16], b"IHDR")
        self.assertEqual(int.from_bytes(png[16:20], "big"), ICON_SIZE)
        self.assertEqual(int.from_bytes(png[20:24], "big"), ICON_SIZE)

    def test_both_programs_answer_their_version_without_a_display(self):
        environment = dict(os.environ, **NO_DISPLAY)
        for program in ("kelvane", "kelvane-solve"):
            answer = run([self.program(program), "--version"], env=environment)
            self.assertEqual((answer.returncode, answer.stdout), (0, f"{program} {ARGS.version}\n"))

    def assertNumbers(self, numbers, expected):
        for name, value in expected.items():
            self.assertAlmostEqual(numbers[name], value, delta=1e-9 * abs(value), msg=name)

    def test_batch_tool_solves_the_worked_examples(self):
        solved = 0
        for example, expected in solved_examples():
            argv = json.loads((example / "args.json").read_text())["argv"]
            argv = [str(example / "input.cfg") if arg == "CONFIG" else arg for arg in argv]
            with self.subTest(example=example.name), tempfile.TemporaryDirectory() as work:
                answer = run([self.program("kelvane-solve"), *argv], cwd=work)
                self.assertEqual(answer.returncode, 0, answer.stderr)
                self.assertNumbers(json.loads(answer.stdout), expected)
                for written in ("PLL.txt", "LastConfig.cfg"):
                    self.assertEqual(Path(work, written).read_bytes(), (example / written).read_bytes(), written)
                solved += 1
        self.assertGreater(solved, 0)

    def test_batch_tool_draws_charts_with_the_module_in_the_package(self):
        with tempfile.TemporaryDirectory() as work:
            answer = run([self.program("kelvane-solve"), "--plot", "planform:p.png", "--plot", "lift:l.svg",
                          str(Path(ARGS.examples) / DEFAULTS_EXAMPLE / "input.cfg")],
                         cwd=work, env=dict(os.environ, **NO_DISPLAY))
            self.assertEqual(answer.returncode, 0, answer.stderr)
            for name, signature in (("p.png", b"\x89PNG"), ("l.svg", b"<?xml")):
                self.assertTrue(Path(work, name).read_bytes().startswith(signature), name)

    def test_manual_pages_render(self):
        environment = dict(os.environ, LC_ALL="C.UTF-8", MANWIDTH="80")
        for program in ("kelvane", "kelvane-solve"):
            page = self.root / f"usr/share/man/man1/{program}.1.gz"
            shown = run(["man", "--warnings", "-E", "UTF-8", "-l", str(page)], env=environment)
            self.assertEqual((shown.returncode, shown.stderr), (0, ""))
            self.assertRegex(shown.stdout, rf"NAME\n +{program} +- ")

    def test_python_module_imports_from_the_package_and_solves(self):
        if not ARGS.python:
            self.skipTest("built without the Python module")
        example = Path(ARGS.examples) / DEFAULTS_EXAMPLE
        expected = json.loads((example / "expected.json").read_text())["numbers"]
        script = ("import json, sys, kelvane\n"
                  "result = kelvane.solve(sys.argv[1])\n"
                  "print(json.dumps({'file': kelvane.__file__, 'version': kelvane.__version__,\n"
                  "                  'numbers': {name: getattr(result, name) for name in sys.argv[2:]}}))\n")
        # No byte code is written into the unpacked tree, whose files another check lists.
        environment = dict(os.environ, PYTHONPATH=str(self.root / PYTHON_PACKAGES), PYTHONDONTWRITEBYTECODE="1")
        with tempfile.TemporaryDirectory() as work:
            answer = run([sys.executable, "-c", script, str(example / "input.cfg"), *expected],
                         cwd=work, env=environment)
        self.assertEqual(answer.returncode, 0, answer.stderr)
        imported = json.loads(answer.stdout)
        self.assertTrue(Path(imported["file"]).is_relative_to(self.root), imported["file"])
        self.assertEqual(imported["version"], ARGS.version)
        self.assertNumbers(imported["numbers"], expected)


if __name__ == "__main__":
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("package_dir", help="the folder holding the one built kelvane_*.deb")
    parser.add_argument("examples", help="the worked examples' folder")
    parser.add_argument("version", help="the project version")
    parser.add_argument("--chart-module", required=True,
                        help="the batch tool's chart module, below the installation prefix")
    parser.add_argument("--traps-off-library", required=True,
                        help="the floating-point trap switch preloaded into XFoil, below the installation prefix")
    parser.add_argument("--python", action="store_true", help="the package holds the Python module")
    ARGS = parser.parse_args()
    unittest.main(argv=sys.argv[:1], verbosity=2)
