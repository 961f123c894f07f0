#!/bin/sh
# cmake --install into a scratch prefix lays out exactly the expected files, each of the right kind.
# $1: build tree; $2: source tree; $3: 1 when the build has the command-line companion.
set -u
build="$1"
src="$2"
. "$(dirname "$0")/common.sh"
work=$(mktemp -d)
keep_manifest "$build" "$work"

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" > "$work/install.log" 2>&1 || { cat "$work/install.log"; fail "install failed"; }

expected_files "$src" "$3" | sort > "$work/expected"
(cd "$prefix" && find . -type f -o -type l) | sed 's|^\./||' | sort > "$work/installed"
diff -u "$work/expected" "$work/installed" || fail "installed files differ from the expected list"
sed "s|^$prefix/||" "$build/install_manifest.txt" | sort | diff -u "$work/expected" - || fail "install_manifest.txt differs"

for program in breezekit breezekit-demo; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not executable"
    file -b "$prefix/bin/$program" | grep -q '^ELF 64-bit LSB \(pie \)\?executable' || fail "bin/$program is no executable"
done
exec_line=$(sed -n 's/^Exec=//p' "$prefix/share/applications/com.zepha.BreezeKit.desktop")
[ -x "$prefix/bin/${exec_line%% *}" ] || fail "the desktop entry starts '$exec_line', which is not installed"
for size in 48 128 256; do
    file -b "$prefix/share/icons/hicolor/${size}x$size/apps/com.zepha.BreezeKit.png" |
        grep -q "^PNG image data, $size x $size," || fail "the ${size}px icon is not a $size x $size PNG"
done
cmp -s "$src/packaging/linux/70-breezekit.rules" "$prefix/lib/udev/rules.d/70-breezekit.rules" ||
    fail "the udev rule differs from packaging/linux/70-breezekit.rules"
grep -q '^MIT License$' "$prefix/share/doc/breezekit/LICENSE" || fail "LICENSE is not the MIT licence"
for gz in "$prefix"/share/man/man1/*.gz; do
    [ -f "$gz" ] || continue
    gzip -t "$gz" || fail "$gz is not gzip"
done
echo PASS
