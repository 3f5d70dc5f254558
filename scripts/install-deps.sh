#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the demo need.
# Non-interactive and idempotent: when everything is present it only checks.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-odbc
  qt6-svg-dev qt6-pdf-dev libgl-dev libxkbcommon-dev
  libqpdf-dev libzint-dev libkainjow-mustache-dev libx11-dev
  unixodbc-dev tdsodbc libsqlite3-dev
  libbenchmark-dev
  fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
