#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the plain core, the
# windows offscreen, and the real program under Xvfb with a tray host.
set -euo pipefail
cd "$(dirname "$0")/.."
# Our own warnings fail the build here, as in CI.
export HUEVELLA_WERROR=${HUEVELLA_WERROR:-ON}
scripts/setup.sh --tests
ctest --test-dir build --output-on-failure "$@"
