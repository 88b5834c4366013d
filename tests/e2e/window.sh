#!/bin/bash
# The real program on a virtual X server: its window appears under its caption at no less than its
# least size, Ctrl+Q ends it with exit code 0 after writing the settings, and a second run puts the
# window back where the stored settings say.
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

summary
