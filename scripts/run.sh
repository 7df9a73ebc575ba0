#!/usr/bin/env bash
# Installs what is missing, builds, and runs Morven's main job.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build"
echo "Built. The dialog is not there yet: only the numeric and exchange modules are built."
