#!/usr/bin/env bash
# Installs the Debian 12 packages the station, its simulator and its tests need.
set -euo pipefail
packages=(
  cmake g++ make pkg-config
  qt6-base-dev libqt6sql6-sqlite qt6-qpa-plugins libmodbus-dev zlib1g-dev
  libgtest-dev libgmock-dev
  fonts-noto-cjk fonts-droid-fallback fonts-dejavu-core poppler-utils qpdf
  xvfb xauth at-spi2-core python3-pyatspi dbus-x11
  python3-pymodbus python3-serial-asyncio mbpoll socat
  clang-format-14
  libmosquitto-dev mosquitto mosquitto-clients openssl
  qt6-translations-l10n
  dpkg-dev lintian appstream
  sqlite3 libsqlite3-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
