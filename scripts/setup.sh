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
)

# A mirror in the middle of a sync fails some of its index files for a while;
# if retrying does not mend it, the install that follows tells whether what it
# needs was there.
apt_update() {
    local pause
    for pause in 15 45 0; do
        apt-get update -qq && return 0
        [ "$pause" -eq 0 ] && break
        echo "setup: apt-get update failed; trying again in $pause s" >&2
        sleep "$pause"
    done
    echo "setup: going on with the package lists apt has" >&2
}

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
    apt_update
    # Without one architecture's security index, the two architectures' newest
    # versions of a shared library differ and cannot be installed together;
    # the release's own versions exist for both.
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null ||
        { echo "setup: installing the release's own versions instead" >&2;
          apt-get install -y -qq --no-install-recommends -t bookworm "${missing[@]}" >/dev/null; }
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
# Where the kernel runs it, nothing more is needed and nothing is registered.
# Elsewhere qemu-i386 runs it, registered with binfmt_misc; Debian 12's own
# qemu (7.2) takes a minute per start there, the one from bookworm-backports
# about a second, so that one is installed and registered.
binfmt=/proc/sys/fs/binfmt_misc
handler=$binfmt/qemu-i386
interpreter=/usr/bin/qemu-i386-static
# Mounted first, so that a handler registered earlier is seen.
[ -e $binfmt/register ] || [ "$(id -u)" -ne 0 ] || mount -t binfmt_misc binfmt_misc $binfmt 2>/dev/null || true
[ ! -e $handler ] && /usr/lib/wine/wine --version >/dev/null 2>&1 && exit 0
if [ "$(id -u)" -ne 0 ]; then
    echo "setup: the kernel runs no i386 programs; run this script as root to register qemu-i386 for them" >&2
    exit 0
fi

# Only this package, and what it pulls, comes from backports: the suite keeps
# its default low priority, so nothing else is taken from it.
qemu_version=$(dpkg-query -W -f='${Version}' qemu-user-static 2>/dev/null || true)
if [ -z "$qemu_version" ] || dpkg --compare-versions "$qemu_version" lt 1:10; then
    backports=/etc/apt/sources.list.d/bookworm-backports.sources
    if [ ! -e $backports ]; then
        mirror=$(apt-get indextargets --format '$(REPO_URI)' 'RELEASE: bookworm' 'IDENTIFIER: Packages' | sed -n 1p)
        printf 'Types: deb\nURIs: %s\nSuites: bookworm-backports\nComponents: main\nSigned-By: %s\n' \
            "$mirror" /usr/share/keyrings/debian-archive-keyring.gpg >$backports
    fi
    echo "setup: installing qemu-user-static from bookworm-backports"
    export DEBIAN_FRONTEND=noninteractive
    apt_update
    apt-get install -y -qq --no-install-recommends -t bookworm-backports qemu-user-static >/dev/null
fi

[ -e $binfmt/register ] || { echo "setup: binfmt_misc is not available: qemu-i386 cannot be registered" >&2; exit 0; }
# With the F flag the kernel keeps the interpreter it opened at registration,
# through any upgrade: a handler that still runs another qemu than the one
# installed is registered again. QEMU_VERSION makes qemu-user say its version.
first_line() { "$@" 2>/dev/null | sed -n 1p; }
current=$(first_line "$interpreter" --version)
if [ -e $handler ] && [ "$(QEMU_VERSION=1 first_line /usr/lib/wine/wine)" != "$current" ]; then
    echo "setup: qemu-i386 was registered with another qemu; registering $current"
    echo -1 >$handler
fi
[ -e $handler ] || echo ":qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:$interpreter:F" >$binfmt/register
