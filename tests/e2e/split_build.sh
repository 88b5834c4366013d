#!/bin/bash
# The real program on a virtual X server, driven by its keys: F8 cuts a file named on the command
# line into packages of the default size, a second F8 over an older, longer set asks first and
# leaves exactly the new set, F9 on a middle package of the set asks before it replaces the
# original, does nothing on No and rebuilds it byte for byte on Yes, and a path that does not
# exist ends the program at once with exit code 1 and no window.
set -u
source "$(dirname "$(readlink -f "$0")")/lib/program.bash"

package_size=1457664
tail_size=12345

# ---- Inside the virtual display -------------------------------------------------------------

no_box_shown() {
    ! xdotool search --all --onlyvisible --pid "$pid" --name "^(Warning|Error)\$" >/dev/null 2>&1
}

size_of() {
    stat -c %s "$1" 2>/dev/null || echo missing
}

# True when the packages of $file are exactly .c0 .. .c3 with the sizes a split gives.
set_is_complete() {
    [ "$(size_of "$file.c0")" = "$package_size" ] && [ "$(size_of "$file.c1")" = "$package_size" ] \
        && [ "$(size_of "$file.c2")" = "$package_size" ] && [ "$(size_of "$file.c3")" = "$tail_size" ] \
        && [ ! -e "$file.c4" ]
}

describe_set() {
    local index sizes=""
    for index in 0 1 2 3 4; do
        sizes+=".c$index=$(size_of "$file.c$index") "
    done
    echo "$sizes"
}

set_joins_to_original() {
    cat "$file.c0" "$file.c1" "$file.c2" "$file.c3" | cmp -s - "$copy"
}

# Each function below checks one thing for the step named $1. Those that return 1 have failed the
# step and stopped the program; they are not run in a subshell, so that the failure counts and
# only this shell can wait for the program.

# Starts the program with the arguments after $1 and waits for its window.
start_step() {
    local step=$1
    shift
    start 30 "$@" || { fail "$step: the program did not start"; return 1; }
}

# Waits for the overwrite question that the key named $2 brings up and leaves its id in $box.
await_question() {
    box=$(await_box Warning 30)
    if [ -z "$box" ]; then
        fail "$1: no overwrite question within 30 s of $2; windows: $(shown_windows)"
        stop
        return 1
    fi
}

# Waits for exactly the four packages a split of the file gives, after the key or answer named $2.
await_set() {
    if ! poll 60 set_is_complete; then
        fail "$1: no complete set within 60 s of $2 ($(describe_set)); windows: $(shown_windows)"
        stop
        return 1
    fi
}

expect_set_joins() {
    if set_joins_to_original; then
        pass "$1: the packages joined in order equal the original"
    else
        fail "$1: the packages joined in order differ from the original"
        return 1
    fi
}

# Success is told by the bell alone: no message may come up after the command named $2.
expect_no_box() {
    if poll 10 no_box_shown; then
        pass "$1: a successful $2 shows no message"
    else
        fail "$1: a message came up after the $2; windows: $(shown_windows)"
    fi
}

# Ctrl+Q at the end of the step: the program must end, with exit code 0.
quit_step() {
    quit 20 || { fail "$1: Ctrl+Q did not end the program"; return 1; }
    [ "$code" = 0 ] || { fail "$1: Ctrl+Q gave exit code $code, expected 0"; return 1; }
    pass "$1: Ctrl+Q ended the program with exit code 0"
}

# F8 on a file with no packages yet: no question, four packages, the original back when joined.
step_split() {
    local step="split"
    start_step "$step" "$file" || return 1
    press "$window" F8
    await_set "$step" F8 || return 1
    pass "$step: F8 wrote four packages of $package_size, $package_size, $package_size and $tail_size bytes"
    expect_no_box "$step" split
    quit_step "$step" || return 1
    expect_set_joins "$step"
}

# F8 over an older set that is longer and whose first package differs: the question comes, Yes
# replaces the set, and the stale package past the new end is gone.
step_resplit() {
    local step="split over an older set"
    head -c 10 /dev/urandom >"$file.c0"
    head -c 100 /dev/urandom >"$file.c4"
    start_step "$step" "$file" || return 1
    press "$window" F8
    await_question "$step" F8 || return 1
    pass "$step: F8 asks before it replaces an existing set"
    press "$box" alt+y
    await_set "$step" Yes || return 1
    quit_step "$step" || return 1
    expect_set_joins "$step"
}

# F9 on package 2 of the set builds from package 0 into the original's name, which exists: No
# leaves it alone, Yes rebuilds it.
step_build() {
    local step="build"
    # Junk of another length in the original's place: only a real build brings the bytes back.
    head -c 5000 /dev/urandom >"$file"
    cp "$file" "$work/junk"
    start_step "$step" "$file.c2" || return 1

    press "$window" F9
    await_question "$step" F9 || return 1
    pass "$step: F9 asks before it replaces the existing original"
    press "$box" alt+n
    if ! poll 20 no_box_shown; then
        fail "$step: the question did not close on Alt+N; windows: $(shown_windows)"
        stop
        return 1
    fi
    # Events run in order: a build started by No would be over before the next question shows.
    press "$window" F9
    await_question "$step" "the second F9" || return 1
    if cmp -s "$file" "$work/junk"; then
        pass "$step: No leaves the existing file untouched"
    else
        fail "$step: the existing file changed although the question was answered No"
    fi
    press "$box" alt+y
    if ! poll 60 cmp -s "$file" "$copy"; then
        fail "$step: the original was not rebuilt within 60 s of Yes (size $(size_of "$file"));" \
            "windows: $(shown_windows)"
        stop
        return 1
    fi
    pass "$step: Yes rebuilt the original byte for byte from the whole set"
    expect_no_box "$step" build
    quit_step "$step"
}

# A path that names nothing: exit code 1 at once, and no window while it runs.
step_missing() {
    local step="missing file"
    launch "$work/missing"
    # Any window of the process, or any under the main caption: no other instance runs now.
    local deadline=$((SECONDS + 10)) seen=""
    while ! program_ended && [ "$SECONDS" -lt "$deadline" ]; do
        xdotool search --any --onlyvisible --pid "$pid" --name "^${caption}\$" >/dev/null 2>&1 \
            && seen=yes
        sleep 0.1
    done
    if program_ended; then
        collect_exit
        if [ "$code" = 1 ]; then
            pass "$step: the program ends with exit code 1"
        else
            fail "$step: exit code $code, expected 1"
        fi
    else
        fail "$step: the program still runs 10 s after it was given a missing path"
        stop
    fi
    if [ -z "$seen" ]; then
        pass "$step: no window appears"
    else
        fail "$step: a window appeared for a missing path"
    fi
}

in_display() {
    file="$work/data/payload.bin"
    copy="$work/original.bin"
    box=""
    step_split && step_resplit && step_build
    step_missing
    summary
}

enter_display "$@"

# ---- Outside: a private home, the test file, one virtual display for every step ------------

velkaro=${1:?usage: split_build.sh PATH_TO_VELKARO}
require_tools xvfb-run xdotool timeout cmp
[ -x "$velkaro" ] || abort "no program at $velkaro"
velkaro=$(readlink -f "$velkaro")

open_sandbox
mkdir -p "$work/data"
head -c $((3 * package_size + tail_size)) /dev/urandom >"$work/original.bin"
cp "$work/original.bin" "$work/data/payload.bin"

run_in_display 240 "$velkaro"
status=$?
[ "$status" -ne 124 ] || summary
exit "$status"
