#!/usr/bin/env bash
# The whole test suite from a bare Debian 12 machine: installs what is missing,
# checks the format, builds the shipped 32-bit executables with their package
# and the 64-bit test build, and runs every test under Wine on a private
# virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/check-format.sh

cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target all package
cmake --preset test >/dev/null
cmake --build --preset test -j "$(nproc)"

source scripts/wine-session.sh
wine_session_start tests
# The shipped 32-bit files get the whole end-to-end suite (the tests named
# i686.*) wherever 32-bit Wine starts, natively or through qemu-i386; CI
# must run them.
skip=()
case "$(wine32_mode)" in
none)
    echo "32-bit runs skipped: $(wine32_missing_reason)."
    [ "${CI:-}" = true ] && { echo "CI must run the shipped 32-bit files." >&2; exit 1; }
    skip=(-E '^i686[.]')
    ;;
*)
    wine32_starts_quickly || { echo "Stopped: $(wine32_slow_reason)." >&2; exit 1; }
    echo "32-bit Wine runs $(wine32_mode) here: the end-to-end tests run on the shipped 32-bit files too."
    ;;
esac
set +e
ctest --preset test "${skip[@]}" "$@"
status=$?
wine_session_stop
exit $status
