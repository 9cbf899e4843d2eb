#!/usr/bin/python3
"""Reads each FOLDER/*.ics with python-icalendar, its times through the file's own VTIMEZONE (a TZID that no
zone database knows), and compares each event's start with FOLDER/<same name>.tsv (UID, seconds since 1970).
Prints "events N, other seconds M" and the first differences. Usage: read_ics.py FOLDER"""
import glob
import os
import sys

import icalendar

events, other = 0, []
for path in sorted(glob.glob(os.path.join(sys.argv[1], "*.ics"))):
    with open(path[:-4] + ".tsv") as f:
        expected = dict(line.rstrip("\n").split("\t") for line in f)
    with open(path, "rb") as f:
        calendar = icalendar.Calendar.from_ical(f.read())
    for event in calendar.walk("VEVENT"):
        events += 1
        start = event["DTSTART"].dt
        if start.tzinfo is None:
            other.append(f"{event['UID']}: no zone")
        elif int(start.timestamp()) != int(expected[str(event["UID"])]):
            other.append(f"{os.path.basename(path)} {event['UID']}: {start.isoformat()}")
print(f"events {events}, other seconds {len(other)}")
for line in other[:10]:
    print(line)
