#!/usr/bin/env bash
# The test emulator against a stand-in for wine64 that fails as the host
# does: only a start that wrote nothing and an exit the host's loader aborted
# are run again, three runs at most, and the caller gets the last run's
# output and exit code.
#   bash tests/check_wine_run.sh <cmake/wine-run.sh>
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Each word of PLAN is one run of the stand-in, in order: ok (lists, exit 0),
# silent (nothing, exit 1), loader (lists, then the loader's abort, exit 127),
# lost (lists, exit 127 without the loader's line).
cat >"$work/wine64" <<'STANDIN'
#!/usr/bin/env bash
runs=$(($(cat "$RUNS" 2>/dev/null || echo 0) + 1))
echo $runs >"$RUNS"
read -ra plan <<<"$PLAN"
[ "${plan[runs - 1]}" = silent ] && exit 1
echo "listing $*"
case ${plan[runs - 1]} in
loader) echo "Inconsistency detected by ld.so: dl-fini.c: 87: _dl_fini: Assertion failed!" >&2; exit 127 ;;
lost) exit 127 ;;
esac
STANDIN
chmod +x "$work/wine64"

failures=0
while IFS='|' read -r plan code runs; do
    rm -f "$work/runs"
    got=$(PLAN=$plan RUNS=$work/runs WINE_RUN_WINE64=$work/wine64 bash "$1" tests.exe --list 2>/dev/null)
    status=$?
    if [ "$status" != "$code" ] || [ "$(cat "$work/runs")" != "$runs" ] || [ "$got" != "listing tests.exe --list" ]; then
        echo "plan '$plan': exit $status after $(cat "$work/runs") runs, output '$got'; expected exit $code after $runs runs"
        failures=$((failures + 1))
    fi
done <<'CASES'
silent loader ok|0|3
loader loader loader|127|3
lost ok|127|1
CASES
exit $((failures > 0))
