#!/bin/sh
# postinst and postrm: the udev rule takes effect for units already plugged in, without replugging.
# Quiet and successful where udev does not run (containers, chroots, image builds).
set -e

# The paths can be pointed elsewhere only to try the script without touching the system.
udev_control=${BREEZEKIT_UDEV_CONTROL:-/run/udev/control}
hidraw_class=${BREEZEKIT_HIDRAW_CLASS:-/sys/class/hidraw}

case "$1" in
configure | abort-upgrade | abort-remove | abort-deconfigure | remove) ;;
*) exit 0 ;;
esac

[ -e "$udev_control" ] || exit 0
command -v udevadm >/dev/null 2>&1 || exit 0

udevadm control --reload-rules || true
# Only the units' own nodes, USB 0483:5750; other HID devices keep their state.
for node in "$hidraw_class"/hidraw*; do
    [ -e "$node/device/uevent" ] || continue
    grep -qx 'HID_ID=0003:00000483:00005750' "$node/device/uevent" || continue
    udevadm trigger --action=change "$node" || true
done
exit 0
