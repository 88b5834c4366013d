#!/bin/bash
# Files dragged from a file manager (a GTK drag source offering a URI list, as one does) and
# dropped by the mouse on the real program's Source or Destination field on a virtual X server:
# the same drop as on the window, decoded ("%20", "%25", UTF-8) with the destination proposed, a
# package proposing its base; a second drop replaces the first; and Split then cuts the file.
# The fields are found and read through the accessibility bus.
set -u
source "$(dirname "$(readlink -f "$0")")/lib/program.bash"
lib="$(dirname "$script")/lib"

# ---- Inside the virtual display and its D-Bus session --------------------------------------

field() {
    /usr/bin/python3 "$lib/fields.py" "$@" 2>/dev/null
}

# Drags the URI $2 from the drag source and lets go over the field named $1.
drag_onto() {
    local target=$1 uri=$2 x y
    read -r x y < <(field where "$target") || { fail "no field named $target"; return 1; }
    /usr/bin/python3 "$lib/dragsource.py" "$uri" >"$work/source.out" 2>&1 &
    local source_pid=$!
    poll 20 grep -q ready "$work/source.out" || { fail "the drag source did not show"; return 1; }
    timeout 20 xdotool search --sync --onlyvisible --name '^drag source$' >/dev/null \
        || { fail "the drag source is not on the screen"; return 1; }
    # Pressed on the source, moved past GTK's threshold, then over the field in steps: the drag
    # protocol sees the target as the pointer enters it.
    xdotool mousemove 660 540 mousedown 1
    local step
    for step in 1 2 3 4 5 6; do
        xdotool mousemove_relative -- -25 -25
        sleep 0.05
    done
    xdotool mousemove "$x" "$y"
    sleep 0.3
    xdotool mousemove "$((x + 4))" "$y"
    sleep 0.3
    xdotool mouseup 1
    poll 20 eval "! kill -0 $source_pid 2>/dev/null" || kill "$source_pid" 2>/dev/null
    wait "$source_pid" 2>/dev/null
}

fields_are() {
    [ "$(field text Source)" = "$1" ] && [ "$(field text Destination)" = "$2" ]
}

# Drops the URI $3 on the field named $2; then the Source field must read $4 and the
# Destination $5 (the check named $1). A drag that a loaded display lost on its way is made
# once more: the same drop again gives the same fields.
drop_expect() {
    local attempt
    for attempt in 1 2; do
        drag_onto "$2" "$3" || return
        if poll 10 fields_are "$4" "$5"; then
            pass "$1: Source '$4', Destination '$5'"
            return
        fi
    done
    fail "$1: Source '$(field text Source)', Destination '$(field text Destination)';" \
        "expected '$4' and '$5'"
}

in_display() {
    start 30 || abort "the program did not start"
    poll 20 field where Source >/dev/null || abort "the fields are not on the accessibility bus"
    local data="$work/data" url="file://$work/data"

    drop_expect "a file on Source" Source "$url/my%20film.avi" \
        "$data/my film.avi" "$data/my film.avi"
    drop_expect "a package on Destination" Destination "$url/film.avi.c1" \
        "$data/film.avi.c1" "$data/film.avi"
    drop_expect "a second drop on Source" Source "$url/100%25%20%C5%BElu%C5%A5ou%C4%8Dk%C3%BD.avi" \
        "$data/100% žluťoučký.avi" "$data/100% žluťoučký.avi"

    press "$window" F8
    if poll 30 test -e "$data/100% žluťoučký.avi.c0"; then
        pass "Split cuts the dropped file"
    else
        fail "Split wrote no package of the dropped file; windows: $(shown_windows)"
    fi
    stop
    summary
}

enter_display "$@"

# ---- Outside: a private home, the files, one display with its session -----------------------

velkaro=${1:?usage: drop.sh PATH_TO_VELKARO}
require_tools xvfb-run xdotool timeout
require_bus_session
/usr/bin/python3 -c 'import pyatspi, gi; gi.require_version("Gtk", "3.0")' 2>/dev/null \
    || abort "python3-pyatspi or GTK's bindings are missing (scripts/install-deps)"
[ -x "$velkaro" ] || abort "no program at $velkaro"
velkaro=$(readlink -f "$velkaro")

open_sandbox
mkdir -p "$work/data"
for name in "my film.avi" film.avi film.avi.c0 film.avi.c1 "100% žluťoučký.avi"; do
    echo "$name" >"$work/data/$name"
done

bus_session=yes run_in_display 120 "$velkaro"
