#!/usr/bin/env bash
# Builds the Debian package build/vtstation_<version>_amd64.deb from the build/ tree (only what
# the package carries is built; an existing build is reused) and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j"$(nproc)" --target vt_packaged > /dev/null
(cd build && cpack -G DEB > /dev/null)
version=$(sed -n 's/.*kStationVersion\[\] = "\(.*\)";/\1/p' build/src/core/station_version.h)
deb="build/vtstation_${version}_$(dpkg --print-architecture).deb"
test -f "$deb"
echo "$deb"
