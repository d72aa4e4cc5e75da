#!/usr/bin/env bash
# The performance check. Start-up is counted in instructions with callgrind, so that the
# machine's load does not matter: start to first paint (bench/first_paint) on generated
# catalogues of 500, 5,000 and 50,000 units against the floor window, each run's peak resident
# set, and on 50,000 units the unit list's first fill and a header's first click (weight, name,
# move). What a user does on 50,000 units (choosing a unit, deploying and undoing, a header click,
# a refill, a row's preview) and a formation of 10,000 rows recomputed with a rank are timed in
# CPU time by their benchmarks in a short run. Fails when a figure is more than 25% over its
# limit. Needs valgrind and a built build/.
set -euo pipefail
cd "$(dirname "$0")/.."
program=build/bench/first_paint
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
failed=0

# Instructions of one run, or of the calls of one function when the first argument names it.
instructions() {
    local collect=()
    if [[ $1 == --only=* ]]; then
        collect=(--collect-atstart=no "--toggle-collect=${1#--only=}")
        shift
    fi
    valgrind --tool=callgrind "${collect[@]}" --callgrind-out-file="$work/out" "$program" "$@" \
        >/dev/null 2>&1
    awk '/^summary:/ {print $2}' "$work/out"
}
peak_kib() { "$program" "$@" 2>/dev/null | awk '/^peak_rss_kib/ {print $2}'; }

# check <what> <figure> <limit>: within 25% of the limit.
check() {
    if awk -v f="$2" -v l="$3" 'BEGIN { exit !(f <= l * 1.25) }'; then
        echo "ok      $1: $2 (limit $3)"
    else
        echo "FAILED  $1: $2 (limit $3)"
        failed=1
    fi
}

floor=$(instructions floor)
floor_kib=$(peak_kib floor)
mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
echo "floor: $floor instructions, peak $(mib "$floor_kib") MiB"
# units, limit of the ratio to the floor, limit of the peak in MiB (none: -)
for limits in "500 1.3 +3" "5000 1.6 -" "50000 5 60"; do
    read -r units ratio_limit peak_limit <<<"$limits"
    "$program" make "$work/u$units" "$units"
    count=$(instructions run "$work/u$units")
    kib=$(peak_kib run "$work/u$units")
    check "$units units, start to first paint / floor" \
        "$(awk -v c="$count" -v f="$floor" 'BEGIN { printf "%.2f", c / f }')" "$ratio_limit"
    case $peak_limit in
        -) echo "        $units units, peak $(mib "$kib") MiB" ;;
        +*) check "$units units, peak MiB over the floor's" "$(mib $((kib - floor_kib)))" \
                "${peak_limit#+}" ;;
        *) check "$units units, peak MiB" "$(mib "$kib")" "$peak_limit" ;;
    esac
done
check "50000 units, first fill (M instructions)" \
    "$(( $(instructions '--only=velmora::MsListModel::Fill*' sort "$work/u50000" 2) / 1000000 ))" 150
for column in 2 3 9; do
    check "50000 units, first click on header $column (M instructions)" \
        "$(( $(instructions '--only=velmora::MsListModel::sort*' sort "$work/u50000" "$column") / 1000000 ))" 30
done

# Milliseconds of CPU time per iteration, one benchmark at a time: <program> <filter> <limit>.
timed() {
    local figures
    figures=$(build/bench/"$1" --benchmark_filter="$2" --benchmark_min_time=0.2 \
        --benchmark_format=csv 2>/dev/null | awk -F, 'NR > 1 && $1 !~ /^"?name/ {
            gsub(/"/, "", $1); cpu = $4; if ($5 == "us") cpu /= 1000; if ($5 == "ns") cpu /= 1e6
            printf "%s %.2f\n", $1, cpu }')
    [[ -n $figures ]] || { echo "FAILED  $2: no figure"; failed=1; return; }
    while read -r name ms; do check "$name (ms of CPU)" "$ms" "$3"; done <<<"$figures"
}
timed window_actions_bench 'BM_(ChooseUnit|DeployAndUndo|HeaderClick)' 16
timed ms_list_bench 'BM_PanelFill/units:50000|BM_RowPreview' 16
timed formation_load_bench 'BM_FormationRecomputeWithRank/rows:10000' 20
exit $failed
