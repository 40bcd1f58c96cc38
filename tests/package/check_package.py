#!/usr/bin/env python3
"""Packs the game into a .deb with CPack and checks what a Debian system gets.

Usage: check_package.py BUILD_DIR SOURCE_DIR

The package is built into a temporary folder and unpacked with dpkg-deb, so
the build folder is left as it was. The unpacked program is started with
the offscreen platform and a clean environment, as if installed.
"""

import configparser
import gzip
import os
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ElementTree

APP_ID = "org.vexalon.Vexalon"
BINARY = "usr/bin/vexalon"
DESKTOP = f"usr/share/applications/{APP_ID}.desktop"
METAINFO = f"usr/share/metainfo/{APP_ID}.metainfo.xml"
SVG_ICON = f"usr/share/icons/hicolor/scalable/apps/{APP_ID}.svg"
PNG_ICON = f"usr/share/icons/hicolor/32x32/apps/{APP_ID}.png"
MAN_PAGE = "usr/share/man/man6/vexalon.6.gz"
SOUND_MODULE = "usr/lib/vexalon/libvexalon-sound.so"
# Anything else may only go to the package's own documentation folder.
DOC_DIR = "usr/share/doc/vexalon/"


class Failures:
    def __init__(self):
        self.messages = []
        self.groups = 0

    def check(self, condition, message):
        if not condition:
            self.messages.append(f"{self.group}: {message}")
        return condition

    def start(self, group):
        self.group = group
        self.groups += 1
        print(f"-- {group}", flush=True)


def run(args, **kwargs):
    return subprocess.run(args, capture_output=True, text=True, **kwargs)


def build_package(build_dir, out_dir):
    result = run(["cpack", "--config", os.path.join(build_dir, "CPackConfig.cmake"),
                  "-G", "DEB", "-B", out_dir])
    if result.returncode != 0:
        sys.exit(f"cpack failed:\n{result.stdout}{result.stderr}")
    debs = [name for name in os.listdir(out_dir) if name.endswith(".deb")]
    if len(debs) != 1:
        sys.exit(f"cpack made {debs}, not one .deb")
    return os.path.join(out_dir, debs[0])


def packed_files(root):
    files = set()
    for folder, _, names in os.walk(root):
        for name in names:
            files.add(os.path.relpath(os.path.join(folder, name), root))
    return files


def png_size(path):
    with open(path, "rb") as png:
        head = png.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", head[16:24])


def desktop_entry(path):
    entry = configparser.ConfigParser(interpolation=None, strict=True)
    entry.optionxform = str
    entry.read(path, encoding="utf-8")
    return entry["Desktop Entry"]


def check_layout(f, root, source_dir):
    f.start("layout")
    files = packed_files(root)
    expected = {BINARY, SOUND_MODULE, DESKTOP, METAINFO, SVG_ICON, PNG_ICON, MAN_PAGE}
    for path in sorted(expected):
        f.check(path in files, f"{path} is missing")
    for path in sorted(files - expected):
        f.check(path.startswith(DOC_DIR), f"unexpected file {path}")

    # Every icon drawn for the game is installed under the same name.
    icons = os.path.join(source_dir, "data", "icons")
    for folder, _, names in os.walk(icons):
        for name in names:
            path = os.path.join("usr/share/icons", os.path.relpath(os.path.join(folder, name), icons))
            f.check(path in files, f"icon {path} is not packed")

    binary = os.path.join(root, BINARY)
    if f.check(os.path.isfile(binary), "no program"):
        f.check(os.access(binary, os.X_OK), f"{BINARY} is not executable")
        with open(binary, "rb") as program:
            f.check(program.read(4) == b"\x7fELF", f"{BINARY} is not an ELF program")
        dynamic = run(["readelf", "-d", binary]).stdout
        f.check(not re.search(r"\((RPATH|RUNPATH)\)", dynamic),
                f"{BINARY} carries a library search path into the build")

    png = os.path.join(root, PNG_ICON)
    if os.path.isfile(png):
        f.check(png_size(png) == (32, 32), f"{PNG_ICON} is {png_size(png)}, not 32x32")
    svg = os.path.join(root, SVG_ICON)
    if os.path.isfile(svg):
        try:
            tag = ElementTree.parse(svg).getroot().tag
            f.check(tag == "{http://www.w3.org/2000/svg}svg", f"{SVG_ICON} is no SVG picture")
        except ElementTree.ParseError as error:
            f.check(False, f"{SVG_ICON} does not parse: {error}")

    man = os.path.join(root, MAN_PAGE)
    if os.path.isfile(man):
        with gzip.open(man, "rb") as packed, open(os.path.join(source_dir, "data", "vexalon.6"), "rb") as page:
            f.check(packed.read() == page.read(), f"{MAN_PAGE} is not data/vexalon.6")
        if shutil.which("man"):
            env = dict(os.environ, LC_ALL="C.UTF-8", MANWIDTH="80")
            warnings = run(["man", "--warnings", "-E", "UTF-8", "-l", "-Tutf8", "-Z", man], env=env).stderr
            f.check(warnings.strip() == "", f"man page warnings:\n{warnings}")


def check_metadata(f, root):
    f.start("desktop entry and metainfo")
    desktop = os.path.join(root, DESKTOP)
    metainfo = os.path.join(root, METAINFO)
    if not (os.path.isfile(desktop) and os.path.isfile(metainfo)):
        f.check(False, "nothing to check")
        return

    if shutil.which("desktop-file-validate"):
        result = run(["desktop-file-validate", desktop])
        f.check(result.returncode == 0 and not (result.stdout + result.stderr).strip(),
                f"desktop-file-validate:\n{result.stdout}{result.stderr}")
    else:
        print("   desktop-file-validate not found (desktop-file-utils): not run")
    if shutil.which("appstreamcli"):
        result = run(["appstreamcli", "validate", "--no-net", "--strict", metainfo])
        f.check(result.returncode == 0, f"appstreamcli validate:\n{result.stdout}{result.stderr}")
    else:
        print("   appstreamcli not found (appstream): not run")

    # The three files name each other: the menu entry must start the packed
    # program and show the packed icon, the software centre must find both.
    entry = desktop_entry(desktop)
    f.check(os.path.join("usr/bin", entry.get("Exec", "").split(" ")[0]) == BINARY,
            f"Exec={entry.get('Exec')} does not start {BINARY}")
    f.check(entry.get("Icon") == APP_ID, f"Icon={entry.get('Icon')} is not {APP_ID}")
    component = ElementTree.parse(metainfo).getroot()
    f.check(component.findtext("id") == APP_ID, f"metainfo id is {component.findtext('id')}")
    f.check(component.findtext("launchable[@type='desktop-id']") == os.path.basename(DESKTOP),
            "metainfo launchable is not the packed desktop entry")
    f.check(component.findtext("provides/binary") == os.path.basename(BINARY),
            "metainfo provides another binary")
    f.check(component.findtext("name") == entry.get("Name"), "metainfo and menu entry disagree on the name")


def check_control(f, deb, root):
    f.start("control fields")

    def field(name):
        return run(["dpkg-deb", "-f", deb, name]).stdout.strip()

    f.check(field("Package") == "vexalon", f"Package: {field('Package')}")
    f.check(field("Section") == "games", f"Section: {field('Section')}")
    arch = run(["dpkg", "--print-architecture"]).stdout.strip()
    f.check(field("Architecture") == arch, f"Architecture: {field('Architecture')}, machine {arch}")
    version = field("Version")
    f.check(os.path.basename(deb) == f"vexalon_{version}_{arch}.deb", f"{os.path.basename(deb)} for {version}")
    # A new version needs its entry in the metainfo's releases, newest first.
    metainfo = os.path.join(root, METAINFO)
    if os.path.isfile(metainfo):
        release = ElementTree.parse(metainfo).getroot().find("releases/release")
        newest = release.get("version") if release is not None else None
        f.check(newest == version, f"package version {version}, newest release in metainfo {newest}")

    depends = [alternatives.strip().split(" ")[0] for alternatives in field("Depends").split(",")]
    for package in ("libqt6core6", "libqt6gui6", "libqt6widgets6", "libqt6multimedia6", "fonts-liberation"):
        f.check(package in depends, f"Depends lacks {package}: {field('Depends')}")
    f.check("pulseaudio" in field("Recommends"), f"Recommends: {field('Recommends')}")
    f.check(re.fullmatch(r".+ <[^ @<>]+@[^ @<>]+>", field("Maintainer")) is not None,
            f"Maintainer: {field('Maintainer')}")


def handles_sigterm(pid):
    try:
        with open(f"/proc/{pid}/status") as status:
            for line in status:
                if line.startswith("SigCgt:"):
                    return int(line.split()[1], 16) & (1 << (signal.SIGTERM - 1)) != 0
    except OSError:  # gone already
        pass
    return False


def run_and_term(binary, config_home):
    """Starts the program, lets it settle, ends it with SIGTERM; returns its status and output."""
    runtime = tempfile.mkdtemp(prefix="runtime-")
    os.chmod(runtime, 0o700)
    env = {"PATH": "/usr/bin:/bin", "HOME": config_home, "XDG_CONFIG_HOME": config_home,
           "XDG_RUNTIME_DIR": runtime, "QT_QPA_PLATFORM": "offscreen", "PULSE_SERVER": "unix:/nonexistent"}
    # A sanitizer build keeps the options its test run was given.
    env.update({name: value for name, value in os.environ.items() if name.endswith("SAN_OPTIONS")})
    game = subprocess.Popen([binary], env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    try:
        deadline = time.monotonic() + 10
        while game.poll() is None and not handles_sigterm(game.pid) and time.monotonic() < deadline:
            time.sleep(0.05)
        time.sleep(1.0)  # into the event loop, past the first timers
        if game.poll() is not None:
            return game.returncode, game.stdout.read(), False
        game.send_signal(signal.SIGTERM)
        output, _ = game.communicate(timeout=10)
        return game.returncode, output, True
    finally:
        if game.poll() is None:
            game.kill()
            game.wait()
        shutil.rmtree(runtime, ignore_errors=True)


def check_run(f, root, work):
    f.start("unpacked program")
    binary = os.path.join(root, BINARY)
    if not os.path.isfile(binary):
        f.check(False, "nothing to run")
        return
    config_home = os.path.join(work, "config")
    os.makedirs(config_home)
    settings = os.path.join(config_home, "Brantomel", "Brantomel.ini")

    def hiscore():
        ini = configparser.ConfigParser(interpolation=None)
        ini.read(settings)
        return ini.get("General", "HiScore", fallback=None)

    status, output, alive = run_and_term(binary, config_home)
    if not f.check(alive, f"exited by itself with {status} before SIGTERM:\n{output}"):
        return
    f.check(status == 0, f"exit status {status} after SIGTERM:\n{output}")
    if not f.check(hiscore() == "0", f"a first run left HiScore={hiscore()} in {settings}"):
        return

    # A stored high score is read at the start and kept.
    with open(settings, "w") as ini:
        ini.write("[General]\nHiScore=4321\n")
    status, output, alive = run_and_term(binary, config_home)
    f.check(alive and status == 0, f"second run: status {status}:\n{output}")
    f.check(hiscore() == "4321", f"a stored HiScore=4321 came back as {hiscore()}")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    build_dir, source_dir = (os.path.abspath(path) for path in sys.argv[1:])
    work = tempfile.mkdtemp(prefix="vexalon-package-")
    try:
        deb = build_package(build_dir, os.path.join(work, "out"))
        print(f"built {os.path.basename(deb)}")
        root = os.path.join(work, "root")
        result = run(["dpkg-deb", "-x", deb, root])
        if result.returncode != 0:
            sys.exit(f"dpkg-deb -x failed:\n{result.stderr}")

        f = Failures()
        for group in (lambda: check_layout(f, root, source_dir), lambda: check_metadata(f, root),
                      lambda: check_control(f, deb, root), lambda: check_run(f, root, work)):
            try:
                group()
            except Exception as error:  # one broken group must not hide the others
                f.check(False, f"stopped by {error!r}")
        for message in f.messages:
            print(f"FAIL {message}")
        print(f"{f.groups} groups checked, {len(f.messages)} failures")
        return 1 if f.messages else 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
