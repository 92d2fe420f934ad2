#!/usr/bin/env python3
"""Write the section files of the ZELT Viewer sample lists.

samples/sections/INTERRUP.A, .B and .C are INTERRUP.LST cut at divider lines
into three parts of about equal size; joined in order they give the list back
byte for byte.  samples/sections/PORTS.A is a copy of PORTS.LST.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DIVIDER_WIDTH = 60


def split_sections(data, parts):
    """Cut data at divider lines into parts of roughly equal size."""
    starts = []
    pos = 0
    for line in data.split(b"\r\n")[:-1]:
        if len(line) == DIVIDER_WIDTH and line.startswith(b"--------"):
            starts.append(pos)
        pos += len(line) + 2
    cuts = []
    for n in range(1, parts):
        target = len(data) * n // parts
        cuts.append(min(starts, key=lambda s: abs(s - target)))
    bounds = [0] + cuts + [len(data)]
    return [data[a:b] for a, b in zip(bounds, bounds[1:])]


def read(name):
    with open(os.path.join(HERE, name), "rb") as f:
        return f.read()


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def main():
    sections = os.path.join(HERE, "sections")
    os.makedirs(sections, exist_ok=True)
    for suffix, part in zip("ABC", split_sections(read("INTERRUP.LST"), 3)):
        write(os.path.join(sections, "INTERRUP." + suffix), part)
    write(os.path.join(sections, "PORTS.A"), read("PORTS.LST"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
