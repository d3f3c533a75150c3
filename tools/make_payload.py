#!/usr/bin/env python3
"""Writes stand-ins for the product files that the installer carries.

usage: make_payload.py OUTDIR     write the files into OUTDIR
       make_payload.py --list     print their names, one a line

GuidedSetup.exe, the fourteenth product file, is a real program built from
tools/guidedsetup and is not written here.

The binaries are shaped like the assemblies of a .NET product: a PE header
and sections, then code-like, table-like, string and incompressible regions
in proportions that make zlib shrink them by roughly 2.5 times, as it does
real ones. Each binary's entry point is a few bytes of x86 that return at
once (an exe exits with 0, a DLL's entry reports success), so starting one
by mistake does no harm. The content is the same byte for byte on every run.
"""

import hashlib
import os
import random
import struct
import sys

# (name, size in bytes, kind). Sizes are multiples of the PE file alignment.
BINARIES = [
    ("Snapharbor.exe", 868352, "exe"),
    ("Tarvo.Glimmerbox.Common.dll", 221184, "dll"),
    ("Tarvo.Glimmerbox.P2P.dll", 339968, "dll"),
    ("Tarvo.dll", 143360, "dll"),
    ("Tarvo.Windows.Forms.dll", 1724416, "dll"),
    ("WebServices.Extensions.dll", 405504, "dll"),
    ("Tarvo.Drawing.dll", 98304, "dll"),
    ("Interop.ShellScripting.dll", 28672, "dll"),
    ("Remover.exe", 61440, "exe"),
    ("Interop.FirewallTypes.dll", 36864, "dll"),
    ("Interop.NetConnections.dll", 24576, "dll"),
]

MANIFEST = "Manifest.xml"
SHORTCUT = "Snapharbor.Help.url"
SETUP_PROGRAM = "GuidedSetup.exe"
PRODUCT_VERSION = "2.4.1.0"

# The order the installer's payload table lists them in.
NAMES = [
    "Snapharbor.exe", "Tarvo.Glimmerbox.Common.dll", "Tarvo.Glimmerbox.P2P.dll",
    "Tarvo.dll", "Tarvo.Windows.Forms.dll", MANIFEST, "WebServices.Extensions.dll",
    "Tarvo.Drawing.dll", SHORTCUT, "Interop.ShellScripting.dll", "Remover.exe",
    "Interop.FirewallTypes.dll", "Interop.NetConnections.dll",
]

FILE_ALIGN = 0x200
SECTION_ALIGN = 0x2000

VERBS = ("Get", "Set", "On", "Create", "Update", "Load", "Save", "Draw", "Begin",
         "End", "Try", "Is", "Has", "Find", "Add", "Remove", "Open", "Close",
         "Send", "Receive", "Invite", "Accept", "Render", "Resize", "Attach")
NOUNS = ("Photo", "Album", "Thumbnail", "Peer", "Share", "Image", "Layout",
         "Panel", "Button", "Connection", "Firewall", "Stream", "Buffer", "Cache",
         "Item", "Collection", "Handler", "Event", "Settings", "Profile", "Contact",
         "Invitation", "Transfer", "Session", "Caption", "Folder", "Picture",
         "Preview", "Slide", "Tag", "Comment", "Port", "Adapter", "Message")
SUFFIXES = ("", "", "", "s", "Changed", "Async", "Info", "Core", "Callback", "At")
SENTENCES = (
    "The picture could not be opened.", "Connecting to your friends...",
    "Waiting for the other computer to answer.", "Sharing {0} of {1} photos",
    "The album is already shared with this contact.", "Check your connection and try again.",
    "Do you want to remove the selected pictures?",
    "Snapharbor could not open a port in the firewall.",
    "Invitation sent.", "Receiving thumbnails", "Your changes have been saved.",
    "This contact is offline.", "Select the folder that holds your photos.",
)


def entry_stub(kind):
    if kind == "exe":
        return b"\x31\xc0\xc3"  # xor eax, eax; ret: the process exits with 0
    return b"\xb8\x01\x00\x00\x00\xc2\x0c\x00"  # mov eax, 1; ret 12: DllMain says TRUE


def identifiers(rng, namespace, total):
    """A NUL-separated heap of member and type names, total bytes long."""
    out = bytearray()
    while len(out) < total:
        r = rng.random()
        if r < 0.15:
            name = "%s.%s%s" % (namespace, rng.choice(NOUNS), rng.choice(SUFFIXES))
        elif r < 0.3:
            name = "<%s>k__BackingField" % rng.choice(NOUNS)
        else:
            name = rng.choice(VERBS) + rng.choice(NOUNS) + rng.choice(SUFFIXES)
        out += name.encode("ascii") + b"\0"
    return bytes(out[:total])


def user_strings(rng, total):
    """UTF-16 texts with length prefixes, as in a user-string heap."""
    out = bytearray()
    while len(out) < total:
        s = rng.choice(SENTENCES).encode("utf-16-le")
        out += bytes((len(s) + 1,)) + s + b"\0"
    return bytes(out[:total])


def code(rng, total):
    """Opcode-like bytes: a skewed alphabet, with method bodies that recur as
    real call sequences do, so that both Huffman and LZ find some gain."""
    common = (0x00, 0x02, 0x03, 0x06, 0x07, 0x0a, 0x0b, 0x16, 0x17, 0x28, 0x2a,
              0x6f, 0x72, 0x73, 0x7b, 0x7d, 0x8b, 0x89, 0xff, 0x04, 0x01, 0x38,
              0x2c, 0x2d, 0x26, 0x14, 0x0c, 0x08, 0x11, 0x13, 0x1f, 0x25)
    table = bytes(rng.choice(common) if rng.random() < 0.75 else rng.randrange(256)
                  for _ in range(256))
    bodies = [rng.randbytes(rng.randrange(12, 72)).translate(table) for _ in range(96)]
    out = bytearray()
    while len(out) < total:
        if rng.random() < 0.55:
            out += rng.choice(bodies)
        else:
            out += rng.randbytes(rng.randrange(8, 64)).translate(table)
    return bytes(out[:total])


def tables(rng, total):
    """Fixed-size rows of small indices, like metadata tables."""
    out = bytearray()
    row = 0
    while len(out) < total:
        row += 1
        out += struct.pack("<HHHHI", rng.randrange(0x20), row & 0xFFFF,
                           rng.randrange(1 << 12), row * 3 & 0xFFFF, 0x06000000 | row)
    return bytes(out[:total])


def section_header(name, vsize, vaddr, rawsize, rawptr, flags):
    return struct.pack("<8sIIIIIIHHI", name, vsize, vaddr, rawsize, rawptr, 0, 0, 0, 0, flags)


def align(n, a):
    return (n + a - 1) // a * a


def pe_binary(name, size, kind):
    rng = random.Random("payload:" + name)
    namespace = name.rsplit(".", 1)[0]

    # Exes carry icons and pictures, which are already compressed; DLLs only
    # a version record.
    if kind == "exe":
        rsrc_size = align(size // 7, FILE_ALIGN)
    else:
        rsrc_size = align(0x400 + size // 200, FILE_ALIGN)
    reloc_size = FILE_ALIGN
    text_size = size - FILE_ALIGN - rsrc_size - reloc_size

    stub = entry_stub(kind)
    body = text_size - len(stub)
    parts = [
        code(rng, body * 46 // 100),
        tables(rng, body * 14 // 100),
        identifiers(rng, namespace, body * 18 // 100),
        user_strings(rng, body * 10 // 100),
        rng.randbytes(body * 4 // 100),  # blob heap and signatures
        rng.randbytes(body * 6 // 100),  # embedded resources
    ]
    used = sum(len(p) for p in parts)
    text = stub + b"".join(parts) + b"\0" * (body - used)

    version = ("%s\0%s\0Tarvo Software\0" % (namespace, PRODUCT_VERSION)).encode("utf-16-le")
    rsrc = version
    if kind == "exe":
        rsrc += rng.randbytes(rsrc_size * 3 // 4)
    rsrc += b"\0" * (rsrc_size - len(rsrc))
    reloc = struct.pack("<II", 0x2000, 12) + b"\x00\x30\x00\x00" + b"\0" * (reloc_size - 12)

    text_rva = SECTION_ALIGN
    rsrc_rva = text_rva + align(text_size, SECTION_ALIGN)
    reloc_rva = rsrc_rva + align(rsrc_size, SECTION_ALIGN)
    image_size = reloc_rva + align(reloc_size, SECTION_ALIGN)

    dos = bytearray(0x80)
    dos[0:0x40] = struct.pack("<2sHHHHHHHHHHHHH8sHH20sI", b"MZ", 0x90, 3, 0, 4, 0, 0xFFFF, 0,
                              0xB8, 0, 0, 0, 0x40, 0, b"", 0, 0, b"", 0x80)
    message = b"\x0e\x1f\xba\x0e\x00\xb4\x09\xcd\x21\xb8\x01\x4c\xcd\x21" \
              b"This program cannot be run in DOS mode.\r\r\n$"
    dos[0x40:0x40 + len(message)] = message

    is_dll = kind == "dll"
    characteristics = 0x0102 | (0x2000 if is_dll else 0x0001)
    # A fixed date per file: deterministic, yet not the same for every file.
    stamp = 0x4A000000 + rng.randrange(1 << 20)
    coff = struct.pack("<4sHHIIIHH", b"PE\0\0", 0x14C, 3, stamp, 0, 0, 0xE0, characteristics)
    optional = struct.pack(
        "<HBBIIIIIIIIIHHHHHHIIIIHHIIIIII",
        0x10B, 8, 0, text_size, rsrc_size + reloc_size, 0, text_rva, text_rva, rsrc_rva,
        0x10000000 if is_dll else 0x400000, SECTION_ALIGN, FILE_ALIGN,
        4, 0, 0, 0, 4, 0, 0, image_size, FILE_ALIGN, 0,
        3 if is_dll else 2, 0x0400, 0x100000, 0x1000, 0x100000, 0x1000, 0, 16)
    optional += b"\0" * (16 * 8)  # no data directories: nothing for a loader to follow
    sections = (section_header(b".text", text_size, text_rva, text_size, FILE_ALIGN, 0x60000020)
                + section_header(b".rsrc", rsrc_size, rsrc_rva, rsrc_size, FILE_ALIGN + text_size,
                                 0x40000040)
                + section_header(b".reloc", reloc_size, reloc_rva, reloc_size,
                                 FILE_ALIGN + text_size + rsrc_size, 0x42000040))
    headers = bytes(dos) + coff + optional + sections
    headers += b"\0" * (FILE_ALIGN - len(headers))

    data = headers + text + rsrc + reloc
    assert len(data) == size, (name, len(data))
    return data


def shortcut():
    return b"[InternetShortcut]\r\nURL=http://www.snapharbor.example/help\r\n"


def manifest(files):
    """files: name -> bytes of every file written before the manifest."""
    kinds = {".exe": "program", ".dll": "library", ".url": "shortcut"}
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             '<manifest product="Snapharbor" version="%s">' % PRODUCT_VERSION]
    for name in NAMES:
        if name == MANIFEST:
            continue
        data = files[name]
        lines.append('  <file name="%s" kind="%s" size="%d" sha256="%s" />'
                     % (name, kinds[name[-4:]], len(data), hashlib.sha256(data).hexdigest()))
    # Built by the cross compiler, so its size and digest are not known here.
    lines.append('  <file name="%s" kind="setup" />' % SETUP_PROGRAM)
    lines.append("</manifest>")
    return ("\r\n".join(lines) + "\r\n").encode("utf-8")


def build():
    files = {name: pe_binary(name, size, kind) for name, size, kind in BINARIES}
    files[SHORTCUT] = shortcut()
    files[MANIFEST] = manifest(files)
    return files


def main(argv):
    if len(argv) == 2 and argv[1] == "--list":
        sys.stdout.write("".join(n + "\n" for n in NAMES))
        return 0
    if len(argv) != 2 or argv[1].startswith("-"):
        sys.stderr.write("usage: make_payload.py OUTDIR | --list\n")
        return 2
    os.makedirs(argv[1], exist_ok=True)
    files = build()
    for name in NAMES:
        with open(os.path.join(argv[1], name), "wb") as f:
            f.write(files[name])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
