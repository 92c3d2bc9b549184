#!/usr/bin/env bash
# The whole test suite from a bare Debian 12 machine: installs what is missing,
# checks the format, builds the shipped 32-bit executables and the 64-bit test
# build, and runs every test under Wine on a private virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/check-format.sh

cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"
cmake --preset test >/dev/null
cmake --build --preset test -j "$(nproc)"

source scripts/wine-session.sh
wine_session_start tests
set +e
ctest --preset test "$@"
status=$?
wine_session_stop
exit $status
