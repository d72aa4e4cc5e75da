#!/usr/bin/env bash
# The start-up check: instructions from start to first paint (callgrind) for generated catalogues
# of 500, 5,000 and 50,000 units against the floor window of bench/first_paint, and the peak
# resident set of each run. Fails when a ratio or a peak is more than 25% over its limit.
# Instructions do not depend on the machine's load. Needs valgrind and a built build/.
set -euo pipefail
cd "$(dirname "$0")/.."
program=build/bench/first_paint
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

# Instructions of one run, from callgrind's summary.
instructions() {
    valgrind --tool=callgrind --callgrind-out-file="$work/out" "$program" "$@" >/dev/null 2>&1
    awk '/^summary:/ {print $2}' "$work/out"
}
peak_kib() { "$program" "$@" 2>/dev/null | awk '/^peak_rss_kib/ {print $2}'; }

floor=$(instructions floor)
floor_kib=$(peak_kib floor)
echo "floor: $floor instructions, peak $((floor_kib / 1024)) MiB"
failed=0
# units, limit of the ratio to the floor, limit of the peak in MiB over the floor's
for limits in "500 1.3 3" "5000 1.6 15" "50000 5 29"; do
    read -r units ratio_limit mib_limit <<<"$limits"
    "$program" make "$work/u$units" "$units"
    count=$(instructions run "$work/u$units")
    kib=$(peak_kib run "$work/u$units")
    verdict=$(awk -v c="$count" -v f="$floor" -v r="$ratio_limit" -v k="$kib" -v fk="$floor_kib" \
        -v m="$mib_limit" 'BEGIN {
            ratio = c / f; over = (k - fk) / 1024
            ok = ratio <= r * 1.25 && over <= m * 1.25
            printf "%s ratio %.2f (limit %s), peak %.1f MiB over the floor (limit %s)", ok ? "ok" : "FAILED", ratio, r, over, m }')
    echo "$units units: $count instructions, $verdict"
    [[ $verdict == ok* ]] || failed=1
done
exit $failed
