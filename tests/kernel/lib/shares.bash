# The host's side of the lab's network shares: smbd and a user-space NFS server (nfs-ganesha with
# its VFS back end), each serving a folder of the lab folder on the loopback interface of the
# test's own network namespace (private_network), started by the test and stopped with the lab.
# The virtual machine reaches them at 10.0.2.2 (qemu's user network), and the host reads back what
# the guest left in the shared folder itself. Sourced after lab.bash.

SMB_PORT=44445
NFS_PORT=20049
MOUNTD_PORT=20048
SHARE_HOST=10.0.2.2

# $1: seconds, $2: port. True once something listens on 127.0.0.1:$2.
port_open() {
    local deadline=$((SECONDS + $1))
    until (exec 3<>"/dev/tcp/127.0.0.1/$2") 2>/dev/null; do
        [ "$SECONDS" -ge "$deadline" ] && return 1
        sleep 0.2
    done
}

# smbd with a configuration, state and one user (root, password "velkaro") of its own, on the
# loopback interface, serving $LAB/share as "velkaro". Skips where it cannot be started. In
# private_network only.
start_smbd() {
    need_tools smbd smbpasswd
    [ -n "${VELKARO_LAB_NETNS:-}" ] || { echo "start_smbd outside private_network" >&2; exit 2; }
    local state=$LAB/samba
    mkdir -p "$state"/{private,lock,state,cache,pid,ncalrpc} "$LAB/share"
    cat >"$state/smb.conf" <<CONF
[global]
    interfaces = lo
    bind interfaces only = yes
    smb ports = $SMB_PORT
    disable netbios = yes
    server min protocol = SMB3_00
    server role = standalone server
    passdb backend = tdbsam:$state/private/passdb.tdb
    private dir = $state/private
    lock directory = $state/lock
    state directory = $state/state
    cache directory = $state/cache
    pid directory = $state/pid
    ncalrpc dir = $state/ncalrpc
    log file = $state/log
    log level = 1
    load printers = no
    printing = bsd
    printcap name = /dev/null
    disable spoolss = yes
[velkaro]
    path = $LAB/share
    read only = no
    force user = root
CONF
    printf 'velkaro\nvelkaro\n' | smbpasswd -c "$state/smb.conf" -s -a root >"$state/smbpasswd.log" 2>&1 \
        || skip "smbpasswd cannot add the share's user: $(tail -2 "$state/smbpasswd.log" | tr '\n' ' ')"
    setsid smbd --foreground --no-process-group -s "$state/smb.conf" </dev/null >"$state/smbd.out" 2>&1 &
    server_pids="$server_pids $!"
    port_open 30 "$SMB_PORT" || skip "smbd does not start here: $(tail -3 "$state/smbd.out" "$state/log" 2>/dev/null | tr '\n' ' ')"
}

# The guest's mount of the share, as mount -t cifs takes it; $1: the SMB dialect (3.0, 3.1.1).
smb_source() {
    echo "//$SHARE_HOST/velkaro"
}
smb_options() {
    echo "vers=$1,port=$SMB_PORT,username=root,password=velkaro"
}

# The servers and the virtual machine run in a network namespace whose only interface is its own
# loopback, and with a /run of their own: no port of the machine's network is taken, and the
# portmapper nfs-ganesha cannot start without serves the test alone. Run before lab_start; $@: the
# script's arguments.
private_network() {
    if [ -z "${VELKARO_LAB_NETNS:-}" ]; then
        [ "$(id -u)" -eq 0 ] || skip "needs root (the lab's machines mount the shares as root)"
        need_tools unshare busybox
        unshare --net --mount true 2>/dev/null || skip "no network namespace here (unshare --net)"
        VELKARO_LAB_NETNS=1 exec unshare --net --mount bash "$0" "$@"
    fi
    busybox ip link set lo up
    mount -t tmpfs -o mode=755 tmpfs /run
}

# nfs-ganesha serving $LAB/share for NFSv3 and v4.1 over TCP on fixed ports, with rpcbind beside
# it; no grace period, so that the first trial need not wait. In private_network only.
start_ganesha() {
    need_tools ganesha.nfsd rpcbind
    [ -n "${VELKARO_LAB_NETNS:-}" ] || { echo "start_ganesha outside private_network" >&2; exit 2; }
    setsid rpcbind -f -w </dev/null >"$LAB/rpcbind.out" 2>&1 &
    server_pids="$server_pids $!"
    port_open 10 111 || skip "rpcbind does not start here: $(tail -2 "$LAB/rpcbind.out" | tr '\n' ' ')"
    local state=$LAB/ganesha
    mkdir -p "$state/recovery" "$LAB/share"
    cat >"$state/ganesha.conf" <<CONF
NFS_CORE_PARAM {
    NFS_Port = $NFS_PORT;
    MNT_Port = $MOUNTD_PORT;
    Protocols = 3, 4;
    Enable_NLM = false;
    Enable_RQUOTA = false;
    Enable_UDP = false;
}
NFSV4 {
    Graceless = true;
    RecoveryBackend = fs;
    RecoveryRoot = $state/recovery;
    Minor_Versions = 1, 2;
}
EXPORT {
    Export_Id = 1;
    Path = $LAB/share;
    Pseudo = /velkaro;
    Access_Type = RW;
    Squash = No_Root_Squash;
    SecType = sys;
    Protocols = 3, 4;
    Transports = TCP;
    FSAL { Name = VFS; }
}
LOG {
    Default_Log_Level = WARN;
}
CONF
    setsid ganesha.nfsd -F -f "$state/ganesha.conf" -L "$state/log" -p "$state/pid" -N NIV_WARN \
        </dev/null >"$state/out" 2>&1 &
    server_pids="$server_pids $!"
    port_open 60 "$NFS_PORT" || skip "nfs-ganesha does not start here: $(tail -3 "$state/log" "$state/out" 2>/dev/null | tr '\n' ' ')"
}

# $1: NFS version (3, 4.1). The guest's mount of the export.
nfs_source() {
    case $1 in
    3) echo "$SHARE_HOST:$LAB/share" ;;
    *) echo "$SHARE_HOST:/velkaro" ;;
    esac
}
nfs_options() {
    case $1 in
    3) echo "vers=3,proto=tcp,port=$NFS_PORT,mountport=$MOUNTD_PORT,mountproto=tcp,nolock" ;;
    *) echo "vers=$1,proto=tcp,port=$NFS_PORT" ;;
    esac
}

# Empties the shared folder between trials, as the host sees it.
clear_share() {
    find "$LAB/share" -mindepth 1 -delete
}

# ---- Trials on a share ----------------------------------------------------------------------------

# The shared folder holds only the old set and the old destination, put there by the host.
share_with_old_set() {
    clear_share
    cp "$LAB"/oldset/* "$LAB/dest" "$LAB/share/"
}

# $1: what the share is, for messages; $2: file system type; $3: source; $4: mount options.
# One machine: a split into new names and a build of that set, a build over an old destination,
# then a split over the whole old set, pulled as soon as it has returned. Every command must
# succeed and leave its result whole. Leaves the split's seconds in $seconds.
share_round_trips() {
    local what=$1
    share_with_old_set
    cat >"$LAB/trial.sh" <<'TRIAL'
step split "$DRIVER" split "$LAB/new" "$LAB/stick/ra" 1048576
step build "$DRIVER" build "$LAB/stick/ra.c3" "$LAB/stick/ra"
step build-over "$DRIVER" build "$LAB/stick/tp.c1" "$LAB/stick/dest" overwrite
engine split "$LAB/new" "$LAB/stick/tp" 1048576 overwrite
TRIAL
    machine_trial "$what: round trips, then a split over the old set pulled after true" "$3" "$2" "$4" true \
        || return 1
    seconds=$(command_seconds)
    local name
    for name in split build build-over; do
        [ "$(step_rc $name)" = 0 ] || fail "$what: $name gave exit code $(step_rc $name), not 0 (it took $(step_seconds $name) s)"
    done
    [ "$(step_rc split)" = 0 ] && check_split_left "$LAB/out" ra "" "$LAB/new" $MIB "$what: split into new names" 0
    [ "$(step_rc build)" = 0 ] && check_build_left "$LAB/out/ra" "" "$LAB/new" "$what: build into a new name" 0
    check_build_left "$LAB/out/dest" "$LAB/dest" "$LAB/old" "$what: build over an old destination" "$(step_rc build-over)"
    [ "$rc" = 0 ] || fail "$what: split over the whole old set gave exit code $rc, not 0; left:$(listing "$LAB/out")"
    check_split_left "$LAB/out" tp "$LAB/old" "$LAB/new" $MIB "$what: split over the old set, pulled after true" "$rc"
}

# $1: what, $2: type, $3: source, $4: options, $5: moment of the pull (machine_trial's: "seen"
# is the moment the old package 0's name goes). A split over the whole old set, cut: the old set
# whole, the new one whole, or none; nothing that was wiped under an old name.
share_cut() {
    local what=$1 moment=$5
    share_with_old_set
    echo 'watch_gone tp.c0; engine split "$LAB/new" "$LAB/stick/tp" 1048576 overwrite' >"$LAB/trial.sh"
    machine_trial "$what: split over the old set, pulled at $moment" "$3" "$2" "$4" "$moment" || return 1
    check_split_left "$LAB/out" tp "$LAB/old" "$LAB/new" $MIB "$what: split over the old set, pulled at $moment" "$rc"
    local hidden
    hidden=$(cd "$LAB/out" && ls -A | grep '^\.' | tr '\n' ' ')
    [ -z "$hidden" ] || note "$what: hidden files left: $hidden"
}

# $1: what, $2: type, $3: source, $4: options. After a cut (share_cut), a split over whatever it
# left succeeds and leaves the new set whole; says which hidden files of the cut are still there.
share_after_cut() {
    local what=$1 left
    left=$(cd "$LAB/share" && ls -A | grep '^\.' | tr '\n' ' ')
    echo 'engine split "$LAB/new" "$LAB/stick/tp" 1048576 overwrite' >"$LAB/trial.sh"
    machine_trial "$what: a split over what a cut left" "$3" "$2" "$4" none || return 1
    rc=$(cat "$LAB/rc" 2>/dev/null || echo none)
    [ "$rc" = 0 ] || fail "$what: a split over what a cut left gave exit code $rc, not 0; left:$(listing "$LAB/out")"
    check_split_left "$LAB/out" tp "" "$LAB/new" $MIB "$what: a split over what a cut left" "$rc"
    [ -z "$left" ] || note "$what: hidden files of the cut: $left; still there after the next split: $(cd "$LAB/out" && ls -A | grep '^\.' | tr '\n' ' ')"
}
