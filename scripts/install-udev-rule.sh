#!/bin/sh
# Installs the udev rule that gives the logged-in user access to the units' hidraw nodes.
# Best effort: it says what it did and always exits 0, so a set-up that calls it never fails here.

# BREEZEKIT_UDEV_RULES_DIR replaces /etc/udev/rules.d and BREEZEKIT_PACKAGED_RULES_DIR /usr/lib/udev/rules.d,
# to try the script without touching the system.
here=$(cd "$(dirname "$0")" && pwd)
rule="$here/../packaging/linux/70-breezekit.rules"
target_dir=${BREEZEKIT_UDEV_RULES_DIR:-/etc/udev/rules.d}
target="$target_dir/70-breezekit.rules"
packaged="${BREEZEKIT_PACKAGED_RULES_DIR:-/usr/lib/udev/rules.d}/70-breezekit.rules"

say() { printf 'install-udev-rule: %s\n' "$*"; }

# A copy in /etc would override the package's rule on later upgrades and outlive its removal.
if [ -f "$packaged" ]; then
    say "the installed package provides $packaged; nothing installed"
    exit 0
fi

if [ ! -f "$rule" ]; then
    say "rule file not found at $rule; nothing installed"
    exit 0
fi

if [ -f "$target" ] && cmp -s "$rule" "$target"; then
    say "$target is already installed"
    exit 0
fi

# Root runs the commands itself; anyone else only through sudo that asks no password.
if [ "$(id -u)" -eq 0 ]; then
    as_root=""
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    as_root="sudo -n"
else
    say "no permission to write $target_dir; to install by hand:"
    say "  sudo install -m 0644 '$rule' '$target' && sudo udevadm control --reload-rules && sudo udevadm trigger --subsystem-match=hidraw"
    exit 0
fi

if ! $as_root mkdir -p "$target_dir" 2>/dev/null || ! $as_root install -m 0644 "$rule" "$target" 2>/dev/null; then
    say "could not write $target; nothing installed"
    exit 0
fi
say "installed $target"

# Reload only where udev runs (not in most containers); plugged units get the rule on their next plug.
if command -v udevadm >/dev/null 2>&1 && [ -d /run/udev ] && $as_root udevadm control --reload-rules 2>/dev/null; then
    $as_root udevadm trigger --subsystem-match=hidraw 2>/dev/null || true
    say "udev rules reloaded; unplug and plug in the unit again if it is still not accessible"
else
    say "udev is not running here; the rule applies once udev runs and the unit is plugged in again"
fi
exit 0
