#!/usr/bin/env python3
"""Packs one product file into the container the installer's payload
resources hold.

usage: pack_payload.py INFILE OUTFILE

OUTFILE is "ZL", the length of INFILE as an unsigned 32-bit little-endian
number, then INFILE compressed by zlib at its default level (stream header
0x78 0x9C), ending exactly at the end of the file. The installer inflates a
file in one call into a buffer of the stated length, which is why the length
must fit in 32 bits.
"""

import os
import struct
import sys
import zlib


def main(argv):
    if len(argv) != 3:
        sys.stderr.write("usage: pack_payload.py INFILE OUTFILE\n")
        return 2
    src, dst = argv[1], argv[2]
    try:
        with open(src, "rb") as f:
            size = os.fstat(f.fileno()).st_size
            if size > 0xFFFFFFFF:
                sys.stderr.write("pack_payload.py: %s is %d bytes; the container holds at most "
                                 "4 GiB - 1\n" % (src, size))
                return 1
            data = f.read()
    except OSError as e:
        sys.stderr.write("pack_payload.py: cannot read %s: %s\n" % (src, e.strerror))
        return 1
    packed = b"ZL" + struct.pack("<I", len(data)) + zlib.compress(data)
    # Written under a temporary name first, so that an interrupted build never
    # leaves a truncated container that looks up to date.
    tmp = dst + ".tmp"
    try:
        with open(tmp, "wb") as f:
            f.write(packed)
        os.replace(tmp, dst)
    except OSError as e:
        sys.stderr.write("pack_payload.py: cannot write %s: %s\n" % (dst, e.strerror))
        try:
            os.remove(tmp)
        except OSError:
            pass
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
