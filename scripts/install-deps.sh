#!/usr/bin/env bash
# Installs what Velmo needs to build, run and test on Debian 12; with the
# argument "ci", also clang with its libFuzzer for the fuzz preset and
# clang-format for the format check.
set -euo pipefail
packages=(
  cmake g++ make pkg-config
  qt6-base-dev libgl-dev            # Qt 6 Core, Gui, Widgets, Test
  qt6-tools-dev qt6-l10n-tools      # Qt Linguist: lupdate, lrelease and their CMake package
  libqt6svg6                        # draws the SVG window icons
  libjpeg62-turbo-dev               # the reduction library
  libexiv2-dev                      # photo metadata: shot dates, captions, locations
  fonts-ipafont-gothic fonts-comic-neue
)
[ "${1:-}" != ci ] || packages+=(clang libclang-rt-dev clang-format)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${packages[@]}"
