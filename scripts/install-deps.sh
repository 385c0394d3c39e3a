#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build, the programs and the tests need, when any is missing.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  libsdl2-dev libsdl2-image-dev libturbojpeg0-dev libjpeg-dev libcairo2-dev libpango1.0-dev fonts-liberation
  libgtk-3-dev libx11-dev xdg-utils
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils python3
  # the Debian package (dpkg-shlibdeps needs file) and the checks of the installed files
  dpkg-dev file desktop-file-utils appstream lintian
)
# The sanitizer build and the fuzz targets (make test-sanitize, make fuzz): clang with its
# sanitizer and libFuzzer runtimes, and the symbolizer for readable reports.
if [[ "${1:-}" == sanitize ]]; then
  packages+=(clang libclang-rt-14-dev llvm)
fi
# The format check and `make format`: the one clang-format whose layout .clang-format describes.
if [[ "${1:-}" == format ]]; then
  packages=(clang-format-14 git)
fi

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq "${missing[@]}"
