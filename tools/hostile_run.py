#!/usr/bin/env python3
"""A hostile-input run of almadex-cli and of the library.

  tools/hostile_run.py CLI [CLI...]       bad argument lists through each almadex-cli given (CTest runs it on the
                                          build's own as cli_hostile_arguments; tools/fuzz.sh on the one with ASan
                                          and UBSan, build-fuzz/cli/almadex-cli)
  tools/hostile_run.py --library FUZZER   the library's routines at extreme values, through the fuzz target
                                          build-fuzz/fuzz/fuzz_astro (each input run once; tools/fuzz.sh runs it)

Every argument list is wrong in some way, so the only clean outcome is exit status 1 or 2 with a message on
standard error and nothing on standard output; exit 0 is a wrong success, a signal or a sanitizer report a crash,
and a run still going after 60 s a hang. Prints the counts of each kind and the lists that were not clean, and
exits with status 1 when any run was not clean.
"""
import itertools
import os
import struct
import subprocess
import sys
import tempfile

TIMEOUT = 60
GOOD_PLACE = ["--lat", "36:45N", "--lon", "3:03E"]


def argument_lists():
    bad_dates = ["", " ", "0x7e9", "2024-02-30", "2023-02-29", "999999999-01-01", "-1", "nan", "inf", "1e999",
                 "2400-01-01", "0998-12-31", "\u0662\u0660\u0662\u0664-10-03", "x" * 5000, "2024-10-03T",
                 "2024-1-3", "03/10/2024", "2024-10-03T25:00", "2024-10-03T12:60", "2024-10-03T12:00:60",
                 "+2024-10-03", "2024-10-03 12:00 extra", "%n%n%s"]
    lists = []
    for cal, values in [("gregorian", bad_dates),
                        ("hebrew", ["", "5785-14-1", "5785-13-1", "4119-7-1", "9999-7-1", "0x10-1-1", "5785-7",
                                    "5785-7-31", "-5785-7-1"]),
                        ("islamic", ["", "1446-13-1", "1446-3-30", "0-1-1", "1834-1-1", "388-1-1", "1446-1"]),
                        ("chinese", ["", "78-41-13-1", "78-41-9L-1", "78-61-1-1", "60-1-1-1", "85-1-1-1",
                                     "78-41-12-30", "78-41-0-1", "a-b-c-d", "78-41-9-1-1"]),
                        ("jd", ["", "0", "-1", "nan", "inf", "-inf", "1e308", "2085937.4", "2597641.5", "0x10",
                                "1e999", "2460587 extra"])]:
        for v in values:
            lists.append(["convert", "--from", cal, v])
    for d in bad_dates:
        lists.append(["position", "sun", d])
        lists.append(["between", d, "2024-01-01"])
        lists.append(["riseset", "--lat", "0", "--lon", "0", "--date", d])
        lists.append(["prayer"] + GOOD_PLACE + ["--tz", "+01:00", "--date", d])
        lists.append(["next"] + GOOD_PLACE + ["--tz", "+01:00", "--at", d])
        lists.append(["phases", "--from", d, "--to", "2025-01-01"])
    lists.append(["convert", "--from", "julian", "2024-10-03"])
    for option, values in [("--islamic", ["", "hijri", "MOON", "civil "]),
                           ("--hijri-adjust", ["", "3", "-3", "0x1", "1.0", "nan", "+", "99999999999"])]:
        for v in values:
            lists.append(["convert", "--from", "gregorian", "2025-03-01", option, v])
            lists.append(["feast", "ramadan", "1446", option, v])
    lists.append(["convert", "--from", "gregorian"])
    for name, years in [("easter", ["", "0x7e9", "-2147483649", "99999999999999999999", "1e3", "2400", "998",
                                    "nan", "+", "0b101", "2024.0"]),
                        ("ramadan", ["1834", "388", "-1", "0x5a6"]),
                        ("pesach", ["4758", "6161", "0", "2147483647"]),
                        ("harvest", ["2024"])]:
        for y in years:
            lists.append(["feast", name, y])
    for at in ["", "nan", "2024-13-01", "2024-10-03T24:00", "1e18", "-0001-01-01", "2399-12-31T24:00",
               "0999-01-01T-1:00", "2024-10-03T1:00"]:
        lists.append(["moon", "--at", at])
    for cmd in ["phases", "eclipses"]:
        for a, b in [("2025-03-02", "2025-03-01"), ("2025-03-02", "2024-03-01"), ("", "2025-01-01"),
                     ("2025-01-01", ""), ("0998-12-31", "2025-01-01"), ("2025-01-01", "2400-01-01"),
                     ("nan", "inf")]:
            lists.append([cmd, "--from", a, "--to", b])
    lists.append(["phases", "--from", "0999-01-01", "--to", "2399-12-31", "--octants"])
    lists.append(["phases", "--from", "2000-01-01", "--to", "2100-01-01", "--octants"])
    lists.append(["eclipses", "--from", "2025-01-01", "--to", "2025-12-31", "--body", "mars"])
    for y in ["", "0x7e9", "3000", "998", "-2147483648", "1e3", "nan"]:
        lists.append(["seasons", y])
    for y, k in [("2024", "24"), ("2024", "-1"), ("2024", "0x1"), ("2024", ""), ("2400", "0"), ("", "0"),
                 ("2024", "255"), ("2024", "256")]:
        lists.append(["solar-term", y, k])
    for body, instant in [("mars", "2024-10-03"), ("sun", ""), ("moon", "1e18"), ("sun", "2400-01-01"),
                          ("moon", "nan")]:
        lists.append(["position", body, instant])
    bad_lat = ["91", "-91", "nan", "inf", "1e999", "90.0000001", "36:60N", "36:-1N", "0x10", "", "N",
               "36:45:60N", "+36:45N", "36:45E", "1e308"]
    bad_lon = ["181", "-181", "nan", "-inf", "181E", "3:03X", "", "3:60E", "1e-999999", "0x3"]
    for lat in bad_lat:
        lists.append(["riseset", "--lat", lat, "--lon", "0", "--date", "2024-06-21"])
    for lon in bad_lon:
        lists.append(["riseset", "--lat", "0", "--lon", lon, "--date", "2024-06-21"])
    for d in ["", "2400-01-01", "nan"]:
        lists.append(["riseset", "--lat", "0", "--lon", "0", "--date", d])
    lists.append(["riseset", "--lat", "0", "--lon", "0", "--date", "2024-06-21", "--body", "mars"])
    for lat in bad_lat:
        lists.append(["prayer", "--lat", lat, "--lon", "3E", "--tz", "+01:00"])
    for lon in bad_lon:
        lists.append(["prayer", "--lat", "36N", "--lon", lon, "--tz", "+01:00"])
    # Offsets and zone names the tz database does not have ("UTC" is one of its zones).
    for tz in ["1:00", "+24:00", "+1:00", "", "+01:60", "01:00:00", "+0100", "++01:00", "-", "nan",
               "Mars/Olympus", "Europe/../../etc/passwd", "utc+1", "Europe/Paris\n", "Etc/Unknown"]:
        lists.append(["prayer"] + GOOD_PLACE + ["--tz", tz])
        lists.append(["next"] + GOOD_PLACE + ["--tz", tz, "--format", "waybar"])
    # The calculation method's options.
    for option, value in [("--method", "astrology"), ("--method", ""), ("--asr", "maliki"), ("--high-lat", "1"),
                          ("--polar", "never"), ("--adjust", "fajr"), ("--adjust", "fajr=+121"),
                          ("--adjust", "fajr=1,fajr"), ("--adjust", "dawn=2"), ("--adjust", "isha=1e9"),
                          ("--adjust", "fajr=1e1"), ("--adjust", "fajr=+-2"), ("--dhuhr", "500"),
                          ("--dhuhr", "x"), ("--dhuhr", "0x10"), ("--round", "hour")]:
        lists.append(["prayer"] + GOOD_PLACE + ["--tz", "+01:00", option, value])
    for option, value in [("--fajr-angle", "nan"), ("--fajr-angle", "95"), ("--isha-angle", "-1"),
                          ("--isha-minutes", "1e9"), ("--maghrib-angle", "inf")]:
        lists.append(["prayer"] + GOOD_PLACE + ["--tz", "+01:00", "--method", "custom", option, value])
    # Numbers that are not decimal, which CLI11 alone would read: hexadecimal (with a binary exponent), octal-
    # and binary-looking prefixes, infinities and blanks.
    for option in ["--fajr-angle", "--isha-angle", "--isha-minutes", "--maghrib-angle"]:
        for value in ["0x10", "0x3p4", "0X1P-2", "-0x1", "0b101", "0o17", "Infinity", "-inf", " 15", "15 ", "1_5",
                      "15deg", "\u0661\u0665"]:
            lists.append(["prayer"] + GOOD_PLACE + ["--tz", "+01:00", "--method", "custom", option, value])
    lists.append(["prayer"] + GOOD_PLACE + ["--tz", "+01:00", "--fajr-angle", "15"])
    # The next prayer: beyond the years of the schedules, a place and --saved at once, a saved place where
    # there is none (the tool's folder holds no gl.dat), no prayer for days, an unknown format.
    lists.append(["next"] + GOOD_PLACE + ["--tz", "+01:00", "--at", "2399-12-31T23:00"])
    lists.append(["next", "--saved", "--lat", "36N"])
    lists.append(["next", "--saved", "--tz", "Europe/Paris"])
    lists.append(["next", "--lat", "89N", "--lon", "0E", "--tz", "+00:00", "--at", "2024-06-21T00:00"])
    lists.append(["next"] + GOOD_PLACE + ["--tz", "+01:00", "--format", "polybar"])
    lists.append(["next"] + GOOD_PLACE)
    for days in ["0", "3661", "-1", "0x10", "", "1e3", "99999999999", "2147483648"]:
        lists.append(["prayer"] + GOOD_PLACE + ["--tz", "+01:00", "--days", days])
    for date in ["", "2400-01-01", "2399-12-31"]:
        lists.append(["prayer"] + GOOD_PLACE + ["--tz", "+01:00", "--date", date, "--days", "30"])
    lists.append(["prayer"] + GOOD_PLACE + ["--tz", "+01:00", "--format", "pdf"])
    lists.append(["prayer"] + GOOD_PLACE + ["--tz", "+01:00", "--names", "french"])
    # Nothing computable: a calendar without a single time.
    lists.append(["prayer", "--lat", "70N", "--lon", "0", "--tz", "+00:00", "--date", "2024-06-10", "--days",
                  "20", "--format", "ics"])
    lists.append(["prayer", "--lat", "89:59N", "--lon", "0", "--tz", "+00:00", "--date", "2024-12-10",
                  "--format", "ics"])
    # Places by name: names that cannot be searched (empty, too long, not UTF-8), that fit no place or several.
    for name in ["", " ", "x" * 10000, b"Or\xffan", "Tripoli", "Xyzzyville", "Tripoli, XX", ",", "Oran,,"]:
        lists.append(["prayer", "--city", name])
    for name in ["", " ", "x" * 10000, b"Or\xffan"]:
        lists.append(["places", name])
    lists.append(["prayer", "--city", "Oran", "--lat", "36N"])
    for limit in ["0", "1001", "x", ""]:
        lists.append(["places", "oran", "--limit", limit])
    for a, b in [("", "2024-01-01"), ("2024-01-01", ""), ("2400-01-01", "2024-01-01"), ("x", "y")]:
        lists.append(["between", a, b])
    lists.append(["between", "2024-01-01"])
    for extra in [["nonsense"], [], ["--json"], ["convert"], ["feast"], ["prayer", "--lat"],
                  ["seasons", "2024", "2025"], ["moon", "--at"], ["between", "--days"]]:
        lists.append(extra)
    # Good requests whose output cannot be written (a full disk).
    for good in [["seasons", "2024"], ["seasons", "2024", "--json"], ["convert", "--from", "gregorian",
                                                                     "2024-10-03"],
                 ["feast", "easter", "2025"], ["moon", "--at", "2025-03-14T00:00"],
                 ["phases", "--from", "2025-03-01", "--to", "2025-03-31", "--octants"],
                 ["eclipses", "--from", "2025-01-01", "--to", "2026-12-31"],
                 ["prayer"] + GOOD_PLACE + ["--tz", "+01:00", "--days", "30", "--format", "ics"],
                 ["prayer"] + GOOD_PLACE + ["--tz", "+01:00", "--days", "30", "--format", "csv"],
                 ["between", "2000-01-01", "2001-01-01"], ["prayer", "--list-methods"], ["--help"], ["--version"],
                 ["prayer", "--help"], ["places", "oran"], ["prayer", "--city", "Oran"]]:
        lists.append(good + [">/dev/full"])
    return lists


def run_cli(cli, args):
    full = args and args[-1] == ">/dev/full"
    argv = [cli] + (args[:-1] if full else args)
    env = dict(os.environ, ASAN_OPTIONS="detect_leaks=0:abort_on_error=1", UBSAN_OPTIONS="halt_on_error=1")
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        target = open("/dev/full", "wb") if full else out
        try:
            p = subprocess.run(argv, stdout=target, stderr=err, timeout=TIMEOUT, env=env)
            status = p.returncode
        except subprocess.TimeoutExpired:
            status = None
        finally:
            if full:
                target.close()
        out.seek(0)
        err.seek(0)
        return status, out.read(), err.read().decode("utf-8", "replace")


def cli_run(cli):
    counts = dict.fromkeys(["tried", "clean", "crashes", "hangs", "wrong successes", "other"], 0)
    notes = []
    for args in argument_lists():
        counts["tried"] += 1
        status, out, err = run_cli(cli, args)
        if status is None:
            kind = "hangs"
        elif status < 0 or "Sanitizer" in err or "runtime error" in err:
            kind = "crashes"
        elif status == 0:
            kind = "wrong successes"
        elif status in (1, 2) and err.strip() and not out:
            kind = "clean"
        else:
            kind = "other"
        counts[kind] += 1
        if kind != "clean":
            notes.append(f"  {kind}: {' '.join(repr(a) for a in args)} -> {status} {err.strip()[:200]!r}")
    print(f"{cli}: " + ", ".join(f"{k} {v}" for k, v in counts.items()))
    if notes:
        print("\n".join(notes))
    return counts


def library_run(fuzzer):
    """Every routine of the fuzz target at every extreme instant, year and small value, each input run once."""
    instants = [float("nan"), float("inf"), -float("inf"), sys.float_info.max, -sys.float_info.max,
                sys.float_info.min, -sys.float_info.min, 5e-324, -5e-324, 0.0, -0.0, 1e300, -1e300, 1e18, -1e18,
                1e15, -1e15, 1e9, -1e9, 1e7 + 0.5, -1e7 - 0.5, 9999999.0, -9999999.0, 2958465.99999,
                -693593.0, -693594.0, 2958466.0, 182622.9999999, -329081.0000001, 45000.5, 36526.5, 0.5,
                2.0 ** 53, -(2.0 ** 53), 2.0 ** 63, -(2.0 ** 63)]
    years = [-2147483648, 2147483647, 0, 1, -1, 359, 358, 4119, 4120, 13759, 13760, 9999, 10000, 2024]
    smalls = range(0, 256, 29)
    with tempfile.TemporaryDirectory() as folder:
        n = 0
        for routine, t, small in itertools.product(range(24), instants, smalls):
            year = years[n % len(years)]
            u = instants[(n * 7) % len(instants)]
            with open(os.path.join(folder, f"{n:06d}"), "wb") as f:
                f.write(struct.pack("<BddiB", routine, t, u, year, small))
            n += 1
        env = dict(os.environ, ASAN_OPTIONS="detect_leaks=0")
        p = subprocess.run([fuzzer, "-runs=0", "-timeout=10", "-print_final_stats=1", folder],
                           capture_output=True, text=True, env=env)
        executed = [l for l in p.stderr.splitlines() if l.startswith("stat::number_of_executed_units")]
        print(f"{fuzzer}: {n} inputs written, exit {p.returncode}, {executed[-1] if executed else ''}")
        if p.returncode != 0:
            print("\n".join(p.stderr.splitlines()[-20:]))
        return p.returncode == 0


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--library":
        sys.exit(0 if library_run(sys.argv[2]) else 1)
    if len(sys.argv) < 2 or sys.argv[1].startswith("-"):
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    clean = True
    for cli in sys.argv[1:]:
        counts = cli_run(cli)
        clean = clean and counts["clean"] == counts["tried"]
    sys.exit(0 if clean else 1)
