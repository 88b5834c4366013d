#!/bin/bash
# The kernel's NTFS driver (ntfs3, built for Debian's kernel from its source where that kernel
# lacks it) in a virtual machine: a split into new names and one over an old set, and a build
# over an old destination, pulled right after true, leave their results whole; a split over an old
# set pulled as the old package 0 goes leaves the old set whole or none. ntfs3 keeps a rename
# only once the renamed file itself, or the whole volume, is synced.
source "$(dirname "$(readlink -f "$0")")/lib/lab.bash"
lab_start "${1:-}"
need_tools mkntfs ntfs-3g ntfsfix losetup
[ -e /dev/fuse ] && losetup -f >/dev/null 2>&1 || skip "no FUSE or no free loop device for ntfs-3g"
# Built once per kernel, kept beside the engine driver in the build folder.
module=$("$LIB/ntfs3-module" "$VM_RELEASE" "$(dirname "$DRIVER")/kernel-modules" 2>&1 | tail -1)
[ -f "$module" ] || skip "ntfs3 cannot be built for $VM_RELEASE: $module"
vm_usable "$module"
MACHINE=vm

make_trial_sources
# The stick with the old set and an old destination.
truncate -s 256M "$LAB/old.img"
mkntfs -F -Q -q "$LAB/old.img" >/dev/null 2>&1 || { echo "cannot make the NTFS image"; exit 1; }
put_files_ntfs "$LAB/old.img" "$LAB"/oldset/* "$LAB/dest" || { echo "cannot write the NTFS image"; exit 1; }

cp --sparse=always "$LAB/old.img" "$LAB/stick.img"
cat >"$LAB/trial.sh" <<'TRIAL'
step split "$DRIVER" split "$LAB/new" "$LAB/stick/ra" 1048576
engine split "$LAB/new" "$LAB/stick/tp" 1048576 overwrite
TRIAL
machine_trial "a split, then a split over the old set, pulled after true" "$LAB/stick.img" ntfs3 "" true || lab_finish
seconds=$(command_seconds)
[ "$(step_rc split)" = 0 ] || fail "split into new names gave exit code $(step_rc split), not 0"
check_split_left "$LAB/out" ra "" "$LAB/new" $MIB "split into new names, pulled after a later true" "$(step_rc split)"
[ "$rc" = 0 ] || fail "split over the old set gave exit code $rc, not 0"
check_split_left "$LAB/out" tp "$LAB/old" "$LAB/new" $MIB "split over the old set, pulled after true" "$rc"

cp --sparse=always "$LAB/old.img" "$LAB/stick.img"
echo 'engine build "$LAB/stick/tp.c1" "$LAB/stick/dest" overwrite' >"$LAB/trial.sh"
machine_trial "build over an old destination, pulled after true" "$LAB/stick.img" ntfs3 "" true || lab_finish
[ "$rc" = 0 ] || fail "build over an old destination gave exit code $rc, not 0"
check_build_left "$LAB/out/dest" "$LAB/dest" "$LAB/old" "build over an old destination, pulled after true" "$rc"

cp --sparse=always "$LAB/old.img" "$LAB/stick.img"
echo 'watch_gone tp.c0; engine split "$LAB/new" "$LAB/stick/tp" 1048576 overwrite' >"$LAB/trial.sh"
machine_trial "split over the old set, pulled as old package 0 goes" "$LAB/stick.img" ntfs3 "" seen || lab_finish
check_split_left "$LAB/out" tp "$LAB/old" "$LAB/new" $MIB "split over the old set, pulled as old package 0 goes" "$rc"
lab_finish
