#!/usr/bin/env python3
"""Fills the unfinished messages of Qt Linguist files from finished ones.

After lupdate, a text that moved to another page (a new context) or was
copied there comes back unfinished, although the same file already holds its
translation. This gives every unfinished message the
translation of a finished message of the same file that has the same source
text (and the same plural kind), in any context, or else of a vanished one
(lupdate keeps those until it runs with -no-obsolete). Texts that are new or
reworded stay unfinished for a translator.

The files are edited in place, keeping lupdate's layout, so a second lupdate
run leaves them as they are.

    lupdate -locations none qml -extensions qml,js -ts translations/*.ts
    python3 tools/translations/carry.py translations/*.ts
    lupdate -no-obsolete -locations none qml -extensions qml,js -ts translations/*.ts
"""

import re
import sys

MESSAGE = re.compile(r"<message(?P<attrs>[^>]*)>(?P<body>.*?)</message>", re.S)
SOURCE = re.compile(r"<source>(.*?)</source>", re.S)
TRANSLATION = re.compile(r"<translation(?P<attrs>[^>]*)>(?P<inner>.*?)</translation>", re.S)
UNFINISHED = ' type="unfinished"'


def is_empty(inner):
    return not re.sub(r"</?numerusform>", "", inner).strip()


def parts(match):
    body = match.group("body")
    source = SOURCE.search(body)
    translation = TRANSLATION.search(body)
    if not source or not translation:
        return None
    key = (match.group("attrs").strip(), source.group(1))
    return key, translation


def carry(text):
    """Returns the text with its unfinished messages filled, and their count."""
    finished = {}
    # A text that left its context (its file renamed or split) stays behind as
    # vanished until lupdate runs with -no-obsolete; its translation is still
    # the text's, and serves where no current one does.
    gone = {}
    for match in MESSAGE.finditer(text):
        found = parts(match)
        if not found:
            continue
        key, translation = found
        if is_empty(translation.group("inner")):
            continue
        attrs = translation.group("attrs").strip()
        if not attrs:
            finished.setdefault(key, translation.group("inner"))
        elif attrs in ('type="vanished"', 'type="obsolete"'):
            gone.setdefault(key, translation.group("inner"))
    for key, inner in gone.items():
        finished.setdefault(key, inner)

    filled = [0]

    def fill(match):
        found = parts(match)
        if not found:
            return match.group(0)
        key, translation = found
        # lupdate itself may have put a same-text guess in, still unfinished:
        # the finished translation replaces it.
        if translation.group("attrs") != UNFINISHED:
            return match.group(0)
        if key not in finished:
            return match.group(0)
        filled[0] += 1
        body = match.group("body")
        body = (body[: translation.start()] + "<translation>" + finished[key] + "</translation>"
                + body[translation.end():])
        return "<message" + match.group("attrs") + ">" + body + "</message>"

    return MESSAGE.sub(fill, text), filled[0]


def main(paths):
    if not paths:
        sys.stderr.write("usage: carry.py FILE.ts...\n")
        return 2
    for path in paths:
        with open(path, encoding="utf-8") as f:
            text = f.read()
        result, count = carry(text)
        if count:
            with open(path, "w", encoding="utf-8") as f:
                f.write(result)
        left = len(re.findall(r"<translation" + UNFINISHED, result))
        print("%s: %d filled, %d still unfinished" % (path, count, left))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
