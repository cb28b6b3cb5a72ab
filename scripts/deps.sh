#!/usr/bin/env bash
# Installs the Debian packages Quillet needs to build, test and run, skipping those present.
set -euo pipefail

packages=(cmake ninja-build g++ clang clang-tidy clang-format libclang-rt-dev qt6-base-dev
          libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth python3 python3-vobject dpkg-dev
          file fonts-liberation fonts-wqy-zenhei)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
