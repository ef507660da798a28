#!/usr/bin/env bash
# Builds everything and runs the whole test suite headless.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing_packages
configure_and_build
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy SDL_RENDER_DRIVER=software
cd "$BUILD_DIR"
exec ctest --output-on-failure --timeout 600 --parallel "$(nproc)" "$@"
