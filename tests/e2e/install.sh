#!/bin/bash
# `cmake --install` into a fresh prefix: the command on the PATH runs, the manual sits beside the
# real program, where Help > Manual finds it, and the desktop entry and the icons are in the XDG
# places with an entry that desktop-file-validate accepts.
set -u

# Runs inside the virtual display: starts the installed program, presses F1 and closes it.
press_f1() {
    local velkaro=$1
    "$velkaro" &
    local pid=$!
    local window
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Velkaro v1.0.90 Beta 2\$" | head -n 1)
    if [ -z "$window" ]; then
        kill "$pid" 2>/dev/null
        echo "no window within 20 s" >&2
        return 1
    fi
    xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
    sleep 0.5
    xdotool key --clearmodifiers F1
    local waited=0
    while [ ! -e "$BROWSER_RECORD.done" ] && [ "$waited" -lt 100 ]; do
        sleep 0.1
        waited=$((waited + 1))
    done
    xdotool key --clearmodifiers ctrl+q
    waited=0
    while kill -0 "$pid" 2>/dev/null && [ "$waited" -lt 100 ]; do
        sleep 0.1
        waited=$((waited + 1))
    done
    kill "$pid" 2>/dev/null
    wait "$pid"
}
if [ "${1:-}" = "--in-display" ]; then
    shift
    press_f1 "$@"
    exit
fi

velkaro=${1:?usage: install.sh PATH_TO_VELKARO}
build=$(dirname "$(readlink -f "$velkaro")")
script=$(readlink -f "$0")
passed=0

fail() {
    echo "install.sh: FAIL: $*" >&2
    exit 1
}
pass() {
    echo "ok: $*"
    passed=$((passed + 1))
}

for tool in cmake desktop-file-validate xvfb-run xdotool timeout; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps)"
done
[ -f "$build/CMakeCache.txt" ] || fail "$build is not a build folder"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix with blanks"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 \
    || fail "cmake --install: $(cat "$work/install.log")"

command="$prefix/bin/velkaro"
[ -x "$command" ] || fail "no program at $command"
program=$(readlink -f "$command")
[ -f "$(dirname "$program")/Manual.html" ] || fail "no Manual.html beside $program"
cmp -s "$(dirname "$program")/Manual.html" "$build/Manual.html" || fail "installed manual differs"
pass "program and manual side by side in $(dirname "$program")"

entry="$prefix/share/applications/velkaro.desktop"
[ -f "$entry" ] || fail "no desktop entry at $entry"
desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"
grep -qxF "Exec=$prefix/bin/velkaro %f" "$entry" || fail "entry does not start $command with one file"
grep -qx "Icon=velkaro" "$entry" || fail "entry names no velkaro icon"
pass "desktop entry valid"

for size in 16 32 48 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/velkaro.png"
    [ -f "$icon" ] || fail "no icon at $icon"
    # A PNG file: its signature, then the header chunk with width and height, 32-bit big-endian.
    read -r -a bytes <<<"$(od -An -tu1 -N24 "$icon" | tr "\n" " ")"
    width=$(((bytes[16] << 24) | (bytes[17] << 16) | (bytes[18] << 8) | bytes[19]))
    height=$(((bytes[20] << 24) | (bytes[21] << 16) | (bytes[22] << 8) | bytes[23]))
    [ "${bytes[*]:0:8}" = "137 80 78 71 13 10 26 10" ] && [ "$width" = "$size" ] && [ "$height" = "$size" ] \
        || fail "$icon is not a $size x $size PNG"
done
pass "icons in every size"

status=0
QT_QPA_PLATFORM=offscreen timeout 20 "$command" "$work/missing" 2>/dev/null || status=$?
[ "$status" = 1 ] || fail "a missing file gave exit code $status, expected 1"
pass "installed program runs (a missing file ends it with 1)"

# Help > Manual from the installed program reaches a browser with the installed manual.
mkdir -p "$work/bin" "$work/home" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
export BROWSER_RECORD="$work/browser"
cat >"$work/bin/mozilla" <<'SCRIPT'
#!/bin/sh
printf '%s\n' "$@" > "$BROWSER_RECORD"
: > "$BROWSER_RECORD.done"
SCRIPT
chmod +x "$work/bin/mozilla"
HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
    PATH="$work/bin:$PATH" QT_QPA_PLATFORM= \
    timeout 90 xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
    bash "$script" --in-display "$command" || fail "Help > Manual run: see above"
[ -f "$BROWSER_RECORD.done" ] || fail "F1 started no browser"
[ "$(cat "$BROWSER_RECORD")" = "$(dirname "$program")/Manual.html" ] \
    || fail "browser got '$(cat "$BROWSER_RECORD")'"
pass "F1 opens the installed manual"

echo "install.sh: $passed passed, 0 failed"
