#!/usr/bin/env bash
# Installs the build into a scratch prefix and builds the Debian package, then checks that both
# hold the two programs, the desktop entry and the icon.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

expected=(bin/quillet bin/quillet-convert share/applications/quillet.desktop
          share/icons/hicolor/scalable/apps/quillet.svg)

cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
for f in "${expected[@]}"; do
    [ -f "$scratch/prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
"$scratch/prefix/bin/quillet-convert" --version

(cd "$scratch" && cpack --config "$build/CPackConfig.cmake" -B "$scratch/pkg" >/dev/null)
deb=$(ls "$scratch"/pkg/quillet_*.deb)
contents=$(dpkg-deb -c "$deb")
for f in "${expected[@]}"; do
    grep -q "\./usr/$f\$" <<<"$contents" || { echo "not packaged: $f"; exit 1; }
done
dpkg-deb -f "$deb" Package Version Depends
