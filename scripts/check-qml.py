#!/usr/bin/env python3
"""Fails on front-end code that the phone's Qt 5.6 cannot run or the store refuses.

    check-qml.py <dir or file>...

Looks at every .qml and .js file for:
  - syntax newer than ES5, which Qt 5.6's engine rejects: `let`, `const`, arrow
    functions, template literals, classes, module imports in .js files;
  - a QtQuick import above 2.6 (Qt 5.6's highest);
  - imports that are not on the store's list of allowed QML imports. The list
    below holds the modules this front end uses or may use, each with the
    versions the store allows and Qt 5.6 has. Relative file and directory
    imports and the program's own modules (org.hoplix.*, registered from C++)
    are allowed.
Comments, string contents and regular expression literals are not code and are
skipped. Prints one line per problem as file:line: message; exit code 1 when
there is any, 0 otherwise.
"""

import os
import re
import sys

# Module -> allowed versions. A module missing here is refused, so adding one
# means checking the store's list first.
ALLOWED_IMPORTS = {
    "QtQuick": ["2.0", "2.1", "2.2", "2.3", "2.4", "2.5", "2.6"],
    "QtQuick.Window": ["2.0", "2.1", "2.2"],
    "QtQuick.Layouts": ["1.0", "1.1"],
    "QtQml": ["2.0", "2.1", "2.2"],
    "QtQml.Models": ["2.1", "2.2"],
    "QtGraphicalEffects": ["1.0"],
    "Sailfish.Silica": ["1.0"],
    "Nemo.KeepAlive": ["1.2"],
    "Sailfish.Share": ["1.0"],
    "QtMultimedia": ["5.0", "5.4", "5.5", "5.6"],
    "QtFeedback": ["5.0"],
}
OWN_MODULE_PREFIX = "org.hoplix."
HIGHEST_QTQUICK = (2, 6)

# Characters after which a "/" starts a regular expression, not a division.
REGEX_AFTER = set("(,=:[!&|?{};+-*%<>~^")
REGEX_AFTER_WORDS = {"return", "typeof", "case", "in", "delete", "void", "throw", "new"}


def blank(text):
    return re.sub(r"[^\n]", " ", text)


def strip_source(text):
    """Returns (without_comments, code, template_lines).

    without_comments has comments blanked; code also has the contents of
    strings and regular expression literals blanked (the quotes stay). Both keep
    every newline, so line numbers stay right. template_lines are the lines
    where a template literal starts."""
    kept, code = [], []
    template_lines = []
    i, n = 0, len(text)
    line = 1
    # The last code character and the last word before the current position,
    # to tell a regular expression literal from a division.
    last_char, last_word, in_word = "", "", False
    while i < n:
        c = text[i]
        two = text[i:i + 2]
        if two == "//":
            end = text.find("\n", i)
            end = n if end < 0 else end
            kept.append(blank(text[i:end]))
            code.append(blank(text[i:end]))
            i = end
        elif two == "/*":
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            kept.append(blank(text[i:end]))
            code.append(blank(text[i:end]))
            line += text.count("\n", i, end)
            i = end
        elif c in "\"'`":
            if c == "`":
                template_lines.append(line)
            j = i + 1
            while j < n and text[j] != c:
                if text[j] == "\\":
                    j += 1
                elif text[j] == "\n" and c != "`":
                    break
                j += 1
            end = min(j + 1, n)
            kept.append(text[i:end])
            code.append(c + blank(text[i + 1:end - 1]) + (text[end - 1] if end - 1 > i else ""))
            line += text.count("\n", i, end)
            last_char, in_word = c, False
            i = end
        elif c == "/" and (last_char == "" or last_char in REGEX_AFTER
                           or (last_char == last_word[-1:] and last_word in REGEX_AFTER_WORDS)):
            # A regular expression literal: up to the closing slash on the same
            # line, outside any [...] class.
            j, in_class = i + 1, False
            while j < n and text[j] != "\n":
                if text[j] == "\\":
                    j += 2
                    continue
                if text[j] == "[":
                    in_class = True
                elif text[j] == "]":
                    in_class = False
                elif text[j] == "/" and not in_class:
                    break
                j += 1
            if j < n and text[j] == "/":
                kept.append(text[i:j + 1])
                code.append("/" + blank(text[i + 1:j]) + "/")
                last_char, in_word = "/", False
                i = j + 1
            else:
                kept.append(c)
                code.append(c)
                last_char, in_word = c, False
                i += 1
        else:
            if c == "\n":
                line += 1
            if c.isalnum() or c in "_$":
                last_word = last_word + c if in_word else c
                in_word = True
                last_char = c
            else:
                in_word = False
                if not c.isspace():
                    last_char = c
            kept.append(c)
            code.append(c)
            i += 1
    return "".join(kept), "".join(code), template_lines


ES6_PATTERNS = [
    (re.compile(r"(?<![\w$.])let\b\s*(?=[A-Za-z_$\[{])"), "`let` (ES6): use var"),
    (re.compile(r"(?<![\w$.])const\b(?!\s*:)"), "`const` (ES6): use var"),
    (re.compile(r"=>"), "arrow function (ES6): use function"),
    (re.compile(r"(?<![\w$.])class\b(\s+[A-Za-z_$][\w$]*)?\s*(\{|extends\b)"), "class (ES6)"),
]
JS_MODULE_IMPORT = re.compile(r"^\s*(import|export)\b", re.M)

QML_IMPORT = re.compile(
    r'^\s*import\s+(?:"(?P<path>[^"]*)"|(?P<uri>[A-Za-z_][\w.]*))'
    r"(?:\s+(?P<version>\d+(?:\.\d+)?))?(?:\s+as\s+\w+)?\s*;?\s*$")
JS_IMPORT = re.compile(
    r'^\s*\.import\s+(?:"(?P<path>[^"]*)"|(?P<uri>[A-Za-z_][\w.]*))'
    r"(?:\s+(?P<version>\d+(?:\.\d+)?))?\s+as\s+\w+\s*;?\s*$")


def version_tuple(text):
    return tuple(int(part) for part in text.split("."))


def import_problem(path, uri, version):
    if path is not None:
        if path.startswith("/") or re.match(r"^[A-Za-z][\w+.-]*:", path):
            return 'import "%s": only paths relative to the file are installed with it' % path
        return None
    if uri.startswith(OWN_MODULE_PREFIX):
        return None
    if version is None:
        return "import %s without a version: Qt 5.6 needs one" % uri
    if uri == "QtQuick" and version_tuple(version) > HIGHEST_QTQUICK:
        return "import QtQuick %s: Qt 5.6 has QtQuick 2.6 at most" % version
    if uri not in ALLOWED_IMPORTS:
        return "import %s %s: not on the store's list of allowed imports" % (uri, version)
    if version not in ALLOWED_IMPORTS[uri]:
        return "import %s %s: the store allows only version %s" % (
            uri, version, ", ".join(ALLOWED_IMPORTS[uri]))
    return None


def check_file(path):
    with open(path, encoding="utf-8") as source:
        text = source.read()
    without_comments, code, template_lines = strip_source(text)
    problems = []

    def report(line, message):
        problems.append((line, message))

    for line in template_lines:
        report(line, "template literal (ES6): join strings with +")
    for pattern, message in ES6_PATTERNS:
        for match in pattern.finditer(code):
            report(code.count("\n", 0, match.start()) + 1, message)

    is_js = path.endswith(".js")
    if is_js:
        for match in JS_MODULE_IMPORT.finditer(code):
            report(code.count("\n", 0, match.start()) + 1,
                   "ES6 module `%s`: use .import / .pragma library" % match.group(1))
    import_line = JS_IMPORT if is_js else QML_IMPORT
    keyword = ".import" if is_js else "import"
    for number, line in enumerate(without_comments.split("\n"), start=1):
        if not line.lstrip().startswith(keyword + " "):
            continue
        match = import_line.match(line)
        if match is None:
            report(number, "unreadable import: " + line.strip())
            continue
        problem = import_problem(match.group("path"), match.group("uri"), match.group("version"))
        if problem:
            report(number, problem)
    return ["%s:%d: %s" % (path, line, message) for line, message in sorted(problems)]


def sources(arguments):
    for argument in arguments:
        if os.path.isfile(argument):
            yield argument
            continue
        for directory, dirs, names in os.walk(argument):
            dirs.sort()
            for name in sorted(names):
                if name.endswith((".qml", ".js")):
                    yield os.path.join(directory, name)


def main(arguments):
    if not arguments:
        print(__doc__)
        return 2
    problems, count = [], 0
    for path in sources(arguments):
        count += 1
        problems.extend(check_file(path))
    for problem in problems:
        print(problem)
    if count == 0:
        print("no .qml or .js files found in " + " ".join(arguments))
        return 1
    if problems:
        return 1
    print("%d QML and JavaScript files: ES5 only, allowed imports only" % count)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
