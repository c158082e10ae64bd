#!/usr/bin/env python3
"""The line mode of `varnelta-cli decode` in a few lines of Python's standard library, for
comparing speeds: reads links on standard input, writes one address (or an empty line) per
line. Covers the kinds, markers and pasting damage of the benchmark's lines."""
import base64
import binascii
import re
import sys

SCHEME = re.compile(rb"([A-Za-z0-9]+)://([A-Za-z0-9+/=_%-]*)")
MARKERS = {b"thunder": (b"AA", b"ZZ"), b"flashget": (b"[FLASHGET]", b"[FLASHGET]")}


def decode(line):
    m = SCHEME.search(line)
    if not m:
        return None
    scheme = m.group(1).lower()
    if scheme in (b"http", b"https", b"ftp", b"ed2k"):
        return line
    body = m.group(2).replace(b"%2B", b"+").replace(b"%2F", b"/").replace(b"%3D", b"=").rstrip(b"=")
    try:
        data = base64.b64decode(body + b"=" * (-len(body) % 4), altchars=b"-_" if b"-" in body or b"_" in body else None)
    except binascii.Error:
        return None
    if scheme in MARKERS:
        head, tail = MARKERS[scheme]
        if not (data.startswith(head) and data.endswith(tail)) or len(data) < len(head) + len(tail):
            return None
        return data[len(head):-len(tail)]
    if scheme in (b"qqdl", b"thunderxl"):
        return data
    if scheme == b"rayfile":
        return b"http://" + data.rpartition(b"|")[0] if b"|" in data else None
    if scheme == b"fs2you":
        return b"http://" + data.partition(b"|")[0] if b"|" in data else None
    return None


def main():
    out = sys.stdout.buffer
    failed = 0
    for number, line in enumerate(sys.stdin.buffer, 1):
        address = decode(line.strip().strip(b'"'))
        if address is None:
            failed += 1
            address = b""
        out.write(address + b"\n")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
