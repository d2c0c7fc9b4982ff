#!/usr/bin/env bash
# Fuzzes the recovery copy's reader with libFuzzer, under AddressSanitizer,
# UBSan and the standard library's assertions, for SECONDS (600 unless
# told), from the seed corpus in tests/fuzz/; new finds go to
# build-fuzz/corpus, a crash to build-fuzz/crash-*.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
missing=()
for p in clang libclang-rt-14-dev cmake ninja-build qt6-base-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DHUEVELLA_SANITIZE=ON -DHUEVELLA_FUZZ=ON -DHUEVELLA_TESTS=OFF \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link"
cmake --build build-fuzz --target fuzz_recovery_copy
mkdir -p build-fuzz/corpus
cd build-fuzz
./bin/fuzz_recovery_copy -max_total_time="$seconds" -artifact_prefix=./ corpus \
    ../tests/fuzz/recovery_copy_corpus
