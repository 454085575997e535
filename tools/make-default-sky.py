#!/usr/bin/env python3
"""Writes host/data/default_sky.kiv, the sample host's bundled sky.

The scalar settings come from host/data/default_sky_base.kiv; the satellites and meteor swarms
come from the reference tables in host/data; the spacecraft and their data spans are listed here.
The output is a state file: statements in the script engine's language, one per line.

Usage: tools/make-default-sky.py [--data DIR] [--output FILE]
"""

import argparse
import csv
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
ACTIVE_MISSION_END = (2030, 12, 31)

# (English name, Japanese name, launch date, end of mission or None while active, shown)
SPACECRAFT = [
    ("Voyager 1", "ボイジャー1号", (1977, 9, 5), None, True),
    ("Voyager 2", "ボイジャー2号", (1977, 8, 20), None, True),
    ("Pioneer 10", "パイオニア10号", (1972, 3, 3), (2003, 1, 23), False),
    ("Pioneer 11", "パイオニア11号", (1973, 4, 6), (1995, 9, 30), False),
    ("Galileo", "ガリレオ", (1989, 10, 18), (2003, 9, 21), False),
    ("Ulysses", "ユリシーズ", (1990, 10, 6), (2009, 6, 30), False),
    ("Cassini", "カッシーニ", (1997, 10, 15), (2017, 9, 15), False),
    ("Hayabusa", "はやぶさ", (2003, 5, 9), (2010, 6, 13), False),
    ("Rosetta", "ロゼッタ", (2004, 3, 2), (2016, 9, 30), False),
    ("New Horizons", "ニュー・ホライズンズ", (2006, 1, 19), None, True),
    ("Dawn", "ドーン", (2007, 9, 27), (2018, 11, 1), False),
    ("Akatsuki", "あかつき", (2010, 5, 20), (2024, 9, 18), False),
    ("Juno", "ジュノー", (2011, 8, 5), None, True),
    ("Hayabusa2", "はやぶさ2", (2014, 12, 3), None, True),
    ("Parker Solar Probe", "パーカー・ソーラー・プローブ", (2018, 8, 12), None, True),
]

# (slot, file, shown, names shown)
ADF_SLOTS = [
    (1, r"C:\KIVDATA\COMETS.TXT", True, True),
    (2, r"C:\KIVDATA\ASTEROID.TXT", True, False),
    (3, r"C:\USERS\PUBLIC\DOCUME~1\MYOBJE~1.TXT", False, False),
]


def julian_day(year, month, day):
    """Julian day at 0h UT of a Gregorian calendar date (Meeus, Astronomical Algorithms, 7.1)."""
    if month <= 2:
        year -= 1
        month += 12
    century = year // 100
    gregorian = 2 - century + century // 4
    return (1461 * (year + 4716)) // 4 + (306001 * (month + 1)) // 10000 + day + gregorian - 1524.5


def boolean(flag):
    return "TRUE" if flag else "FALSE"


def text(value):
    if any(c in value for c in '"\r\n'):
        raise ValueError(f"a text value cannot hold {value!r}")
    return f'"{value}"'


def real(value):
    """A real as the engine reads one: the mantissa always holds a '.'."""
    mantissa, _, exponent = repr(float(value)).partition("e")
    if "." not in mantissa:
        mantissa += ".0"
    return mantissa + ("e" + exponent if exponent else "")


def read_table(path):
    """Rows of a tab-separated table whose first line is a '#' header naming the columns."""
    with open(path, encoding="utf-8", newline="") as stream:
        lines = stream.read().splitlines()
    header = lines[0].lstrip("#").strip().split("\t")
    rows = []
    for line in lines[1:]:
        if not line.strip():
            continue
        cells = line.split("\t")
        cells += [""] * (len(header) - len(cells))
        rows.append(dict(zip(header, cells)))
    return rows


def satellites(data_dir):
    out = ["", "# Artificial satellites: catalogue number, element-set name, local name, type;"
              " the ones with a local name are the major ones and are shown"]
    for row in read_table(data_dir / "satellites.tsv"):
        number = int(row["number"])
        local = row["local_name"].strip()
        tle = row["tle_name"].strip()
        key = f"ArtificialSatellite.{number}"
        out += [
            f"New {key}",
            f"{key}.TLEName = {text(tle)}",
            f"{key}.LocalName = {text(local)}",
            f"{key}.Name = {text(local or tle)}",
            f"{key}.Type = {text(row['type'].strip())}",
            f"{key}.Visible = {boolean(bool(local))}",
        ]
    return out


def meteor_swarms(data_dir):
    out = ["", "# Meteor swarms by English name; the strong showers (ZHR 20 or more, or variable)"
              " are shown with their radiants named in Japanese"]
    for row in read_table(data_dir / "meteor_showers.tsv"):
        english = row["english_name"].strip()
        japanese = row["japanese_name"].strip()
        zhr = int(row["zhr"])
        major = zhr >= 20 or zhr == -1
        key = f"Meteor.Swarm.{english}"
        out += [
            f"New {key}",
            f"{key}.Name = {text(japanese or english)}",
            f"{key}.Code = {text(row['code'].strip())}",
            f"{key}.ZHR = {zhr}",
            f"{key}.Radiant.RightAscension = {real(row['radiant_ra_deg'])}",
            f"{key}.Radiant.Declination = {real(row['radiant_dec_deg'])}",
            f"{key}.Peak.SolarLongitude = {real(row['peak_solar_longitude_deg'])}",
            f"{key}.Visible = {boolean(major)}",
            f"{key}.Radiant.Visible = {boolean(major)}",
            f"{key}.Radiant.Name.Visible = {boolean(major)}",
            f"{key}.Radiant.JapaneseName.Visible = {boolean(major)}",
            f"{key}.Radiant.EnglishName.Visible = FALSE",
        ]
    return out


def spacecraft():
    out = ["", "# Spacecraft: data spans as Julian days at 0h UT, from launch to the end of the mission"]
    for number, (english, japanese, launch, end, shown) in enumerate(SPACECRAFT, start=1):
        key = f"Solar.Spacecraft.#{number}"
        out += [
            f"New {key}",
            f"{key}.JapaneseName = {text(japanese)}",
            f"{key}.EnglishName = {text(english)}",
            f"{key}.Visible = {boolean(shown)}",
            f"{key}.Name.Visible = {boolean(shown)}",
            f"{key}.JapaneseName.Visible = {boolean(shown)}",
            f"{key}.EnglishName.Visible = FALSE",
            f"{key}.Trajectory.Visible = FALSE",
            f"{key}.data.start = {real(julian_day(*launch))}",
            f"{key}.data.end = {real(julian_day(*(end or ACTIVE_MISSION_END)))}",
        ]
    return out


def adf_slots():
    out = ["", "# Additional data files"]
    for slot, path, shown, names in ADF_SLOTS:
        key = f"ADF.#{slot}"
        out += [
            f"{key}.File = {text(path)}",
            f"{key}.Visible = {boolean(shown)}",
            f"{key}.Name.Visible = {boolean(names)}",
        ]
    return out


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--data", type=pathlib.Path, default=ROOT / "host" / "data")
    parser.add_argument("--output", type=pathlib.Path, default=None)
    args = parser.parse_args(argv)
    output = args.output or args.data / "default_sky.kiv"

    assert julian_day(2000, 1, 1) == 2451544.5
    assert julian_day(1957, 10, 4) == 2436115.5

    base = (args.data / "default_sky_base.kiv").read_text(encoding="utf-8").splitlines()
    lines = ["# The bundled default sky of the sample host. Generated by tools/make-default-sky.py;"
             " edit default_sky_base.kiv or the script, not this file."]
    # The base file's own opening comment block describes the base file, not the output.
    while base and base[0].startswith("#"):
        base.pop(0)
    lines += base
    lines += satellites(args.data) + meteor_swarms(args.data) + spacecraft() + adf_slots()
    with open(output, "w", encoding="utf-8", newline="\n") as stream:
        stream.write("\n".join(lines) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
