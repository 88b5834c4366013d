#!/bin/bash
# Builds on the kernel's vfat driver in a user-mode kernel, from a set on the stick to a file on
# it, and pulls the stick (kills the whole kernel) right after true and part-way, with and without
# an old destination: after true the destination equals the source; part-way it is the old one
# whole or the new one whole, or absent where there was none. Read back on the host with mtools.
source "$(dirname "$(readlink -f "$0")")/lib/lab.bash"
lab_start "${1:-}"
uml_usable

make_source "$LAB/source" $((30 * MIB + 12345))
make_source "$LAB/film" $((5 * MIB + 99))
make_set "$LAB/source" "$LAB/set"
make_fat32 "$LAB/set.img" 160 "$LAB"/set/*
make_fat32 "$LAB/old.img" 160 "$LAB"/set/* "$LAB/film"

# $1: trial name, $2: "old" or "", $3: moment.
build_trial() {
    local image=$LAB/stick.img old=${2:+$LAB/film}
    cp --sparse=always "$LAB/${2:-set}.img" "$image"
    echo 'engine build "$LAB/stick/tp.c3" "$LAB/stick/film" overwrite' >"$LAB/trial.sh"
    machine_trial "$1" "$image" vfat "$VFAT_OPTIONS" "$3" || return
    check_build_left "$LAB/out/film" "$old" "$LAB/source" "$1" "$rc"
    set_faults "$LAB/out" tp "$LAB/source" $MIB | grep . && fail "$1: the build changed its set"
}

build_trial "build, pulled after true" "" true
seconds=$(command_seconds)
build_trial "build, pulled half-way" "" "after:$(part_of 0.5)"
build_trial "build over an old destination, pulled after true" old true
seconds=$(command_seconds)
for part in 0.3 0.8; do
    build_trial "build over an old destination, pulled at $part of its time" old "after:$(part_of $part)"
done
lab_finish
