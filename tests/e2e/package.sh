#!/bin/bash
# The Debian package that `make deb` makes, built by CPack from this build folder: everything under
# /usr, the program stripped and beside its manual with a relative link on the PATH, the
# dependencies that dpkg-shlibdeps reads from the program, and the desktop entry, icons, package
# type, manual page and copyright in their places. Where installed, hardening-check finds the
# distribution's hardening and lintian finds no error or warning.
set -u
source "$(dirname "$(readlink -f "$0")")/lib/program.bash"

velkaro=${1:?usage: package.sh PATH_TO_VELKARO}
build=$(dirname "$(readlink -f "$velkaro")")
for tool in cpack dpkg-deb dpkg-shlibdeps file; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/install-deps)"
done

open_sandbox
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 \
    || abort "cpack: $(cat "$work/cpack.log")"
debs=("$work"/out/velkaro_*.deb)
deb=${debs[0]}
[ -f "$deb" ] || abort "cpack made no package: $(cat "$work/cpack.log")"

listing=$(dpkg-deb -c "$deb" | awk '{ print $6, $7, $8 }' | sed 's/ *$//')
expected=(./usr/lib/velkaro/velkaro ./usr/lib/velkaro/Manual.html
    "./usr/bin/velkaro -> ../lib/velkaro/velkaro" ./usr/share/applications/velkaro.desktop
    ./usr/share/mime/packages/velkaro.xml ./usr/share/man/man1/velkaro.1.gz
    ./usr/share/doc/velkaro/copyright ./usr/share/doc/velkaro/changelog.gz)
for size in 16 32 48 128 256; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/velkaro.png")
done
expected+=(./usr/share/icons/hicolor/scalable/apps/velkaro.svg
    ./usr/share/metainfo/com.ostrevan.velkaro.metainfo.xml)
for path in "${expected[@]}"; do
    grep -qxF -- "$path" <<<"$listing" || abort "the package has no $path"
done
outside=$(grep -v -e '^\./$' -e '^\./usr/' <<<"$listing")
[ -z "$outside" ] || abort "the package installs outside /usr: $outside"
pass "the package holds the program, its manual, entry, icons, metadata, type, manual page and copyright"

dpkg-deb -x "$deb" "$work/root"
file "$work/root/usr/lib/velkaro/velkaro" | grep -q ", stripped" \
    || abort "the program is not stripped"
grep -qx "Exec=/usr/bin/velkaro -- %f" "$work/root/usr/share/applications/velkaro.desktop" \
    || abort "the desktop entry does not start /usr/bin/velkaro"
# Through the link, as from the PATH: the program finds its manual in the package's own place.
help=$(env -u DISPLAY "$work/root/usr/bin/velkaro" --help)
grep -qxF "Manual:   $work/root/usr/lib/velkaro/Manual.html" <<<"$help" \
    || abort "--help of the packaged program names another manual: $help"
pass "stripped, started from /usr/bin through its link, with the manual beside it"

depends=$(dpkg-deb -f "$deb" Depends)
for package in libc6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
    grep -qE "(^|, )$package( |,|$)" <<<"$depends" || abort "Depends lacks $package: $depends"
done
pass "depends on what the program links, and on the toolkit's X11 plugin"

# Built with dpkg-buildflags' hardening. Fortify is left to lintian, which is told in the package
# why no call of the program could be fortified; control-flow protection is not among Debian 12's
# flags.
if command -v hardening-check >/dev/null; then
    hardening-check --nofortify --nocfprotection "$work/root/usr/lib/velkaro/velkaro" \
        >"$work/hardening.log" 2>&1 || abort "hardening-check: $(cat "$work/hardening.log")"
    pass "PIE, stack protector, read-only relocations and immediate binding"
else
    echo "skipped: hardening-check is not installed (devscripts, scripts/install-deps test)"
fi

if command -v lintian >/dev/null; then
    lintian --display-info --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 \
        || abort "lintian: $(cat "$work/lintian.log")"
    ! grep -q "hardening" "$work/lintian.log" || abort "lintian: $(cat "$work/lintian.log")"
    pass "lintian finds no error, no warning and nothing about hardening"
else
    echo "skipped: lintian is not installed (scripts/install-deps test)"
fi

summary
