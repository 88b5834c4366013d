#!/bin/bash
# `cmake --install` into a fresh prefix: the command on the PATH runs, the manual sits beside the
# real program, where Help > Manual finds it, and the desktop entry and the icons are in the XDG
# places with an entry that desktop-file-validate accepts.
set -u
source "$(dirname "$(readlink -f "$0")")/lib/program.bash"

# Runs inside the virtual display: starts the installed program, presses F1 and closes it.
in_display() {
    start 20 || return 1
    press "$window" F1
    # Whether a browser came, and with which page, is checked outside.
    poll 10 test -e "$BROWSER_RECORD.done"
    quit 10 || return 1
    [ "$code" = 0 ] || { echo "Ctrl+Q gave exit code $code, expected 0" >&2; return 1; }
}

enter_display "$@"

velkaro=${1:?usage: install.sh PATH_TO_VELKARO}
build=$(dirname "$(readlink -f "$velkaro")")
require_tools cmake desktop-file-validate xvfb-run xdotool timeout
[ -f "$build/CMakeCache.txt" ] || abort "$build is not a build folder"

open_sandbox
prefix="$work/prefix with blanks"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 \
    || abort "cmake --install: $(cat "$work/install.log")"

command="$prefix/bin/velkaro"
[ -x "$command" ] || abort "no program at $command"
program=$(readlink -f "$command")
[ -f "$(dirname "$program")/Manual.html" ] || abort "no Manual.html beside $program"
cmp -s "$(dirname "$program")/Manual.html" "$build/Manual.html" || abort "installed manual differs"
pass "program and manual side by side in $(dirname "$program")"

entry="$prefix/share/applications/velkaro.desktop"
[ -f "$entry" ] || abort "no desktop entry at $entry"
desktop-file-validate "$entry" || abort "desktop-file-validate rejects $entry"
grep -qxF "Exec=$prefix/bin/velkaro %f" "$entry" || abort "entry does not start $command with one file"
grep -qx "Icon=velkaro" "$entry" || abort "entry names no velkaro icon"
pass "desktop entry valid"

for size in 16 32 48 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/velkaro.png"
    [ -f "$icon" ] || abort "no icon at $icon"
    # A PNG file: its signature, then the header chunk with width and height, 32-bit big-endian.
    read -r -a bytes <<<"$(od -An -tu1 -N24 "$icon" | tr "\n" " ")"
    width=$(((bytes[16] << 24) | (bytes[17] << 16) | (bytes[18] << 8) | bytes[19]))
    height=$(((bytes[20] << 24) | (bytes[21] << 16) | (bytes[22] << 8) | bytes[23]))
    [ "${bytes[*]:0:8}" = "137 80 78 71 13 10 26 10" ] && [ "$width" = "$size" ] && [ "$height" = "$size" ] \
        || abort "$icon is not a $size x $size PNG"
done
pass "icons in every size"

status=0
QT_QPA_PLATFORM=offscreen timeout 20 "$command" "$work/missing" 2>/dev/null || status=$?
[ "$status" = 1 ] || abort "a missing file gave exit code $status, expected 1"
pass "installed program runs (a missing file ends it with 1)"

# Help > Manual from the installed program reaches a browser with the installed manual.
mkdir -p "$work/bin"
export BROWSER_RECORD="$work/browser"
cat >"$work/bin/mozilla" <<'SCRIPT'
#!/bin/sh
printf '%s\n' "$@" > "$BROWSER_RECORD"
: > "$BROWSER_RECORD.done"
SCRIPT
chmod +x "$work/bin/mozilla"
PATH="$work/bin:$PATH" run_in_display 90 "$command" || abort "Help > Manual run: see above"
[ -f "$BROWSER_RECORD.done" ] || abort "F1 started no browser"
[ "$(cat "$BROWSER_RECORD")" = "$(dirname "$program")/Manual.html" ] \
    || abort "browser got '$(cat "$BROWSER_RECORD")'"
pass "F1 opens the installed manual"

summary
