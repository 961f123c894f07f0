# Shared by the install and package tests; sourced.

fail() { echo "FAIL: $*"; exit 1; }

# Prints, one a line and relative to the prefix, every file the install must lay out.
# $1: the source tree; $2: 1 when the build has the command-line companion.
expected_files() {
    printf '%s\n' \
        bin/breezekit \
        bin/breezekit-demo \
        share/applications/com.zepha.BreezeKit.desktop \
        share/metainfo/com.zepha.BreezeKit.metainfo.xml \
        share/icons/hicolor/48x48/apps/com.zepha.BreezeKit.png \
        share/icons/hicolor/128x128/apps/com.zepha.BreezeKit.png \
        share/icons/hicolor/256x256/apps/com.zepha.BreezeKit.png \
        share/icons/hicolor/scalable/apps/com.zepha.BreezeKit.svg \
        lib/udev/rules.d/70-breezekit.rules \
        share/doc/breezekit/LICENSE \
        share/doc/breezekit/README.md
    [ "$2" = 1 ] && echo bin/breezekitctl
    for page in "$1"/packaging/linux/man/*.1; do
        [ -f "$page" ] && echo "share/man/man1/$(basename "$page").gz"
    done
    return 0
}

# cmake --install and cpack both rewrite the build's install_manifest.txt, which uninstalling a real
# install relies on: keep a copy in $2 and put it back on exit, which also removes $2.
keep_manifest() {
    manifest="$1/install_manifest.txt"
    scratch="$2"
    [ -f "$manifest" ] && cp -p "$manifest" "$scratch/manifest.saved"
    trap 'if [ -f "$scratch/manifest.saved" ]; then cp -p "$scratch/manifest.saved" "$manifest"; else rm -f "$manifest"; fi; rm -rf "$scratch"' EXIT
}
