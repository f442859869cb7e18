#!/usr/bin/python3
"""Prints the accessibility tree of one running program as a screen reader
reads it from the AT-SPI bus: one JSON object per line, for every object
below the program's application object.

    atspi_tree.py PID

Each object has "path" (child indices from the application, joined by "/"),
"role", "name", "description", "showing" and, for objects with text, "text".
Exits with 2 when no application of that process is on the bus.
"""

import json
import sys

import pyatspi


def text_of(node):
    try:
        text = node.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, text.characterCount)


def walk(node, path, out):
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is None:
            continue
        child_path = f"{path}/{index}" if path else str(index)
        entry = {
            "path": child_path,
            "role": child.getRoleName(),
            "name": child.name or "",
            "description": child.description or "",
            "showing": child.getState().contains(pyatspi.STATE_SHOWING),
        }
        text = text_of(child)
        if text is not None:
            entry["text"] = text
        out.append(entry)
        walk(child, child_path, out)


def main():
    pid = int(sys.argv[1])
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None:
            continue
        try:
            if app.get_process_id() != pid:
                continue
        except Exception:
            continue
        nodes = []
        walk(app, "", nodes)
        for node in nodes:
            print(json.dumps(node))
        return 0
    print(f"no application of process {pid} on the accessibility bus", file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main())
