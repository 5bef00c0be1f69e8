#!/usr/bin/env bash
# Installs what is missing, builds from scratch and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
install_missing_packages
rm -rf build
build_quadrillo

# The end-to-end test drives the real binary on a virtual X server.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -f "$display_file"' EXIT
for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
done
[ -s "$display_file" ] || { echo "Xvfb did not start" >&2; exit 1; }
export QUADRILLO_E2E_DISPLAY=":$(head -n1 "$display_file")"

ctest --test-dir build --output-on-failure --timeout 300
