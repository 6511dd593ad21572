#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The folders' dependency rule, checked on the sources: every include that
names a folder of the program points at a folder its own folder may include,
and the includes between the program's files form no cycle.

    include_rules.py SOURCE_DIR
"""
import re
import sys
from pathlib import Path

# What each folder may include besides itself.
ALLOWED = {
    "engine": set(),
    "ui/platform": set(),
    "ui/controls": {"engine"},
    "ui/form": {"ui/controls", "engine"},
    "ui/print": {"ui/controls", "engine"},
    "ui/print/cups": {"ui/print/print_module.hpp"},
    "ui/windows": {"ui/print", "ui/form", "ui/controls", "ui/platform", "engine"},
    "ui": {"ui/windows", "ui/print", "ui/form", "ui/controls", "ui/platform", "engine"},
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def folder_of(path):
    return str(Path(path).parent)


def allowed(source_folder, target):
    if folder_of(target) == source_folder:
        return True
    return any(target == rule or target.startswith(rule + "/")
               for rule in ALLOWED[source_folder])


def main(root):
    root = Path(root)
    files = sorted(p.relative_to(root).as_posix()
                   for folder in ("engine", "ui") for p in (root / folder).rglob("*.[ch]pp"))
    graph, problems = {}, []
    for name in files:
        text = (root / name).read_text()
        targets = []
        for target in INCLUDE.findall(text):
            if "/" not in target:
                target = f"{folder_of(name)}/{target}"  # beside the including file
            if not (root / target).exists():
                continue  # generated (moc, configured header)
            targets.append(target)
            if not allowed(folder_of(name), target):
                problems.append(f"{name} includes {target}, against the folders' rule")
        graph[name] = targets
    state = {}

    def visit(node, trail):
        state[node] = "open"
        for target in graph.get(node, []):
            if state.get(target) == "open":
                problems.append("include cycle: " + " -> ".join(trail + [node, target]))
            elif target not in state:
                visit(target, trail + [node])
        state[node] = "done"

    for name in files:
        if name not in state:
            visit(name, [])
    for problem in problems:
        print(problem)
    print(f"{len(files)} files, {sum(map(len, graph.values()))} includes, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
