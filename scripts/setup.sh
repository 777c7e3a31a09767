#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run. Idempotent: quiet and quick
# when everything is already there.
set -euo pipefail

packages=(
    build-essential cmake ninja-build ccache pkg-config
    qt6-base-dev qt6-base-dev-tools
    libsqlite3-dev sqlite3
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    libkainjow-mustache-dev libxlsxwriter-dev libzip-dev
    fonts-dejavu-core xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
