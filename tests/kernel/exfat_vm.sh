#!/bin/bash
# The kernel's exfat driver, in a virtual machine with Debian's own kernel (emulated, so only a
# few small trials): builds into names exFAT reads as the set's own packages (trailing dots) are
# refused with nothing changed; a split pulled right after true leaves the new set whole, one
# over an old set pulled as the old package 0 goes leaves the old set whole or none; a build over
# an old destination pulled after true leaves the new file.
source "$(dirname "$(readlink -f "$0")")/lib/lab.bash"
lab_start "${1:-}"
need_tools mkfs.exfat fsck.exfat mount.exfat-fuse losetup
# The host reads and writes the images through exfat-fuse on a loop device.
[ -e /dev/fuse ] && losetup -f >/dev/null 2>&1 || skip "no FUSE or no free loop device for exfat-fuse"
vm_usable exfat
MACHINE=vm

make_trial_sources
# The stick with the old set and an old destination.
truncate -s 160M "$LAB/old.img"
mkfs.exfat "$LAB/old.img" >/dev/null
put_files_exfat "$LAB/old.img" "$LAB"/oldset/* "$LAB/dest" || { echo "cannot write the exFAT image"; exit 1; }

cp --sparse=always "$LAB/old.img" "$LAB/stick.img"
cat >"$LAB/trial.sh" <<'TRIAL'
sync
snapshot before
step dots "$DRIVER" build "$LAB/stick/tp.c0" "$LAB/stick/tp.c0." overwrite
step three-dots "$DRIVER" build "$LAB/stick/tp.c2" "$LAB/stick/tp.c1..." overwrite
snapshot aliases
engine split "$LAB/new" "$LAB/stick/tp" 1048576 overwrite
TRIAL
machine_trial "aliases, then a split over the old set, pulled after true" "$LAB/stick.img" exfat "" true || lab_finish
for alias in dots three-dots; do
    [ "$(step_rc $alias)" = 1 ] || fail "build into an alias of a package ($alias) gave exit code $(step_rc $alias), not 1"
done
check_unchanged before aliases "a build into an alias of its own package"
check_split_left "$LAB/out" tp "$LAB/old" "$LAB/new" $MIB "split over the old set, pulled after true" "$rc"

cp --sparse=always "$LAB/old.img" "$LAB/stick.img"
echo 'watch_gone tp.c0; engine split "$LAB/new" "$LAB/stick/tp" 1048576 overwrite' >"$LAB/trial.sh"
machine_trial "split over the old set, pulled as old package 0 goes" "$LAB/stick.img" exfat "" seen || lab_finish
check_split_left "$LAB/out" tp "$LAB/old" "$LAB/new" $MIB "split over the old set, pulled as old package 0 goes" "$rc"

cp --sparse=always "$LAB/old.img" "$LAB/stick.img"
echo 'engine build "$LAB/stick/tp.c1" "$LAB/stick/dest" overwrite' >"$LAB/trial.sh"
machine_trial "build over an old destination, pulled after true" "$LAB/stick.img" exfat "" true || lab_finish
check_build_left "$LAB/out/dest" "$LAB/dest" "$LAB/old" "build over an old destination, pulled after true" "$rc"

lab_finish
