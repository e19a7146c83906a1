#!/usr/bin/env bash
# Builds the Debian package and checks it: its contents, lintian, the AppStream metainfo, and
# the unpacked station answering --version.
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(scripts/package.sh)
version=$(sed -n 's/.*kStationVersion\[\] = "\(.*\)";/\1/p' build/src/core/station_version.h)
echo "package: $deb"

contents=$(dpkg-deb -c "$deb")
for path in \
  ./usr/bin/vtstation ./usr/bin/vt5800-sim ./usr/bin/vtrecords \
  ./usr/share/man/man1/vtstation.1.gz ./usr/share/man/man1/vt5800-sim.1.gz \
  ./usr/share/man/man1/vtrecords.1.gz \
  ./usr/share/applications/vtstation.desktop \
  ./usr/share/icons/hicolor/scalable/apps/vtstation.svg \
  ./usr/share/icons/hicolor/48x48/apps/vtstation.png \
  ./usr/share/metainfo/io.github.vt5800.vtstation.metainfo.xml \
  ./usr/share/doc/vtstation/copyright ./usr/share/doc/vtstation/changelog.gz; do
  grep -q " $path\$" <<< "$contents" || { echo "missing from the package: $path" >&2; exit 1; }
done
dpkg-deb -f "$deb" Depends | grep -q qt6-translations-l10n

lintian --fail-on error --tag-display-limit 0 "$deb"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/io.github.vt5800.vtstation.metainfo.xml"
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY "$unpacked/usr/bin/vtstation" --version)
[ "$answer" = "vtstation $version" ] || { echo "unpacked vtstation --version said: $answer" >&2; exit 1; }
echo "package checks passed: $answer"
