#!/bin/sh
# The desktop entry and the metainfo pass their validators with no warning and no hint, and every
# file names the one application id. $1: the source tree.
set -u
src="$1"
id=com.zepha.BreezeKit
desktop="$src/packaging/linux/$id.desktop"
metainfo="$src/packaging/linux/$id.metainfo.xml"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Clean: exit 0 and nothing said at all (desktop-file-validate) or no W:/E: line (appstreamcli,
# which prints its infos and the summary line).
clean() {
    case "$1" in
    desktop) out=$(desktop-file-validate "$2" 2>&1) && [ -z "$out" ] ;;
    metainfo) out=$(appstreamcli validate --no-net "$2" 2>&1) && ! printf '%s\n' "$out" | grep -q '^[EW]:' ;;
    esac
    rc=$?
    [ -z "$out" ] || printf '%s\n' "$out"
    return $rc
}

echo "== desktop-file-validate"
clean desktop "$desktop" || fail "desktop-file-validate is not clean"
echo "== appstreamcli validate --no-net"
clean metainfo "$metainfo" || fail "appstreamcli validate is not clean"

# Faults that only warn or hint must still fail the check above.
# kind | sed edit
while IFS='|' read -r kind edit; do
    case "$kind" in desktop) original="$desktop" ;; metainfo) original="$metainfo" ;; esac
    sed "$edit" "$original" > "$work/$id.$kind"
    cmp -s "$original" "$work/$id.$kind" && fail "the edit '$edit' changed nothing"
    clean "$kind" "$work/$id.$kind" > /dev/null && fail "the $kind check passed with '$edit'"
done <<'CASES'
desktop|s/^Categories=.*/Categories=HardwareSettings;/
desktop|s/^Categories=.*/Categories=Settings;HardwareSettings;Utility;/
metainfo|s|</releases>|<release version="1.1.2.12" date="2026-12-20"/></releases>|
metainfo|/<launchable /d
CASES

echo "== one id everywhere"
field() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(field Icon)" = $id ] || fail "desktop Icon is '$(field Icon)'"
[ "$(field Exec)" = breezekit ] || fail "desktop Exec is '$(field Exec)'"
[ "$(field StartupWMClass)" = breezekit ] || fail "desktop StartupWMClass is '$(field StartupWMClass)'"
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id differs"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "metainfo launchable differs"
grep -q "<modalias>usb:v0483p5750d\*</modalias>" "$metainfo" || fail "metainfo modalias differs"
grep -q "kDesktopId\[\] = \"$id\"" "$src/src/app/AppIcon.h" || fail "the program's desktop file name differs"
version=$(sed -n 's/^project(breezekit VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
grep -q "<release version=\"$version\" date=" "$metainfo" || fail "metainfo lacks the release $version"
echo PASS
