#!/usr/bin/env python3
"""Prints the SHA-256 of the 945-character known-answer text scrambled.

An independent copy of the six key pieces and their order, so that the
C++ test compares the program's scrambling with a second implementation
over the whole key stream. Run: python3 scramble_known_answer.py
"""
import hashlib

PIECES = [
    "|>VpV$yys~4.B#K19duiQ/Zwjfh/(,cB,o<]#Tx&z,o~V",
    "V4~-m'V'keZs4E::tko>QtziQty4h10D>*$UA@zq5SO$9",
    "b:z$3BZ8.PuA$N*O^T5s/WU_inXS.}h@s)q#$V,g]awV$",
    ")k>m9lua/qYo1|<aG'Cy3&JS^Exg%M$5lFb3ozt8[[hyB",
    ")]<|DNp_TY-Qh}&`xSQ=3&n)]^LqgI_4gtk+1wP8a5StK",
    "%SF<wo|5X5]u&=6~7iK*-D-_&me4|s;y}*kRo@r((n%(w",
]
# Piece numbers, 1-based, in key-stream order: 21 pieces of 45 characters.
ORDER = [1, 2, 3, 4, 5, 3, 6, 2, 4, 5, 4, 5, 3, 6, 1, 4, 4, 6, 2, 2, 3]

key = "".join(PIECES[n - 1] for n in ORDER).encode("latin-1")
assert len(key) == 945
# The text: every character code, 0 to 255, over and over.
text = bytes(i % 256 for i in range(945))
print(hashlib.sha256(bytes(t ^ k for t, k in zip(text, key))).hexdigest())
