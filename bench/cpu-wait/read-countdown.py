#!/usr/bin/python3
"""Prints the time limit and the countdown of the program with process id
argv[1], read through AT-SPI: "LIMIT COUNTDOWN"."""
import sys

import pyatspi

pid = int(sys.argv[1])
desktop = pyatspi.Registry.getDesktop(0)
values = {}
for i in range(desktop.childCount):
    app = desktop.getChildAtIndex(i)
    if app is None or app.get_process_id() != pid:
        continue
    stack = [app]
    while stack:
        acc = stack.pop()
        if acc.name in ("Zeitlimit in Sekunden", "Verbleibende Zeit"):
            values[acc.name] = acc.queryText().getText(0, -1)
        stack.extend(acc.getChildAtIndex(j) for j in range(acc.childCount))
print(values.get("Zeitlimit in Sekunden", "?"), values.get("Verbleibende Zeit", "?"))
