#!/usr/bin/env python3
"""Writes the zone table data/kelvortz.txt.

The table lists every zone name that senders write in a TZID parameter: the IANA names of the
system's zone database (links such as US/Eastern included), the Windows zone names of the CLDR
mapping (W._Europe_Standard_Time) and the Windows display names without their "(UTC+01:00) "
prefix (Amsterdam,_Berlin,_Bern,_Rome,_Stockholm,_Vienna), which is what is left of an Outlook
TZID once the reader has dropped that prefix. Blanks are written as "_".

Each zone gets a STD line and a DAY line, "NAME ABBREVIATION STD +01:00". The reader chooses the
line by the period the user's own clock is in, not the sender's, so a zone without daylight time
gets a DAY line with its standard offset; without it the sender's label would be left empty or
stale for half the year.

The reader finds a name anywhere in a line and keeps the last matching STD and DAY lines, so the
lines are ordered such that the lines of a zone come after every line that contains its name
(US/Eastern after US/East-Indiana, UTC after UTC-11 and after every line with the abbreviation
UTC). The script checks that every name then finds its own offsets.

Lines end in CR LF (the program's line rule ends a line at CR), and the table has no empty line
(an empty line ends it).

Usage: scripts/generate_zone_table.py [--zoneinfo DIR] [--windows-zones FILE] [--output FILE]
"""

import argparse
import heapq
import os
import re
import struct
import sys

DEFAULT_ZONEINFO = "/usr/share/zoneinfo"
DEFAULT_WINDOWS_ZONES = "/usr/share/unicode/cldr/common/supplemental/windowsZones.xml"
DEFAULT_OUTPUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data",
                              "kelvortz.txt")

# Not zones: the system's own choice, the default rule file, and the placeholder zone.
SKIPPED_FILES = {"localtime", "posixrules", "Factory"}
# Duplicate trees of the whole database.
SKIPPED_FOLDERS = {"posix", "right"}

WINDOWS_ID, WINDOWS_DISPLAY, IANA = 0, 1, 2


def tzif_footer(data):
    """The POSIX rule at the end of a version 2+ TZif file, or None."""
    if len(data) < 44 or data[:4] != b"TZif" or data[4:5] < b"2":
        return None

    def block_size(header, time_size):
        isut, isstd, leap, times, types, chars = struct.unpack(">6L", data[header + 20:header + 44])
        return times * time_size + times + types * 6 + chars + leap * (time_size + 4) + isstd + isut

    second = 44 + block_size(0, 4)
    if data[second:second + 4] != b"TZif":
        return None
    footer = second + 44 + block_size(second, 8)
    if data[footer:footer + 1] != b"\n":
        return None
    end = data.find(b"\n", footer + 1)
    if end <= footer + 1:
        return None
    return data[footer + 1:end].decode("ascii")


RULE_NAME = r"(<[^>]+>|[A-Za-z]{3,})"
RULE_OFFSET = r"([+-]?\d{1,3}(?::\d{1,2}){0,2})"
RULE = re.compile(RULE_NAME + RULE_OFFSET + "(?:" + RULE_NAME + RULE_OFFSET + "?(?:,.*)?)?$")


def offset_seconds(text):
    """A POSIX offset (hours west of UTC) as seconds east of UTC."""
    sign = -1 if text.startswith("-") else 1
    parts = [int(p) for p in text.lstrip("+-").split(":")] + [0, 0]
    return -sign * (parts[0] * 3600 + parts[1] * 60 + parts[2])


def zone_periods(rule):
    """(std abbreviation, std offset, day abbreviation, day offset) of a POSIX rule."""
    match = RULE.match(rule)
    if not match:
        raise ValueError("unreadable zone rule: " + rule)
    std_name, std_offset, day_name, day_offset = match.groups()
    std_name = std_name.strip("<>")
    std = offset_seconds(std_offset)
    if day_name is None:
        return std_name, std, std_name, std
    day = offset_seconds(day_offset) if day_offset else std + 3600
    day_name = day_name.strip("<>")
    if day < std:
        # A "daylight" time behind standard time (Irish winter time): daylight is the later clock.
        return day_name, day, std_name, std
    return std_name, std, day_name, day


def offset_text(seconds):
    sign = "-" if seconds < 0 else "+"
    minutes = abs(seconds) // 60
    return "%s%02d:%02d" % (sign, minutes // 60, minutes % 60)


def read_iana_zones(zoneinfo):
    zones = {}
    for folder, subfolders, files in os.walk(zoneinfo):
        subfolders[:] = sorted(d for d in subfolders
                               if not (folder == zoneinfo and d in SKIPPED_FOLDERS))
        for name in sorted(files):
            path = os.path.join(folder, name)
            zone = os.path.relpath(path, zoneinfo)
            if zone in SKIPPED_FILES:
                continue
            with open(path, "rb") as f:
                data = f.read()
            if data[:4] != b"TZif":
                continue
            rule = tzif_footer(data)
            if rule is None:
                print("skipped (no rule): " + zone, file=sys.stderr)
                continue
            zones[zone] = zone_periods(rule)
    return zones


MAP_ZONE = re.compile(r"<mapZone\s([^>]*)/>")
DISPLAY_COMMENT = re.compile(r"<!--\s*\(UTC[^)]*\)\s*(.*?)\s*-->")
ATTRIBUTE = re.compile(r'(\w+)="([^"]*)"')
VERSIONS = re.compile(r'<mapTimezones\s+otherVersion="([^"]*)"\s+typeVersion="([^"]*)"')


def read_windows_zones(path):
    """[(windows id, display name or None, IANA zone)] for every Windows zone, and versions."""
    with open(path, encoding="utf-8") as f:
        text = f.read()
    versions = VERSIONS.search(text)
    tokens = sorted([(m.start(), "display", m.group(1)) for m in DISPLAY_COMMENT.finditer(text)] +
                    [(m.start(), "map", m.group(1)) for m in MAP_ZONE.finditer(text)])
    result = []
    display = None
    for _, kind, value in tokens:
        if kind == "display":
            display = value
            continue
        attributes = dict(ATTRIBUTE.findall(value))
        if attributes.get("territory") == "001":
            result.append((attributes["other"], display, attributes["type"].split()[0]))
            display = None
    return result, versions.groups() if versions else ("?", "?")


def table_name(name):
    return name.replace(" ", "_")


def entry_lines(name, periods):
    std_abbr, std, day_abbr, day = periods
    return ["%s %s STD %s" % (name, std_abbr, offset_text(std)),
            "%s %s DAY %s" % (name, day_abbr, offset_text(day))]


def order_entries(entries):
    """Names in an order where a name comes after every entry whose lines contain it."""
    upper_lines = {n: "\n".join(entry_lines(n, e[1])).upper() for n, e in entries.items()}
    upper_names = {n: n.upper() for n in entries}
    before = {n: set() for n in entries}   # names that must come before n
    after = {n: set() for n in entries}
    for name in entries:
        for other in entries:
            if other != name and upper_names[name] in upper_lines[other]:
                before[name].add(other)
                after[other].add(name)
    waiting = {n: len(before[n]) for n in entries}
    key = {n: (entries[n][0], upper_names[n], n) for n in entries}
    ready = [key[n] for n in entries if waiting[n] == 0]
    heapq.heapify(ready)
    ordered = []
    while ready:
        name = heapq.heappop(ready)[2]
        ordered.append(name)
        for later in after[name]:
            waiting[later] -= 1
            if waiting[later] == 0:
                heapq.heappush(ready, key[later])
    left = sorted((n for n in entries if n not in set(ordered)), key=lambda n: key[n])
    if left:
        print("names that contain each other, order not guaranteed: " + " ".join(left),
              file=sys.stderr)
    return ordered + left


def check_lookups(lines, entries):
    """Every name must find its own offsets when the table is searched as the program does."""
    upper = [line.upper() for line in lines]
    failures = []
    for name, (_, periods) in entries.items():
        found = {"STD": None, "DAY": None}
        for line in upper:
            if name.upper() in line:
                tokens = line.split()
                if tokens[2] in found:
                    found[tokens[2]] = tokens[3]
        wanted = {"STD": offset_text(periods[1]), "DAY": offset_text(periods[3])}
        if found != wanted:
            failures.append("%s finds %s, wants %s" % (name, found, wanted))
    return failures


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--zoneinfo", default=DEFAULT_ZONEINFO)
    parser.add_argument("--windows-zones", default=DEFAULT_WINDOWS_ZONES)
    parser.add_argument("--output", default=DEFAULT_OUTPUT)
    args = parser.parse_args()

    iana = read_iana_zones(args.zoneinfo)
    windows, (windows_version, mapped_tz_version) = read_windows_zones(args.windows_zones)

    entries = {}  # table name -> (group, periods)
    for zone, periods in iana.items():
        entries[table_name(zone)] = (IANA, periods)
    for windows_id, display, zone in windows:
        if zone not in iana:
            print("skipped %s: %s is not in the zone database" % (windows_id, zone),
                  file=sys.stderr)
            continue
        for group, name in ((WINDOWS_ID, windows_id), (WINDOWS_DISPLAY, display)):
            if not name:
                continue
            name = table_name(name)
            if name in entries:
                if entries[name][1] != iana[zone]:
                    print("kept the first of two entries for " + name, file=sys.stderr)
                continue
            entries[name] = (group, iana[zone])

    tz_version = "?"
    try:
        with open(os.path.join(args.zoneinfo, "tzdata.zi"), encoding="ascii") as f:
            first = f.readline().split()
            if first[:2] == ["#", "version"]:
                tz_version = first[2]
    except (OSError, IndexError):
        pass

    lines = []
    for name in order_entries(entries):
        lines += entry_lines(name, entries[name][1])
    failures = check_lookups(lines, entries)
    for failure in failures:
        print("lookup mismatch: " + failure, file=sys.stderr)

    header = [
        "* kelvortz.txt - the zones KELVOR can name when an invitation gives a TZID.",
        "* Generated by scripts/generate_zone_table.py from the zone database tzdata %s"
        % tz_version,
        "* and the CLDR Windows zone mapping windowsZones.xml (Windows %s, tz %s)."
        % (windows_version, mapped_tz_version),
        "* Change the script and run it again rather than editing this file.",
        "* Entry: NAME ABBREVIATION STD|DAY OFFSET, blanks in names written as _.",
        "* Names: IANA zones, Windows zones and Windows display names without (UTC+hh:mm).",
        "* Offsets are those of each zone's current rule. A zone without daylight time has a",
        "* DAY line with its standard offset, as the line is chosen by the user's period.",
        "* A name is found anywhere in a line and the last match counts, so each zone's lines",
        "* come after all lines that contain its name. An empty line would end the table.",
    ]
    text = "\r\n".join(header + lines) + "\r\n"
    with open(args.output, "wb") as f:
        f.write(text.encode("ascii"))
    print("%d zone names, %d lines written to %s" % (len(entries), len(lines), args.output))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
