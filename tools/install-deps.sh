#!/usr/bin/env bash
# Installs the Debian packages that building, testing and looking at the suite need.
set -euo pipefail
packages=(build-essential cmake ninja-build qt6-base-dev libgtest-dev libbenchmark-dev
          fonts-dejavu-core fonts-liberation2 poppler-utils xvfb xauth imagemagick)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
