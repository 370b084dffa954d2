#!/usr/bin/env python3
"""Reads a CSV file with Python's csv module and prints its rows as JSON, so
that the export tests check the file against a reader they did not write.
The output: {"bom": true when the file starts with a UTF-8 byte order mark,
"rows": [[field, ...], ...]}."""
import csv
import json
import sys

with open(sys.argv[1], "rb") as raw:
    bom = raw.read(3) == b"\xef\xbb\xbf"
with open(sys.argv[1], newline="", encoding="utf-8-sig") as source:
    rows = list(csv.reader(source, strict=True))
json.dump({"bom": bom, "rows": rows}, sys.stdout, ensure_ascii=True)
