#!/bin/bash
# The real program on a virtual X server: its window appears under its caption at no less than its
# least size, Ctrl+Q ends it with exit code 0 after writing the settings, a second run puts the
# window back where the stored settings say, and on a small screen a stored place out of reach is
# brought wholly onto it while one that fits is kept.
set -u
source "$(dirname "$(readlink -f "$0")")/lib/program.bash"

# Runs inside the virtual display: starts the program, checks its window against the expected
# geometry (a minimum size, or an exact "WIDTHxHEIGHT+X+Y"), closes it with Ctrl+Q and reports the
# program's exit code on stdout.
in_display() {
    local expected=$1
    start 20 || return 1

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

    quit 10 || return 1
    echo "exit=$code"
    return "$status"
}

enter_display "$@"

velkaro=${1:?usage: window.sh PATH_TO_VELKARO}
require_tools xvfb-run xdotool timeout
[ -x "$velkaro" ] || abort "no program at $velkaro"
velkaro=$(readlink -f "$velkaro")

open_sandbox
store="$XDG_CONFIG_HOME/Ostrevan Software/Velkaro.conf"

echo "first run: empty settings"
result=$(run_in_display 90 "$velkaro" "min:428x279") || abort "first run: see above"
[ "$result" = "exit=0" ] || abort "first run: Ctrl+Q gave '$result', expected exit=0"
[ -f "$store" ] || abort "no settings written to $store"
for key in WindowWidth WindowHeight WindowX WindowY PackageSize Units; do
    grep -q "^$key=" "$store" || abort "settings lack $key: $(cat "$store")"
done
grep -qx "PackageSize=1457664" "$store" || abort "unexpected package sizes: $(cat "$store")"
grep -qx "Units=0" "$store" || abort "unexpected unit: $(cat "$store")"
pass "first run: a window of at least 428x279, exit code 0, the default settings written"

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
result=$(run_in_display 90 "$velkaro" "600x420+40+30") || abort "second run: see above"
[ "$result" = "exit=0" ] || abort "second run: Ctrl+Q gave '$result', expected exit=0"
grep -qx "WindowWidth=600" "$store" && grep -qx "WindowHeight=420" "$store" \
    || abort "size not saved back unchanged: $(cat "$store")"
grep -qx "WindowX=40" "$store" && grep -qx "WindowY=30" "$store" \
    || abort "position not saved back unchanged: $(cat "$store")"
grep -qx "PackageSize=2, 1457664" "$store" && grep -qx "Units=1" "$store" \
    || abort "history or unit not saved back unchanged: $(cat "$store")"
pass "second run: the window at the stored place, the settings saved back unchanged"

# On a 640x480 screen the window stored as $2 (WIDTHxHEIGHT+X+Y) must show, and be saved, as $3.
small_screen_run() {
    local width height x y result
    IFS='x+' read -r width height x y <<<"$2"
    printf '[Velkaro]\nWindowWidth=%s\nWindowHeight=%s\nWindowX=%s\nWindowY=%s\n' \
        "$width" "$height" "$x" "$y" >"$store"
    result=$(screen_size=640x480 run_in_display 90 "$velkaro" "$3") && [ "$result" = "exit=0" ] \
        || { fail "$1: stored $2, see above"; return; }
    IFS='x+' read -r width height x y <<<"$3"
    grep -qx "WindowWidth=$width" "$store" && grep -qx "WindowHeight=$height" "$store" \
        && grep -qx "WindowX=$x" "$store" && grep -qx "WindowY=$y" "$store" \
        || { fail "$1: not saved as shown: $(cat "$store")"; return; }
    pass "$1: stored $2, shown and saved as $3 on a 640x480 screen"
}

small_screen_run "beyond the screen" "600x420+3000+2000" "600x420+40+60"
small_screen_run "larger than the screen" "900x700+50+30" "640x480+0+0"
small_screen_run "flush with the far edges" "500x300+140+180" "500x300+140+180"

summary
