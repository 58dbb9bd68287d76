#!/usr/bin/env bash
# Sets up and builds, then runs Kelvor without a window on a bundled invitation (or on the
# file given). The log and the report land in Kelvor's working folder.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh

example=${1:-examples/invitation.ics}
status=0
build/default/src/kelvor --headless "$example" || status=$?
if [[ -n ${APPDATA:-} ]]; then
    echo "Kelvor ran on $example (exit status $status); see its APPDATA-based working folder."
else
    folder=${XDG_CACHE_HOME:-$HOME/.cache}/kelvor
    echo "Kelvor ran on $example (exit status $status)."
    echo "Report: $folder/kelvor.htm  Log: $folder/kelvor.log"
fi
exit "$status"
