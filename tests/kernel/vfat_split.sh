#!/bin/bash
# Splits onto the kernel's vfat driver in a user-mode kernel, and pulls the stick (kills the whole
# kernel) right after true and part-way, with and without an old set at the base: after true the
# new set joins back to the source byte for byte; part-way the set left is the old one whole, the
# new one whole, or none (package 0 absent). The image is read back on the host with mtools.
source "$(dirname "$(readlink -f "$0")")/lib/lab.bash"
lab_start "${1:-}"
uml_usable

make_source "$LAB/new" $((30 * MIB + 12345))
make_source "$LAB/old" $((40 * MIB + 777))
make_fat32 "$LAB/empty.img" 160
# The old set, 41 packages, so that a new set of 31 must also take away the 10 beyond its end.
make_set "$LAB/old" "$LAB/oldset"
make_fat32 "$LAB/old.img" 160 "$LAB"/oldset/*

# $1: trial name, $2: "old" or "", $3: moment, $4: what to watch for (optional).
split_trial() {
    local image=$LAB/stick.img old=${2:+$LAB/old}
    cp --sparse=always "$LAB/${2:-empty}.img" "$image"
    echo "${4:-} engine split \"\$LAB/new\" \"\$LAB/stick/tp\" $MIB overwrite" >"$LAB/trial.sh"
    machine_trial "$1" "$image" vfat "$VFAT_OPTIONS" "$3" || return
    check_split_left "$LAB/out" tp "$old" "$LAB/new" $MIB "$1" "$rc"
}

split_trial "split, pulled after true" "" true
seconds=$(command_seconds)
split_trial "split, pulled half-way" "" "after:$(part_of 0.5)"
split_trial "split over an old set, pulled after true" old true
seconds=$(command_seconds)
# The old set's removal, then the new packages.
split_trial "split over an old set, pulled as old package 0 goes" old seen "watch_gone tp.c0;"
split_trial "split over an old set, pulled at 0.5 of its time" old "after:$(part_of 0.5)"
lab_finish
