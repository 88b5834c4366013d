# Host side of the kernel file-system lab: a lab folder, sources, stick images read back with
# mtools, the user-mode kernel that mounts them, the pull of the stick, and the checks of what a
# pull left. Sourced by the scripts beside lib/; they call lab_start with the engine driver.
# One script alone, as root: `bash tests/kernel/vfat_split.sh build/tests/engine_driver`, or
# `ctest -R kernel_vfat_split --output-on-failure` in the build folder.
set -u

LIB=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
export MTOOLS_SKIP_CHECK=1
MIB=1048576
# Names on a FAT stick as a desktop mounts it: UTF-8, and short names shown as they were written.
VFAT_OPTIONS=utf8,shortname=mixed
failures=0
# Process groups of the servers a test started (lib/shares.bash), stopped with the lab.
server_pids=""

# A skip after a failed check still fails.
skip() {
    echo "SKIP: $*"
    [ "$failures" -gt 0 ] && lab_finish
    exit 77
}

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

note() {
    echo "  $*"
}

lab_finish() {
    if [ "$failures" -gt 0 ]; then
        echo "$failures check(s) failed"
        exit 1
    fi
    echo "all checks passed"
    exit 0
}

# $1: the engine driver. Makes the lab folder, removed again on exit.
lab_start() {
    DRIVER=$(readlink -f "${1:-}")
    [ -x "$DRIVER" ] || { echo "usage: $0 ENGINE_DRIVER" >&2; exit 2; }
    [ "$(id -u)" -eq 0 ] || skip "needs root (the lab's machines mount the stick images as root)"
    LAB=$(mktemp -d "${TMPDIR:-/tmp}/velkaro-kernel.XXXXXX")
    trap 'lab_stop_machine; lab_stop_servers; rm -rf "$LAB"' EXIT
    cp "$LIB/guest.sh" "$LAB/guest.sh"
    mkdir "$LAB/stick"
}

source "$LIB/tools.bash"
need_tools() { need_commands skip "$@"; }

# $1: path, $2: length in bytes. Random bytes, so that a package in the wrong place or zeros show.
make_source() {
    head -c "$2" /dev/urandom >"$1"
}

# $1: source, $2: folder. The set of $1 in packages of 1 MiB, at $2/tp, made on the host.
make_set() {
    mkdir -p "$2"
    "$DRIVER" split "$1" "$2/tp" $MIB || { echo "cannot make the set of $1"; exit 1; }
}

# Sources of the trials that replace: an old set of 5 packages (in $LAB/oldset) and an old
# destination, and a new source of 7 packages, made on the host.
make_trial_sources() {
    make_source "$LAB/old" $((4 * MIB + 5))
    make_source "$LAB/new" $((6 * MIB + 12345))
    make_source "$LAB/dest" $((MIB + 3))
    make_set "$LAB/old" "$LAB/oldset"
}

# ---- Stick images -----------------------------------------------------------------------------

# $1: image, $2: size in MiB, $3...: host files put on it. A FAT32 stick, sparse on the host.
make_fat32() {
    local image=$1 size=$2
    shift 2
    rm -f "$image"
    truncate -s "${size}M" "$image"
    mkfs.vfat -F 32 -n STICK "$image" >/dev/null
    [ $# -eq 0 ] || put_files "$image" "$@"
}

# $1: image, $2...: host files copied onto the stick's root under their own names.
put_files() {
    local image=$1
    shift
    mcopy -i "$image" -o "$@" ::/
}

# $1: image, $2: folder. Everything in the stick's root, as a FAT reader sees it.
read_back() {
    rm -rf "$2"
    mkdir -p "$2"
    mcopy -i "$1" -s -n -p '::/*' "$2/" 2>/dev/null || true
}

# $1: image, $2: folder. As read_back, for exFAT: through exfat-fuse, on a read-only loop device.
read_back_exfat() {
    local loop point=$LAB/exfat-mount
    rm -rf "$2"
    mkdir -p "$2" "$point"
    loop=$(losetup -f --show -r "$1") || { fail "no loop device for reading the exFAT image back"; return 1; }
    if mount.exfat-fuse -o ro "$loop" "$point" >/dev/null 2>"$LAB/exfat-fuse.log"; then
        cp -a "$point/." "$2/"
        umount "$point"
    else
        fail "exfat-fuse cannot read the image back: $(tr '\n' ' ' <"$LAB/exfat-fuse.log")"
    fi
    losetup -d "$loop"
}

# $1: image, $2: folder. As read_back, for NTFS: through ntfs-3g, on a read-only loop device. A
# pulled ntfs3 volume is marked dirty in $MFT and not yet in its mirror, which ntfs-3g refuses:
# ntfsfix mends the mirror of a copy first, as Windows' check would.
read_back_ntfs3() {
    local loop point=$LAB/ntfs-mount copy=$LAB/read-back.img
    rm -rf "$2"
    mkdir -p "$2" "$point"
    cp --sparse=always "$1" "$copy"
    ntfsfix "$copy" >"$LAB/ntfsfix.log" 2>&1
    loop=$(losetup -f --show -r "$copy") || { fail "no loop device for reading the NTFS image back"; return 1; }
    if ntfs-3g -o ro "$loop" "$point" >"$LAB/ntfs-3g.log" 2>&1; then
        cp -a "$point/." "$2/"
        umount "$point"
    else
        fail "ntfs-3g cannot read the image back: $(tr '\n' ' ' <"$LAB/ntfs-3g.log" | cut -c1-200)"
    fi
    losetup -d "$loop"
    rm -f "$copy"
}

# $1: unused, $2: folder. As read_back, for a network share: its folder on the host.
read_back_share() {
    rm -rf "$2"
    mkdir -p "$2"
    cp -a "$LAB/share/." "$2/"
}

# What ntfsfix made of the image before the last read-back: a pull leaves records of $MFT newer
# than their mirror, which it mends.
fsck_ntfs3() {
    if grep -q 'processed successfully' "$LAB/ntfsfix.log"; then
        echo "ntfsfix mended $(grep -c 'Correcting differences' "$LAB/ntfsfix.log") mirror record(s)"
    else
        tail -3 "$LAB/ntfsfix.log" | tr -s ' \n' ' ' | cut -c1-300
    fi
}

fsck_share() {
    echo "none (the server's folder)"
}

# $1: image, $2: its FUSE driver (mount.exfat-fuse, ntfs-3g), $3...: a command run while the
# stick is mounted at $LAB/fuse-mount, through a loop device, which the drivers take as the stick.
on_fuse_stick() {
    local loop point=$LAB/fuse-mount image=$1 driver=$2 done
    shift 2
    mkdir -p "$point"
    loop=$(losetup -f --show "$image") || { echo "no loop device for $image"; return 1; }
    "$driver" "$loop" "$point" >/dev/null 2>&1 && "$@" && umount "$point"
    done=$?
    losetup -d "$loop"
    return $done
}

# $1: image, $2...: files copied onto the exFAT stick's root, through exfat-fuse.
put_files_exfat() {
    local image=$1
    shift
    on_fuse_stick "$image" mount.exfat-fuse cp "$@" "$LAB/fuse-mount/"
}

# $1: image, $2...: files copied onto the NTFS stick's root, through ntfs-3g. Its file table is
# first grown by a hundred files made and removed: the one mkntfs makes holds too few records for
# ntfs3 of Linux 6.1, which cannot extend it ("no free space to extend mft").
put_files_ntfs() {
    local image=$1
    shift
    on_fuse_stick "$image" ntfs-3g grow_mft_and_copy "$@"
}

grow_mft_and_copy() {
    local index
    for index in $(seq 100); do : >"$LAB/fuse-mount/grow$index"; done
    rm "$LAB/fuse-mount"/grow* && cp "$@" "$LAB/fuse-mount/"
}

fsck_exfat() {
    fsck.exfat -n "$1" 2>&1 | grep -v '^exfatprogs' | tr -s ' \n' ' ' | cut -c1-300
}

# The file system check's findings that matter here, one line; "-n" never repairs. The dirty bit
# and the boot sector's copy of it are left out: every pull leaves them.
fsck_fat() {
    fsck.vfat -n "$1" 2>&1 | grep -Ev '^fsck|boot sector and its backup|mostly harmless|Differences|65:01/00|Not automatically|[Dd]irty bit|not properly unmounted|Leaving filesystem' \
        | tr -s ' \n' ' ' | cut -c1-300
}

# ---- The user-mode kernel -----------------------------------------------------------------------

UML=$(command -v linux.uml || command -v linux || true)
machine_pid=""

uml_usable() {
    need_tools mkfs.vfat fsck.vfat mcopy mdir
    [ -n "$UML" ] || skip "no user-mode kernel (package user-mode-linux)"
    ls -d /usr/lib/uml/modules/*/kernel/fs/fat >/dev/null 2>&1 \
        || skip "the user-mode kernel has no FAT modules under /usr/lib/uml/modules"
}

# $1: image, $2: file system type, $3: mount options. Boots the user-mode kernel in a session of
# its own (all its host processes share one process group) and waits until the stick is mounted.
# Without self-tests of its ciphers and its 256 legacy terminals it boots in 2 s instead of 6.
# The trial ($LAB/trial.sh) must be written before.
uml_boot() {
    rm -f "$LAB"/mark.* "$LAB/rc" "$LAB/started" "$LAB/ended" "$LAB/steps"
    cp "$LIB/uml-init" "$LAB/init"
    chmod +x "$LAB/init"
    setsid "$UML" mem=256M rootfstype=hostfs rootflags=/ ro init="$LAB/init" \
        ubd0="$1" con=null ssl=null con0=null,fd:1 cryptomgr.notests pty.legacy_count=0 \
        lab="$LAB" fstype="$2" options="$3" driver="$DRIVER" \
        </dev/null >"$LAB/console.log" 2>&1 &
    machine_pid=$!
    machine_mounted 60 "the user-mode kernel does not boot here" "$2"
}

# $1: seconds to wait, $2: what a machine that never ran init says, $3: the file system type.
# Skips where the machine never got to its init; fails where it did and the stick was not mounted.
machine_mounted() {
    wait_for "$LAB/mark.mounted" "$1" "$LAB/mark.mount-failed" && return 0
    [ -e "$LAB/mark.init" ] || { lab_stop_machine; skip "$2: $(tail -3 "$LAB/console.log" | tr '\n' ' ')"; }
    fail "the stick was not mounted as $3 ($(cat "$LAB/mount.log" "$LAB/insmod.log" 2>/dev/null | tr '\n' ' ')); console: $(tail -5 "$LAB/console.log" | tr '\n' ' ')"
    lab_stop_machine
    return 1
}

# ---- The virtual machine ---------------------------------------------------------------------------

# Debian's own kernel in qemu, for the drivers the user-mode kernel lacks (exfat, ntfs3, cifs, nfs).
# There is no KVM here: emulated, so it is slow and used for few, small trials.
VM_KERNEL=$(ls /boot/vmlinuz-* 2>/dev/null | sort -V | tail -1)
VM_RELEASE=${VM_KERNEL#/boot/vmlinuz-}
VM_MODULES=/lib/modules/$VM_RELEASE

# $@: the file system modules the stick needs, by name in Debian's kernel or as the path of a
# module built for it (loaded after the others). Skips when the machine cannot run the kernel or
# the kernel lacks a module; makes the initramfs.
vm_usable() {
    local module modules="virtio_pci virtio_blk 9pnet_virtio 9p $*"
    need_tools qemu-system-x86_64 busybox cpio modprobe
    [ -n "$VM_KERNEL" ] && [ -d "$VM_MODULES" ] || skip "no Debian kernel with its modules (package linux-image-amd64)"
    rm -rf "$LAB/initramfs"
    mkdir -p "$LAB/initramfs/bin" "$LAB/initramfs/modules"
    for module in $modules; do
        case $module in
        /*.ko) echo "insmod $module" ;;
        *) modprobe -S "$VM_RELEASE" --show-depends "$module" 2>/dev/null \
            || skip "Debian's kernel $VM_RELEASE has no $module module" ;;
        esac >>"$LAB/initramfs/depends"
    done
    # Each module once, in the order modprobe would load them, uncompressed for busybox's insmod.
    awk '$1 == "insmod" && !seen[$2]++ { print $2 }' "$LAB/initramfs/depends" | while read -r module; do
        case $module in
        *.xz) xz -dc "$module" ;;
        *.zst) zstd -dc "$module" ;;
        *) cat "$module" ;;
        esac >"$LAB/initramfs/modules/$(basename "${module%.xz}" .zst)"
        basename "${module%.xz}" .zst >>"$LAB/initramfs/modules/order"
    done
    cp /bin/busybox "$LAB/initramfs/bin/"
    # busybox is linked dynamically in Debian's busybox package: its libraries go along.
    ldd /bin/busybox | grep -o '/[^ ]*' | while read -r library; do
        mkdir -p "$LAB/initramfs$(dirname "$library")"
        cp -L "$library" "$LAB/initramfs$library"
    done
    cp "$LIB/vm-init" "$LAB/initramfs/init"
    chmod +x "$LAB/initramfs/init"
    (cd "$LAB/initramfs" && find . | cpio -o -H newc --quiet) >"$LAB/initramfs.cpio"
}

# $1: image, or a share's source (//host/name, host:/path), $2: file system type, $3: mount
# options. As uml_boot, in the virtual machine: an image is its first disk; for a share it gets
# qemu's user network, on which the host's loopback answers at 10.0.2.2 and nothing else is
# reached (the trials name no other address).
vm_boot() {
    local stick
    rm -f "$LAB"/mark.* "$LAB/rc" "$LAB/started" "$LAB/ended" "$LAB/steps"
    if [ -f "$1" ]; then
        stick=(-net none -drive "file=$1,format=raw,if=virtio,cache=writeback")
    else
        stick=(-netdev user,id=n -device virtio-net-pci,netdev=n,romfile=)
    fi
    # One processor boots faster emulated than two, and leaves the other to the tests beside.
    setsid qemu-system-x86_64 -machine pc,accel=tcg -cpu max -smp 1 -m 512 -no-reboot \
        -nodefaults -nographic -serial stdio -vga none "${stick[@]}" \
        -kernel "$VM_KERNEL" -initrd "$LAB/initramfs.cpio" \
        -append "console=ttyS0 quiet panic=-1 lab=$LAB fstype=$2 options=$3 driver=$DRIVER$([ -f "$1" ] || echo " dev=$1")" \
        -virtfs local,path=/,mount_tag=root,security_model=none,readonly=on,multidevs=remap \
        -virtfs "local,path=$LAB,mount_tag=lab,security_model=none" \
        </dev/null >"$LAB/console.log" 2>&1 &
    machine_pid=$!
    machine_mounted 300 "Debian's kernel does not boot in qemu here" "$2"
}

# $1: file, $2: seconds, $3: a file that ends the wait early. True when $1 appeared in time.
wait_for() {
    local deadline=$((SECONDS + $2))
    while [ ! -e "$1" ]; do
        [ -n "${3:-}" ] && [ -e "$3" ] && return 1
        [ "$SECONDS" -ge "$deadline" ] && return 1
        kill -0 "$machine_pid" 2>/dev/null || { [ -e "$1" ]; return; }
        sleep 0.005
    done
}

# The stick is pulled: every host process of the machine dies at once, so what its kernel held
# in memory is lost and what it had written to the image stays.
pull() {
    kill -KILL -- "-$machine_pid" 2>/dev/null
    lab_stop_machine
}

# Waits for the machine to end by itself (after the trial, unmounted), or kills it after $1 s.
machine_end() {
    local deadline=$((SECONDS + $1))
    while kill -0 "$machine_pid" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do
        sleep 0.05
    done
    lab_stop_machine
}

# Each server is asked to stop, and killed with all its processes where it has not within 10 s.
lab_stop_servers() {
    local pid deadline
    for pid in $server_pids; do
        kill -TERM -- "-$pid" 2>/dev/null
        deadline=$((SECONDS + 10))
        while kill -0 "$pid" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do sleep 0.1; done
        kill -KILL -- "-$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    server_pids=""
}

lab_stop_machine() {
    [ -n "$machine_pid" ] || return 0
    kill -KILL -- "-$machine_pid" 2>/dev/null
    wait "$machine_pid" 2>/dev/null
    # Until none is left that could still write to the image (zombies cannot).
    while ps -o stat= -g "$machine_pid" 2>/dev/null | grep -qv '^Z'; do sleep 0.01; done
    machine_pid=""
}

# $1: trial name, $2: image, $3: file system type, $4: mount options, $5: moment of the pull:
# "true" (as soon as the command has returned), "after:SECONDS" (after the command has started),
# "seen" (when the trial's watch_for or watch_gone fired), "seen+SECONDS" (that long after), or
# "none" (the trial runs to its end and the stick is unmounted). The trial is in $LAB/trial.sh.
# Leaves the exit code in $rc ("none" when the command had not returned) and the stick read back
# in $LAB/out.
machine_trial() {
    local name=$1 image=$2 fstype=$3 options=$4 moment=$5
    "${MACHINE:-uml}_boot" "$image" "$fstype" "$options" || return 1
    case $moment in
    true)
        wait_for "$LAB/rc" 120 && pull ;;
    after:*)
        wait_for "$LAB/started" 60 && sleep "${moment#after:}" && pull ;;
    seen)
        wait_for "$LAB/mark.seen" 120 "$LAB/rc" && pull ;;
    seen+*)
        wait_for "$LAB/mark.seen" 120 "$LAB/rc" && sleep "${moment#seen+}" && pull ;;
    none)
        wait_for "$LAB/mark.unmounted" 120 ;;
    esac
    lab_stop_machine
    rc=$(cat "$LAB/rc" 2>/dev/null || echo none)
    local reader=fat
    case $fstype in
    exfat | ntfs3) reader=$fstype ;;
    cifs | smb3 | nfs | nfs4) reader=share ;;
    esac
    if [ "$reader" = fat ]; then read_back "$image" "$LAB/out"; else "read_back_$reader" "$image" "$LAB/out"; fi
    if [ "$moment" = none ]; then
        echo "$name: ran to its end; fsck: $(fsck_$reader "$image")"
    else
        echo "$name: pulled at $moment, exit code $rc$([ "$rc" != none ] && echo " after $(command_seconds) s");" \
            "fsck: $(fsck_$reader "$image")"
    fi
}

# Seconds the last engine command ran, as the guest measured it.
command_seconds() {
    awk '{ getline end < ENDFILE; printf "%.2f", end - $1 }' ENDFILE="$LAB/ended" "$LAB/started"
}

# $1: a part of the time the last engine command took ($seconds, from command_seconds).
part_of() {
    awk -v t="$seconds" -v p="$1" 'BEGIN { print t * p }'
}

# $1: the name of a step (guest.sh's step): its exit code, and the seconds it ran.
step_rc() {
    awk -v n="$1" '$1 == n { print $2 }' "$LAB/steps" 2>/dev/null | grep . || echo none
}
step_seconds() {
    awk -v n="$1" '$1 == n { print $3 }' "$LAB/steps" 2>/dev/null | grep . || echo none
}

# $1, $2: snapshots (guest.sh) of the stick before and after, $3: what ran. Nothing may differ.
check_unchanged() {
    if ! cmp -s "$LAB/$1" "$LAB/$2"; then
        fail "$3 changed the stick: $(diff "$LAB/$1" "$LAB/$2" | grep '^[<>]' | tr '\n' ';' | cut -c1-600)"
    fi
}

# ---- What a pull left ---------------------------------------------------------------------------

size_of() {
    stat -c %s "$1" 2>/dev/null || echo missing
}

# $1: folder read back, $2: base. The packages from index 0 to the first gap, by name.
set_packages() {
    local index=0
    while [ -f "$1/$2.c$index" ]; do
        echo "$1/$2.c$index"
        index=$((index + 1))
    done
}

# $1: folder, $2: base, $3: source, $4: package size. What is wrong with the set of $2 as a split
# of $3: which packages are missing, of the wrong size, zeros or other bytes. Empty when whole.
set_faults() {
    local folder=$1 base=$2 source=$3 size=$4
    local length count index package expected offset faults=""
    length=$(size_of "$source")
    count=$((length / size + 1))
    for ((index = 0; index < count; index++)); do
        package=$folder/$base.c$index
        offset=$((index * size))
        expected=$((length - offset < size ? length - offset : size))
        if [ ! -f "$package" ]; then
            echo "$index missing"
        elif [ "$(size_of "$package")" != "$expected" ]; then
            echo "$index has $(size_of "$package") bytes, not $expected"
        elif ! cmp -s -n "$expected" "$package" "$source" 0 "$offset"; then
            if cmp -s -n "$expected" "$package" /dev/zero; then
                echo "$index holds zeros"
            else
                echo "$index holds other bytes"
            fi
        fi
    done | ranges "$base"
    [ -f "$folder/$base.c$count" ] && echo " $base.c$count and on are left over past the end;"
}

# Lines "INDEX WHAT" in index order to " BASE.cI-J WHAT;" for runs of the same WHAT.
ranges() {
    awk -v base="$1" '
        function flush() { if (what != "") printf " %s.c%s%s %s;", base, first, (last > first ? "-" last : ""), what }
        { index_ = $1; $1 = ""; sub(/^ /, "")
          if ($0 != what || index_ != last + 1) { flush(); first = index_; what = $0 }
          last = index_ }
        END { flush() }'
}

# The names and sizes in a folder read back, for a failure message: runs of packages of one size
# as one entry.
listing() {
    (cd "$1" && for f in .* *; do [ -f "$f" ] && printf '%s %s\n' "$f" "$(size_of "$f")"; done) \
        | sed -E 's/^(.*)\.c([0-9]+) /\2 \1 /; t; s/^/- /' | sort -k2,2 -k1,1n \
        | awk '$1 == "-" { printf " %s: %s B;", $2, $3; next }
               { if ($2 == b && $3 == sz && $1 == last + 1) { last = $1; next }
                 if (b != "") printf " %s.c%s%s: %s B;", b, first, (last > first ? "-" last : ""), sz
                 b = $2; sz = $3; first = last = $1 }
               END { if (b != "") printf " %s.c%s%s: %s B;", b, first, (last > first ? "-" last : ""), sz }'
}

# $1: folder, $2: base, $3: old source or "", $4: new source, $5: package size, $6: trial.
# The rule for a split: the set left is the old one whole, the new one whole, or none (package 0
# absent); after true, the new one whole. Prints which it was.
check_split_left() {
    local folder=$1 base=$2 old=$3 new=$4 size=$5 trial=$6 rc=${7:-}
    local new_faults old_faults=""
    new_faults=$(set_faults "$folder" "$base" "$new" "$size")
    if [ -z "$new_faults" ]; then
        note "$trial: the new set whole"
        return
    fi
    if [ "$rc" = 0 ]; then
        fail "$trial: split said true, but the new set is not whole:$new_faults files:$(listing "$folder")"
        return
    fi
    if [ ! -f "$folder/$base.c0" ]; then
        note "$trial: no set ($base.c0 absent)"
        return
    fi
    if [ -n "$old" ]; then
        old_faults=$(set_faults "$folder" "$base" "$old" "$size")
        if [ -z "$old_faults" ]; then
            note "$trial: the old set whole"
            return
        fi
        fail "$trial: a set is left that is neither the old nor the new one whole; as the old:$old_faults as the new:$new_faults files:$(listing "$folder")"
    else
        fail "$trial: a set is left that is not the new one whole:$new_faults files:$(listing "$folder")"
    fi
}

# $1: destination read back, $2: old destination or "", $3: new content, $4: trial, $5: exit code.
# The rule for a build: the old destination whole or the new one whole (or none where there was
# none); after true, the new one.
check_build_left() {
    local file=$1 old=$2 new=$3 trial=$4 rc=${5:-}
    local what="$(basename "$file") has $(size_of "$file") bytes"
    if cmp -s "$file" "$new"; then
        note "$trial: the new destination whole"
    elif [ "$rc" = 0 ]; then
        fail "$trial: build said true, but $what, not the $(size_of "$new") bytes joined$(zeros_note "$file")"
    elif [ -n "$old" ] && cmp -s "$file" "$old"; then
        note "$trial: the old destination whole"
    elif [ -z "$old" ] && [ ! -e "$file" ]; then
        note "$trial: no destination"
    elif [ -n "$old" ]; then
        fail "$trial: the old destination ($(size_of "$old") bytes) is lost: $what$(zeros_note "$file")"
    else
        fail "$trial: a partial destination is left: $what, of $(size_of "$new")$(zeros_note "$file")"
    fi
}

zeros_note() {
    [ -s "$1" ] && cmp -s "$1" <(head -c "$(size_of "$1")" /dev/zero) && echo " (all zeros)"
}
