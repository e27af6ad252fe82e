#!/usr/bin/env python3
"""Writes the sample disc of the Quillore CD-ROM Browser.

The disc is the one a magazine editor would put together on Windows: every
text file (the four list files, the button files, the pages, the documents) is
Shift-JIS (code page 932) with CR LF line ends, and the paths inside the list
and button files use backslashes relative to _html.  This script and the
disc_*.py modules beside it hold the source of all of it in UTF-8 (the
contents tree and buttons, the documents, the pages, the pictures); this script
writes the bytes.  The committed files under
menu/ and _html/ are exactly what it writes.

    python3 make-disc.py             write the text files (pictures are left alone)
    python3 make-disc.py --pictures  also redraw the pictures with ImageMagick
    python3 make-disc.py --check     write nothing; compare the committed files with
                                     what would be written and check the disc with
                                     quilcd-check (--checker PATH, else the build's)

The pictures are drawn by ImageMagick `convert` (IPA P Gothic for the letters)
and committed as they come out; only --pictures touches them.
"""

import argparse
import json
import os
import shutil
import stat
import subprocess
import sys
import tempfile

# Run from the source tree (the test suite runs --check): no bytecode left beside the sources.
sys.dont_write_bytecode = True

from disc_contents import BUTTONS, ISSUE, LIST_NAME, MISSING_BUTTON_FILES, TREE
from disc_docs import DOCS, RUN_DEMO
from disc_html import join_lines, page_html
from disc_pages import MANUAL, build_pages
from disc_pictures import PICTURES

HERE = os.path.dirname(os.path.abspath(__file__))


# ---------------------------------------------------------------------------
# Assembling the files.
# ---------------------------------------------------------------------------


def sjis(text):
    """The bytes an editor on Windows would save: code page 932, CR LF."""
    assert "\r" not in text
    return text.replace("\n", "\r\n").encode("cp932")


def list_name(page):
    return LIST_NAME.get(page, page.replace("/", "\\"))


def button_file(slots):
    while slots and slots[-1] is None:
        slots = slots[:-1]
    lines = []
    for slot in slots:
        lines += ["", ""] if slot is None else [slot[0], slot[1]]
    return "".join(line + "\n" for line in lines)


def on_disc(path):
    """Where a backslashed path of a button file lives on the disc (lower case)."""
    return path.replace("\\", "/")


def text_files():
    """Every generated file: relative path (slashes) -> (bytes, executable)."""
    out = {}
    tree, html, button = [], [], []
    for level, text, page, btn in TREE:
        tree.append("\t" * level + text)
        html.append(list_name(page) if page else "")
        button.append(btn or "")
    out["menu/tree.txt"] = (sjis("".join(line + "\n" for line in tree)), False)
    out["menu/html.txt"] = (sjis("".join(line + "\n" for line in html)), False)
    out["menu/button.txt"] = (sjis("".join(line + "\n" for line in button)), False)
    out["menu/init.txt"] = (sjis(ISSUE + "\n"), False)

    for page, body in build_pages().items():
        out["_html/" + page] = (sjis(page_html(page, body)), False)
    out["_html/docs/manual.html"] = (sjis(join_lines(MANUAL)), False)
    for name, slots in BUTTONS.items():
        out["_html/" + on_disc(name)] = (sjis(button_file(slots)), False)
    for name, text in DOCS.items():
        out["_html/" + name] = (sjis(text), False)
    # A shell script keeps LF line ends: /bin/sh would take a CR for part of a word.
    out["_html/soft/demo/run-demo.sh"] = (RUN_DEMO.encode("ascii"), True)
    return out


def write_files(files, root):
    for rel, (data, executable) in sorted(files.items()):
        path = os.path.join(root, rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
        mode = 0o755 if executable else 0o644
        os.chmod(path, mode)


def draw_pictures(root):
    env = dict(os.environ, MAGICK_TIME="0")
    for rel, args in sorted(PICTURES.items()):
        path = os.path.join(root, "_html", rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        fmt = "PNG8:" if rel.endswith(".png") else ""
        cmd = ["convert", *args[:-2], "+dither", *args[-2:], "-strip", "-define", "png:exclude-chunks=date,time",
               fmt + path]
        subprocess.run(cmd, check=True, env=env)
        os.chmod(path, 0o644)


# ---------------------------------------------------------------------------
# Checks.  The disc's rules are the browser's, told by its own checker
# quilcd-check; here only what this disc is meant to be.
# ---------------------------------------------------------------------------


def default_checker():
    """The checker of the build beside this script (QUILCD_BUILD_DIR, as
    scripts/build names it), else one on the PATH."""
    build = os.environ.get("QUILCD_BUILD_DIR", os.path.join(HERE, os.pardir, "build"))
    built = os.path.join(build, "tools", "check", "quilcd-check")
    return built if os.access(built, os.X_OK) else shutil.which("quilcd-check")


def checker_report(checker, root):
    """quilcd-check --json on the disc: the report, or a problem."""
    try:
        run = subprocess.run([checker, "--json", os.path.join(root, "menu")],
                             capture_output=True, check=False)
    except OSError as e:
        return None, f"{checker}: {e.strerror}"
    if run.returncode not in (0, 1):
        return None, f"quilcd-check ended with status {run.returncode}: " + \
            run.stderr.decode(errors="replace").strip()
    return json.loads(run.stdout), None


def check(root, checker):
    problems = []
    html_root = os.path.join(root, "_html")

    report, failure = checker_report(checker, root)
    if failure:
        problems.append(failure)
    else:
        # The only findings are the button files this disc leaves out on purpose.
        reported_missing = set()
        for p in report["problems"]:
            name = None
            if p["code"] == "missing-button-file" and p["line"]:
                name = report["buttonList"][p["line"] - 1]
            if name in MISSING_BUTTON_FILES:
                reported_missing.add(name)
            else:
                where = ":".join(str(x) for x in (p["file"], p["line"], p["column"]) if x)
                problems.append(f"quilcd-check: {where}: {p['severity']}: {p['message']} "
                                f"[{p['code']}]")
        for name in sorted(MISSING_BUTTON_FILES - reported_missing):
            problems.append(f"button.txt: {name} should be missing")
        if "読者アンケート" not in [node["text"] for node in report["tree"]]:
            problems.append("tree.txt: no entry 読者アンケート")
        if "page" in report["start"]:
            problems.append("_html holds an open.htm")

    total = sum(os.path.getsize(os.path.join(d, n))
                for top in ("menu", "_html") for d, _, ns in os.walk(os.path.join(root, top))
                for n in ns)
    pictures = sum(os.path.getsize(os.path.join(html_root, rel)) for rel in PICTURES
                   if os.path.exists(os.path.join(html_root, rel)))
    if total > 500 * 1024:
        problems.append(f"the disc has {total} bytes (limit 500 KB)")
    if pictures > 300 * 1024:
        problems.append(f"the pictures have {pictures} bytes (limit 300 KB)")
    for rel in PICTURES:
        if not os.path.isfile(os.path.join(html_root, rel)):
            problems.append(f"picture _html/{rel} missing (run with --pictures)")

    script = os.path.join(html_root, "soft/demo/run-demo.sh")
    if not os.access(script, os.X_OK):
        problems.append("run-demo.sh is not executable")
    else:
        with tempfile.TemporaryDirectory() as tmp:
            subprocess.run([os.path.abspath(script)], cwd=tmp, check=True)
            mark = os.path.join(tmp, "demo-ran.txt")
            if not os.path.isfile(mark) or open(mark).read().strip() != "ran":
                problems.append("run-demo.sh did not write demo-ran.txt with 'ran'")
    return problems, total, pictures


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--pictures", action="store_true", help="also redraw the pictures")
    ap.add_argument("--check", action="store_true",
                    help="compare the committed disc with this script and check it with quilcd-check")
    ap.add_argument("--checker", metavar="PATH",
                    help="the quilcd-check to run (default: the one in ../build, else on the PATH)")
    args = ap.parse_args()
    files = text_files()

    if args.check:
        checker = args.checker or default_checker()
        if not checker:
            sys.exit("make-disc.py: quilcd-check not found: build it "
                     "(cmake --build build --target quilcd-check) or give --checker")
        problems = []
        for rel, (data, executable) in sorted(files.items()):
            path = os.path.join(HERE, rel)
            if not os.path.isfile(path):
                problems.append(f"{rel}: missing")
                continue
            if open(path, "rb").read() != data:
                problems.append(f"{rel}: differs from what make-disc.py writes")
            if bool(os.stat(path).st_mode & stat.S_IXUSR) != executable:
                problems.append(f"{rel}: executable bit wrong")
        known = set(files) | {"_html/" + rel for rel in PICTURES}
        for top in ("menu", "_html"):
            for dirpath, _, names in os.walk(os.path.join(HERE, top)):
                for name in names:
                    rel = os.path.relpath(os.path.join(dirpath, name), HERE)
                    if rel.replace(os.sep, "/") not in known:
                        problems.append(f"{rel}: not written by make-disc.py")
        more, total, pictures = check(HERE, checker)
        problems += more
        for p in problems:
            print("problem:", p)
        print(f"{len(files)} text files, {len(PICTURES)} pictures; "
              f"disc {total} bytes, pictures {pictures} bytes")
        return 1 if problems else 0

    write_files(files, HERE)
    if args.pictures:
        if shutil.which("convert") is None:
            sys.exit("make-disc.py: ImageMagick convert is needed for --pictures")
        draw_pictures(HERE)
    return 0


if __name__ == "__main__":
    sys.exit(main())
