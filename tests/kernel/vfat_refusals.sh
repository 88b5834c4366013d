#!/bin/bash
# What the engine must refuse on the kernel's FAT drivers, in a user-mode kernel, with the stick
# left as it was: a build into a name that FAT reads as one of the set's own packages (trailing
# dots, the 8.3 short name of a long name); a build that FAT32 cannot hold (4 GiB + 1), refused at
# once, before anything is written; and on a volume mounted `msdos` (8.3 names only), a split or
# build either works whole or changes nothing.
source "$(dirname "$(readlink -f "$0")")/lib/lab.bash"
lab_start "${1:-}"
uml_usable

make_source "$LAB/source" $((3 * MIB + 5))
# A set of 4 GiB + 1 on the host, sparse, read by the user-mode kernel through hostfs: only the
# destination is on the stick, which has room for more than 4 GiB.
mkdir "$LAB/big"
for index in 0 1 2 3; do truncate -s 1G "$LAB/big/tp.c$index"; done
printf x >"$LAB/big/tp.c4"
make_fat32 "$LAB/stick.img" 6144

cat >"$LAB/trial.sh" <<'TRIAL'
"$DRIVER" split "$LAB/source" "$LAB/stick/tp" 1048576
"$DRIVER" split "$LAB/source" "$LAB/stick/longpackagename" 1048576
sync
[ -f "$LAB/stick/LONGPA~1.C1" ] && mark short-name
snapshot before
step dots "$DRIVER" build "$LAB/stick/tp.c0" "$LAB/stick/tp.c0." overwrite
step three-dots "$DRIVER" build "$LAB/stick/tp.c2" "$LAB/stick/tp.c1..." overwrite
step short-name "$DRIVER" build "$LAB/stick/longpackagename.c0" "$LAB/stick/LONGPA~1.C1" overwrite
snapshot aliases
free_kib >"$LAB/free-before"
step too-big timeout -s KILL 5 "$DRIVER" build "$LAB/big/tp.c0" "$LAB/stick/big" overwrite
free_kib >"$LAB/free-after"
snapshot too-big
TRIAL
machine_trial "aliases and 4 GiB + 1 on vfat" "$LAB/stick.img" vfat "$VFAT_OPTIONS" none || lab_finish
[ -e "$LAB/mark.short-name" ] || fail "the kernel does not show longpackagename.c1 as LONGPA~1.C1"
for alias in dots three-dots short-name; do
    [ "$(step_rc $alias)" = 1 ] || fail "build into an alias of a package ($alias) gave exit code $(step_rc $alias), not 1"
done
check_unchanged before aliases "a build into an alias of its own package"
for base in tp longpackagename; do
    faults=$(set_faults "$LAB/out" $base "$LAB/source" $MIB)
    [ -z "$faults" ] || fail "after the builds into aliases, read back:$faults"
done
written=$(($(cat "$LAB/free-before") - $(cat "$LAB/free-after")))
echo "build of 4 GiB + 1 onto FAT32: exit code $(step_rc too-big) after $(step_seconds too-big) s, $written KiB written"
case $(step_rc too-big) in
1) ;;
137) fail "the build of 4 GiB + 1 onto FAT32 was still running after 5 s (then killed)" ;;
*) fail "the build of 4 GiB + 1 onto FAT32 gave exit code $(step_rc too-big), not 1" ;;
esac
awk -v s="$(step_seconds too-big)" 'BEGIN { exit !(s < 3) }' \
    || fail "the build of 4 GiB + 1 onto FAT32 took $(step_seconds too-big) s to end, not at once"
[ "$written" -eq 0 ] || fail "the build of 4 GiB + 1 onto FAT32 wrote $written KiB before it ended"
check_unchanged aliases too-big "the build of 4 GiB + 1"

# msdos: an old set of 8.3 names and an old destination; each command works whole or changes
# nothing.
make_source "$LAB/new" $((2 * MIB + 7))
make_fat32 "$LAB/stick.img" 160
make_set "$LAB/source" "$LAB/old"
make_source "$LAB/old/dest" 1000
put_files "$LAB/stick.img" "$LAB"/old/*
rm -f "$LAB/steps"
cat >"$LAB/trial.sh" <<'TRIAL'
snapshot before
step split "$DRIVER" split "$LAB/new" "$LAB/stick/tp" 1048576 overwrite
snapshot split
step build "$DRIVER" build "$LAB/stick/tp.c0" "$LAB/stick/dest" overwrite
snapshot build
TRIAL
machine_trial "split and build on msdos" "$LAB/stick.img" msdos "" none || lab_finish
echo "on msdos: split gave $(step_rc split), build gave $(step_rc build)"
if [ "$(step_rc split)" = 0 ]; then
    faults=$(set_faults "$LAB/out" tp "$LAB/new" $MIB)
    [ -z "$faults" ] || fail "split on msdos said true, but read back:$faults files:$(listing "$LAB/out")"
    joined=$LAB/new
else
    check_unchanged before split "a refused split on msdos"
    joined=$LAB/source
fi
if [ "$(step_rc build)" = 0 ]; then
    cmp -s "$LAB/out/dest" "$joined" \
        || fail "build on msdos said true, but dest has $(size_of "$LAB/out/dest") bytes, not the $(size_of "$joined") joined"
else
    check_unchanged split build "a refused build on msdos"
fi
lab_finish
