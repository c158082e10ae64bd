#!/usr/bin/env python3
"""Writes N lines of mixed links (every kind and variant, some failures) for the line-mode
benchmark of varnelta-cli: python3 make_lines.py N > lines.txt"""
import base64
import random
import sys


def b64(data):
    return base64.b64encode(data).decode()


def main():
    count = int(sys.argv[1]) if len(sys.argv) > 1 else 1000000
    rng = random.Random(1)
    names = ["setup", "movie", "\u6587\u4ef6", "\u8fc5\u96f7\u4e0b\u8f7d", "game", "music"]
    out = sys.stdout.buffer
    for i in range(count):
        name = rng.choice(names)
        charset = "gbk" if rng.random() < 0.5 else "utf-8"
        url = ("http://dl%d.example.cn/files/%d/%s_%d.zip" % (i % 97, i, name, rng.randrange(10**6))).encode(charset)
        r = rng.randrange(12)
        if r == 0:
            line = "thunder://" + b64(b"AA" + url + b"ZZ")
        elif r == 1:
            line = "flashget://" + b64(b"[FLASHGET]" + url + b"[FLASHGET]") + "&tag"
        elif r == 2:
            line = "qqdl://" + b64(url)
        elif r == 3:
            line = "Rayfile://" + b64(url[7:] + b"|1249442")
        elif r == 4:
            line = "fs2you://" + b64(url[7:] + b"|%d|%s.zip" % (rng.randrange(10**8), name.encode(charset)))
        elif r == 5:
            line = "thunderxl://" + b64(url)
        elif r == 6:
            line = '"THUNDER://' + b64(b"AA" + url + b"ZZ").rstrip("=").replace("+", "-").replace("/", "_") + '"'
        elif r == 7:
            line = "thunder://" + b64(b"AA" + url + b"ZZ").replace("+", "%2B").replace("/", "%2F").replace("=", "%3D")
        elif r == 8:
            line = url.decode(charset)
        elif r == 9:
            line = "thunder://" + b64(url)  # no markers: fails
        elif r == 10:
            line = "foo://" + b64(url)  # no special link: fails
        else:
            line = "qqdl://" + b64(b"AA" + url + b"ZZ")
        out.write(line.encode("utf-8") if r == 8 and charset == "utf-8" else
                  line.encode("gbk") if r == 8 else line.encode())
        out.write(b"\n")


if __name__ == "__main__":
    main()
