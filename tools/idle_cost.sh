#!/usr/bin/env bash
# What Almadex costs while it waits in the tray: the real program under Xvfb with openbox, a private session
# bus with a notification server (dunst) and a tray (trayer), its converter closed; then, over an idle spell
# (600 s unless given), the CPU time the process used, its threads' voluntary context switches (each wake-up
# of a thread is one), and its resident memory. Prints the numbers and checks them against the limits: at most
# 1 s of CPU, no thread waking more often than once a minute on average, at most 60 MB resident.
#   tools/idle_cost.sh [BUILD_DIR (build)] [SECONDS (600)]
set -euo pipefail

build=${1:-build}
seconds=${2:-600}
program=$(realpath "$build/app/almadex")
root=$(cd "$(dirname "$0")/.." && pwd)
for tool in Xvfb openbox dbus-daemon dunst trayer xdotool; do
    command -v "$tool" >/dev/null || { echo "idle_cost: $tool is missing (tools/setup.sh)" >&2; exit 2; }
done
[ -x "$program" ] || { echo "idle_cost: no program at $program (build it first)" >&2; exit 2; }

work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A free display.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
export DISPLAY=:$display
Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 & pids+=($!)
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
openbox >"$work/openbox.log" 2>&1 & pids+=($!)
dbus-daemon --session --nofork --print-address=3 3>"$work/bus" >/dev/null 2>&1 & pids+=($!)
for _ in $(seq 50); do [ -s "$work/bus" ] && break; sleep 0.1; done
export DBUS_SESSION_BUS_ADDRESS=$(head -1 "$work/bus")
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data LC_ALL=C.UTF-8
mkdir -p "$HOME" "$XDG_CONFIG_HOME/Kelvane" "$XDG_DATA_HOME" "$work/program"
dunst >"$work/dunst.log" 2>&1 & pids+=($!)
trayer --edge top --align right --widthtype pixel --width 200 --height 24 >"$work/trayer.log" 2>&1 & pids+=($!)

# The program in a folder of its own, with a place (Algiers) and without the tip of the day.
cp "$program" "$work/program/almadex"
cp "$root/tests/data/gl_algiers.dat" "$work/program/gl.dat"
printf '[Setup]\nTop=100\nLeft=100\nRun=0\nTipOn=0\n' >"$XDG_CONFIG_HOME/Kelvane/Stellox.conf"
(cd "$work/program" && exec ./almadex >"$work/almadex.log" 2>&1) & pid=$!
pids+=("$pid")
main=""
for _ in $(seq 200); do
    main=$(xdotool search --onlyvisible --name '^Almadex $' 2>/dev/null | head -1) && [ -n "$main" ] && break
    sleep 0.1
done
[ -n "$main" ] || { echo "idle_cost: the converter did not come up" >&2; cat "$work/almadex.log" >&2; exit 1; }
xdotool windowactivate --sync "$main" key alt+F4
sleep 5 # the close and the first tray paint settle before the measure starts
kill -0 "$pid" 2>/dev/null || { echo "idle_cost: closing the converter ended the program (no tray?)" >&2; exit 1; }

ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
# Voluntary context switches by thread: "tid name count" (a thread that wakes and sleeps again makes one).
switches() {
    for task in /proc/"$pid"/task/*; do
        printf '%s %s %s\n' "$(basename "$task")" "$(tr ' ' '_' <"$task/comm")" \
            "$(awk '/^voluntary_ctxt_switches/ {print $2}' "$task/status")"
    done
}
cpu_before=$(cpu_ticks)
switches >"$work/before"
echo "idle_cost: measuring $seconds s of idling in the tray (pid $pid)"
sleep "$seconds"
kill -0 "$pid" 2>/dev/null || { echo "idle_cost: the program ended while idling" >&2; exit 1; }
cpu_after=$(cpu_ticks)
switches >"$work/after"
rss_kb=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
hwm_kb=$(awk '/^VmHWM/ {print $2}' "/proc/$pid/status")

cpu_s=$(awk -v a="$cpu_before" -v b="$cpu_after" -v t="$ticks" 'BEGIN {printf "%.2f", (b - a) / t}')
echo "CPU time over $seconds s: $cpu_s s (limit 1 s)"
echo "resident memory: $((rss_kb / 1024)) MB, peak $((hwm_kb / 1024)) MB (limit 60 MB)"
echo "wake-ups by thread over the spell (a spell of N minutes holds up to N + 1 turns of the minute):"
join <(sort "$work/before") <(sort "$work/after") |
    awk '{ printf "  %-8s %-16s %6d\n", $1, $2, $5 - $3 }' | tee "$work/wakeups"
worst=$(awk '{ if ($3 > w) w = $3 } END { print w + 0 }' "$work/wakeups")
allowed=$((seconds / 60 + 1))
echo "most wake-ups of a thread: $worst (limit $allowed: once a minute)"

fail=0
awk -v c="$cpu_s" 'BEGIN {exit !(c > 1)}' && { echo "idle_cost: too much CPU" >&2; fail=1; }
[ "$rss_kb" -le $((60 * 1024)) ] || { echo "idle_cost: too much memory" >&2; fail=1; }
[ "$worst" -le "$allowed" ] || { echo "idle_cost: a thread wakes more than once a minute" >&2; fail=1; }
exit $fail
