#!/usr/bin/env bash
# Installs what is missing, builds, and runs Morven's main job: the stand-in host hands the bundled
# sample drawing to the dialog, then shows the answer and the drawing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build"
"$root/host/run_demo.sh" "$root/build"
