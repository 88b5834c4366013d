#!/bin/bash
# Orca, the screen reader, with the real program on a virtual X server and the accessibility bus:
# Tab onto the unit box says its current unit, and each Down or Up says the new one. What is said
# is what speech-dispatcher, which Orca speaks through, hands its speech module: here a module
# that writes each utterance as a line of $work/spoken.txt instead of sounding it; Orca's own
# debug log must show the same. Then the window test of the accessibility events behind it,
# tst_currentitem, which needs that bus too. Run it alone with
#     ctest -R e2e_speech --output-on-failure
set -u
source "$(dirname "$(readlink -f "$0")")/lib/program.bash"

# ---- Inside the virtual display and its D-Bus session --------------------------------------

orca_pid=""

# True when the line $1 has been spoken at least $2 times.
said() {
    [ "$(grep -cxF "$1" "$work/spoken.txt" 2>/dev/null || true)" -ge "${2:-1}" ]
}

# Waits for $1 to have been spoken at least $2 times, after the key named $3.
expect_said() {
    if poll 30 said "$1" "$2"; then
        pass "$3: Orca says '$1'"
    else
        fail "$3: Orca did not say '$1'; it said: $(tail -n 6 "$work/spoken.txt" 2>/dev/null \
            | tr '\n' '|')"
    fi
}

key() {
    xdotool key --clearmodifiers "$1"
}

stop_orca() {
    [ -n "$orca_pid" ] || return 0
    kill "$orca_pid" 2>/dev/null
    # Orca says goodbye first; should the speech server not answer, it gives up after 10 s.
    poll 15 eval "! kill -0 $orca_pid 2>/dev/null" || kill -9 "$orca_pid" 2>/dev/null
    wait "$orca_pid" 2>/dev/null
    orca_pid=""
}

in_display() {
    start 30 || abort "the program did not start"
    orca --debug-file="$work/orca.log" --user-prefs "$work/orca-prefs" >"$work/orca.out" 2>&1 &
    orca_pid=$!
    poll 60 said "Screen reader on." \
        || abort "Orca did not speak: $(tail -n 5 "$work/orca.out" "$work/orca.log" 2>/dev/null)"

    xdotool windowfocus --sync "$window"
    expect_said "Source text." 1 "the window takes the focus"
    sleep 0.5
    # Keys reach the program through the accessibility bus, one at a time: txtSource, btnSource,
    # txtDestination, btnDestination, cboPackageSize, cboUnits.
    local tab
    for tab in 1 2 3 4 5; do
        key Tab
        sleep 0.5
    done
    expect_said "Unit combo box collapsed" 1 "Tab onto the unit box"
    expect_said "B (Bytes)" 1 "Tab onto the unit box"
    key Down
    expect_said "KB (Kilo)" 1 "Down"
    key Down
    expect_said "MB (Mega)" 1 "a second Down"
    key Up
    expect_said "KB (Kilo)" 2 "Up"
    local unit
    for unit in "B (Bytes)" "KB (Kilo)" "MB (Mega)"; do
        if grep -qF "SPEECH OUTPUT: '$unit'" "$work/orca.log"; then
            pass "Orca's debug log shows '$unit' spoken"
        else
            fail "Orca's debug log does not show '$unit' spoken"
        fi
    done
    stop_orca
    stop

    local events="${velkaro%/*}/tests/tst_currentitem"
    if [ -x "$events" ]; then
        if QT_QPA_PLATFORM=xcb "$events" >"$work/events.out" 2>&1; then
            pass "tst_currentitem: the accessibility events behind what Orca says"
        else
            fail "tst_currentitem: $(grep -E 'FAIL|SKIP|Totals' "$work/events.out" | tr '\n' ' ')"
        fi
    else
        fail "no window test at $events"
    fi
    summary
}

# The speech server outlives the session that started it: it is ended by its own id.
stop_speech_server() {
    local file="$work/runtime/speech-dispatcher/pid/speech-dispatcher.pid"
    [ -s "$file" ] && kill "$(cat "$file")" 2>/dev/null
    close_sandbox
}

enter_display "$@"

# ---- Outside: a private home, speech to the null device, one display with its session -------

velkaro=${1:?usage: speech.sh PATH_TO_VELKARO}
require_tools xvfb-run xdotool timeout orca speech-dispatcher
require_bus_session
[ -x "$velkaro" ] || abort "no program at $velkaro"
velkaro=$(readlink -f "$velkaro")

open_sandbox
trap stop_speech_server EXIT
# speech-dispatcher: no sound device here, so libao's null one, and a speech module that writes
# what it is given.
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher/modules"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'CONF'
AudioOutputMethod "libao"
AddModule "recorder" "sd_generic" "recorder.conf"
DefaultModule recorder
CONF
cat >"$XDG_CONFIG_HOME/speech-dispatcher/modules/recorder.conf" <<CONF
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >> $work/spoken.txt"
GenericLanguage "en" "en" "utf-8"
AddVoice "en" "MALE1" "en"
CONF
echo "default_driver=null" >"$HOME/.libao"

bus_session=yes run_in_display 240 "$velkaro"
