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
  xvfb xdotool x11-utils x11-xkb-utils evilwm
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
# No package may start a service while it installs: policy-rc.d answers
# every start with 101 ("action not allowed") and goes again afterwards.
policy=/usr/sbin/policy-rc.d
placed=""
if [ ! -e "$policy" ]; then
  printf '#!/bin/sh\nexit 101\n' | $sudo tee "$policy" > /dev/null
  $sudo chmod 755 "$policy"
  placed=yes
fi
trap 'if [ -n "$placed" ]; then $sudo rm -f "$policy"; fi' EXIT
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
