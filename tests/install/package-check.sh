#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built from the build tree's install rules as make package builds it:
# its name and control fields (run-time dependencies only), its files unpacked with dpkg -x,
# and lintian's verdict when lintian is there.
# Usage: package-check.sh BUILD_DIR VERSION
set -euo pipefail
bin=$1 version=$2
here=$(dirname "${BASH_SOURCE[0]}")
work=$(mktemp -d /tmp/tessiva-package-XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$bin/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.txt" 2>&1 \
    || fail "cpack: $(cat "$work/cpack.txt")"
deb=$work/out/tessiva_${version}_amd64.deb
[[ -f $deb ]] || fail "no $(basename "$deb"): $(ls "$work/out")"

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == tessiva && $(field Version) == "$version" && $(field Architecture) == amd64 ]] \
    || fail "control: $(dpkg-deb -f "$deb")"
depends=$(field Depends)
for package in libc6 libsdl2-2.0-0 libcairo2 libgtk-3-0 libjpeg62-turbo fonts-liberation; do
    [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]] \
        || fail "Depends lacks $package: $depends"
done
# Headers, static libraries and test frameworks are for building only.
if grep -Eo '[a-z0-9.+-]+-dev\b|libgtest|libgmock|libbenchmark' <<<"$depends, $(field Recommends)"; then
    fail "build-only packages among the dependencies: $depends"
fi

dpkg -x "$deb" "$work/root"
bash "$here/check-tree.sh" "$work/root" usr/games "$version" || fail "unpacked tree"
[[ ! -e $work/root/usr/bin ]] || fail "a game's programs belong in usr/games, not usr/bin"

if command -v lintian >/dev/null; then
    lintian --tag-display-limit 0 "$deb" >"$work/lintian.txt" 2>/dev/null || true
    cat "$work/lintian.txt"
    ! grep -q '^[EW]:' "$work/lintian.txt" || fail "lintian reports errors or warnings"
else
    echo "lintian is not installed: its check is left out"
fi
echo "package $(basename "$deb"): checked"
