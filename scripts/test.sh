#!/usr/bin/env bash
# The whole test suite from a bare Debian 12 machine: installs what is missing,
# checks the format, builds the shipped 32-bit executables and the 64-bit test
# build, and runs every test under Wine on a private virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/check-format.sh

cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target all package
cmake --preset test >/dev/null
cmake --build --preset test -j "$(nproc)"

source scripts/wine-session.sh
skip=()
if ! wine32_runs; then
    echo "32-bit smoke skipped: $(wine32_missing_reason)."
    [ "${CI:-}" = true ] && { echo "CI must run the 32-bit smoke." >&2; exit 1; }
    skip=(-E '^smoke32$')
fi
wine_session_start tests
set +e
ctest --preset test "${skip[@]}" "$@"
status=$?
wine_session_stop
exit $status
