#!/bin/bash
# The kernel's SMB client (cifs) in a virtual machine with Debian's own kernel, against smbd on
# the host, with SMB 3.1.1 and 3.0: splits into two or more packages, builds, a build over an old
# destination and a split over a whole old set all succeed and leave their results whole; the
# client pulled (the machine killed) right after true or just after the old package 0's name goes
# leaves the new set whole, or the old one, or none, never zeros under an old name.
source "$(dirname "$(readlink -f "$0")")/lib/lab.bash"
source "$LIB/shares.bash"
private_network "$@"
lab_start "${1:-}"
# The client's signing and encryption ciphers are loaded up front: nothing in the machine can
# load a module on the kernel's request.
vm_usable virtio_net cifs cmac sha512 ctr ghash_generic crypto_null seqiv gcm ccm
MACHINE=vm
start_smbd
make_trial_sources

share_round_trips "SMB 3.1.1" cifs "$(smb_source)" "$(smb_options 3.1.1)" || lab_finish
share_round_trips "SMB 3.0" cifs "$(smb_source)" "$(smb_options 3.0)" || lab_finish
# An SMB removal of a file still open only marks it to go when it is closed: a wipe that follows
# writes under the old name, which a client pulled a tenth of a second after the name went from
# its own view leaves behind. Three moments around that tenth.
for moment in seen+0.07 seen+0.1 seen+0.13; do
    share_cut "SMB 3.1.1" cifs "$(smb_source)" "$(smb_options 3.1.1)" $moment || lab_finish
done
share_after_cut "SMB 3.1.1" cifs "$(smb_source)" "$(smb_options 3.1.1)" || lab_finish
lab_finish
