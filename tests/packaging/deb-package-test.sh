#!/bin/sh
# cpack -G DEB into a scratch folder: the package's name, files, control fields and maintainer
# scripts. The package is only read, never installed.
# $1: build tree; $2: source tree; $3: 1 when the build has the command-line companion.
set -u
build="$1"
src="$2"
. "$(dirname "$0")/common.sh"
work=$(mktemp -d)
keep_manifest "$build" "$work"

(cd "$build" && cpack -G DEB -B "$work/out") > "$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack failed"; }
deb="$work/out/breezekit_1.1.2.11_amd64.deb"
[ -f "$deb" ] || { ls "$work/out"; fail "no breezekit_1.1.2.11_amd64.deb"; }
echo "package: $(du -k "$deb" | cut -f1) KiB"

expected_files "$src" "$3" | sed 's|^|./usr/|' | sort > "$work/expected"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort > "$work/packed"
diff -u "$work/expected" "$work/packed" || fail "packed files differ from the expected list"

field() { dpkg-deb -f "$deb" "$1"; }
for pair in Package=breezekit Version=1.1.2.11 Architecture=amd64 Section=utils Priority=optional; do
    [ "$(field "${pair%%=*}")" = "${pair#*=}" ] || fail "${pair%%=*} is '$(field "${pair%%=*}")', not '${pair#*=}'"
done
field Maintainer | grep -q '^[^<]\+ <[^@>]\+@[^>]\+>$' || fail "Maintainer '$(field Maintainer)' is not 'Name <address>'"
[ "$(field Description | wc -l)" -gt 2 ] || fail "Description has no long text"
[ "$(field Description | sed -n 2p | sed 's/^ *//')" != "$(field Description | sed -n 1p)" ] ||
    fail "the long description repeats the summary"

# Depends: what dpkg-shlibdeps found in the programs, then what no tool can see.
depends=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
for dep in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libhidapi-hidraw0 libudev1 \
    fonts-wine fonts-wqy-microhei qt6-translations-l10n; do
    printf '%s\n' "$depends" | grep -qx "$dep" || fail "Depends lacks $dep: $(field Depends)"
done

dpkg-deb -e "$deb" "$work/control"
for script in postinst postrm; do
    [ -x "$work/control/$script" ] || fail "$script missing or not executable"
    sh -n "$work/control/$script" || fail "$script does not parse"
    cmp -s "$src/packaging/linux/debian/udev-refresh.sh" "$work/control/$script" || fail "$script is not udev-refresh.sh"
done
for script in preinst prerm; do
    [ ! -e "$work/control/$script" ] || fail "unexpected $script"
done

dpkg-deb -x "$deb" "$work/root"
for program in breezekit breezekit-demo; do
    file -b "$work/root/usr/bin/$program" | grep -q ', stripped$' || fail "$program is not stripped"
done
echo PASS
