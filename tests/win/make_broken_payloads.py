#!/usr/bin/env python3
"""Writes the payload resources of the broken-payload test program: containers
that are broken in one way each, and the plain bytes the good ones hold.

usage: make_broken_payloads.py OUTDIR

BrokenPayload.rc names every file written here.
"""

import os
import struct
import sys
import zlib


def container(declared, stream):
    return b"ZL" + struct.pack("<I", declared) + stream


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make_broken_payloads.py OUTDIR\n")
        return 2
    out = argv[1]
    os.makedirs(out, exist_ok=True)

    plain = b"".join(b"<file index=\"%d\" kind=\"fixture\" />\r\n" % (i * 37 % 101)
                     for i in range(300))
    stream = zlib.compress(plain)
    corrupt = bytearray(stream)
    corrupt[len(stream) // 2] ^= 0x55

    files = {
        "plain.bin": plain,
        "no_magic.bin": stream,
        "too_short.bin": b"ZL\x10\x00",
        "truncated.bin": container(len(plain), stream[: len(stream) // 2]),
        "corrupt.bin": container(len(plain), bytes(corrupt)),
        "declared_small.bin": container(len(plain) - 1, stream),
        "declared_large.bin": container(len(plain) + 4096, stream),
        "declared_huge.bin": container(0xFFFFFFFF, stream),
        "valid.bin": container(len(plain), stream),
    }
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
