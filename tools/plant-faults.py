#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plants faults by hand, one at a time, and tells which tests catch each.

    tools/plant-faults.py [FAULTS] [--only WORD]

FAULTS (default tools/planted-faults.txt) holds blocks like

    # the rounding goes half away from zero
    @ shell/Runtime.cpp
    - return std::nearbyint(value);
    + return std::round(value);

A single "-" line is replaced where it first occurs inside a line; several "-" lines must
match whole consecutive lines (blanks at the ends ignored) and are replaced by the "+" lines.
The work happens in a copy of the tree (build in /tmp/mirvel-faults), never in the sources.
"""
import os
import re
import shutil
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WORK = "/tmp/mirvel-faults"
SRC, BUILD = os.path.join(WORK, "src"), os.path.join(WORK, "build")


def parse(path):
    faults, cur = [], None
    for raw in open(path, encoding="utf-8"):
        line = raw.rstrip("\n")
        if line.startswith("# "):
            cur = {"what": line[2:], "file": None, "from": [], "to": []}
            faults.append(cur)
        elif line.startswith("@ "):
            cur["file"] = line[2:].strip()
        elif line.startswith("-"):
            cur["from"].append(line[2:] if line.startswith("- ") else line[1:])
        elif line.startswith("+"):
            cur["to"].append(line[2:] if line.startswith("+ ") else line[1:])
    return [f for f in faults if f["file"]]


def plant(text, fault):
    old, new = fault["from"], fault["to"]
    if len(old) == 1:
        if old[0] not in text:
            return None
        return text.replace(old[0], "\n".join(new), 1)
    lines = text.split("\n")
    want = [s.strip() for s in old]
    for i in range(len(lines) - len(want) + 1):
        if [s.strip() for s in lines[i:i + len(want)]] == want:
            indent = re.match(r"\s*", lines[i]).group(0)
            return "\n".join(lines[:i] + [indent + s.strip() for s in new] + lines[i + len(want):])
    return None


def copy_tree():
    files = subprocess.run(["git", "ls-files", "-co", "--exclude-standard"], cwd=ROOT,
                           capture_output=True, text=True, check=True).stdout.split()
    for f in files:
        dst = os.path.join(SRC, f)
        os.makedirs(os.path.dirname(dst), exist_ok=True)
        if os.path.isfile(os.path.join(ROOT, f)):
            src = os.path.join(ROOT, f)
            if not os.path.exists(dst) or open(src, "rb").read() != open(dst, "rb").read():
                shutil.copy(src, dst)  # a fresh mtime, so that the build sees the change


def run(cmd, **kw):
    return subprocess.run(cmd, capture_output=True, text=True, **kw)


def failing_tests():
    """The tests that fail, each with the test functions that failed: "tst_play(game,layout)"."""
    r = run(["ctest", "-j2", "--timeout", "120", "--output-on-failure", "-E", "tst_sound_(heard|late)"], cwd=BUILD,
            env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    functions, current = {}, None
    for line in r.stdout.splitlines():
        test = re.search(r"Test +#\d+: (\S+) \.", line)
        if test:
            current = test.group(1)
        elif (fail := re.match(r"FAIL!  : \w+::(\w+)\(", line)) and current:
            functions.setdefault(current, {})[fail.group(1)] = None
    return [f"{t}({','.join(functions.get(t, {}))})" for t in re.findall(r"\d+ - (\S+) \(", r.stdout)]


def main():
    args = sys.argv[1:]
    only = None
    if "--only" in args:
        only = args[args.index("--only") + 1]
        del args[args.index("--only"):args.index("--only") + 2]
    faults = parse(args[0] if args else os.path.join(ROOT, "tools", "planted-faults.txt"))
    os.makedirs(SRC, exist_ok=True)
    copy_tree()
    run(["cmake", "-S", SRC, "-B", BUILD, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug"], check=True)
    if run(["cmake", "--build", BUILD]).returncode != 0 or failing_tests():
        sys.exit("the unchanged tree does not build and pass; nothing planted")
    missed = 0
    for fault in faults:
        if only and only not in fault["what"] and only not in fault["file"]:
            continue
        path = os.path.join(SRC, fault["file"])
        original = open(path, encoding="utf-8").read()
        changed = plant(original, fault)
        if changed is None:
            print(f"NOT FOUND  {fault['file']}: {fault['what']}", flush=True)
            continue
        open(path, "w", encoding="utf-8").write(changed)
        try:
            if run(["cmake", "--build", BUILD]).returncode != 0:
                print(f"NO BUILD   {fault['file']}: {fault['what']}", flush=True)
                continue
            caught = failing_tests()
            missed += not caught
            verdict = "caught by " + ",".join(caught) if caught else "MISSED"
            print(f"{fault['file']}: {fault['what']}\n    {verdict}", flush=True)
        finally:
            open(path, "w", encoding="utf-8").write(original)
            os.utime(path)
    run(["cmake", "--build", BUILD])
    print(f"{missed} missed")


if __name__ == "__main__":
    main()
