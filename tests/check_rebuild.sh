#!/usr/bin/env bash
# Rebuilds the release package from a clean copy of the sources in another
# folder, under another time zone and umask (and, when run as root, as
# another user), and fails unless the executables, the zip and SHA256SUMS
# equal the release build's byte for byte.
#   bash tests/check_rebuild.sh <source folder> <release build folder>
set -euo pipefail
source=$(cd "$1" && pwd)
release=$(cd "$2" && pwd)

work=$(mktemp -d /tmp/rebuild.XXXXXX)
trap 'rm -rf "$work"' EXIT
copy=$work/another/place/for/the/sources

# The sources as they are in the work tree, dated as the release build dates
# them: with the last commit's time.
mkdir -p "$copy"
git=(git -c safe.directory="*" -C "$source") # read only, in a checkout another user may own
if "${git[@]}" rev-parse --git-dir >/dev/null 2>&1; then
    "${git[@]}" ls-files -z -co --exclude-standard |
        (cd "$source" && tar --null --ignore-failed-read -T - -cf -) | tar -C "$copy" -xf -
    SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$("${git[@]}" log -1 --format=%ct)}
    export SOURCE_DATE_EPOCH
else
    (cd "$source" && tar --exclude=./build -cf - .) | tar -C "$copy" -xf -
fi

as_builder=()
if [ "$(id -u)" -eq 0 ] && id nobody >/dev/null 2>&1; then
    chown -R nobody "$work"
    as_builder=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups --)
fi
(
    cd "$copy"
    umask 0077
    env HOME="$work" TZ=Pacific/Kiritimati LC_ALL=C "${as_builder[@]}" bash -c \
        'cmake --preset release >/dev/null && cmake --build --preset release --target all package >/dev/null'
)

rebuilt=$copy/build/release
status=0
for file in bin/panefit.exe bin/paneprobe.exe bin/panefit-wait.exe bin/panelist.exe SHA256SUMS panefit-*-win32.zip; do
    first=$(cd "$release" && compgen -G "$file" | head -n 1)
    if [ -z "$first" ] || ! cmp "$release/$first" "$rebuilt/$first"; then
        echo "rebuild: ${first:-$file} differs" >&2
        status=1
    else
        echo "rebuild: $first is the same, $(sha256sum <"$release/$first" | cut -d' ' -f1)"
    fi
done
echo "rebuilt in $copy as $("${as_builder[@]}" id -un), TZ=Pacific/Kiritimati, umask 0077"
exit $status
