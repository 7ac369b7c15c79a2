#!/usr/bin/python3
"""Checks the Debian package as a distribution would: lintian, appstreamcli
and desktop-file-validate on it, its layout, its binaries (hardened,
stripped), its control fields and its documentation.

usage: check-package.py PACKAGE_DIR SOURCE_DIR VERSION
PACKAGE_DIR holds the one .deb (packaging/build-deb.sh), SOURCE_DIR is the
repository, VERSION the project's. Prints one line per check and
"N passed, M failed"; a tool that is missing fails with "missing: TOOL".
"""
import glob
import gzip
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile

TOOLS = ["lintian", "appstreamcli", "desktop-file-validate", "dpkg-deb", "dpkg-parsechangelog", "readelf"]
APPSTREAM_ID = "io.github.velmora.quiz"
ICON_SIZES = [16, 22, 24, 32, 48, 64, 128, 256]
SOUNDS = 15
# Versioned by dpkg-shlibdeps: the libraries the program and its modules link
# (SDL: the controller module).
LINKED = ["libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6", "libqt6multimedia6", "libsdl2-2.0-0"]
BINARIES = ["usr/libexec/velmora-quiz/velmora-quiz", "usr/libexec/velmora-quiz/velmora-quiz-sound.so",
            "usr/libexec/velmora-quiz/velmora-quiz-controllers.so"]

passed = 0
failed = 0


def report(ok, what, detail=""):
    global passed, failed
    if ok:
        passed += 1
        print("ok      " + what)
    else:
        failed += 1
        print("FAILED  " + what + ("\n        " + detail.replace("\n", "\n        ") if detail else ""))
    sys.stdout.flush()
    return ok


def run(*args):
    return subprocess.run(list(args), capture_output=True, text=True, check=False)


def noted_tags(notes_path):
    """The lintian tags explained in the notes' section "## lintian", each
    on a line "- `TAG CONTEXT`: why"."""
    with open(notes_path, encoding="utf-8") as f:
        section = re.search(r"^## lintian$(.*?)(?=^## |\Z)", f.read(), re.M | re.S)
    return {m.group(1) for m in re.finditer(r"^- `([a-z0-9][^`]*)`", section.group(1) if section else "", re.M)}


def check_lintian(deb, notes_path):
    out = run("lintian", "--pedantic", "-EvI", "--tag-display-limit", "0", deb)
    lines = [l for l in out.stdout.splitlines() if re.match(r"^[A-Z]: ", l)]
    serious = [l for l in lines if l[0] in "EW"]
    report(not serious and out.returncode == 0, "lintian --pedantic -EvI: no error, no warning",
           "\n".join(serious) or out.stderr.strip())
    left = {l.split(": ", 2)[2] for l in lines if l[0] not in "EWN"}
    noted = noted_tags(notes_path)
    report(left <= noted, "every other lintian tag is explained in packaging/package-notes.md",
           "not explained: " + "; ".join(sorted(left - noted)))
    report(noted <= left, "packaging/package-notes.md explains no tag that lintian no longer reports",
           "no longer reported: " + "; ".join(sorted(noted - left)))


def png_size(path):
    with open(path, "rb") as f:
        data = f.read(24)
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    return struct.unpack_from(">II", data, 16)


def check_layout(root):
    def exists(rel, executable=False):
        path = os.path.join(root, rel)
        return os.path.isfile(path) and (not executable or os.access(path, os.X_OK))

    report(exists("usr/games/velmora-quiz", True), "the launcher is /usr/games/velmora-quiz")
    report(exists(BINARIES[0], True) and all(exists(rel) for rel in BINARIES[1:]),
           "the program and its sound and controller modules are in /usr/libexec/velmora-quiz")
    data = os.path.join(root, "usr/share/games/velmora-quiz")
    wavs = glob.glob(os.path.join(data, "*.wav"))
    report(len(wavs) == SOUNDS and exists("usr/share/games/velmora-quiz/Spielanleitung.txt"),
           "the %d sounds and Spielanleitung.txt are in /usr/share/games/velmora-quiz" % SOUNDS,
           "found %d .wav files" % len(wavs))
    wrong = []
    for size in ICON_SIZES:
        path = os.path.join(root, "usr/share/icons/hicolor/%dx%d/apps/velmora-quiz.png" % (size, size))
        got = png_size(path) if os.path.isfile(path) else None
        if got != (size, size):
            wrong.append("%d px: %s" % (size, got))
    svg = os.path.join(root, "usr/share/icons/hicolor/scalable/apps/velmora-quiz.svg")
    if not (os.path.isfile(svg) and b"<svg" in open(svg, "rb").read()):
        wrong.append("scalable: no SVG")
    report(not wrong, "hicolor icons at %s px and scalable" % ", ".join(map(str, ICON_SIZES)), "; ".join(wrong))
    fonts = [p for p in glob.glob(os.path.join(root, "**/*"), recursive=True)
             if re.search(r"\.(ttf|otf|ttc|pfb|pfa|woff2?)$", p, re.I) or "/fonts/" in p]
    report(not fonts, "no font is copied into the package", " ".join(fonts))


def check_binaries(root):
    for rel in BINARIES:
        path = os.path.join(root, rel)
        name = os.path.basename(rel)
        dynamic = run("readelf", "-dW", path).stdout
        segments = run("readelf", "-lhW", path).stdout
        sections = run("readelf", "-SW", path).stdout
        symbols = run("readelf", "--dyn-syms", "-W", path).stdout
        missing = []
        if "BIND_NOW" not in dynamic and not re.search(r"FLAGS_1.*\bNOW\b", dynamic):
            missing.append("-z now")
        if "GNU_RELRO" not in segments:
            missing.append("relro")
        if "Type:" in segments and "DYN" not in re.search(r"Type:\s+(\S+)", segments).group(1):
            missing.append("position independence")
        if not name.endswith(".so") and not re.search(r"FLAGS_1.*\bPIE\b", dynamic):
            missing.append("PIE")
        if "__stack_chk_fail" not in symbols:
            missing.append("stack protector")
        report(not missing, "%s is hardened (PIE, -z relro -z now, stack protector)" % name,
               "missing: " + ", ".join(missing))
        extra = [s for s in (".symtab", ".comment", ".debug_info") if re.search(r"\s\%s\s" % s, sections)]
        report(not extra, "%s is stripped" % name, "still has " + ", ".join(extra))


def check_control(deb, version):
    fields = {}
    for name in ("Version", "Section", "Depends", "Recommends"):
        fields[name] = run("dpkg-deb", "-f", deb, name).stdout.strip()
    report(fields["Version"] == version and fields["Section"] == "games",
           "version %s, section games" % version, str(fields))
    depends = [d.strip() for d in fields["Depends"].split(",")]
    unversioned = [lib for lib in LINKED if not any(re.fullmatch(r"%s \(>= [^)]+\)" % re.escape(lib), d)
                                                    for d in depends)]
    report(not unversioned, "dpkg-shlibdeps gave each linked library its version floor",
           "without a floor: %s in %s" % (unversioned, fields["Depends"]))
    everything = fields["Depends"] + ", " + fields["Recommends"]
    fonts = ["fonts-liberation", "fonts-urw-base35", "fonts-comfortaa", "fonts-dancingscript", "fonts-dejavu-core"]
    report(all(f in everything for f in fonts) and "qt6-qpa-plugins" in fields["Depends"],
           "the fonts and Qt's platform plugins are declared", everything)
    report("xdg-utils" not in everything, "no xdg-utils: the game starts no external viewer", everything)


def check_documents(root, version):
    doc = os.path.join(root, "usr/share/doc/velmora-quiz")
    copyright_path = os.path.join(doc, "copyright")
    text = open(copyright_path, encoding="utf-8").read() if os.path.isfile(copyright_path) else ""
    report(text.startswith("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"),
           "the copyright file is machine-readable (DEP-5)")
    changelog = os.path.join(doc, "changelog.gz")
    top = ""
    if os.path.isfile(changelog):
        with tempfile.NamedTemporaryFile("wb", suffix=".changelog") as plain:
            plain.write(gzip.open(changelog).read())
            plain.flush()
            top = run("dpkg-parsechangelog", "-l", plain.name, "-S", "Version").stdout.strip()
    report(top == version, "the changelog's latest entry is version %s" % version, "found %r" % top)
    pages = {}
    for lang, rel in (("en", "usr/share/man/man6/velmora-quiz.6.gz"), ("de", "usr/share/man/de/man6/velmora-quiz.6.gz")):
        path = os.path.join(root, rel)
        pages[lang] = gzip.open(path).read().decode("utf-8") if os.path.isfile(path) else ""
    de = pages["de"]
    report(all(s in de for s in (".SH NAME", ".SH ÜBERSICHT", ".SH TASTEN", ".SH DATEIEN")) and
           all(re.search(r"^\.B %s$" % k, de, re.M) for k in "qbp"),
           "the German manual page has name, synopsis, keys (q, b, p) and files")
    report(all(s in pages["en"] for s in (".SH NAME", ".SH SYNOPSIS", ".SH KEYS", ".SH FILES")),
           "the English manual page has name, synopsis, keys and files")


def check_desktop_and_metainfo(root):
    desktop = os.path.join(root, "usr/share/applications/velmora-quiz.desktop")
    out = run("desktop-file-validate", desktop)
    report(out.returncode == 0 and not out.stdout.strip(), "desktop-file-validate: no error, no warning, no hint",
           out.stdout + out.stderr)
    entry = open(desktop, encoding="utf-8").read() if os.path.isfile(desktop) else ""
    wanted = ["Name=", "Name[de]=", "Comment=", "Comment[de]=", "Keywords=", "Keywords[de]=", "Categories=Game;"]
    report(all(re.search(r"^" + re.escape(w), entry, re.M) for w in wanted),
           "the menu entry has German and English names, comments and keywords, in the Game category")
    exec_line = re.search(r"^Exec=(\S+)", entry, re.M)
    report(exec_line is not None and os.path.isfile(os.path.join(root, "usr/games", exec_line.group(1))),
           "its Exec command is the launcher in /usr/games", entry)
    metainfo = os.path.join(root, "usr/share/metainfo/%s.metainfo.xml" % APPSTREAM_ID)
    # validate checks the file, validate-tree also what it names in the package (the menu entry).
    for command in (["validate", metainfo], ["validate-tree", root]):
        out = run("appstreamcli", command[0], "--pedantic", "--no-net", command[1])
        report(out.returncode == 0 and "Validation was successful" in out.stdout,
               "appstreamcli %s --pedantic (without the network checks): no error, no warning" % command[0],
               out.stdout + out.stderr)
    xml = open(metainfo, encoding="utf-8").read() if os.path.isfile(metainfo) else ""
    parts = ['<summary xml:lang="de">', "<summary>", '<p xml:lang="de">', "<content_rating type=\"oars-1.1\"",
             "<categories>", "<keywords>", "<release ", '<caption xml:lang="de">', "<caption>"]
    report(all(p in xml for p in parts),
           "the metainfo has German and English summary, description and captions, OARS, categories, "
           "keywords and a release", "missing: %s" % [p for p in parts if p not in xml])


def main(argv):
    if len(argv) != 4:
        print("usage: check-package.py PACKAGE_DIR SOURCE_DIR VERSION")
        return 2
    package_dir, source, version = argv[1:]
    for tool in TOOLS:
        if shutil.which(tool) is None:
            print("missing: %s (tools/setup.sh --test installs it)" % tool)
            print("0 passed, 1 failed")
            return 1
    debs = glob.glob(os.path.join(package_dir, "*.deb"))
    if len(debs) != 1:
        print("expected one .deb in %s (packaging/build-deb.sh), found %s" % (package_dir, debs))
        print("0 passed, 1 failed")
        return 1
    deb = debs[0]
    check_lintian(deb, os.path.join(source, "packaging/package-notes.md"))
    with tempfile.TemporaryDirectory(prefix="velmora-deb.") as root:
        out = run("dpkg-deb", "-x", deb, root)
        if report(out.returncode == 0, "dpkg-deb -x unpacks the package", out.stderr):
            check_layout(root)
            check_binaries(root)
            check_documents(root, version)
            check_desktop_and_metainfo(root)
    check_control(deb, version)
    print("%d passed, %d failed" % (passed, failed))
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
