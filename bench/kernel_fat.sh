#!/bin/bash
# The engine against coreutils on the kernel's own FAT drivers: vfat in user-mode Linux (the host
# kernel has none) and exfat in a virtual machine with Debian's kernel (emulated, so few pairs of a
# smaller source; --exfat-pairs 0 leaves it out). Everything in one boot per file system: in
# interleaved pairs, each side going first in turn, after the page cache is dropped in the guest,
#   engine split SRC stick/f SIZE      against  split -b SIZE SRC stick/f.c && sync -f stick
#   engine build stick/f.c0 stick/out  against  cat stick/f.c0 ... f.cN > stick/out && sync -d stick/out
# with the source on the host (hostfs, 9p) and the outputs on the stick, emptied between runs.
# Prints the medians of both sides and the median of the per-pair ratios.
#   bench/kernel_fat.sh ENGINE_DRIVER [--pairs N] [--size-mib N] [--exfat-pairs N] [--exfat-size-mib N]
# Needs root, user-mode-linux, dosfstools and mtools; for exfat also qemu-system-x86, busybox and
# exfatprogs. Skips (exit 77) with the reason where the user-mode kernel cannot boot; exfat alone
# where the virtual machine cannot. The machines, images
# and sources are the kernel lab's (tests/kernel/lib/lab.bash), sourced here.
source "$(dirname "$(readlink -f "$0")")/../tests/kernel/lib/lab.bash"

driver=${1:-}
shift
pairs=5
size_mib=64
exfat_pairs=3
exfat_size_mib=16
while [ $# -gt 0 ]; do
    case $1 in
    --pairs) pairs=$2 ;;
    --size-mib) size_mib=$2 ;;
    --exfat-pairs) exfat_pairs=$2 ;;
    --exfat-size-mib) exfat_size_mib=$2 ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
    esac
    shift 2
done
lab_start "$driver"
uml_usable

# Runs in the guest (bash, for $EPOCHREALTIME: a date process costs the user-mode kernel tens of
# milliseconds) with the stick mounted at $LAB/stick. One line per run to $LAB/times:
# "COMPARISON PAIR SIDE SECONDS", SECONDS "failed" when the side did not leave the source's bytes.
{
    # The guest reads a set as the lab does.
    declare -f set_packages
    cat <<'GUEST'
shopt -s nullglob dotglob extglob
pairs=$1 package=1457664
src=$LAB/src stick=$LAB/stick
settle() {
    sync
    echo 3 >/proc/sys/vm/drop_caches
}
# Everything but the set the joins read.
empty_stick() {
    rm -rf "$stick"/!(f.c+([0-9]))
    [ "${1:-}" = set ] || rm -f "$stick"/f.c+([0-9])
    settle
}
clean() {
    if [ "$1" = build ]; then empty_stick set; else empty_stick; fi
}
ours_split() { "$DRIVER" split "$src" "$stick/f" "$1"; }
theirs_split() { split -b "$1" "$src" "$stick/f.c" && sync -f "$stick"; }
ours_build() { "$DRIVER" build "$stick/f.c0" "$stick/out"; }
theirs_build() { [ ${#packages[@]} -gt 0 ] && cat "${packages[@]}" >"$stick/out" && sync -d "$stick/out"; }
# $1: comparison, $2: pair, $3: side, $4...: command. Checks the first pair's result, untimed.
run() {
    local name=$1 pair=$2 side=$3 start end result
    shift 3
    clean "$name"
    start=$EPOCHREALTIME
    "$@"
    result=$?
    end=$EPOCHREALTIME
    if [ "$result" = 0 ] && [ "$pair" = 1 ]; then
        if [ "$name" = build ]; then
            cmp -s "$stick/out" "$src"
        elif [ "$side" = ours ]; then
            cat $(set_packages "$stick" f) | cmp -s - "$src"
        else
            cat "$stick"/f.c* | cmp -s - "$src"
        fi
        result=$?
    fi
    if [ "$result" = 0 ]; then
        echo "$name $pair $side $(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.3f", e - s }')"
    else
        echo "$name $pair $side failed"
    fi >>"$LAB/times"
}
# $1: comparison, $2: the engine's command, $3: coreutils', $4: their argument.
compare() {
    local pair
    # One untimed run of each side first: the first ones after the boot took twice as long.
    clean "$1"
    "$2" "$4"
    clean "$1"
    "$3" "$4"
    for ((pair = 1; pair <= pairs; pair++)); do
        if ((pair % 2)); then
            run "$1" $pair ours "$2" "$4"
            run "$1" $pair theirs "$3" "$4"
        else
            run "$1" $pair theirs "$3" "$4"
            run "$1" $pair ours "$2" "$4"
        fi
    done
}
compare split-1457664 ours_split theirs_split $package
compare split-104857600 ours_split theirs_split 104857600
empty_stick
"$DRIVER" split "$src" "$stick/f" $package || echo "build 0 ours failed" >>"$LAB/times"
# No /dev/fd in the user-mode kernel, so no process substitution; the lab's paths have no spaces.
packages=($(set_packages "$stick" f))
compare build ours_build theirs_build
empty_stick
GUEST
} >"$LAB/bench.bash"

# $1: what the machine is ("vfat", "exfat"), $2: seconds to wait for its end. Waits for the
# guest's last run, printing each run as it ends.
follow() {
    local shown=0 deadline=$((SECONDS + $2)) lines
    while :; do
        lines=$(wc -l <"$LAB/times")
        if [ "$lines" -gt "$shown" ]; then
            sed -n "$((shown + 1)),${lines}p" "$LAB/times" | sed "s/^/  $1 /"
            shown=$lines
        fi
        kill -0 "$machine_pid" 2>/dev/null && [ ! -e "$LAB/mark.unmounted" ] && [ "$SECONDS" -lt "$deadline" ] || break
        sleep 1
    done
    lab_stop_machine
    [ -e "$LAB/mark.unmounted" ] || fail "$1: the runs did not end (trial log: $(tail -3 "$LAB/trial.log" 2>/dev/null | tr '\n' ' '))"
}

# $1: where. Appends the table's rows for $LAB/times to $LAB/table.
summarise() {
    local name label
    for name in split-1457664 split-104857600 build; do
        case $name in
        split-*) label="split ${name#split-} B / split -b" ;;
        build) label="build 1457664 B / cat" ;;
        esac
        awk -v where="$1" -v name="$name" -v label="$label" '
            function median(a, n,   i, j, t) {
                for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j > 0 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t }
                return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
            }
            $1 == name && $4 == "failed" { failed = 1 }
            $1 == name && $4 != "failed" { t[$2, $3] = $4; seen[$2] = 1 }
            END {
                for (p in seen) if ((p, "ours") in t && (p, "theirs") in t) {
                    n++; o[n] = t[p, "ours"]; h[n] = t[p, "theirs"]; r[n] = o[n] / h[n]
                    if (n == 1 || r[n] < lo) lo = r[n]
                    if (n == 1 || r[n] > hi) hi = r[n]
                }
                if (failed || n == 0) { printf "%-6s %-30s %s\n", where, label, "failed (see the runs above)"; exit }
                printf "%-6s %-30s %9.3f %11.3f %12.3f %6.3f - %5.3f  %5d\n", where, label, median(o, n), median(h, n), median(r, n), lo, hi, n
            }' "$LAB/times" >>"$LAB/table"
    done
    grep -q "^$1 .*failed" "$LAB/table" && fail "$1: a run failed or left other bytes than the source's"
}

started=$SECONDS
make_source "$LAB/src" $((size_mib * MIB))
# The set and the joined file, with room to spare.
make_fat32 "$LAB/stick.img" $((size_mib * 3 + 64))
echo "bash \"\$LAB/bench.bash\" $pairs" >"$LAB/trial.sh"
: >"$LAB/times"
echo "vfat (user-mode kernel), ${size_mib} MiB source, $pairs pairs, engine $DRIVER:"
if uml_boot "$LAB/stick.img" vfat "$VFAT_OPTIONS"; then
    follow vfat 3600
    summarise vfat
fi

# In a subshell, so that a machine that cannot boot skips exfat alone.
if [ "$exfat_pairs" -gt 0 ] && (need_tools mkfs.exfat && vm_usable exfat); then
    : >"$LAB/times"
    make_source "$LAB/src" $((exfat_size_mib * MIB))
    truncate -s $((exfat_size_mib * 3 + 64))M "$LAB/exfat.img"
    mkfs.exfat "$LAB/exfat.img" >/dev/null
    echo "bash \"\$LAB/bench.bash\" $exfat_pairs" >"$LAB/trial.sh"
    echo "exfat (virtual machine, emulated), ${exfat_size_mib} MiB source, $exfat_pairs pairs:"
    if vm_boot "$LAB/exfat.img" exfat ""; then
        follow exfat 3600
        summarise exfat
    fi
fi

if [ -s "$LAB/table" ]; then
    printf "\n%-6s %-30s %9s %11s %12s %14s  %5s\n" where "comparison" "ours (s)" "theirs (s)" \
        "ours/theirs" "ratio range" pairs
    cat "$LAB/table"
    echo "(seconds are medians; ours/theirs is the median of the per-pair ratios; $((SECONDS - started)) s in all)"
fi
lab_finish
