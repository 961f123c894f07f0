#!/bin/sh
# The udev rule installer: installs into the given folder, is idempotent, and never fails its caller.
set -u
script="$1"
rule="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

BREEZEKIT_PACKAGED_RULES_DIR="$work/none" BREEZEKIT_UDEV_RULES_DIR="$work/rules.d" sh "$script" > "$work/first.log" 2>&1 || fail "first run exited non-zero"
cmp -s "$rule" "$work/rules.d/70-breezekit.rules" || fail "rule not installed"
grep -q installed "$work/first.log" || fail "first run did not say it installed"

BREEZEKIT_PACKAGED_RULES_DIR="$work/none" BREEZEKIT_UDEV_RULES_DIR="$work/rules.d" sh "$script" > "$work/second.log" 2>&1 || fail "second run exited non-zero"
grep -q "already installed" "$work/second.log" || fail "second run did not see the installed rule"

touch "$work/not-a-folder"
BREEZEKIT_PACKAGED_RULES_DIR="$work/none" BREEZEKIT_UDEV_RULES_DIR="$work/not-a-folder/rules.d" sh "$script" > "$work/third.log" 2>&1 || fail "unwritable target made it fail"
grep -q "nothing installed" "$work/third.log" || fail "unwritable target not reported"

mkdir "$work/packaged"
cp "$rule" "$work/packaged/70-breezekit.rules"
BREEZEKIT_UDEV_RULES_DIR="$work/etc-rules.d" BREEZEKIT_PACKAGED_RULES_DIR="$work/packaged" sh "$script" \
    > "$work/fourth.log" 2>&1 || fail "run beside the packaged rule exited non-zero"
[ ! -e "$work/etc-rules.d/70-breezekit.rules" ] || fail "a second copy installed beside the packaged rule"
grep -q "package provides" "$work/fourth.log" || fail "the packaged rule not named"

for match in 'SUBSYSTEM=="hidraw"' 'ATTRS{idVendor}=="0483"' 'ATTRS{idProduct}=="5750"' 'TAG+="uaccess"'; do
    grep -qF "$match" "$rule" || fail "rule lacks $match"
done
echo PASS
