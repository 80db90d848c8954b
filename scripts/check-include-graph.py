#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Holds the CMake link graph against the include graph of src/.

Every folder under src/ is one library target, and its direct links to our own
targets must equal the targets its files include: a file may include only
headers of its own target or of a target its target links directly, and every
direct link must be used by at least one of its files. Qt, Eigen and the
standard library are left out: only "folder/Header.h" includes are ours.

Usage: check-include-graph.py [SOURCE_DIR]   (exit status 1 on any finding)
"""

import pathlib
import re
import sys

ROOT = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
SRC = ROOT / "src"

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
ADD_LIB = re.compile(r"add_library\(\s*(rc_\w+)")
LINKS = re.compile(r"target_link_libraries\(\s*(rc_\w+)([^)]*)\)", re.S)


def target_of_header(include):
    """The target that owns an include path rooted at src/, or None for a foreign one."""
    parts = include.split("/")
    if len(parts) < 2:
        return None
    if parts[0] == "extlib":
        return "rc_extlib_headers" if len(parts) == 2 else "rc_" + parts[1]
    if (SRC / parts[0]).is_dir():
        return "rc_" + parts[0]
    return None


def read_targets():
    """Maps each target to (folder, direct links to our own targets)."""
    targets = {}
    for cml in sorted(SRC.rglob("CMakeLists.txt")):
        text = re.sub(r"#[^\n]*", "", cml.read_text())
        for name in ADD_LIB.findall(text):
            targets.setdefault(name, [cml.parent, set()])
        for name, rest in LINKS.findall(text):
            links = {w for w in rest.split() if w.startswith("rc_")}
            if name in targets:
                targets[name][1] |= links
    return targets


def files_of(folder, targets):
    """Source files of a folder, without the subfolders that are targets of their own."""
    own_dirs = {t[0] for t in targets.values()}
    for path in folder.rglob("*"):
        if path.suffix not in (".h", ".cpp"):
            continue
        if any(d != folder and d in path.parents and folder in d.parents for d in own_dirs):
            continue
        yield path


def main():
    targets = read_targets()
    findings = []
    for name, (folder, links) in sorted(targets.items()):
        used = set()
        for path in files_of(folder, targets):
            for inc in INCLUDE.findall(path.read_text(errors="replace")):
                owner = target_of_header(inc)
                if owner is None or owner == name:
                    continue
                used.add(owner)
                if owner not in links:
                    findings.append(f"{path.relative_to(ROOT)} includes {inc}, but {name} does not link {owner}")
        for dep in sorted(links - used):
            findings.append(f"{name} links {dep}, but none of its files includes a header of it")
    for line in findings:
        print(line)
    print(f"include graph: {len(targets)} targets, {len(findings)} findings")
    return 1 if findings else 0


if __name__ == "__main__":
    sys.exit(main())
