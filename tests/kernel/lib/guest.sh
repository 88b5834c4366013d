# Sourced by the init of a lab machine (user-mode kernel or virtual machine) once the lab folder
# is mounted writable at $LAB and $DEV is the stick: mounts the stick as $FSTYPE on $LAB/stick,
# runs the trial the host wrote to $LAB/trial.sh there, and unmounts it. Everything it tells the
# host it writes to the lab folder, which reaches the host at once (hostfs, 9p without a cache),
# so the host can pull the stick at a chosen moment.

mark() {
    : >"$LAB/mark.$1"
}

# One engine command, timed; its exit code appears last, as the file the host waits for.
engine() {
    date +%s.%N >"$LAB/started"
    "$DRIVER" "$@"
    echo $? >"$LAB/rc.new"
    date +%s.%N >"$LAB/ended"
    mv "$LAB/rc.new" "$LAB/rc"
}

# One command of a trial of several, its exit code and seconds appended to $LAB/steps.
step() {
    local name=$1 start end code
    shift
    start=$(date +%s.%N)
    "$@"
    code=$?
    end=$(date +%s.%N)
    echo "$name $code $(echo "$start $end" | awk '{ printf "%.2f", $2 - $1 }')" >>"$LAB/steps"
}

# Marks "seen" as soon as the named file exists on the stick (or, for watch_gone, no longer does),
# for a pull at that moment.
watch_for() {
    (while [ ! -e "$LAB/stick/$1" ]; do sleep 0.01; done; mark seen) &
}
watch_gone() {
    (while [ -e "$LAB/stick/$1" ]; do sleep 0.01; done; mark seen) &
}

# Names, sizes and checksums of everything on the stick, as the kernel shows them; in few
# processes, since each one costs the user-mode kernel tens of milliseconds.
snapshot() {
    (cd "$LAB/stick" && find . -maxdepth 1 -type f -exec stat -c '%n %s bytes' {} + | sort \
        && find . -maxdepth 1 -type f -exec md5sum {} + | sort -k2) >"$LAB/$1"
}

# Free space of the stick in KiB.
free_kib() {
    df -k "$LAB/stick" | awk 'NR == 2 { print $4 }'
}

if mount -t "$FSTYPE" ${OPTIONS:+-o "$OPTIONS"} "$DEV" "$LAB/stick" 2>"$LAB/mount.log"; then
    mark mounted
    cd "$LAB/stick" || exit 1
    . "$LAB/trial.sh" >"$LAB/trial.log" 2>&1
    cd /
    umount "$LAB/stick" && mark unmounted
else
    mark mount-failed
fi
