#!/usr/bin/env bash
# Installs the Debian packages Orvane needs to build, run and test, when any is missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev fonts-dejavu-core fonts-dejavu-extra
  clang libclang-rt-14-dev
  dpkg-dev file
  # The package's checks (scripts/check-install.sh): lintian on the .deb, and the desktop entry
  # and AppStream metadata validators.
  lintian desktop-file-utils appstream
  # The locale sources, compiled in the build folder for the decimal-comma test of the driver.
  locales
  # The OCR tool that reads the calculator's results back from pictures of the screen.
  tesseract-ocr tesseract-ocr-eng
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
