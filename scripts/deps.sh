#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing LUMBRIX need.
# Does nothing when they are all present already, so it is cheap to run every time.
set -euo pipefail

packages=(
    g++ cmake make pkg-config
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    qt6-base-dev libgl-dev
    xvfb xauth
    poppler-utils
    clang-format
    clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq "${missing[@]}"
fi
