#!/usr/bin/env python3
"""Writes tiny Windows program headers for the tests: no code, only what a header reader sees.

    tiny_program.py --layout DIR < LINES

Each line is "KIND SUBSYSTEM_MAJOR SIZE PATH", PATH relative to DIR and "/" between names.
KIND is i386, amd64 or arm64, "dir" for an empty folder, or a damaged i386 program: "cut" (the header ends early) or
"lie" (an i386 program with a 64-bit optional header). SUBSYSTEM_MAJOR is the Windows major
version the program declares; SIZE pads the file, so that the largest of several can be told
apart.
"""
import os
import struct
import sys

MACHINES = {"i386": (0x014C, 0x010B, 0xE0), "amd64": (0x8664, 0x020B, 0xF0),
            "arm64": (0xAA64, 0x020B, 0xF0)}


def program(kind, subsystem_major=5, size=0):
    machine = "i386" if kind in ("cut", "lie") else kind
    number, magic, optional_size = MACHINES[machine]
    if kind == "lie":
        magic = 0x020B
    dos = bytearray(0x40)
    dos[0:2] = b"MZ"
    struct.pack_into("<I", dos, 0x3C, 0x40)
    coff = b"PE\0\0" + struct.pack("<HHIIIHH", number, 0, 0, 0, 0, optional_size, 0x0002)
    optional = bytearray(optional_size)
    struct.pack_into("<H", optional, 0, magic)
    struct.pack_into("<HH", optional, 48, subsystem_major, 0)
    struct.pack_into("<H", optional, 68, 2)  # a GUI program
    data = bytes(dos) + coff + bytes(optional)
    if kind == "cut":
        return data[:100]
    return data + bytes(max(0, size - len(data)))


if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[1] != "--layout":
        sys.exit(__doc__)
    for line in sys.stdin:
        if not line.strip():
            continue
        kind, major, size, path = line.strip().split(" ", 3)
        path = os.path.join(sys.argv[2], path)
        if kind == "dir":
            os.makedirs(path, exist_ok=True)
            continue
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(program(kind, int(major), int(size)))
