#!/bin/bash
# `cmake --install` into a fresh prefix: the command on the PATH runs and answers --version, the
# manual sits beside the real program, where Help > Manual finds it, the desktop entry and the
# icons are in the XDG places with an entry that desktop-file-validate accepts, the AppStream
# metadata passes appstreamcli's pedantic check, the package file type is known and opens in the program as a file manager opens it, and the manual page renders.
set -u
source "$(dirname "$(readlink -f "$0")")/lib/program.bash"

# Runs inside the virtual display: "manual" starts the installed program, presses F1 and closes
# it; "open FILE" opens FILE as a file manager does and rebuilds its set with F9.
in_display() {
    [ "$1" = open ] && { open_as_file_manager "$2"; return; }
    start 20 || return 1
    press "$window" F1
    # Whether a browser came, and with which page, is checked outside.
    poll 10 test -e "$BROWSER_RECORD.done"
    quit 10 || return 1
    [ "$code" = 0 ] || { echo "Ctrl+Q gave exit code $code, expected 0" >&2; return 1; }
}

# GIO chooses and starts the program as the GNOME file manager does: the type from the file's
# name, the default application of the type, the entry's Exec line.
open_as_file_manager() {
    gio open "$1" || return 1
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "^$caption\$" 2>/dev/null \
        | head -n 1)
    [ -n "$window" ] || { echo "no window within 20 s of gio open" >&2; return 1; }
    # Not started by this shell: only its id can tell when it has ended.
    pid=$(xdotool getwindowpid "$window")
    echo "$pid" >"$work/pid"
    press "$window" F9
    # What F9 built is checked outside.
    poll 20 cmp -s "${1%.c*}" "$work/files/original"
    press "$window" ctrl+q
    poll 10 program_ended || { echo "the program did not end within 10 s of Ctrl+Q" >&2; return 1; }
    forget_program
}

enter_display "$@"

velkaro=${1:?usage: install.sh PATH_TO_VELKARO}
build=$(dirname "$(readlink -f "$velkaro")")
require_tools cmake desktop-file-validate appstreamcli xvfb-run xdotool timeout update-mime-database \
    update-desktop-database xdg-mime mimetype gio groff man
[ -f "$build/CMakeCache.txt" ] || abort "$build is not a build folder"
caption=$(caption_of "$velkaro")

open_sandbox
prefix="$work/prefix with blanks"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 \
    || abort "cmake --install: $(cat "$work/install.log")"

command="$prefix/bin/velkaro"
[ -x "$command" ] || abort "no program at $command"
program=$(readlink -f "$command")
[ -f "$(dirname "$program")/Manual.html" ] || abort "no Manual.html beside $program"
cmp -s "$(dirname "$program")/Manual.html" "$build/Manual.html" || abort "installed manual differs"
pass "program and manual side by side in $(dirname "$program")"

entry="$prefix/share/applications/velkaro.desktop"
[ -f "$entry" ] || abort "no desktop entry at $entry"
desktop-file-validate "$entry" || abort "desktop-file-validate rejects $entry"
# The prefix has blanks, so the entry quotes the program's path; "--" ends the options, so that a
# file whose name begins with a dash is opened as a file.
grep -qxF "Exec=\"$prefix/bin/velkaro\" -- %f" "$entry" \
    || abort "entry does not start $command with one file after --"
grep -qx "Icon=velkaro" "$entry" || abort "entry names no velkaro icon"
grep -qx "MimeType=application/x-velkaro-package;" "$entry" \
    || abort "entry claims other types than packages"
pass "desktop entry valid, claiming packages only"

for size in 16 32 48 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/velkaro.png"
    [ -f "$icon" ] || abort "no icon at $icon"
    # A PNG file: its signature, then the header chunk with width and height, 32-bit big-endian.
    read -r -a bytes <<<"$(od -An -tu1 -N24 "$icon" | tr "\n" " ")"
    width=$(((bytes[16] << 24) | (bytes[17] << 16) | (bytes[18] << 8) | bytes[19]))
    height=$(((bytes[20] << 24) | (bytes[21] << 16) | (bytes[22] << 8) | bytes[23]))
    [ "${bytes[*]:0:8}" = "137 80 78 71 13 10 26 10" ] && [ "$width" = "$size" ] && [ "$height" = "$size" ] \
        || abort "$icon is not a $size x $size PNG"
done
svg="$prefix/share/icons/hicolor/scalable/apps/velkaro.svg"
grep -q '<svg' "$svg" 2>/dev/null || abort "no scalable icon at $svg"
pass "icons in every size, and scalable"

# What a software centre reads: the metadata, valid down to the pedantic notes, and its link to the
# desktop entry, checked together as installed.
metainfo="$prefix/share/metainfo/com.ostrevan.velkaro.metainfo.xml"
[ -f "$metainfo" ] || abort "no AppStream metadata at $metainfo"
report=$(appstreamcli validate-tree --pedantic --no-net "$prefix" 2>&1) \
    || abort "appstreamcli rejects the installed metadata: $report"
notes=$(grep -E '^[EWIP]:' <<<"$report")
[ -z "$notes" ] || abort "appstreamcli has notes on the installed metadata: $report"
pass "AppStream metadata valid with no notes, launching velkaro.desktop"

status=0
QT_QPA_PLATFORM=offscreen timeout 20 "$command" "$work/missing" 2>/dev/null || status=$?
[ "$status" = 1 ] || abort "a missing file gave exit code $status, expected 1"
[ "$(env -u DISPLAY timeout 20 "$command" --version)" = "$caption" ] \
    || abort "--version does not print '$caption'"
pass "installed program runs (a missing file ends it with 1, --version answers)"

# The entry's command as a launcher runs it for the relative name "-reverse", an option of the
# toolkit's: taken as a file that does not exist, it ends the program with 1 (as an option it
# would open the window).
exec_line=$(sed -n 's/^Exec=//p' "$entry")
status=0
(cd "$work" && eval "QT_QPA_PLATFORM=offscreen timeout 20 ${exec_line/\%f/-reverse}") 2>/dev/null \
    || status=$?
[ "$status" = 1 ] || abort "the entry's command took -reverse as an option (exit code $status)"
pass "the entry's command takes a name beginning with a dash as a file"

page="$prefix/share/man/man1/velkaro.1.gz"
[ -f "$page" ] || abort "no manual page at $page"
warnings=$(zcat "$page" | groff -man -ww -z 2>&1)
[ -z "$warnings" ] || abort "groff warns about the manual page: $warnings"
rendered=$(MANWIDTH=80 man -l "$page" 2>&1)
# The heads of the option paragraphs, such as "-h, --help": every one of --help is on the page.
option_heads() { sed -nE 's/^ +(-[^ ,]*(, -[^ ]*)?).*/\1/p'; }
page_heads=$(option_heads <<<"$rendered")
while read -r head; do
    grep -qxF -- "$head" <<<"$page_heads" || abort "the manual page lacks $head, which --help shows"
done < <("$command" --help | option_heads)
for section in NAME SYNOPSIS DESCRIPTION OPTIONS FILES "EXIT STATUS" "SEE ALSO"; do
    grep -qx "$section" <<<"$rendered" || abort "the manual page has no section $section"
done
pass "manual page renders without warnings and shows the options of --help"

# The package type as a desktop session sees it, the prefix's data before the system's. xdg-mime
# splits its list of folders at blanks, so the prefix's data is reached through a link.
update-mime-database "$prefix/share/mime" >"$work/mime.log" 2>&1 \
    || abort "update-mime-database: $(cat "$work/mime.log")"
update-desktop-database "$prefix/share/applications" || abort "update-desktop-database failed"
ln -s "$prefix/share" "$work/share"
export XDG_DATA_HOME="$work/share" XDG_DATA_DIRS=/usr/share
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID
mkdir "$work/files"
# Not a multiple of the package size: GIO calls every empty file text, whatever its name.
head -c 3500 /dev/urandom >"$work/files/original"
split -b 1000 -d -a 1 "$work/files/original" "$work/files/film.avi.c"
printf 'int main(void) { return 0; }\n' >"$work/files/main.c"
cp "$work/files/film.avi.c0" "$work/files/film.avi.c12"
for name in film.avi.c3 film.avi.c12 main.c; do
    type=$(xdg-mime query filetype "$work/files/$name")
    expected=application/x-velkaro-package
    [ "$name" = main.c ] && expected=text/x-csrc
    [ "$type" = "$expected" ] || abort "xdg-mime calls $name $type, expected $expected"
done
default=$(xdg-mime query default application/x-velkaro-package)
[ "$default" = velkaro.desktop ] || abort "the packages' default application is '$default'"
pass "packages have their type, not C sources, and open with velkaro.desktop by default"

run_in_display 60 "$command" open "$work/files/film.avi.c3" \
    || abort "opening a package from a file manager: see above"
cmp -s "$work/files/film.avi" "$work/files/original" \
    || abort "opening film.avi.c3 and F9 did not rebuild film.avi"
pass "a package opened as a file manager opens it builds its set's base path"

# Help > Manual from the installed program reaches a browser with the installed manual.
mkdir -p "$work/bin"
export BROWSER_RECORD="$work/browser"
cat >"$work/bin/mozilla" <<'SCRIPT'
#!/bin/sh
printf '%s\n' "$@" > "$BROWSER_RECORD"
: > "$BROWSER_RECORD.done"
SCRIPT
chmod +x "$work/bin/mozilla"
PATH="$work/bin:$PATH" run_in_display 90 "$command" manual || abort "Help > Manual run: see above"
[ -f "$BROWSER_RECORD.done" ] || abort "F1 started no browser"
[ "$(cat "$BROWSER_RECORD")" = "$(dirname "$program")/Manual.html" ] \
    || abort "browser got '$(cat "$BROWSER_RECORD")'"
pass "F1 opens the installed manual"

summary
