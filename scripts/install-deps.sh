#!/usr/bin/env bash
# Installs the Debian packages Veltrane needs to build, test and run.
# Idempotent: does nothing when everything is already there.
set -euo pipefail

# Real package names only (no virtual ones): each must read as installed
# below, or every run would go to the network again.
packages=(
  build-essential cmake
  clang-format                     # the layout of every C++ file
  qt6-base-dev qt6-base-dev-tools  # Widgets, PrintSupport, Test; moc
  qt6-image-formats-plugins        # TIFF
  qt6-translations-l10n            # Qt's own dialogs in Korean
  libgif-dev                       # GIF writing
  libpng-dev                       # PNG writing with our own filter and compression
  libcups2-dev                     # asking the print queue whether a job was taken
  cups-daemon cups-client          # the printing tests' own private scheduler
  libgtest-dev libbenchmark-dev
  python3                          # the fault lists' checker and planter
  xvfb                             # the start-up benchmark's X display when none is set
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
