# Shared by play.sh and test.sh: install what the build needs, then configure
# and build into ./build. Sourced, not run.
set -euo pipefail

REPO_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${QUILLMERE_BUILD_DIR:-$REPO_DIR/build}"

# Debian packages for building, testing and generating the content pack.
QUILLMERE_PACKAGES=(
  g++ cmake ninja-build pkg-config
  libsdl2-dev libsdl2-mixer-dev libpng-dev libjpeg-dev zlib1g-dev
  libgtest-dev libbenchmark-dev
  libcairo2-dev fonts-dejavu-core libvorbis-dev espeak-ng
)

install_missing_packages() {
  local missing=()
  local pkg
  for pkg in "${QUILLMERE_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$pkg")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
  fi
  "${sudo[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

configure_and_build() {
  if [ ! -f "$BUILD_DIR/build.ninja" ]; then
    cmake -S "$REPO_DIR" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  fi
  cmake --build "$BUILD_DIR"
}
