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

# After the drop named $1, the Source field must read $2 and the Destination $3.
expect_fields() {
    if poll 10 fields_are "$2" "$3"; then
        pass "$1: Source '$2', Destination '$3'"
    else
        fail "$1: Source '$(field text Source)', Destination '$(field text Destination)';" \
            "expected '$2' and '$3'"
    fi
}

in_display() {
    start 30 || abort "the program did not start"
    poll 20 field where Source >/dev/null || abort "the fields are not on the accessibility bus"
    local data="$work/data" url="file://$work/data"

    drag_onto Source "$url/my%20film.avi"
    expect_fields "a file on Source" "$data/my film.avi" "$data/my film.avi"

    drag_onto Destination "$url/film.avi.c1"
    expect_fields "a package on Destination" "$data/film.avi.c1" "$data/film.avi"

    drag_onto Source "$url/100%25%20%C5%BElu%C5%A5ou%C4%8Dk%C3%BD.avi"
    expect_fields "a second drop on Source" "$data/100% žluťoučký.avi" "$data/100% žluťoučký.avi"

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
