#!/usr/bin/env python3
"""Feeds scripts/check-qml.py one sample per kind of fault and one clean sample.

    qml_check_catches.py <source dir>

Each faulty sample must fail with its own message on its own line; the clean
sample, full of look-alikes in comments, strings, regular expressions and
names, must pass. Exit code 0 passes, 1 fails.
"""

import os
import subprocess
import sys
import tempfile

# (file name, content, line of the fault, words the message must contain)
FAULTY = [
    ("let.js", "function f() {\n    let x = 1\n    return x\n}\n", 2, "`let`"),
    ("let-destructuring.qml",
     "import QtQuick 2.6\nItem {\n    function f(p) { let [a, b] = p; return a }\n}\n", 3, "`let`"),
    ("const.qml",
     "import QtQuick 2.6\nItem {\n    function f() {\n        const limit = 3\n        return limit\n    }\n}\n",
     4, "`const`"),
    ("arrow.qml",
     "import QtQuick 2.6\nItem {\n    property var pick: [1, 2].map(v => v * 2)\n}\n", 3, "arrow"),
    ("template.js", "/* a comment\n   first */\nfunction name(n) {\n    return `hop ${n}`\n}\n", 4,
     "template literal"),
    ("class.js", "/* one\n   two */\nclass Board {\n}\n", 3, "class"),
    ("module.js", "import { x } from \"./other.js\"\n", 1, "ES6 module"),
    ("qtquick-27.qml", "import QtQuick 2.7\nItem {}\n", 1, "2.6 at most"),
    ("qtquick-215.qml", "import QtQuick 2.15\nItem {}\n", 1, "2.6 at most"),
    ("controls.qml", "import QtQuick 2.6\nimport QtQuick.Controls 2.0\nItem {}\n", 2,
     "not on the store's list"),
    ("qttest.qml", "import QtQuick 2.6\nimport QtTest 1.0\nItem {}\n", 2, "not on the store's list"),
    ("keepalive-11.qml", "import QtQuick 2.6\nimport Nemo.KeepAlive 1.1\nItem {}\n", 2,
     "allows only version 1.2"),
    ("no-version.qml", "import QtQuick\nItem {}\n", 1, "without a version"),
    ("absolute.qml", "import QtQuick 2.6\nimport \"/usr/lib/qml/Foreign\"\nItem {}\n", 2,
     "relative to the file"),
    ("js-import.js", ".pragma library\n.import QtQuick.LocalStorage 2.0 as Sql\n", 2,
     "not on the store's list"),
]

# Everything here looks like a fault to a careless check and is not one.
CLEAN_QML = r"""import QtQuick 2.6
import QtQuick.Window 2.2
import Sailfish.Silica 1.0
import Nemo.KeepAlive 1.2
import org.hoplix.hoplix 1.0
import "components"
import "../pages"
import "Theme.js" as Theme

// let x = 1; const y = 2; a => b; `template`; class Foo {}
/* let z = 3
   const w = 4 => `x` class Bar {} */
Item {
    property int letter: 1
    property int constant: letter / 2 / 1
    property string classic: "let me `go` => const class X {"
    property string quoted: 'const a = b => c'
    property bool late: letter >= 2 && letter <= 4
    property var pattern: /=>|`let x`/g
    function halve(total) {
        var result = total / 2
        return /const\/[a/]=>/.test(classic) ? result : result / 4
    }
}
"""
CLEAN_JS = r""".pragma library
.import "other.js" as Other
// let me explain: arrow functions (a => b) are ES6
var letters = "abc"
function constant() { return letters.length / 2 }
"""


def run_check(source, path):
    result = subprocess.run([sys.executable, os.path.join(source, "scripts", "check-qml.py"), path],
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                            universal_newlines=True)
    return result.returncode, result.stdout


def main(source):
    failures = []
    with tempfile.TemporaryDirectory(prefix="hoplix-qmlcheck-") as scratch:
        for name, content, line, words in FAULTY:
            path = os.path.join(scratch, name)
            with open(path, "w", encoding="utf-8") as sample:
                sample.write(content)
            code, output = run_check(source, path)
            expected = "%s:%d: " % (path, line)
            if code != 1 or not any(l.startswith(expected) and words in l
                                    for l in output.splitlines()):
                failures.append("%s: expected exit 1 and \"%s...%s\", got %d:\n%s"
                                % (name, expected, words, code, output))
        clean = os.path.join(scratch, "clean")
        os.makedirs(clean)
        for name, content in (("Clean.qml", CLEAN_QML), ("clean.js", CLEAN_JS)):
            with open(os.path.join(clean, name), "w", encoding="utf-8") as sample:
                sample.write(content)
        code, output = run_check(source, clean)
        if code != 0:
            failures.append("clean samples: expected exit 0, got %d:\n%s" % (code, output))
    if failures:
        print("FAIL:\n" + "\n".join(failures))
        return 1
    print("%d faulty samples caught, clean samples pass" % len(FAULTY))
    return 0


if __name__ == "__main__":
    sys.exit(main(os.path.abspath(sys.argv[1])))
