#!/usr/bin/env bash
# Installs the Debian packages Dulm builds, runs and tests with. Run as root on Debian 12.
#   scripts/install-deps.sh          the desktop program and its tests
#   scripts/install-deps.sh --web        and the browser edition: its compiler, its tests' browser
#   scripts/install-deps.sh --package    and the Debian package: its build and its checks
set -euo pipefail
web=no
package=no
for arg in "$@"; do
  case $arg in
    --web) web=yes ;;
    --package) package=yes ;;
    *) echo "usage: $0 [--web] [--package]" >&2; exit 2 ;;
  esac
done
packages=(
  cmake g++ make pkg-config
  qt6-base-dev                        # Qt 6 Widgets, Gui and PrintSupport
  libgl-dev                           # Qt's CMake files look for OpenGL headers
  libfreetype-dev                     # the engine draws its texts with FreeType
  fonts-liberation                    # bold "Arial" is Liberation Sans Bold; the fixed font Liberation Mono
  googletest libgtest-dev libgmock-dev
  libbenchmark-dev
  xvfb xauth imagemagick              # screenshots of the running program; the browser tests read PNGs with it
  xdotool dbus at-spi2-core python3-pyatspi  # the accessibility test: keys, a session bus, the accessibility bus
)
if [ $web = yes ]; then
  packages+=(
    emscripten node-acorn             # the engine as WebAssembly; the compiler's optimiser needs acorn
    dpkg-dev                          # apt-get source: FreeType's source for the browser edition
    python3                           # scripts/serve-web
    chromium                          # the browser tests drive it headless
  )
  # Node.js and npm may come from elsewhere than Debian (a newer Node.js ships its own npm):
  # Debian's are installed only when there is none.
  command -v node > /dev/null || packages+=(nodejs)
  command -v npm > /dev/null || packages+=(npm)
fi
if [ $package = yes ]; then
  packages+=(
    dpkg-dev                          # dpkg-shlibdeps: the package's dependencies, read from the programs
    librsvg2-bin                      # rsvg-convert: the PNG icons, drawn from the one SVG
    lintian                           # Debian's checker of packages
    desktop-file-utils                # desktop-file-validate
    appstream                         # appstreamcli validate
  )
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
