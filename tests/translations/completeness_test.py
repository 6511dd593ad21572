#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Every text of the sources is translated, completely, in every language.

Runs lupdate over the sources into copies of translations/*.ts, so that a text
added to the sources without `make translations` counts as missing, then
checks each message of each copy: it has a finished translation (every plural
form of a counted one), and each translation holds exactly the placeholders
of its source (%1 ... %9, %n), no more and no fewer.

    completeness_test.py LUPDATE TS_FOLDER INCLUDE_FOLDER SOURCE_LIST
    (SOURCE_LIST: one source path a line; INCLUDE_FOLDER: where "ui/..." is)
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

PLACEHOLDER = re.compile(r"%L?([1-9]|n)")
# The same options as the build's lupdate target (translations/CMakeLists.txt).
LUPDATE_OPTIONS = ["-locations", "none", "-no-obsolete", "-tr-function-alias",
                   "QT_TRANSLATE_NOOP+=TESSALY_TEXT,QT_TRANSLATE_N_NOOP3+=TESSALY_PLURAL"]


def text(element):
    # lupdate writes a carriage return as <byte value="xd"/>.
    return "".join(element.itertext()) if element is not None else ""


def placeholders(s):
    return sorted(set(PLACEHOLDER.findall(s)))


def problems_of(ts_file):
    found = []
    for context in ET.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = text(message.find("source"))
            where = f"{ts_file.name} [{name}] {source[:60]!r}"
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            if kind is not None:
                found.append(f"{where}: {kind}")
                continue
            forms = ([text(f) for f in translation.iter("numerusform")]
                     if message.get("numerus") == "yes" else [text(translation)])
            for form in forms:
                if not form.strip():
                    found.append(f"{where}: empty translation")
                elif placeholders(form) != placeholders(source):
                    found.append(f"{where}: placeholders {placeholders(form)} "
                                 f"instead of {placeholders(source)} in {form[:60]!r}")
    return found


def main(lupdate, ts_folder, include_folder, source_list):
    sources = Path(source_list).read_text().split()
    ts_files = sorted(Path(ts_folder).glob("tessaly_*.ts"))
    if not ts_files:
        print(f"FAIL: no translations in {ts_folder}")
        return 1
    with tempfile.TemporaryDirectory() as work:
        copies = [Path(shutil.copy(ts, work)) for ts in ts_files]
        subprocess.run([lupdate, *LUPDATE_OPTIONS, f"-I{include_folder}", *sources, "-ts", *map(str, copies)],
                       check=True, stdout=subprocess.DEVNULL)
        found = [problem for copy in copies for problem in problems_of(copy)]
    for problem in found:
        print("FAIL:", problem)
    print(f"{len(ts_files)} translations checked, {len(found)} problems")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
