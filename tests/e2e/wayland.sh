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

# On the Wayland platform itself the display has no bell: start-up's refusal of a path is heard
# as the sound theme's bell, here through a sound card that writes what it plays to a file.
if [ -f /usr/share/sounds/freedesktop/stereo/bell.oga ]; then
    played="$work/played.raw"
    printf 'pcm.!default { type file slave.pcm "null" format "raw" file "%s" }\n' "$played" \
        >"$HOME/.asoundrc"
    status=0
    CANBERRA_DRIVER=alsa QT_QPA_PLATFORM=wayland timeout 20 "$velkaro" "$work/missing" \
        2>/dev/null || status=$?
    [ "$status" = 1 ] || fail "a missing file on the Wayland platform gave exit code $status"
    [ -s "$played" ] || fail "a missing file on the Wayland platform rang no bell sound"
    [ "$status" = 1 ] && [ -s "$played" ] \
        && pass "on the Wayland platform the refusal of a path is heard as the bell sound"
else
    echo "the freedesktop sound theme is not installed: the Wayland bell sound is not checked"
fi

summary
