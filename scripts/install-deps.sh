#!/usr/bin/env bash
# Installs the Debian packages Veltrane needs to build, test and run.
# Idempotent: does nothing when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev qt6-image-formats-plugins qt6-qpa-plugins
  libgl-dev libgif-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-nanum fonts-nanum-coding
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
