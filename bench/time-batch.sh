#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Whole-process timing of ribcraft-batch: CPU time (user + system) of the
# tool's process per run of a few typical scripts, averaged over many runs,
# next to that of the smallest process there is (/bin/true) on the same
# machine. Prints each time, its target and the ratio time / target; given a
# second binary (an older build), runs the same scripts with it in the same
# order and prints the ratio old / new as well.
#
#   bench/time-batch.sh [NEW_BINARY [OLD_BINARY]] [--runs N] [--polars]
#
# --polars also times the polars command over 200 generated NACA sections at
# three Reynolds numbers with --jobs 1 and --jobs 2 (wall time; a few seconds).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
new="$here/../build/src/batch/ribcraft-batch"
old=""
runs=100
polars=0
positional=0
while [ $# -gt 0 ]; do
    case "$1" in
    --runs) runs="$2"; shift 2 ;;
    --polars) polars=1; shift ;;
    *)
        if [ $positional -eq 0 ]; then new="$1"; else old="$1"; fi
        positional=$((positional + 1)); shift ;;
    esac
done
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (Debian package time)" >&2; exit 2; }
command -v python3 > /dev/null || { echo "needs python3" >&2; exit 2; }
[ -x "$new" ] || { echo "no binary at $new" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf '' > "$work/empty.txt"
printf 'naca 0012\npoints 120\nalpha 4\nresults\n' > "$work/one.txt"
printf 'naca 2412\npoints 160\nsweep -20 20 2 inviscid\n' > "$work/sweep.txt"
# The same angles for a binary without the sweep command: one alpha and report per angle.
{
    printf 'naca 2412\npoints 160\n'
    for a in $(seq -20 2 20); do printf 'alpha %s\nreport\n' "$a"; done
} > "$work/sweep-old.txt"

has_sweep() {
    printf 'sweep 0 0 1 inviscid\n' | "$1" > /dev/null 2>&1
}

script_for() { # BINARY NAME -> script path
    if [ "$2" = sweep ] && ! has_sweep "$1"; then echo "$work/sweep-old.txt"; else echo "$work/$2.txt"; fi
}

# Each script with each binary (and /bin/true, the smallest process there is,
# as the machine's own floor), run $runs times in turn so that a busy moment
# of the machine falls on all of them alike. The CPU time of a run is the
# user + system time the kernel accounts to the tool's own process (exec,
# loading, the script; no shell work), read with wait4. Prints the median
# and the quartiles in milliseconds.
rows="empty:start-up alone:-
one:naca 0012, 120 points, alpha 4, results:5
sweep:inviscid sweep -20..20 by 2, 2412, 160 pts:8"
for bin in "$new" ${old:+"$old"}; do
    while IFS=: read -r name _ _; do
        script=$(script_for "$bin" "$name")
        "$bin" "$script" > /dev/null 2>&1 || { echo "failed: $bin $script" >&2; exit 1; }
    done <<< "$rows"
done
python3 - "$runs" "$work" "$new" "$old" "$rows" "$(script_for "$new" sweep)" "${old:+$(script_for "$old" sweep)}" <<'PY'
import os, statistics, sys
runs, work, new, old, rows, new_sweep, old_sweep = int(sys.argv[1]), *sys.argv[2:]
null = os.open(os.devnull, os.O_WRONLY)

def cpu_ms(argv):
    pid = os.posix_spawn(argv[0], argv, os.environ,
                         file_actions=[(os.POSIX_SPAWN_DUP2, null, 1), (os.POSIX_SPAWN_DUP2, null, 2)])
    _, _, usage = os.wait4(pid, 0)
    return (usage.ru_utime + usage.ru_stime) * 1000

table = [line.split(":") for line in rows.splitlines()]
def script(binary, name):
    if name == "sweep":
        return new_sweep if binary == new else old_sweep
    return f"{work}/{name}.txt"
jobs = [("true", None, ["/bin/true"])]
for name, _, _ in table:
    for binary in filter(None, (new, old)):
        jobs.append((name, binary, [binary, script(binary, name)]))
times = {(name, binary): [] for name, binary, _ in jobs}
for _ in range(runs):
    for name, binary, argv in jobs:
        times[(name, binary)].append(cpu_ms(argv))

def stats(xs):
    q = statistics.quantiles(xs, n=4)
    return statistics.median(xs), q[0], q[2]

m, lo, hi = stats(times[("true", None)])
print(f"{'/bin/true (the floor of this machine)':44s} {m:7.2f}  ({lo:.2f}-{hi:.2f})")
head = f"{'script: median CPU ms per run (' + str(runs) + ' runs)':44s} {'new':>7s}  {'quartiles':11s} {'target':>6s} {'new/tgt':>7s}"
if old:
    head += f" {'old':>7s} {'old/new':>7s}"
print(head)
for name, label, target in table:
    m, lo, hi = stats(times[(name, new)])
    line = f"{label:44s} {m:7.2f}  {lo:5.2f}-{hi:<5.2f} {target:>6s}"
    line += f" {m / float(target):7.2f}" if target != "-" else f" {'-':>7s}"
    if old:
        o = statistics.median(times[(name, old)])
        line += f" {o:7.2f} {o / m:7.2f}"
    print(line)
PY

[ $polars -eq 1 ] || exit 0

# 200 NACA 4-digit sections in the Selig layout: camber 0-4 %, its position
# 2-5 tenths, thickness 6-25 %, 61 cosine-spaced stations a surface.
mkdir -p "$work/sections"
count=0
for m in 0 1 2 3 4; do
    for p in 2 3 4 5; do
        for t in 06 08 10 12 14 16 18 21 24 25; do
            [ $count -lt 200 ] || break
            name="naca$m$p$t"
            awk -v m="$m" -v p="$p" -v t="$t" -v name="$name" 'BEGIN {
                pi = atan2(0, -1); mm = m / 100; pp = p / 10; tt = t / 100; n = 60
                print name
                for (pass = 0; pass < 2; pass++) {
                    for (k = 0; k <= n; k++) {
                        i = pass == 0 ? n - k : k
                        if (pass == 1 && k == 0) continue
                        x = (1 - cos(pi * i / n)) / 2
                        yt = 5 * tt * (0.2969 * sqrt(x) - 0.126 * x - 0.3516 * x^2 + 0.2843 * x^3 - 0.1036 * x^4)
                        if (mm == 0) { yc = 0; dy = 0 }
                        else if (x < pp) { yc = mm / pp^2 * (2 * pp * x - x^2); dy = 2 * mm / pp^2 * (pp - x) }
                        else { yc = mm / (1 - pp)^2 * (1 - 2 * pp + 2 * pp * x - x^2); dy = 2 * mm / (1 - pp)^2 * (pp - x) }
                        th = atan2(dy, 1)
                        if (pass == 0) printf "%.6f %.6f\n", x - yt * sin(th), yc + yt * cos(th)
                        else printf "%.6f %.6f\n", x + yt * sin(th), yc - yt * cos(th)
                    }
                }
            }' > "$work/sections/$name.dat"
            count=$((count + 1))
        done
    done
done
for jobs in 1 2; do
    printf 'polars %s %s 200000 1000000 3000000\n' "$work/sections" "$work/out$jobs" > "$work/polars$jobs.txt"
    /usr/bin/time -f "%e %U %S" -o "$work/t" "$new" --jobs "$jobs" "$work/polars$jobs.txt" > /dev/null
    read -r wall user sys < "$work/t"
    printf 'polars, 200 sections x 3 Re, --jobs %s: wall %s s, CPU %s s (target: under 30 s wall)\n' \
        "$jobs" "$wall" "$(awk -v u="$user" -v s="$sys" 'BEGIN { print u + s }')"
    eval "wall$jobs=$wall"
done
awk -v a="$wall1" -v b="$wall2" 'BEGIN { printf "scaling from 1 to 2 jobs: %.2f x\n", a / b }'
if diff -r "$work/out1" "$work/out2" > /dev/null; then echo "result files of 1 and 2 jobs: identical"; else
    echo "result files of 1 and 2 jobs: DIFFER"; fi
