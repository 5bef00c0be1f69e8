#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
install_missing_packages
build_quadrillo
# Until the game picks its pictures from packs it plays temp.bmp beside itself,
# and deletes it on exit: put a fresh one there each time.
cp build/sample-picture.bmp build/temp.bmp
exec build/quadrillo
