#!/usr/bin/env bash
# Installs the Debian packages Quendel needs to build, test and run, if missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config librsvg2-bin
  qt6-base-dev libgl-dev
  libjpeg62-turbo-dev libcurl4-openssl-dev libssl-dev
  python3-pyftpdlib python3-openssl curl
  vsftpd python3-asyncssh openssh-client openssl
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
# The tests start their own servers (vsftpd among them) from their own
# configuration; no package may start a system service. A policy-rc.d that
# answers 101 ("action forbidden") keeps apt from starting any while it
# installs, and goes again afterwards (also on failure), unless it was
# there before.
policy=/usr/sbin/policy-rc.d
if [ ! -e "$policy" ]; then
  printf '#!/bin/sh\nexit 101\n' | $sudo tee "$policy" > /dev/null
  $sudo chmod 755 "$policy"
  trap '$sudo rm -f "$policy"' EXIT
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
