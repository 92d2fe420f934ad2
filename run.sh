#!/usr/bin/env bash
# Installs what is missing, builds, and shows the bundled sample interrupt list.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
cmake --preset default >/dev/null
cmake --build --preset default
./build/default/cli/zelt topics samples/INTERRUP.LST
