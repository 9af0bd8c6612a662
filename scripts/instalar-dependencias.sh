#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing the program need.
# Does nothing when every package is already there.
set -euo pipefail

paquetes=(
  build-essential cmake ninja-build pkg-config git clang-format
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
  libmariadb-dev mariadb-server mariadb-client
  libxlsxwriter-dev libcurl4-openssl-dev
  fonts-liberation2 xvfb xauth x11-utils imagemagick poppler-utils zbar-tools
  xdg-utils locales
)

faltan=()
for p in "${paquetes[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    faltan+=("$p")
  fi
done

if [ ${#faltan[@]} -eq 0 ]; then
  exit 0
fi

echo "Instalando: ${faltan[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${faltan[@]}"
