#!/usr/bin/env bash
# Installs the Debian packages Quendel needs to build, test and run, if missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libjpeg62-turbo-dev libcurl4-openssl-dev
  python3-pyftpdlib python3-openssl curl
  poppler-utils
  fonts-dejavu-core
  xvfb openbox xdotool  # a real X server and window manager, for checks by hand
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
# None of these packages is to leave a service running: while they install,
# a policy-rc.d that exits 101 tells their scripts not to start any.
policy=/usr/sbin/policy-rc.d
if [ ! -e "$policy" ]; then
  printf '#!/bin/sh\nexit 101\n' | $sudo tee "$policy" > /dev/null
  $sudo chmod +x "$policy"
  trap '$sudo rm -f "$policy"' EXIT
fi
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
