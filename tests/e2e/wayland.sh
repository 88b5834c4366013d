#!/bin/bash
# On a Wayland session with XWayland, as GNOME's is, the program opens its window through X11,
# where its bell rings: run under a headless Weston with XWayland, with the Wayland plugin of the
# toolkit installed (which would otherwise make the window a Wayland client), its window must
# appear on the X display.
set -u
source "$(dirname "$(readlink -f "$0")")/lib/program.bash"

velkaro=${1:?usage: wayland.sh PATH_TO_VELKARO}
[ -x "$velkaro" ] || abort "no program at $velkaro"
velkaro=$(readlink -f "$velkaro")
for tool in weston Xwayland xdotool qtpaths6 timeout; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/install-deps test)"
done
[ -f "$(qtpaths6 --plugin-dir)/platforms/libqwayland-generic.so" ] \
    || skip "the toolkit's Wayland plugin (qt6-wayland) is not installed: every window is X11"

open_sandbox
compositor=""
stop_compositor() {
    [ -z "$compositor" ] || kill "$compositor" 2>/dev/null
    close_sandbox
}
trap stop_compositor EXIT

weston --backend=headless-backend.so --socket=velkaro-test --xwayland --idle-time=0 \
    --log="$work/weston.log" >/dev/null 2>&1 &
compositor=$!
x_display() {
    sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log" 2>/dev/null
}
x_display_ready() {
    [ -n "$(x_display)" ]
}
poll 20 x_display_ready \
    || skip "headless Weston with XWayland does not start here: $(tail -n 3 "$work/weston.log")"

DISPLAY=$(x_display)
export WAYLAND_DISPLAY=velkaro-test XDG_SESSION_TYPE=wayland DISPLAY
start 20 || abort "no window on the X display $DISPLAY: $(shown_windows)"
pass "on a Wayland session the window opens through XWayland, where the bell rings"
stop

summary
