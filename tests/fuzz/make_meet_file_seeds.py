#!/usr/bin/env python3
"""Writes the small meet files the meet file fuzzer starts from:
a version 28 file with a banner, a version 27 file and a version 23 file."""
import os
import struct
import sys

MAGIC = b"VHX Kavalto Stevne Format\0" + b"\0" * 4
INFO, CLASS, EQUIPAGE, TEAM, ENTRY = 520, 168, 2140, 556, 200


def meet_info(current_run=0):
    info = bytearray(INFO)
    struct.pack_into("<iBxxxi", info, 0, 1, 1, current_run)
    info[17:17 + 4] = b"1234"
    return bytes(info)


def class_record(in_run0):
    c = bytearray(CLASS)
    c[104] = in_run0
    struct.pack_into("<i", c, 128, 200)
    struct.pack_into("<i", c, 140, 50)
    return bytes(c)


def equipage(size, slots_and_numbers):
    e = bytearray(EQUIPAGE)
    struct.pack_into("<i", e, 24, size)
    e[136:136 + 3] = b"Rex"
    for entry, (slot, start_no) in slots_and_numbers.items():
        at = 1140 + ENTRY * entry
        struct.pack_into("<i", e, at + 4, slot)
        e[at + 8] = 1
        struct.pack_into("<i", e, at + 112, start_no)
        e[at + 193:at + 198] = b"\1\1\1\1\1"
    return bytes(e)


def team(class_slot, size, members):
    t = bytearray(TEAM)
    t[9] = 1
    struct.pack_into("<iii", t, 28, size, class_slot, 0)
    struct.pack_into("<4i", t, 540, *members)
    return bytes(t)


def meet_file(version, classes, equipages, teams, banner=None):
    out = MAGIC + struct.pack("<i", version) + meet_info()
    out += b"".join(classes)
    out += struct.pack("<i", len(equipages)) + b"".join(equipages)
    out += struct.pack("<i", len(teams)) + b"".join(teams)
    if banner is None:
        return out + b"\0"
    width, height = banner
    stride = ((width * 24 + 31) // 8) & ~3
    return out + b"\1" + struct.pack("<ii", width, height) + bytes(range(stride * height))


def main(folder):
    os.makedirs(folder, exist_ok=True)
    seeds = {
        "v28_banner.ags": meet_file(28, [class_record(1)] * 27,
                                    [equipage(2, {0: (8, 8001), 4: (26, 8001)})],
                                    [team(26, 2, (0, -1, -1, -1))], banner=(3, 2)),
        "v27.ags": meet_file(27, [class_record(1)] * 23,
                             [equipage(1, {2: (13, 8005), 3: (19, 8003), 4: (21, 0)})],
                             [team(21, 1, (0, -1, -1, -1))]),
        "v23.ags": meet_file(23, [class_record(1)] * 27,
                             [equipage(0, {0: (0, 2), 2: (12, 1)}), equipage(2, {0: (8, 1)})],
                             [team(26, 2, (1, -1, -1, -1)), team(24, 0, (0, -1, -1, -1))]),
    }
    for name, data in seeds.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "seeds", "meet_file_fuzz"))
