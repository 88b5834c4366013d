# Shared by the end-to-end scripts, which source it first thing. Each script runs twice: outside it
# makes a private home and starts one virtual display, inside that display (`SCRIPT --in-display`)
# it drives the real program with xdotool. The name does not end in .sh: CTest runs every
# tests/e2e/*.sh as a test.
#
# Inside the display the functions keep the running program in $pid and its main window in
# $window, and leave the exit code of an ended program in $code. $velkaro is the program and
# $work the private folder; the file $work/pid names the running program for the clean-up outside.

script=$(readlink -f "$0")
test_name=${script##*/}
caption=""

passed=0
failed=0
pid=""
window=""
code=""

# ---- Reporting ------------------------------------------------------------------------------

pass() {
    passed=$((passed + 1))
    echo "ok: $*"
}

fail() {
    failed=$((failed + 1))
    echo "$test_name: FAIL: $*" >&2
}

# Prints the counts; true when nothing failed.
summary() {
    echo "$test_name: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}

# For a failure that leaves nothing further worth checking.
abort() {
    fail "$@"
    summary
    exit 1
}

# For a test that cannot run here: CTest counts the exit code 77 as skipped.
skip() {
    echo "$test_name: SKIPPED: $*"
    exit 77
}

source "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/../../kernel/lib/tools.bash"
require_tools() { need_commands abort "$@"; }

# What a run with $bus_session needs: D-Bus and the accessibility bus.
require_bus_session() {
    require_tools dbus-run-session
    [ -x /usr/libexec/at-spi-bus-launcher ] || abort "at-spi2-core is not installed (scripts/install-deps)"
}

# ---- Outside: a private home and a virtual display ------------------------------------------

# Makes $work and points HOME and the XDG folders into it, so that no run reads or writes the
# settings of the person who runs the tests.
open_sandbox() {
    work=$(mktemp -d)
    trap close_sandbox EXIT
    export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
    mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    unset QT_QPA_PLATFORM
}

close_sandbox() {
    # A program left behind by a display that was cut short is ended by its own id.
    if [ -s "$work/pid" ]; then
        kill "$(cat "$work/pid")" 2>/dev/null
    fi
    rm -rf "$work"
}

# Runs the script's in_display with PROGRAM as $velkaro and the other arguments on a fresh
# virtual display, for at most SECONDS. The screen is 1024x768 unless $screen_size names another
# (screen_size=640x480 run_in_display ...). xvfb-run hands its command to /bin/sh, which drops
# exported functions: the script calls itself, and enter_display takes the call. -noreset: by
# default the server resets when its last client leaves, and a program started in that moment
# cannot connect, which would fail a step that starts the program right after another one quit.
#
# With $bus_session set, the script runs in a D-Bus session of its own (dbus-run-session), with
# the accessibility bus that the program's widgets are read through and a screen reader listens
# on.
run_in_display() {
    local seconds=$1 program=$2
    shift 2
    local status=0
    local session=()
    [ -z "${bus_session:-}" ] || session=(env VELKARO_E2E_ACCESSIBILITY=1 dbus-run-session --)
    timeout "$seconds" xvfb-run -a -s "-screen 0 ${screen_size:-1024x768}x24 -nolisten tcp -noreset" \
        "${session[@]}" bash "$script" --in-display "$program" "$work" "$@" || status=$?
    [ "$status" -ne 124 ] || fail "the run in the virtual display did not finish within $seconds s"
    return "$status"
}

# The caption of the program $1's window, which `start` looks for: the one it prints for
# --version, which the build writes from the version it is given.
caption_of() {
    env -u DISPLAY timeout 20 "$1" --version
}

# Called with the script's arguments before anything else runs: inside the display it hands the
# rest to in_display and ends the script with its status.
enter_display() {
    [ "${1:-}" = "--in-display" ] || return 0
    velkaro=$2
    work=$3
    caption=$(caption_of "$velkaro")
    shift 3
    trap stop EXIT
    [ -n "${DISPLAY:-}" ] || abort "no DISPLAY inside xvfb-run"
    if [ -n "${VELKARO_E2E_ACCESSIBILITY:-}" ]; then
        export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
        /usr/libexec/at-spi-bus-launcher --launch-immediately &
    fi
    in_display "$@"
    exit
}

# ---- Inside: the program and its windows ----------------------------------------------------

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

# Starts the program with the given arguments and does not wait for anything.
launch() {
    "$velkaro" "$@" &
    pid=$!
    echo "$pid" >"$work/pid"
}

# Starts the program with the arguments after SECONDS and waits that long for its main window.
start() {
    local seconds=$1
    shift
    [ -n "$caption" ] || caption=$(caption_of "$velkaro")
    launch "$@"
    window=$(await_box "$caption" "$seconds")
    if [ -z "$window" ]; then
        echo "no window named '$caption' within $seconds s" >&2
        stop
        return 1
    fi
}

# Waits up to $2 seconds for a visible window of the program with the caption $1 and prints its id.
await_box() {
    timeout "$2" xdotool search --sync --all --onlyvisible --pid "$pid" --name "^$1\$" 2>/dev/null \
        | head -n 1
}

# Names of the visible top-level windows of the running program, for failure messages.
shown_windows() {
    local id names=""
    for id in $(xdotool search --all --onlyvisible --pid "$pid" --name "" 2>/dev/null); do
        names+="'$(xdotool getwindowname "$id" 2>/dev/null)' "
    done
    echo "${names:-none}"
}

# No window manager runs here: each window gets the focus directly before keys go to it.
press() {
    local target=$1 keys=$2
    xdotool windowfocus --sync "$target" 2>/dev/null || xdotool windowfocus "$target"
    sleep 0.3
    xdotool key --clearmodifiers "$keys"
}

program_ended() {
    ! kill -0 "$pid" 2>/dev/null
}

# Leaves the exit code of the ended program in $code.
collect_exit() {
    code=0
    wait "$pid" || code=$?
    forget_program
}

# Closes the program with Ctrl+Q and leaves its exit code in $code; fails if it does not end
# within SECONDS. Not run in a subshell: only this shell can wait for the program.
quit() {
    local seconds=$1
    press "$window" ctrl+q
    if ! poll "$seconds" program_ended; then
        echo "the program did not end within $seconds s of Ctrl+Q" >&2
        stop
        return 1
    fi
    collect_exit
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
