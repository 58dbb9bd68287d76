#!/usr/bin/env bash
# Whole-process comparison on generated invitations: Kelvor's headless run against libical doing
# the same work (parse, walk every event and attendee, start to local time), when the libical
# program was built (libical-dev installed). Prints the best of three runs per file: wall time,
# time per event and peak memory (maximum resident set size).
#   bench/compare.sh [BUILD_FOLDER]      (default build/default, built beforehand)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
kelvor=$build/src/kelvor
generator=$build/bench/kelvor_make_invitation
libical=$build/bench/kelvor_libical_walk
runs=${RUNS:-3}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/cache"

# Seconds and peak KiB of the best of $runs runs of a command.
measure() {
    local best_ns="" best_kib=0
    for ((i = 0; i < runs; i++)); do
        local start end
        start=$(date +%s%N)
        env -i PATH=/usr/bin:/bin HOME="$work" XDG_CACHE_HOME="$work/cache" \
            KELVOR_REGISTRY="$work/registry" TZ=Europe/Berlin \
            /usr/bin/time -f '%M' -o "$work/peak" "$@" >/dev/null 2>"$work/stderr" || {
            echo "failed: $* ($(cat "$work/stderr"))" >&2
            return 1
        }
        end=$(date +%s%N)
        local ns=$((end - start))
        local kib
        kib=$(tail -n 1 "$work/peak")
        if [[ -z $best_ns || $ns -lt $best_ns ]]; then
            best_ns=$ns
        fi
        if ((kib > best_kib)); then
            best_kib=$kib
        fi
    done
    echo "$best_ns $best_kib"
}

printf '%-20s %9s %7s | %9s %11s %9s | %9s %9s %7s\n' file MiB events kelvor_s \
    us_per_event peak_MiB libical_s peak_MiB ratio
for sizes in "1 200" "100 200" "1000 200" "10000 200" "1 10000000"; do
    read -r events description <<<"$sizes"
    name=$events-events-$((description / 1000))k-desc.ics
    [[ $description -lt 1000 ]] && name=$events-events.ics
    "$generator" "$events" "$description" "$work/$name"
    size=$(stat -c %s "$work/$name")
    read -r k_ns k_kib <<<"$(measure "$kelvor" --headless "$work/$name")"
    l_ns="" l_kib=""
    if [[ -x $libical ]]; then
        read -r l_ns l_kib <<<"$(measure "$libical" "$work/$name")"
    fi
    awk -v name="$name" -v size="$size" -v events="$events" -v kns="$k_ns" -v kkib="$k_kib" \
        -v lns="$l_ns" -v lkib="$l_kib" 'BEGIN {
        printf "%-20s %9.2f %7d | %9.4f %11.1f %9.1f | ", substr(name, 1, 20), size / 1048576,
            events, kns / 1e9, kns / 1e3 / events, kkib / 1024
        if (lns != "") printf "%9.4f %9.1f %7.2f\n", lns / 1e9, lkib / 1024, kns / lns
        else printf "%9s %9s %7s\n", "-", "-", "-"
    }'
done
