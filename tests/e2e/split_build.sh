#!/bin/bash
# The real program on a virtual X server, driven by its keys: F8 cuts a file named on the command
# line into packages of the default size, a second F8 over an older, longer set asks first and
# leaves exactly the new set, F9 on a middle package of the set asks before it replaces the
# original, does nothing on No and rebuilds it byte for byte on Yes, and a path that does not
# exist ends the program at once with exit code 1 and no window.
set -u

caption="Velkaro v1.0.90 Beta 2"
package_size=1457664
tail_size=12345

# ---- Inside the virtual display -------------------------------------------------------------

passed=0
failed=0
pid=""
window=""
code=""

pass() {
    passed=$((passed + 1))
    echo "ok: $*"
}

fail() {
    failed=$((failed + 1))
    echo "split_build.sh: FAIL: $*" >&2
}

# Calls "$@" every 0.2 s until it succeeds or the given number of seconds has gone by.
poll() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ "$SECONDS" -ge "$deadline" ] && return 1
        sleep 0.2
    done
}

# Names of the visible top-level windows of the running program, for failure messages.
shown_windows() {
    local id names=""
    for id in $(xdotool search --all --onlyvisible --pid "$pid" --name "" 2>/dev/null); do
        names+="'$(xdotool getwindowname "$id" 2>/dev/null)' "
    done
    echo "${names:-none}"
}

# Starts the program with the given arguments and waits for its main window.
start() {
    "$velkaro" "$@" &
    pid=$!
    echo "$pid" >"$work/pid"
    window=$(timeout 30 xdotool search --sync --all --onlyvisible --pid "$pid" --name "^${caption}\$" \
        2>/dev/null | head -n 1)
    if [ -z "$window" ]; then
        echo "no window named '$caption' within 30 s" >&2
        stop
        return 1
    fi
}

# No window manager runs here: each window gets the focus directly before keys go to it.
press() {
    local target=$1 keys=$2
    xdotool windowfocus --sync "$target" 2>/dev/null || xdotool windowfocus "$target"
    sleep 0.3
    xdotool key --clearmodifiers "$keys"
}

# Waits for a visible window of the program with the given caption and prints its id.
await_box() {
    timeout "$2" xdotool search --sync --all --onlyvisible --pid "$pid" --name "^$1\$" 2>/dev/null \
        | head -n 1
}

no_box_shown() {
    ! xdotool search --all --onlyvisible --pid "$pid" --name "^(Warning|Error)\$" >/dev/null 2>&1
}

program_ended() {
    ! kill -0 "$pid" 2>/dev/null
}

# Closes the program with Ctrl+Q and leaves its exit code in $code; fails if it does not end in
# 20 s. Not run in a subshell: only this shell can wait for the program.
quit() {
    press "$window" ctrl+q
    if ! poll 20 program_ended; then
        echo "the program did not end within 20 s of Ctrl+Q" >&2
        stop
        return 1
    fi
    code=0
    wait "$pid" || code=$?
    forget_program
}

# The id is gone with the process: the clean-up outside must not signal a later owner of it.
forget_program() {
    pid=""
    : >"$work/pid"
}

stop() {
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    forget_program
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

# F8 on a file with no packages yet: no question, four packages, the original back when joined.
step_split() {
    local step="split"
    start "$file" || { fail "$step: the program did not start"; return 1; }
    press "$window" F8
    if ! poll 60 set_is_complete; then
        fail "$step: no complete set within 60 s of F8 ($(describe_set)); windows: $(shown_windows)"
        stop
        return 1
    fi
    pass "$step: F8 wrote four packages of $package_size, $package_size, $package_size and $tail_size bytes"
    if no_box_shown; then
        pass "$step: a successful split shows no message"
    else
        fail "$step: a message came up after the split; windows: $(shown_windows)"
    fi
    quit || { fail "$step: Ctrl+Q did not end the program"; return 1; }
    [ "$code" = 0 ] || { fail "$step: Ctrl+Q gave exit code $code, expected 0"; return 1; }
    pass "$step: Ctrl+Q ended the program with exit code 0"
    if set_joins_to_original; then
        pass "$step: the packages joined in order equal the original"
    else
        fail "$step: the packages joined in order differ from the original"
        return 1
    fi
}

# F8 over an older set that is longer and whose first package differs: the question comes, Yes
# replaces the set, and the stale package past the new end is gone.
step_resplit() {
    local step="split over an older set"
    head -c 10 /dev/urandom >"$file.c0"
    head -c 100 /dev/urandom >"$file.c4"
    start "$file" || { fail "$step: the program did not start"; return 1; }
    press "$window" F8
    local box
    box=$(await_box Warning 30)
    if [ -z "$box" ]; then
        fail "$step: no overwrite question within 30 s of F8; windows: $(shown_windows)"
        stop
        return 1
    fi
    pass "$step: F8 asks before it replaces an existing set"
    press "$box" alt+y
    if ! poll 60 set_is_complete; then
        fail "$step: no complete new set within 60 s of Yes ($(describe_set)); windows: $(shown_windows)"
        stop
        return 1
    fi
    quit || { fail "$step: Ctrl+Q did not end the program"; return 1; }
    [ "$code" = 0 ] || { fail "$step: Ctrl+Q gave exit code $code, expected 0"; return 1; }
    if set_joins_to_original; then
        pass "$step: Yes left exactly the new four packages, which join to the original"
    else
        fail "$step: the new packages joined in order differ from the original"
        return 1
    fi
}

# F9 on package 2 of the set builds from package 0 into the original's name, which exists: No
# leaves it alone, Yes rebuilds it.
step_build() {
    local step="build"
    # Junk of another length in the original's place: only a real build brings the bytes back.
    head -c 5000 /dev/urandom >"$file"
    cp "$file" "$work/junk"
    start "$file.c2" || { fail "$step: the program did not start"; return 1; }

    press "$window" F9
    local box
    box=$(await_box Warning 30)
    if [ -z "$box" ]; then
        fail "$step: no overwrite question within 30 s of F9; windows: $(shown_windows)"
        stop
        return 1
    fi
    pass "$step: F9 asks before it replaces the existing original"
    press "$box" alt+n
    if ! poll 20 no_box_shown; then
        fail "$step: the question did not close on Alt+N; windows: $(shown_windows)"
        stop
        return 1
    fi
    # Events run in order: a build started by No would be over before the next question shows.
    press "$window" F9
    box=$(await_box Warning 30)
    if [ -z "$box" ]; then
        fail "$step: no overwrite question within 30 s of the second F9; windows: $(shown_windows)"
        stop
        return 1
    fi
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
    if poll 10 no_box_shown; then
        pass "$step: a successful build shows no message"
    else
        fail "$step: a message came up after the build; windows: $(shown_windows)"
    fi
    quit || { fail "$step: Ctrl+Q did not end the program"; return 1; }
    [ "$code" = 0 ] || { fail "$step: Ctrl+Q gave exit code $code, expected 0"; return 1; }
    pass "$step: Ctrl+Q ended the program with exit code 0"
}

# A path that names nothing: exit code 1 at once, and no window while it runs.
step_missing() {
    local step="missing file"
    "$velkaro" "$work/missing" &
    pid=$!
    echo "$pid" >"$work/pid"
    # Any window of the process, or any under the main caption: no other instance runs now.
    local deadline=$((SECONDS + 10)) seen=""
    while ! program_ended && [ "$SECONDS" -lt "$deadline" ]; do
        xdotool search --any --onlyvisible --pid "$pid" --name "^${caption}\$" >/dev/null 2>&1 \
            && seen=yes
        sleep 0.1
    done
    if program_ended; then
        local code=0
        wait "$pid" || code=$?
        forget_program
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
    velkaro=$1
    work=$2
    file="$work/data/payload.bin"
    copy="$work/original.bin"
    trap stop EXIT
    [ -n "${DISPLAY:-}" ] || { fail "no DISPLAY inside xvfb-run"; return 1; }
    step_split && step_resplit && step_build
    step_missing
    echo "split_build.sh: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}

# xvfb-run hands its command to /bin/sh, which drops exported functions: the script calls itself.
if [ "${1:-}" = "--in-display" ]; then
    shift
    in_display "$@"
    exit
fi

# ---- Outside: a private home, the test file, one virtual display for every step ------------

velkaro=${1:?usage: split_build.sh PATH_TO_VELKARO}
script=$(readlink -f "$0")

setup_fail() {
    echo "split_build.sh: FAIL: $*" >&2
    echo "split_build.sh: 0 passed, 1 failed"
    exit 1
}

for tool in xvfb-run xdotool timeout cmp; do
    command -v "$tool" >/dev/null || setup_fail "$tool is not installed (scripts/install-deps)"
done
[ -x "$velkaro" ] || setup_fail "no program at $velkaro"
velkaro=$(readlink -f "$velkaro")

work=$(mktemp -d)
cleanup() {
    # A program left behind by a display that was cut short is ended by its own id.
    if [ -s "$work/pid" ]; then
        kill "$(cat "$work/pid")" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$work/data"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

head -c $((3 * package_size + tail_size)) /dev/urandom >"$work/original.bin"
cp "$work/original.bin" "$work/data/payload.bin"

timeout 240 xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
    bash "$script" --in-display "$velkaro" "$work"
status=$?
if [ "$status" -eq 124 ]; then
    echo "split_build.sh: FAIL: the steps did not finish within 240 s" >&2
    echo "split_build.sh: 0 passed, 1 failed"
fi
exit "$status"
