#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# make install without DESTDIR, into a temporary prefix: the desktop's icon cache and menu
# database are refreshed there, and the install says so.
# Usage: live-install.sh BUILD_DIR
set -euo pipefail
bin=$1
work=$(mktemp -d /tmp/tessiva-live-XXXXXX)
manifest=$bin/install_manifest.txt
# The build tree's manifest records the developer's own install; ours must not replace it.
if [[ -f $manifest ]]; then cp -p "$manifest" "$work/manifest.saved"; fi
cleanup() {
    if [[ -f $work/manifest.saved ]]; then cp -p "$work/manifest.saved" "$manifest"; else rm -f "$manifest"; fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/prefix
env -u DESTDIR cmake --install "$bin" --prefix "$prefix" >"$work/install.txt" 2>&1 \
    || fail "install: $(cat "$work/install.txt")"
if command -v gtk-update-icon-cache >/dev/null; then
    grep -q "Refreshing the icon cache: $prefix/share/icons/hicolor" "$work/install.txt" \
        || fail "the install did not say it refreshed the icon cache"
    [[ -f $prefix/share/icons/hicolor/icon-theme.cache ]] || fail "no icon cache"
fi
if command -v update-desktop-database >/dev/null; then
    grep -q "Refreshing the desktop database: $prefix/share/applications" "$work/install.txt" \
        || fail "the install did not say it refreshed the desktop database"
    [[ -f $prefix/share/applications/mimeinfo.cache ]] || fail "no desktop database"
fi
echo "live install into $prefix: refreshed"
