#!/usr/bin/env bash
# Builds everything and packs the game into a Debian package in the build
# folder; prints the package's path.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
# cpack finds the package's dependencies with dpkg-shlibdeps, after `file`
# has picked out the executables.
QUILLMERE_PACKAGES+=(dpkg-dev file)
install_missing_packages
configure_and_build
cd "$BUILD_DIR"
rm -f quillmere_*.deb
cpack -G DEB >&2
shopt -s nullglob
packages=(quillmere_*.deb)
if [ ${#packages[@]} -ne 1 ]; then
  echo "package.sh: expected one quillmere_*.deb in $BUILD_DIR, found ${#packages[@]}" >&2
  exit 1
fi
echo "$BUILD_DIR/${packages[0]}"
