#!/usr/bin/env python3
"""Writes the files the entries import and ring import fuzzers start from:
entries files of the club's layout and ring results files of the meet "55"
that ring_import_fuzz.cpp builds."""
import os
import struct
import sys

CLASS, ENTRY, TEAM = 168, 200, 556
HEADER = "UTID\tTYPE\tLOP\tHUID\tKLASSE\tDOMMER\tKLASSER\tNAVN\tKALLENAVN\tKJONN\tKATANR\tRASE\tLAGNAVN\t" \
         "KLUBB\tFORER\tADRESSE\tPOSTNR\tPOSTSTED\tLAND\tKLUBB2\tEPOST\tX\tY\tZ\t\n"


def record(fields):
    values = [""] * 24
    for number, value in fields.items():
        values[number - 1] = value
    return "".join(v + "\t" for v in values) + "\n"


def dog(reg_no, code, start_no, classes=None, more=None):
    fields = {1: "1234 Stevne", 2: "1", 3: "0", 4: reg_no, 5: code, 6: "Dommer", 7: classes or code, 8: "Tass",
              9: "Tassen", 10: "H", 11: start_no, 12: "Puddel", 14: "Oslo HK", 15: "Kari", 16: "Gata 1",
              17: "0150", 18: "Oslo", 21: "kari@example.no"}
    fields.update(more or {})
    return record(fields)


def team(team_no, code, start_no, name):
    return record({1: "1234 Stevne", 4: team_no, 5: code, 11: start_no, 13: name, 15: "Per"})


def entries_seeds():
    full = HEADER + dog("NO1", "AG-Liten-2", "8001", "AG-Liten-2,AG-H-Liten-2") \
        + dog("NO1", "AG-H-Liten-2", "8002") + dog("NO2", "AG-Aapen", "8003", "AG-Mellom-2") \
        + dog("", "AG-Stor-3", "8004") + dog("NO3", "AG-Stor-1", "8005", None, {20: "Bergen HK", 14: ""}) \
        + team("LAG1", "AG-LagS", "9001", "Lynet") + team("LAG2", "AG-LagM", "9001", "Likt")
    return {
        "header_only.vhx": HEADER,
        "meet.vhx": full,
        "another_meet_later.vhx": HEADER + dog("NO1", "AG-Liten-1", "1") + dog("NO2", "AG-Liten-1", "2", None,
                                                                                {1: "999"}),
        "no_line_end.vhx": HEADER + dog("NO1", "AG-Liten-1", "1").rstrip("\t\n"),
        "bars.vhx": HEADER + dog("NO1", "AG-Liten-1", "1").replace("\t", "|"),
    }


def ring(classes, entries, teams):
    data = bytearray(b"55".ljust(100, b"\0"))
    data += struct.pack("<i", len(classes))
    for slot in classes:
        c = bytearray(CLASS)
        c[104] = 1
        data += struct.pack("<i", slot) + c
    data += struct.pack("<i", len(entries))
    for equipage, entry, slot in entries:
        e = bytearray(ENTRY)
        struct.pack_into("<i", e, 4, slot)
        e[8] = 1
        struct.pack_into("<i", e, 128, 3512)
        data += struct.pack("<ii", equipage, entry) + e
    data += struct.pack("<i", len(teams))
    for index in teams:
        t = bytearray(TEAM)
        struct.pack_into("<i", t, 32, 26)
        t[9] = 1
        struct.pack_into("<4i", t, 540, 0, 1, 2, 3)
        data += struct.pack("<i", index) + t
    return bytes(data)


def ring_seeds():
    return {
        "empty.agr": ring([], [], []),
        "results.agr": ring([8, 26], [(0, 0, 8), (1, 0, 8), (3, 4, 26)], [0]),
    }


def main(root):
    for target, seeds in (("entries_import_fuzz", entries_seeds()), ("ring_import_fuzz", ring_seeds())):
        folder = os.path.join(root, target)
        os.makedirs(folder, exist_ok=True)
        for name, content in seeds.items():
            data = content.encode("cp1252") if isinstance(content, str) else content
            with open(os.path.join(folder, name), "wb") as f:
                f.write(data)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "seeds"))
