#!/bin/bash
# The kernel's NFS client in a virtual machine with Debian's own kernel, against nfs-ganesha on
# the host, with NFSv3 and v4.1: round trips (a split, a build, a build over an old destination, a
# split over a whole old set) succeed and leave their results whole; the client pulled right after
# true, or as a split over an old set removes the old package 0, leaves the new set whole, the old
# one, or none; a later split over what the cut left succeeds.
source "$(dirname "$(readlink -f "$0")")/lib/lab.bash"
source "$LIB/shares.bash"
private_network "$@"
lab_start "${1:-}"
vm_usable virtio_net nfsv3 nfsv4
MACHINE=vm
start_ganesha
make_trial_sources

share_round_trips "NFSv4.1" nfs "$(nfs_source 4.1)" "$(nfs_options 4.1)" || lab_finish
share_round_trips "NFSv3" nfs "$(nfs_source 3)" "$(nfs_options 3)" || lab_finish
share_cut "NFSv4.1" nfs "$(nfs_source 4.1)" "$(nfs_options 4.1)" seen || lab_finish
share_after_cut "NFSv3" nfs "$(nfs_source 3)" "$(nfs_options 3)" || lab_finish
lab_finish
