#!/bin/sh
# The postinst/postrm script against a fake udev: what it asks udevadm for each dpkg action.
# $1: the script.
set -u
script="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

mkdir -p "$work/bin" "$work/run" "$work/class"
cat > "$work/bin/udevadm" <<FAKE
#!/bin/sh
echo "\$*" >> "$work/calls"
[ ! -e "$work/udevadm-fails" ]
FAKE
chmod +x "$work/bin/udevadm"
# One unit, one other HID device, one unit of another vendor's product number.
node() {
    mkdir -p "$work/class/$1/device"
    echo "HID_ID=$2" > "$work/class/$1/device/uevent"
}
node hidraw0 0003:0000046D:0000C52B
node hidraw1 0003:00000483:00005750
node hidraw2 0003:00000483:00005740

reload="control --reload-rules"
trigger="trigger --action=change $work/class/hidraw1"

# action | udev running | udevadm fails | expected calls, ';' between them
while IFS='|' read -r action running fails expected; do
    rm -f "$work/calls" "$work/run/control" "$work/udevadm-fails"
    [ "$running" = yes ] && touch "$work/run/control"
    [ "$fails" = yes ] && touch "$work/udevadm-fails"
    out=$(PATH="$work/bin:$PATH" BREEZEKIT_UDEV_CONTROL="$work/run/control" BREEZEKIT_HIDRAW_CLASS="$work/class" \
        sh "$script" "$action" 2>&1) || fail "$action (udev $running) exited non-zero"
    [ -z "$out" ] || fail "$action (udev $running) printed: $out"
    calls=$(cat "$work/calls" 2>/dev/null | paste -sd ';' -)
    [ "$calls" = "$expected" ] || fail "$action (udev $running, fails $fails): called '$calls', expected '$expected'"
done <<CASES
configure|no|no|
remove|no|no|
configure|yes|no|$reload;$trigger
remove|yes|no|$reload;$trigger
abort-upgrade|yes|no|$reload;$trigger
configure|yes|yes|$reload;$trigger
upgrade|yes|no|
purge|yes|no|
failed-upgrade|yes|no|
CASES
echo PASS
