#!/usr/bin/env bash
# Installs the Debian packages the project needs when any is missing.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libqt6sql6-ibase qt6-translations-l10n
  firebird3.0-server-core firebird3.0-utils libfbclient2 firebird-dev
  libzxing-dev libcurl4-openssl-dev libxlsxwriter-dev
  libgtest-dev googletest libbenchmark-dev
  firebird3.0-server
  qt6-charts-dev
  libxmlsec1-dev libxml2-dev libxml2-utils xmlsec1 zlib1g-dev openssl
  poppler-utils zbar-tools python3-aiosmtpd xvfb xauth unzip
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Instalando paquetes: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi
