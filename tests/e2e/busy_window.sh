#!/bin/bash
# The real program on a virtual X server while it splits a file of gigabytes: over an older set the
# answered question is gone at once and the window shows itself again where the question stood,
# while the split is still running; and a key pressed meanwhile takes effect once it is done.
set -u
source "$(dirname "$(readlink -f "$0")")/lib/program.bash"

source_size=$((3 << 30))

# ---- Inside the virtual display -------------------------------------------------------------

question_gone() {
    ! xdotool search --all --onlyvisible --pid "$pid" --name "^Warning\$" >/dev/null 2>&1
}

# The split writes package 0 last: until it exists the split is still at work.
split_running() {
    [ ! -e "$file.c0" ] && ! program_ended
}

split_done() {
    [ -e "$file.c0" ] || program_ended
}

# Over an older set: the question is answered, and the window must show itself again at once.
step_repaint() {
    echo "old" >"$file.c0"
    # The focus goes to a button, whose look does not change with time as a text caret does.
    start 30 "$file" || { fail "the program did not start"; return 1; }
    press "$window" Tab
    press "$window" F8
    local box
    box=$(await_box Warning 30)
    [ -n "$box" ] || { fail "no overwrite question within 30 s of F8"; stop; return 1; }
    press "$box" alt+y
    if poll 1 question_gone; then
        pass "the answered question is gone within a second"
    else
        fail "the answered question still shows a second after it was answered"
    fi
    sleep 0.5
    split_running || abort "the split was over before the window could be looked at; a larger" \
        "file is needed on a disk this fast"
    xwd -silent -id "$window" >"$work/during.xwd"
    poll 300 split_done || { fail "the split did not end within 300 s"; stop; return 1; }
    sleep 1
    xwd -silent -id "$window" >"$work/idle.xwd"
    if cmp -s "$work/during.xwd" "$work/idle.xwd"; then
        pass "the window was painted in full while the split ran"
    else
        fail "the window looked different while the split ran: not repainted where the question was"
    fi
    stop
}

# A key pressed while the split runs waits for it, and then takes effect at once.
step_key_waits() {
    rm -f "$file".c*
    start 30 "$file" || { fail "the program did not start"; return 1; }
    press "$window" F8
    sleep 1
    split_running || abort "the split was over before a key could be pressed during it"
    xdotool key --clearmodifiers ctrl+q
    sleep 1
    split_running || { fail "Ctrl+Q pressed during the split cut it short"; stop; return 1; }
    poll 300 split_done || { fail "the split did not end within 300 s"; stop; return 1; }
    if poll 5 program_ended; then
        collect_exit
        pass "Ctrl+Q pressed during the split ended the program once the split was done"
    else
        fail "Ctrl+Q pressed during the split did not end the program within 5 s of its end"
        stop
    fi
}

in_display() {
    file="$work/big"
    step_repaint && step_key_waits
    summary
}

enter_display "$@"

# ---- Outside: a private home, a large file and an older set, one virtual display ------------

velkaro=${1:?usage: busy_window.sh PATH_TO_VELKARO}
require_tools xvfb-run xdotool xwd timeout cmp fallocate
[ -x "$velkaro" ] || abort "no program at $velkaro"
velkaro=$(readlink -f "$velkaro")

open_sandbox
free=$(df --output=avail -B1 "$work" | tail -n 1)
needed=$((2 * source_size + (1 << 30)))
[ "$free" -ge "$needed" ] \
    || skip "needs $((needed >> 20)) MiB free in $work for a large file and its packages, has $((free >> 20)) MiB"
# Allocated, not written: the split still writes every byte of its packages.
fallocate -l "$source_size" "$work/big"

run_in_display 400 "$velkaro"
status=$?
[ "$status" -ne 124 ] || summary
exit "$status"
