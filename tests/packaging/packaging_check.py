#!/usr/bin/env python3
"""Checks that keep the package, the install tree and the installed program in step.

    packaging_check.py install-matches-files <source dir> <build dir>
        Installs the build into a staging directory (prefix /usr) and compares
        the installed files with the package's %files list, both ways.
    packaging_check.py spec-parses <source dir> <build dir>
        rpmspec parses the package description.
    packaging_check.py installed-app-starts <source dir> <build dir>
        Starts the staged program offscreen for a few seconds with German
        chosen and checks it found its front end and its translations.

Exit code 0 passes, 1 fails, 77 skips (the application is not built here).
"""

import fnmatch
import os
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
    problems = []
    if unpackaged:
        problems.append("installed but not in %files:\n  " + "\n  ".join(unpackaged))
    if unmatched:
        problems.append("in %files but not installed:\n  " + "\n  ".join(unmatched))
    if missing_dirs:
        problems.append("%dir entries not installed:\n  " + "\n  ".join(missing_dirs))
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
                     "-DHOPLIX_BUILD_TESTS=OFF", "/usr/bin/" + NAME):
        if expected not in parsed:
            fail("parsed spec lacks " + expected)
    print("rpmspec parses the package description")


def installed_app_starts(source, build):
    application(build)
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
    "installed-app-starts": installed_app_starts,
}

if __name__ == "__main__":
    if len(sys.argv) != 4 or sys.argv[1] not in CHECKS:
        print(__doc__)
        sys.exit(2)
    CHECKS[sys.argv[1]](os.path.abspath(sys.argv[2]), os.path.abspath(sys.argv[3]))
