#!/usr/bin/env bash
# Sets up and builds, then opens Kelvor's window on a bundled invitation (or on the file
# given). Without a display it saves the window as a picture instead and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh

example=${1:-examples/invitation.ics}
if [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; then
    exec build/default/src/kelvor "$example"
fi

echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): saving the window as a picture."
status=0
build/default/src/kelvor --screenshot build/default/kelvor-window.png "$example" || status=$?
if [[ -n ${APPDATA:-} ]]; then
    echo "Kelvor ran on $example (exit status $status); see its APPDATA-based working folder."
else
    folder=${XDG_CACHE_HOME:-$HOME/.cache}/kelvor
    echo "Kelvor ran on $example (exit status $status)."
    echo "Report: $folder/kelvor.htm  Log: $folder/kelvor.log"
fi
exit "$status"
