#!/usr/bin/env python3
"""Fails when a 32-bit Windows program would not start on Windows XP SP3.

    xp_imports.py EXPORTS_DIR PROGRAM...

EXPORTS_DIR holds one list per DLL of Windows XP SP3 (<dll>.txt, a name a line). A program
passes when it is an i386 program, its header asks for Windows 5.1 or older (operating system
and subsystem), and every function it imports by name is in its DLL's list, compared with case,
as the loader looks names up. An import by ordinal, or from a DLL without a list, cannot be
vouched for and fails too. Prints one line per program and one per fault.
"""
import os
import struct
import sys

XP = (5, 1)
I386 = 0x014C
IMPORT_DIRECTORY = 1


class Program:
    """The parts of a PE file this check reads."""

    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("no MZ header")
        pe = self.u32(0x3C)
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("no PE header")
        self.machine, sections, _, _, _, optional_size = struct.unpack_from("<HHIIIH", data, pe + 4)
        optional = pe + 24
        if self.u16(optional) != 0x010B:
            raise ValueError("not a 32-bit optional header")
        self.os_version = struct.unpack_from("<HH", data, optional + 40)
        self.subsystem_version = struct.unpack_from("<HH", data, optional + 48)
        directories = self.u32(optional + 92)
        self.import_rva = self.u32(optional + 96 + 8 * IMPORT_DIRECTORY) if directories > IMPORT_DIRECTORY else 0
        table = optional + optional_size
        self.sections = [struct.unpack_from("<IIII", data, table + 40 * i + 8) for i in range(sections)]

    def u16(self, offset):
        return struct.unpack_from("<H", self.data, offset)[0]

    def u32(self, offset):
        return struct.unpack_from("<I", self.data, offset)[0]

    def offset(self, rva):
        for virtual_size, address, raw_size, raw_offset in self.sections:
            if address <= rva < address + max(virtual_size, raw_size):
                return raw_offset + rva - address
        raise ValueError(f"address {rva:#x} lies in no section")

    def text(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def imports(self):
        """(dll, name) for each import; name is an int for an import by ordinal."""
        if self.import_rva == 0:
            return
        descriptor = self.offset(self.import_rva)
        while True:
            names, _, _, dll, addresses = struct.unpack_from("<IIIII", self.data, descriptor)
            if dll == 0:
                return
            thunk = self.offset(names or addresses)
            while (entry := self.u32(thunk)) != 0:
                yield self.text(dll), entry & 0xFFFF if entry & 0x80000000 else self.text(entry + 2)
                thunk += 4
            descriptor += 20


def faults(program, exports_dir):
    if program.machine != I386:
        yield f"machine {program.machine:#06x} is not i386"
    for what, version in (("operating system", program.os_version), ("subsystem", program.subsystem_version)):
        if version > XP:
            yield f"asks for {what} version {version[0]}.{version[1]}, above XP's 5.1"
    known = {}
    for dll, name in program.imports():
        key = dll.lower().removesuffix(".dll")
        if key not in known:
            path = os.path.join(exports_dir, key + ".txt")
            known[key] = set(open(path).read().split()) if os.path.exists(path) else None
        if known[key] is None:
            yield f"imports {name} from {dll}, which has no export list here"
        elif isinstance(name, int):
            yield f"imports ordinal {name} of {dll}, which a name list cannot vouch for"
        elif name not in known[key]:
            yield f"imports {name} from {dll}, which Windows XP SP3 does not export"


def main(arguments):
    if len(arguments) < 2:
        sys.exit(__doc__)
    exports_dir, failed = arguments[0], False
    for path in arguments[1:]:
        try:
            with open(path, "rb") as f:
                program = Program(f.read())
            found = list(faults(program, exports_dir))
            count, dlls = sum(1 for _ in program.imports()), {d.lower() for d, _ in program.imports()}
        except (OSError, ValueError, struct.error) as e:
            found, count, dlls = [f"cannot be read: {e}"], 0, set()
        name = os.path.basename(path)
        if found:
            failed = True
            print(f"{name}: would not start on Windows XP SP3")
            for fault in found:
                print(f"  {fault}")
        else:
            print(f"{name}: {count} functions from {len(dlls)} DLLs, all exported by Windows XP SP3;"
                  f" operating system {program.os_version[0]}.{program.os_version[1]},"
                  f" subsystem {program.subsystem_version[0]}.{program.subsystem_version[1]}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
