#!/usr/bin/env bash
# The programs and the unit tier built in Release with clang, warnings
# failing the build, in build-clang/, and that tier run: what GCC at -O2
# lets through and another compiler or -O3 would not.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang++ >/dev/null || {
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends clang
}
CC=clang CXX=clang++ cmake -S . -B build-clang -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DHUEVELLA_WERROR=ON
mapfile -t targets < <(ctest --test-dir build-clang -N -L unit | grep -oE '(tst|fuzz)_[a-z_]*' |
    sort -u)
cmake --build build-clang --target huevella hvz "${targets[@]}"
ctest --test-dir build-clang --output-on-failure -L unit -j2
