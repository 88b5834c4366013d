#!/bin/bash
# The real program on a virtual X server: its window appears under its caption at no less than its
# least size, Ctrl+Q ends it with exit code 0 after writing the settings, and a second run puts the
# window back where the stored settings say.
set -u

# Runs inside the virtual display: starts the program, checks its window against the expected
# geometry (a minimum size, or an exact "WIDTHxHEIGHT+X+Y"), closes it with Ctrl+Q and reports the
# program's exit code on stdout.
run_once() {
    local velkaro=$1 caption=$2 expected=$3
    "$velkaro" &
    local pid=$!
    local window
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "^${caption}\$" | head -n 1)
    if [ -z "$window" ]; then
        kill "$pid" 2>/dev/null
        echo "no window named '$caption' within 20 s" >&2
        return 1
    fi

    local WIDTH HEIGHT X Y SCREEN
    eval "$(xdotool getwindowgeometry --shell "$window")"
    echo "window $window: ${WIDTH}x${HEIGHT}+${X}+${Y}" >&2
    local status=0
    case $expected in
    min:*)
        local least=${expected#min:}
        if [ "$WIDTH" -lt "${least%x*}" ] || [ "$HEIGHT" -lt "${least#*x}" ]; then
            echo "window is ${WIDTH}x${HEIGHT}, smaller than $least" >&2
            status=1
        fi
        ;;
    *)
        if [ "${WIDTH}x${HEIGHT}+${X}+${Y}" != "$expected" ]; then
            echo "window is ${WIDTH}x${HEIGHT}+${X}+${Y}, expected $expected" >&2
            status=1
        fi
        ;;
    esac

    # No window manager runs here, so give the window the focus directly before the key press.
    xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
    sleep 0.5
    xdotool key --clearmodifiers ctrl+q

    local waited=0
    while kill -0 "$pid" 2>/dev/null && [ "$waited" -lt 100 ]; do
        sleep 0.1
        waited=$((waited + 1))
    done
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
        echo "the program did not end within 10 s of Ctrl+Q" >&2
        wait "$pid"
        return 1
    fi
    wait "$pid"
    echo "exit=$?"
    return "$status"
}
# xvfb-run hands its command to /bin/sh, which drops exported functions: the script calls itself.
if [ "${1:-}" = "--in-display" ]; then
    shift
    run_once "$@"
    exit
fi

velkaro=${1:?usage: window.sh PATH_TO_VELKARO}
script=$(readlink -f "$0")
caption="Velkaro v1.0.90 Beta 2"

fail() {
    echo "window.sh: FAIL: $*" >&2
    exit 1
}

for tool in xvfb-run xdotool timeout; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps)"
done
[ -x "$velkaro" ] || fail "no program at $velkaro"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
store="$XDG_CONFIG_HOME/Ostrevan Software/Velkaro.conf"
unset QT_QPA_PLATFORM

in_display() {
    timeout 90 xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
        bash "$script" --in-display "$@"
}

echo "first run: empty settings"
result=$(in_display "$velkaro" "$caption" "min:428x279") || fail "first run: see above"
[ "$result" = "exit=0" ] || fail "first run: Ctrl+Q gave '$result', expected exit=0"
[ -f "$store" ] || fail "no settings written to $store"
for key in WindowWidth WindowHeight WindowX WindowY PackageSize Units; do
    grep -q "^$key=" "$store" || fail "settings lack $key: $(cat "$store")"
done
grep -qx "PackageSize=1457664" "$store" || fail "unexpected package sizes: $(cat "$store")"
grep -qx "Units=0" "$store" || fail "unexpected unit: $(cat "$store")"

echo "second run: stored geometry"
cat >"$store" <<'EOF'
[Velkaro]
WindowWidth=600
WindowHeight=420
WindowX=40
WindowY=30
PackageSize=2, 1457664
Units=1
EOF
result=$(in_display "$velkaro" "$caption" "600x420+40+30") || fail "second run: see above"
[ "$result" = "exit=0" ] || fail "second run: Ctrl+Q gave '$result', expected exit=0"
grep -qx "WindowWidth=600" "$store" && grep -qx "WindowHeight=420" "$store" \
    || fail "size not saved back unchanged: $(cat "$store")"
grep -qx "WindowX=40" "$store" && grep -qx "WindowY=30" "$store" \
    || fail "position not saved back unchanged: $(cat "$store")"
grep -qx "PackageSize=2, 1457664" "$store" && grep -qx "Units=1" "$store" \
    || fail "history or unit not saved back unchanged: $(cat "$store")"

echo "window.sh: 2 passed, 0 failed"
