#!/usr/bin/env bash
# Builds and runs the project script writer benchmark (optimised native build).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/build.sh native >/dev/null
build/native/bench_project_script
