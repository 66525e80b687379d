#!/usr/bin/env bash
# Builds Quendel and starts it; arguments go to the program (a page to open).
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build --target quendel
exec build/quendel "$@"
