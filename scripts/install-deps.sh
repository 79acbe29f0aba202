#!/usr/bin/env bash
# Installs the Debian packages Dulm builds, runs and tests with. Run as root on Debian 12.
set -euo pipefail
packages=(
  cmake g++ make pkg-config
  qt6-base-dev                        # Qt 6 Widgets and Gui
  libgl-dev                           # Qt's CMake files look for OpenGL headers
  libfreetype-dev                     # the engine draws its texts with FreeType
  fonts-liberation                    # bold "Arial" is Liberation Sans Bold; the fixed font Liberation Mono
  googletest libgtest-dev libgmock-dev
  libbenchmark-dev
  xvfb xauth imagemagick              # screenshots of the running program
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
