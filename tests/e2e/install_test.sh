#!/usr/bin/env bash
# Installs the build into a scratch prefix and builds the Debian package, then checks that both
# hold the two programs, the desktop entry, the icon, the NK2 MIME type, the licence and the
# README.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

expected=(bin/quillet bin/quillet-convert share/applications/quillet.desktop
          share/icons/hicolor/scalable/apps/quillet.svg share/mime/packages/quillet-nk2.xml
          share/doc/quillet/LICENSE share/doc/quillet/README.md)

cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
for f in "${expected[@]}"; do
    [ -f "$scratch/prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
"$scratch/prefix/bin/quillet-convert" --version
# The desktop opens an NK2 file with Quillet: the entry takes the file and names the type the
# shipped MIME description declares for *.nk2.
grep -qx 'Exec=quillet %f' "$scratch/prefix/share/applications/quillet.desktop"
grep -q 'MimeType=application/x-outlook-nk2;' "$scratch/prefix/share/applications/quillet.desktop"
grep -q '<mime-type type="application/x-outlook-nk2">' \
    "$scratch/prefix/share/mime/packages/quillet-nk2.xml"
grep -q '<glob pattern="\*.nk2"/>' "$scratch/prefix/share/mime/packages/quillet-nk2.xml"

(cd "$scratch" && cpack --config "$build/CPackConfig.cmake" -B "$scratch/pkg" >/dev/null)
deb=$(ls "$scratch"/pkg/quillet_*.deb)
contents=$(dpkg-deb -c "$deb")
for f in "${expected[@]}"; do
    grep -q "\./usr/$f\$" <<<"$contents" || { echo "not packaged: $f"; exit 1; }
done
dpkg-deb -f "$deb" Package Version Depends
