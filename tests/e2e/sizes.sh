#!/bin/bash
# Package sizes typed key by key into the real program on a virtual X server, in the user's
# locale: Spanish digit groups of any length ("2.000" is two thousand), a point before three
# digits refused in French and Russian, where it groups digits, with nothing written, the Swiss
# apostrophe, Devanagari and Arabic-Indic digits, and decimal commas rounded down to bytes. A size
# typed the locale's way is kept as a plain number in the settings file and shown the locale's way
# again at the next start (read through the accessibility bus).
set -u
source "$(dirname "$(readlink -f "$0")")/lib/program.bash"
lib="$(dirname "$script")/lib"

file_size=2000000

# ---- Inside the virtual display and its D-Bus session --------------------------------------

store() {
    echo "$XDG_CONFIG_HOME/Ostrevan Software/Velkaro.conf"
}

size_box() {
    /usr/bin/python3 "$lib/fields.py" "$1" size 2>/dev/null
}

size_box_shows() {
    [ "$(size_box text)" = "$1" ]
}

package_is() {
    [ "$(stat -c %s "$work/data/file.c0" 2>/dev/null)" = "$1" ]
}

# Any window of the program besides its main window: the message a refused size brings up.
message_shown() {
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$pid" --name "" 2>/dev/null); do
        [ "$id" != "$window" ] && return 0
    done
    return 1
}

start_in() {
    LC_ALL=$1 LANG=$1 start 30 "$work/data/file" || { fail "$1: the program did not start"; return 1; }
}

# In locale $1, with unit index $3, types $2 and presses F8: a first package of $4 bytes, or none
# and a message where $4 is "refused"; then the settings keep $5 and the next start shows $6.
size_case() {
    local locale=$1 typed=$2 unit=$3 bytes=$4 stored=${5:-} restored=${6:-}
    local step="$locale '$typed'"
    find "$work/data" -name 'file.c*' -delete
    printf '[Velkaro]\nUnits=%s\n' "$unit" >"$(store)"
    start_in "$locale" || return
    # By the mouse: the label's key differs from language to language.
    local x y
    poll 20 size_box where >/dev/null || { fail "$step: no size box on the bus"; stop; return; }
    read -r x y < <(size_box where)
    xdotool mousemove "$x" "$y" click 1
    # xdotool types a character that has no key by remapping a spare key for it, which a busy
    # display may read before the change: the text is typed again until the box shows it.
    local tries
    for tries in 1 2 3; do
        xdotool key --clearmodifiers ctrl+a
        xdotool type --delay 80 "$typed"
        poll 5 size_box_shows "$typed" && break
    done
    size_box_shows "$typed" || { fail "$step: the box shows '$(size_box text)' after typing"; stop; return; }
    xdotool key F8
    if [ "$bytes" = refused ]; then
        if poll 20 message_shown; then
            pass "$step: refused with a message"
        else
            fail "$step: no message within 20 s of F8"
        fi
        if [ -e "$work/data/file.c0" ]; then
            fail "$step: a package was written"
        else
            pass "$step: nothing written"
        fi
        stop
        return
    fi
    if poll 30 package_is "$bytes"; then
        pass "$step: packages of $bytes bytes"
    else
        fail "$step: first package of $(stat -c %s "$work/data/file.c0" 2>/dev/null || echo no) bytes," \
            "expected $bytes; windows: $(shown_windows)"
        stop
        return
    fi
    quit 20 || { fail "$step: Ctrl+Q did not end the program"; return; }
    if grep -Eq "^PackageSize=$stored(,|\$)" "$(store)"; then
        pass "$step: kept as $stored in the settings"
    else
        fail "$step: settings hold $(grep PackageSize "$(store)"), expected $stored first"
    fi
    start_in "$locale" || return
    if poll 20 size_box_shows "$restored"; then
        pass "$step: shown as $restored at the next start"
    else
        fail "$step: shown as '$(size_box text)' at the next start, expected '$restored'"
    fi
    stop
}

in_display() {
    # Units: 0 bytes, 1 KB.
    size_case es_ES.UTF-8 "2.000" 0 2000 2000 2000
    size_case es_ES.UTF-8 "1.500" 1 1536000 1500 1500
    size_case es_ES.UTF-8 "1,5" 1 1536 1.5 1,5
    size_case fr_FR.UTF-8 "1.500" 1 refused
    size_case ru_RU.UTF-8 "1.500" 1 refused
    size_case fr_FR.UTF-8 "7,5" 1 7680 7.5 7,5
    size_case de_DE.UTF-8 "1.500" 0 1500 1500 1500
    size_case de_CH.UTF-8 "1'500" 0 1500 1500 1500
    size_case hi_IN.UTF-8 "१५००" 0 1500 1500 1500
    size_case ar_EG.UTF-8 "١٠" 1 10240 10 "١٠"
    summary
}

enter_display "$@"

# ---- Outside: a private home, the file, one display with its session -----------------------

velkaro=${1:?usage: sizes.sh PATH_TO_VELKARO}
require_tools xvfb-run xdotool timeout
require_bus_session
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || abort "python3-pyatspi is missing (scripts/install-deps)"
[ -x "$velkaro" ] || abort "no program at $velkaro"
velkaro=$(readlink -f "$velkaro")

open_sandbox
mkdir -p "$work/data" "$XDG_CONFIG_HOME/Ostrevan Software"
head -c "$file_size" /dev/urandom >"$work/data/file"

bus_session=yes run_in_display 240 "$velkaro"
