#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command with a window class registry of its own. The registry's folders follow the user
# id alone, so a test that counts live windows would meet every other test's windows and the
# game the user may be playing; in a private mount namespace an empty folder covers each of
# them instead. Exits 77 (skipped) where no such namespace can be made.
# Usage: private-registry.sh COMMAND [ARGS...]
set -euo pipefail

if [[ -z "${TESSIVA_PRIVATE_REGISTRY:-}" ]]; then
  if ! unshare --user --map-current-user --mount true 2>/dev/null; then
    echo "skipped: no private mount namespace for the window registry"
    exit 77
  fi
  exec unshare --user --map-current-user --mount env TESSIVA_PRIVATE_REGISTRY=1 bash "$0" "$@"
fi

uid=$(id -u)
private=$(mktemp -d /tmp/tessiva-registry-XXXXXX)
trap 'rm -rf "$private"' EXIT
mkdir -m 755 "$private/run-user"
mkdir -m 700 "$private/tmp"
# /run/user/<uid> vanishes under the empty folder, so the fallback below is the registry.
if [[ -d /run/user ]]; then mount --bind "$private/run-user" /run/user; fi
mkdir -p -m 700 "/tmp/tessiva-$uid" 2>/dev/null || true
mount --bind "$private/tmp" "/tmp/tessiva-$uid"
"$@"
