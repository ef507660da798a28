#!/usr/bin/env bash
# Builds the game and starts it from the build's program folder.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing_packages
configure_and_build
exec "$BUILD_DIR/game/quillmere" "$@"
