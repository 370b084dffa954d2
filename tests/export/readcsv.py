#!/usr/bin/env python3
"""Reads a CSV file from standard input with Python's csv module and prints
its rows as JSON, so that the export tests check the file against a reader
they did not write: {"bom": true when it starts with a UTF-8 byte order mark,
"rows": [[field, ...], ...]}; the separator is the first argument."""
import csv
import io
import json
import sys

data = sys.stdin.buffer.read()
rows = list(csv.reader(io.StringIO(data.decode("utf-8-sig"), newline=""), delimiter=sys.argv[1], strict=True))
json.dump({"bom": data.startswith(b"\xef\xbb\xbf"), "rows": rows}, sys.stdout, ensure_ascii=True)
