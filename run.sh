#!/usr/bin/env bash
# Installs what is missing, builds, and starts the viewer on the bundled sample
# interrupt list. Without a display it opens the list under a virtual X server
# and saves a screenshot of the window instead.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target zeltview zelt

viewer=./build/default/app/zeltview
list="$PWD/samples/INTERRUP.LST"

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec "$viewer" "$list"
fi

shot="$PWD/build/zeltview-sample.png"
echo "No display here: opening the sample list under a virtual X server instead."
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  "$1" "$2" &
  viewer=$!
  sleep 3
  import -window root "$3"
  kill "$viewer"
' run "$viewer" "$list" "$shot"
echo "Screenshot of the window: $shot"
