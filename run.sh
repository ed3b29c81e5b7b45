#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quorvel.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh
ensure_packages "${BUILD_PACKAGES[@]}" libgtest-dev
configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: Quorvel needs a desktop. Without one, run it as: xvfb-run -a build/quorvel" >&2
    exit 1
fi
exec build/quorvel
