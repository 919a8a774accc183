#!/usr/bin/env bash
# Fails when a C++ file of the project is not formatted as .clang-format says.
set -euo pipefail
cd "$(dirname "$0")/.."
find src tests bench tools fuzz -name '*.cpp' -o -name '*.h' | sort |
    xargs clang-format --dry-run --Werror
