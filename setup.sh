#!/usr/bin/env bash
# Installs what Tolva needs to build, run and test (only the packages that are missing),
# then configures and builds the program in ./build.
set -euo pipefail
cd "$(dirname "$0")"

PAQUETES=(
  build-essential cmake make pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-translations-l10n libgl-dev libsqlite3-dev
  libzbar0 libzip-dev libxlsxwriter-dev
  poppler-utils imagemagick fonts-liberation python3
  xvfb xauth
)

faltantes=()
for p in "${PAQUETES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltantes+=("$p")
done
if [ ${#faltantes[@]} -gt 0 ]; then
  echo "Instalando: ${faltantes[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${faltantes[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
