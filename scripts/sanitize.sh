#!/usr/bin/env bash
# The unit and window tiers built with AddressSanitizer and UBSan, in
# build-sanitize/: about 9 minutes of building on two cores, then 40 seconds
# of tests. .ci/run runs it when HUEVELLA_CI_SANITIZE=1.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --tests huevella # the packages, and a configured build/
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHUEVELLA_SANITIZE=ON \
    -DHUEVELLA_WERROR=ON
mapfile -t targets < <(ctest --test-dir build-sanitize -N -L 'unit|window' |
    grep -oE '(tst|fuzz)_[a-z_]*' | sort -u)
cmake --build build-sanitize --target "${targets[@]}" hvz
ctest --test-dir build-sanitize --output-on-failure -L 'unit|window' -j2
