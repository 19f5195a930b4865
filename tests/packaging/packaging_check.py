#!/usr/bin/env python3
"""Checks that keep the package, the install tree and the installed program in step.

    packaging_check.py install-matches-files <source dir> <build dir>
        Installs the build into a staging directory (prefix /usr) and compares
        the installed files with the package's %files list, both ways.
    packaging_check.py spec-parses <source dir> <build dir>
        rpmspec parses the package description.
    packaging_check.py harbour-rules <source dir> <build dir>
        Checks the staged install against the store's rules: files only in the
        places a package may use, launcher icons at their exact sizes, the
        desktop entry's keys and sandbox names, the program's libraries (all on
        the allowed list below), no rpath, main() exported.
    packaging_check.py installed-app-starts <source dir> <build dir>
        Starts the staged program offscreen for a few seconds with German
        chosen and checks it found its front end and its translations.
    packaging_check.py entry-file <source dir> <build dir>
        The staged qml/harbour-hoplix.qml is the shell the build chose
        (HOPLIX_SHELL), Silica's ApplicationWindow at its root in the phone's
        build; the desktop's install holds nothing that imports Silica; every
        relative import and QML file name in the staged front end is there.

Exit code 0 passes, 1 fails, 77 skips (the application is not built here).
"""

import configparser
import fnmatch
import os
import re
import struct
import shutil
import signal
import subprocess
import sys
import tempfile
import time

NAME = "harbour-hoplix"
SPEC = os.path.join("rpm", NAME + ".spec")
SKIP = 77


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def skip(message):
    print("SKIP: " + message)
    sys.exit(SKIP)


def application(build):
    binary = os.path.join(build, "bin", NAME)
    if not os.path.isfile(binary):
        skip("the application is not built in " + build)
    return binary


def stage(build, into):
    """Installs the build under `into` as the package build does."""
    env = dict(os.environ, DESTDIR=into)
    result = subprocess.run(["cmake", "--install", build, "--prefix", "/usr"],
                            env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                            universal_newlines=True)
    if result.returncode != 0:
        fail("install into the staging directory failed:\n" + result.stdout)


def installed_paths(root):
    """Every file (and symlink) below root, as absolute paths on the target."""
    files = set()
    for directory, _, names in os.walk(root):
        for name in names:
            full = os.path.join(directory, name)
            files.add("/" + os.path.relpath(full, root))
    return files


def installed_directories(root):
    """Every directory below root, as absolute paths on the target."""
    return {"/" + os.path.relpath(directory, root)
            for directory, _, _ in os.walk(root) if directory != root}


MACROS = {
    "%{_prefix}": "/usr",
    "%{_bindir}": "/usr/bin",
    "%{_datadir}": "/usr/share",
    "%{name}": NAME,
}


def expand(text):
    for macro, value in MACROS.items():
        text = text.replace(macro, value)
    if "%" in text:
        fail("unknown macro in %files entry: " + text)
    return text


def files_entries(spec_path):
    """The paths that the package's %files section names, macros expanded.

    Returns (entries, directories): plain entries, which package everything at
    or below them, and %dir entries, which package only the directory."""
    entries, directories = [], []
    in_files = False
    with open(spec_path, encoding="utf-8") as spec:
        for raw in spec:
            line = raw.strip()
            if line.startswith("%files"):
                in_files = True
                continue
            if not in_files:
                continue
            if line.startswith("%") and line.split()[0] in (
                    "%changelog", "%package", "%description", "%post", "%postun",
                    "%pre", "%preun", "%check", "%install", "%build", "%prep"):
                break
            if not line or line.startswith("#") or line.startswith("%defattr"):
                continue
            words = line.split()
            # Attribute markers (%attr(...), %config, %doc, %license) precede the path.
            while words and words[0].startswith("%") and not words[0].startswith("%{"):
                marker = words.pop(0)
                if marker == "%dir":
                    directories.append(expand(" ".join(words)))
                    words = []
            if words:
                entries.append(expand(" ".join(words)))
    if not entries:
        fail("no %files entries in " + spec_path)
    return entries, directories


def covered(path, entry):
    if fnmatch.fnmatchcase(path, entry):
        return True
    # A directory entry packages everything below it.
    parts = path.split("/")
    return any(fnmatch.fnmatchcase("/".join(parts[:i]), entry) for i in range(2, len(parts)))


def install_matches_files(source, build):
    application(build)
    entries, directories = files_entries(os.path.join(source, SPEC))
    with tempfile.TemporaryDirectory(prefix="hoplix-stage-") as root:
        stage(build, root)
        files = installed_paths(root)
        unpackaged = sorted(f for f in files if not any(covered(f, e) for e in entries))
        unmatched = sorted(e for e in entries if not any(covered(f, e) for f in files))
        missing_dirs = sorted(d for d in directories
                              if not os.path.isdir(os.path.join(root, d.lstrip("/"))))
        # Uninstalling removes only what the package owns: a directory that
        # no entry owns is left behind.
        data_dir = "/usr/share/" + NAME
        unowned = sorted(d for d in installed_directories(root)
                         if (d == data_dir or d.startswith(data_dir + "/"))
                         and d not in directories and not any(covered(d, e) for e in entries))
    problems = []
    if unpackaged:
        problems.append("installed but not in %files:\n  " + "\n  ".join(unpackaged))
    if unmatched:
        problems.append("in %files but not installed:\n  " + "\n  ".join(unmatched))
    if missing_dirs:
        problems.append("%dir entries not installed:\n  " + "\n  ".join(missing_dirs))
    if unowned:
        problems.append("directories the package creates but does not own (%dir):\n  "
                        + "\n  ".join(unowned))
    if problems:
        fail("\n".join(problems))
    print("%d installed files, all named by %d %%files entries" % (len(files), len(entries)))


def spec_parses(source, _build):
    rpmspec = shutil.which("rpmspec")
    if rpmspec is None:
        fail("rpmspec not found (Debian package rpm; scripts/setup.sh installs it)")
    result = subprocess.run([rpmspec, "-P", os.path.join(source, SPEC)],
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                            universal_newlines=True)
    if result.returncode != 0:
        fail("rpmspec -P failed:\n" + result.stderr)
    parsed = result.stdout
    for expected in ("Name:       " + NAME, "pkgconfig(sailfishapp)", "pkgconfig(Qt5Sql)",
                     "-DHOPLIX_BUILD_TESTS=OFF", "-DHOPLIX_SHELL=silica", "/usr/bin/" + NAME):
        if expected not in parsed:
            fail("parsed spec lacks " + expected)
    requires = [line.split(":", 1)[1].split()[0] for line in parsed.splitlines()
                if line.startswith("Requires:")]
    for module in REQUIRED_PACKAGES:
        if module not in requires:
            fail("the package does not require %s (the front end imports it)" % module)
    print("rpmspec parses the package description")


# The phone's packages of the QML modules that the front end imports beyond
# Silica: SoundEffect's QtMultimedia.
REQUIRED_PACKAGES = ("qt5-qtdeclarative-import-multimedia",)
# The sandbox permissions the program needs, by the store's names: Audio for
# the sound effects.
REQUIRED_PERMISSIONS = ("Audio",)

# The only places a package may install into, and the four launcher icons at
# the sizes the launcher asks for.
ICON_SIZES = (86, 108, 128, 172)
BINARY = "/usr/bin/" + NAME
DESKTOP_ENTRY = "/usr/share/applications/%s.desktop" % NAME
ICONS = {"/usr/share/icons/hicolor/%dx%d/apps/%s.png" % (size, size, NAME): size
         for size in ICON_SIZES}

# The libraries the program may link directly: the Qt 5 modules it uses, the
# phone's application library and the C and C++ runtimes. The dynamic loader
# (ld-linux*) is implied. Linking anything else means checking the store's
# list first and adding it here.
ALLOWED_LIBRARIES = {
    "libQt5Core.so.5", "libQt5Gui.so.5", "libQt5Qml.so.5", "libQt5Quick.so.5", "libQt5Sql.so.5",
    "libsailfishapp.so.1", "libstdc++.so.6", "libgcc_s.so.1", "libc.so.6", "libm.so.6",
}


def readelf(*arguments):
    tool = shutil.which("readelf")
    if tool is None:
        fail("readelf not found (Debian package binutils; scripts/setup.sh installs it)")
    result = subprocess.run([tool, "-W"] + list(arguments), stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE, universal_newlines=True)
    if result.returncode != 0:
        fail("readelf %s failed:\n%s" % (" ".join(arguments), result.stderr))
    return result.stdout


def png_size(path):
    with open(path, "rb") as image:
        header = image.read(24)
    if len(header) < 24 or header[:8] != b"\x89PNG\r\n\x1a\n" or header[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", header[16:24])


def startup_names(source):
    """The organisation and application names that start-up gives itself."""
    with open(os.path.join(source, "src", "app", "main.cpp"), encoding="utf-8") as main:
        text = main.read()
    names = []
    for setter in ("setOrganizationName", "setApplicationName"):
        match = re.search(setter + r'\(\s*(?:QStringLiteral\(\s*)?"([^"]*)"', text)
        if match is None:
            fail("src/app/main.cpp: no %s(\"...\") to compare the sandbox names with" % setter)
        names.append(match.group(1))
    return names


def desktop_entry_problems(path, organisation, application_name):
    entry = configparser.ConfigParser(interpolation=None, strict=True)
    entry.optionxform = str  # keys are case-sensitive
    try:
        entry.read(path, encoding="utf-8")
    except configparser.Error as error:
        return ["the desktop entry does not parse: %s" % error]
    problems = []
    expected = [
        ("Desktop Entry", "Type", "Application"),
        ("Desktop Entry", "Name", None),
        ("Desktop Entry", "Icon", NAME),
        ("Desktop Entry", "Exec", None),
        # What asks for the Silica launch booster.
        ("Desktop Entry", "X-Nemo-Application-Type", "silica-qt5"),
        ("X-Sailjail", "OrganizationName", organisation),
        ("X-Sailjail", "ApplicationName", application_name),
        ("X-Sailjail", "Permissions", None),
    ]
    for section, key, value in expected:
        if not entry.has_option(section, key):
            problems.append("desktop entry: [%s] lacks %s" % (section, key))
        elif value is not None and entry.get(section, key).strip() != value:
            problems.append("desktop entry: [%s] %s is \"%s\", must be \"%s\""
                            % (section, key, entry.get(section, key), value))
    if entry.has_option("X-Sailjail", "Permissions"):
        granted = [p.strip() for p in entry.get("X-Sailjail", "Permissions").split(";")]
        for permission in REQUIRED_PERMISSIONS:
            if permission not in granted:
                problems.append("desktop entry: [X-Sailjail] Permissions lacks %s" % permission)
    if entry.has_option("Desktop Entry", "Name") and not entry.get("Desktop Entry", "Name").strip():
        problems.append("desktop entry: Name is empty")
    if entry.has_option("Desktop Entry", "Exec"):
        command = entry.get("Desktop Entry", "Exec").split()
        if not command or command[0] not in (NAME, BINARY):
            problems.append("desktop entry: Exec does not start " + NAME)
    return problems


def binary_problems(binary):
    problems = []
    dynamic = readelf("-d", binary)
    needed = re.findall(r"\(NEEDED\)\s+Shared library: \[([^\]]+)\]", dynamic)
    foreign = sorted(lib for lib in needed
                     if lib not in ALLOWED_LIBRARIES and not lib.startswith("ld-linux"))
    if foreign:
        problems.append("links libraries outside the allowed list: " + ", ".join(foreign))
    if not needed:
        problems.append("readelf shows no NEEDED libraries at all")
    for tag in ("RPATH", "RUNPATH"):
        if "(%s)" % tag in dynamic:
            problems.append("has a library search path, %s: %s" % (tag, re.search(
                r"\(%s\).*" % tag, dynamic).group(0)))
    # The launch booster loads the program and calls main() by name.
    exported_main = False
    for line in readelf("--dyn-syms", binary).splitlines():
        fields = line.split()
        if (len(fields) >= 8 and fields[7] == "main" and fields[3] == "FUNC"
                and fields[4] == "GLOBAL" and fields[5] == "DEFAULT" and fields[6] != "UND"):
            exported_main = True
    if not exported_main:
        problems.append("main() is not in the dynamic symbol table (export it, link -rdynamic)")
    if not re.search(r"Type:\s+DYN\b", readelf("-h", binary)):
        problems.append("not a position-independent executable (link -pie)")
    return problems


def harbour_rules(source, build):
    application(build)
    organisation, application_name = startup_names(source)
    problems = []
    with tempfile.TemporaryDirectory(prefix="hoplix-stage-") as root:
        stage(build, root)
        files = installed_paths(root)
        data_dir = "/usr/share/%s/" % NAME
        misplaced = sorted(f for f in files if f not in ICONS and f not in (BINARY, DESKTOP_ENTRY)
                           and not f.startswith(data_dir))
        if misplaced:
            problems.append("installed outside the allowed places:\n  " + "\n  ".join(misplaced))
        for required in [BINARY, DESKTOP_ENTRY] + sorted(ICONS):
            if required not in files:
                problems.append("not installed: " + required)
        for icon, size in sorted(ICONS.items()):
            if icon in files:
                actual = png_size(os.path.join(root, icon.lstrip("/")))
                if actual != (size, size):
                    problems.append("%s is %s, must be a %dx%d PNG" % (
                        icon, "%dx%d" % actual if actual else "not a PNG", size, size))
        if DESKTOP_ENTRY in files:
            problems.extend(desktop_entry_problems(os.path.join(root, DESKTOP_ENTRY.lstrip("/")),
                                                   organisation, application_name))
        if BINARY in files:
            problems.extend(binary_problems(os.path.join(root, BINARY.lstrip("/"))))
    if problems:
        fail("\n".join(problems))
    print("the staged install keeps the store's rules (%d files)" % len(files))


def chosen_shell(build):
    """The build's HOPLIX_SHELL, as its cache holds it."""
    with open(os.path.join(build, "CMakeCache.txt"), encoding="utf-8") as cache:
        for line in cache:
            if line.startswith("HOPLIX_SHELL:"):
                return line.split("=", 1)[1].strip()
    fail("the build's cache has no HOPLIX_SHELL")


# The shell of each build, as a file in qml/, and its root object.
SHELLS = {"silica": ("SilicaShell.qml", "ApplicationWindow"),
          "desktop": ("DesktopShell.qml", "Rectangle")}
ROOT_OBJECT = re.compile(r"^([A-Z][\w.]*)\s*\{", re.M)
RELATIVE_IMPORT = re.compile(r'^\s*import\s+"([^"]+)"', re.M)
# A file named in a string, as a Loader's source is.
QML_FILE_NAME = re.compile(r'"([\w./-]+\.qml)"')


def entry_file(source, build):
    application(build)
    shell = chosen_shell(build)
    if shell not in SHELLS:
        fail("HOPLIX_SHELL is %r, neither of %s" % (shell, ", ".join(sorted(SHELLS))))
    shell_file, root_object = SHELLS[shell]
    problems = []
    with tempfile.TemporaryDirectory(prefix="hoplix-stage-") as root:
        stage(build, root)
        qml_dir = os.path.join(root, "usr/share", NAME, "qml")
        entry = os.path.join(qml_dir, NAME + ".qml")
        if not os.path.isfile(entry):
            fail("the staged tree has no entry file at " + entry)
        with open(entry, encoding="utf-8") as staged, \
                open(os.path.join(source, "qml", shell_file), encoding="utf-8") as chosen:
            text = staged.read()
            if text != chosen.read():
                problems.append("the entry file is not qml/%s, the %s shell" % (shell_file, shell))
        found = ROOT_OBJECT.search(text)
        if found is None or found.group(1) != root_object:
            problems.append("the entry file's root object is %s, must be %s"
                            % (found.group(1) if found else "missing", root_object))
        for directory, _, names in os.walk(qml_dir):
            for name in sorted(n for n in names if n.endswith((".qml", ".js"))):
                path = os.path.join(directory, name)
                shown = os.path.relpath(path, qml_dir)
                with open(path, encoding="utf-8") as code:
                    text = code.read()
                if shell == "desktop" and re.search(r"^\s*import\s+Sailfish\.", text, re.M):
                    problems.append("%s imports Sailfish: the desktop has no Silica" % shown)
                for named in RELATIVE_IMPORT.findall(text) + QML_FILE_NAME.findall(text):
                    if ":" not in named and not os.path.exists(os.path.join(directory, named)):
                        problems.append("%s names \"%s\", which the install lacks" % (shown, named))
    if problems:
        fail("\n".join(problems))
    print("the staged entry file is the %s shell; every file it reaches is installed" % shell)


def installed_app_starts(source, build):
    application(build)
    if chosen_shell(build) == "silica":
        skip("the entry file is the phone's shell, which needs the phone's Sailfish.Silica")
    with tempfile.TemporaryDirectory(prefix="hoplix-run-") as scratch:
        root = os.path.join(scratch, "stage")
        stage(build, root)
        entry = os.path.join(root, "usr/share", NAME, "qml", NAME + ".qml")
        if not os.path.isfile(entry):
            fail("the staged tree has no front end at " + entry)
        config = os.path.join(scratch, "config")
        settings_dir = os.path.join(config, "org.hoplix", "harbour-Hoplix", "config")
        os.makedirs(settings_dir)
        with open(os.path.join(settings_dir, "appSettings.conf"), "w") as settings:
            settings.write("[APP_SETTING]\nLANGUAGE=3\n")
        env = dict(os.environ, XDG_CONFIG_HOME=config,
                   XDG_RUNTIME_DIR=os.path.join(scratch, "runtime"),
                   QT_QPA_PLATFORM="offscreen", QT_QUICK_BACKEND="software")
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
        log_path = os.path.join(scratch, "stderr.txt")
        with open(log_path, "w") as log:
            process = subprocess.Popen([os.path.join(root, "usr/bin", NAME)], env=env,
                                       stdout=subprocess.DEVNULL, stderr=log, cwd=scratch)
            deadline = time.monotonic() + 3
            while time.monotonic() < deadline and process.poll() is None:
                time.sleep(0.1)
            exited_early = process.poll()
            if exited_early is None:
                process.send_signal(signal.SIGTERM)
                try:
                    process.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        with open(log_path) as log:
            stderr = log.read()
    problems = []
    if exited_early is not None:
        problems.append("the program ended by itself with code %d" % exited_early)
    if "Unable to load application translations" in stderr:
        problems.append("it did not find its translations")
    if any(NAME + ".qml" in line for line in stderr.splitlines()):
        problems.append("its front end did not load")
    if problems:
        fail("; ".join(problems) + "\nstderr:\n" + stderr)
    print("the staged program started, loaded its front end and its translations")


CHECKS = {
    "install-matches-files": install_matches_files,
    "spec-parses": spec_parses,
    "harbour-rules": harbour_rules,
    "installed-app-starts": installed_app_starts,
    "entry-file": entry_file,
}

if __name__ == "__main__":
    if len(sys.argv) != 4 or sys.argv[1] not in CHECKS:
        print(__doc__)
        sys.exit(2)
    CHECKS[sys.argv[1]](os.path.abspath(sys.argv[2]), os.path.abspath(sys.argv[3]))
