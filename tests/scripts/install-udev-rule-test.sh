#!/bin/sh
# The udev rule installer: installs into the given folder, is idempotent, and never fails its caller.
set -u
script="$1"
rule="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

BREEZEKIT_UDEV_RULES_DIR="$work/rules.d" sh "$script" > "$work/first.log" 2>&1 || fail "first run exited non-zero"
cmp -s "$rule" "$work/rules.d/70-breezekit.rules" || fail "rule not installed"
grep -q installed "$work/first.log" || fail "first run did not say it installed"

BREEZEKIT_UDEV_RULES_DIR="$work/rules.d" sh "$script" > "$work/second.log" 2>&1 || fail "second run exited non-zero"
grep -q "already installed" "$work/second.log" || fail "second run did not see the installed rule"

touch "$work/not-a-folder"
BREEZEKIT_UDEV_RULES_DIR="$work/not-a-folder/rules.d" sh "$script" > "$work/third.log" 2>&1 || fail "unwritable target made it fail"
grep -q "nothing installed" "$work/third.log" || fail "unwritable target not reported"

for match in 'SUBSYSTEM=="hidraw"' 'ATTRS{idVendor}=="0483"' 'ATTRS{idProduct}=="5750"' 'TAG+="uaccess"'; do
    grep -qF "$match" "$rule" || fail "rule lacks $match"
done
echo PASS
