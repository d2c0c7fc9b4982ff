#!/usr/bin/env bash
# Fails when a C++ file of ours differs from .clang-format's layout.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -co --exclude-standard '*.cpp' '*.h' '*.c' | xargs clang-format --dry-run --Werror
echo "format: every file as .clang-format lays it out"
