#!/usr/bin/env python3
"""Checks the include graph of the subsystems (the folders directly under src/).

Fails when a file outside src/app includes a file of src/app (windows never include the frame),
or when subsystems include each other directly or round a circle.

    check-includes.py [SRC_DIR]     check a source tree (default: the src/ beside this script)
    check-includes.py --self-test   prove on planted trees that both faults are caught
"""
import os
import re
import sys
import tempfile

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
FRAME = "app"


def subsystem_of(path, root):
    rel = os.path.relpath(os.path.normpath(path), root)
    if rel.startswith(".."):
        return None
    first = rel.split(os.sep)[0]
    return first if os.path.isdir(os.path.join(root, first)) else None


def edges(root):
    """{(from, to): [(file, line), ...]} for every include that crosses subsystems."""
    found = {}
    for sub in sorted(os.listdir(root)):
        base = os.path.join(root, sub)
        if not os.path.isdir(base):
            continue
        for folder, _, files in os.walk(base):
            for name in sorted(files):
                if not name.endswith((".h", ".hpp", ".cpp", ".cc")):
                    continue
                path = os.path.join(folder, name)
                with open(path, encoding="utf-8", errors="replace") as f:
                    for number, text in enumerate(f, 1):
                        m = INCLUDE.match(text)
                        if not m:
                            continue
                        target = m.group(1)
                        # A quoted include is looked up beside the file first, then from src/.
                        beside = os.path.join(folder, target)
                        relative = os.path.exists(beside) or target.startswith(".")
                        to = subsystem_of(beside if relative else os.path.join(root, target), root)
                        if to is not None and to != sub:
                            where = (os.path.relpath(path, os.path.dirname(root)), number)
                            found.setdefault((sub, to), []).append(where)
    return found


def cycles(graph_edges):
    """Strongly connected components of more than one subsystem (Tarjan)."""
    graph = {}
    for a, b in graph_edges:
        graph.setdefault(a, set()).add(b)
        graph.setdefault(b, set())
    index, low, stack, on_stack, result = {}, {}, [], set(), []
    counter = [0]

    def visit(v):
        index[v] = low[v] = counter[0]
        counter[0] += 1
        stack.append(v)
        on_stack.add(v)
        for w in sorted(graph[v]):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on_stack:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            component = []
            while True:
                w = stack.pop()
                on_stack.discard(w)
                component.append(w)
                if w == v:
                    break
            if len(component) > 1:
                result.append(sorted(component))

    for v in sorted(graph):
        if v not in index:
            visit(v)
    return result


def problems(root):
    found = edges(root)
    out = []
    for (a, b), places in sorted(found.items()):
        if b == FRAME:
            for path, line in places:
                out.append(f"{path}:{line}: {a} includes the frame ({FRAME})")
    for component in cycles(found):
        out.append("subsystems include each other: " + " <-> ".join(component))
        for (a, b), places in sorted(found.items()):
            if a in component and b in component:
                path, line = places[0]
                out.append(f"  {a} -> {b} ({path}:{line}, {len(places)} include(s))")
    return out


def plant(root, files):
    for rel, text in files.items():
        path = os.path.join(root, rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)


def self_test():
    clean = {
        "app/main.cpp": '#include "orders/ui/window.h"\n#include "store/records.h"\n',
        "orders/ui/window.h": '#include "store/records.h"\n#include "printing/note.h"\n#include "local.h"\n',
        "orders/ui/local.h": "",
        "printing/note.h": '#include "store/records.h"\n',
        "store/records.h": '#include <QString>\n#include "platform/clock.h"\n',
        "platform/clock.h": "",
    }
    cases = [
        ("a clean tree", {}, []),
        ("a window including the frame", {"orders/ui/window.cpp": '#include "app/frmMain.h"\n'}, ["includes the frame"]),
        ("a relative include of the frame", {"store/x.cpp": '#include "../app/frmMain.h"\n'}, ["includes the frame"]),
        ("a direct circle", {"platform/x.cpp": '#include "store/records.h"\n'}, ["platform <-> store"]),
        (
            "a circle over three subsystems",
            {"store/y.cpp": '#include "orders/ui/window.h"\n'},
            ["orders <-> printing <-> store"],
        ),
    ]
    failed = 0
    for name, extra, expected in cases:
        with tempfile.TemporaryDirectory() as tmp:
            root = os.path.join(tmp, "src")
            plant(root, clean)
            plant(root, extra)
            found = problems(root)
            ok = bool(found) == bool(expected) and all(any(e in p for p in found) for e in expected)
            print(("ok   " if ok else "FAIL ") + name + (": " + "; ".join(found) if found else ""))
            failed += not ok
    return 1 if failed else 0


def main(argv):
    if len(argv) > 1 and argv[1] == "--self-test":
        return self_test()
    root = os.path.abspath(argv[1] if len(argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "src"))
    found = problems(root)
    for p in found:
        print(p)
    if found:
        return 1
    print(f"Include graph: {len(edges(root))} links between subsystems, no include of the frame, no circle.")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
