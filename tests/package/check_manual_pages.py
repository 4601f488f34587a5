#!/usr/bin/env python3
"""The manual pages against the programs: each page renders with man without a warning, and names
exactly the options its program's --help lists."""
import argparse
import os
import re
import subprocess
import sys
import unittest
from pathlib import Path

ARGS = argparse.Namespace()

# "--stations" in help text; "\-\-stations" in roff.
HELP_OPTION = re.compile(r"--[a-z][a-z-]*")
ROFF_OPTION = re.compile(r"\\-\\-([a-z][a-z\\-]*)")


def help_options(program):
    text = subprocess.run([program, "--help"], check=True, capture_output=True, text=True).stdout
    return set(HELP_OPTION.findall(text))


def page_options(page):
    return {"--" + name.replace("\\-", "-") for name in ROFF_OPTION.findall(page.read_text(encoding="utf-8"))}


def render(page):
    """The page as man shows it, and what groff warned about it."""
    environment = dict(os.environ, LC_ALL="C.UTF-8", MANWIDTH="80")
    shown = subprocess.run(["man", "--warnings", "-E", "UTF-8", "-l", str(page)],
                           env=environment, capture_output=True, text=True)
    return shown.stdout, shown.stderr


class ManualPages(unittest.TestCase):
    def pages(self):
        return {program: Path(ARGS.man_dir) / (Path(program).name + ".1") for program in ARGS.programs}

    def test_each_page_names_exactly_the_options_of_help(self):
        for program, page in self.pages().items():
            with self.subTest(page=page.name):
                self.assertEqual(page_options(page), help_options(program))

    def test_each_page_renders_without_warnings(self):
        for program, page in self.pages().items():
            with self.subTest(page=page.name):
                shown, warnings = render(page)
                self.assertEqual(warnings, "")
                self.assertRegex(shown, rf"NAME\n +{Path(program).name} +- ")
                self.assertIn("SYNOPSIS", shown)


if __name__ == "__main__":
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("man_dir", help="the folder of the configured pages, NAME.1")
    parser.add_argument("programs", nargs="+", help="the built programs")
    ARGS = parser.parse_args()
    unittest.main(argv=sys.argv[:1], verbosity=2)
