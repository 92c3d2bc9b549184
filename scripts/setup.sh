#!/usr/bin/env bash
# Installs everything the build, the tests and the demo need on a Debian 12
# machine, as root. Quick and quiet when everything is already there.
set -euo pipefail

packages=(
    cmake clang clang-format libclang-rt-dev
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64
    googletest
    wine wine64 wine32:i386
    xvfb imagemagick zip
    qemu-user-static
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "setup: missing packages (${missing[*]}); run this script as root" >&2
        exit 1
    fi
    echo "setup: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The posix thread model keeps std::thread available to the test driver.
for arch in i686 x86_64; do
    for tool in gcc g++; do
        want=/usr/bin/$arch-w64-mingw32-$tool-posix
        [ "$(readlink -f /usr/bin/$arch-w64-mingw32-$tool)" = "$(readlink -f "$want")" ] ||
            update-alternatives --quiet --set $arch-w64-mingw32-$tool "$want"
    done
done

# 32-bit Windows programs need Wine's 32-bit loader, an i386 Linux program.
# Where the kernel cannot run it, qemu-i386 is registered to run it; nothing
# is registered where it already starts.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1 && [ "$(id -u)" -eq 0 ]; then
    binfmt=/proc/sys/fs/binfmt_misc
    [ -e $binfmt/register ] || mount -t binfmt_misc binfmt_misc $binfmt 2>/dev/null || true
    if [ -e $binfmt/register ] && [ ! -e $binfmt/qemu-i386 ]; then
        echo ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
            >$binfmt/register 2>/dev/null || true
    fi
fi
