#!/usr/bin/env python3
"""Fails when a shipped translation is not complete for the current QML.

Runs lupdate over qml/ into temporary copies of the translation files and
fails when lupdate changes a copy (a text added, reworded or removed since the
file was refreshed), when a message is unfinished or has an empty translation,
when a translation drops or adds a placeholder, or when a language that
start-up looks for has no file.

    python3 tools/translations/check.py SOURCE_DIR [LUPDATE]
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

# The codes start-up loads translations/harbour-hoplix-<code>.qm for; en_US
# finds the en file through the toolkit's fallback to the language alone.
LANGUAGES = ["zh_CN", "en", "de", "fr", "es", "ja", "ru"]
PLACEHOLDER = re.compile(r"%\d+")


def problems_of(path):
    found = []
    root = ET.parse(path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            where = "%s: %s %r" % (os.path.basename(path), name, source)
            if translation is None:
                found.append(where + ": no translation")
                continue
            if translation.get("type"):
                found.append(where + ": " + translation.get("type"))
            forms = [f.text or "" for f in translation.iter("numerusform")] \
                if message.get("numerus") == "yes" else [translation.text or ""]
            for form in forms:
                if not form.strip():
                    found.append(where + ": empty translation")
                elif sorted(set(PLACEHOLDER.findall(form))) != sorted(set(PLACEHOLDER.findall(source))) \
                        and message.get("numerus") != "yes":
                    found.append(where + ": placeholders differ in %r" % form)
    return found


def main(argv):
    source_dir = argv[1]
    lupdate = argv[2] if len(argv) > 2 else "lupdate"
    translations = os.path.join(source_dir, "translations")
    problems = []
    with tempfile.TemporaryDirectory() as temp:
        copies = []
        for code in LANGUAGES:
            name = "harbour-hoplix-%s.ts" % code
            path = os.path.join(translations, name)
            if not os.path.exists(path):
                problems.append("%s: missing" % name)
                continue
            copy = os.path.join(temp, name)
            shutil.copyfile(path, copy)
            copies.append((path, copy))
        if copies:
            subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none",
                            os.path.join(source_dir, "qml"), "-extensions", "qml,js",
                            "-ts"] + [c for _, c in copies], check=True)
        for path, copy in copies:
            with open(path, encoding="utf-8") as f, open(copy, encoding="utf-8") as g:
                if f.read() != g.read():
                    problems.append("%s: differs from what lupdate makes of qml/ (refresh it, "
                                    "see the README)" % os.path.basename(path))
            problems.extend(problems_of(copy))
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
