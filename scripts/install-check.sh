#!/usr/bin/env bash
# Installs the built program into scratch roots, once with `cmake --install` and once from the
# Debian package that CPack makes, and runs each installed `kelvor --headless` on a bundled
# invitation: the command must find the program, the program its companion files.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "install check: $*" >&2
    exit 1
}

# Runs the installed command below a scratch root in a clean environment.
check_installed() {
    local root=$1 name=$2
    local home=$scratch/home-$name
    local folder=$root/usr/lib/kelvor
    mkdir -p "$home"
    [[ -L $root/usr/bin/kelvor ]] || fail "$name: no kelvor command in usr/bin"
    for file in kelvor kelvor.ini kelvor.css kelvortz.txt kelvorHelp.htm; do
        [[ -f $folder/$file ]] || fail "$name: $file missing in usr/lib/kelvor"
    done
    grep -q '^MimeType=.*text/calendar;' "$root/usr/share/applications/kelvor.desktop" ||
        fail "$name: no desktop entry for calendar files"
    [[ -f $root/usr/share/icons/hicolor/scalable/apps/kelvor.svg ]] || fail "$name: no icon"

    env -i PATH=/usr/bin:/bin HOME="$home" XDG_CACHE_HOME="$home/cache" \
        KELVOR_REGISTRY="$home/registry" "$root/usr/bin/kelvor" --headless \
        "$top/examples/invitation.ics" || fail "$name: the installed program failed"
    local log=$home/cache/kelvor/kelvor.log
    # The program found its own folder through the command's link.
    grep -q "KELVOR.INI (ok) in $folder" "$log" || fail "$name: companion files not found"
    grep -q 'Quarterly budget review' "$home/cache/kelvor/kelvor.htm" ||
        fail "$name: no report"
    echo "install check: $name: the installed kelvor --headless ran on examples/invitation.ics"
}

DESTDIR=$scratch/destdir cmake --install build/default --prefix /usr >/dev/null
check_installed "$scratch/destdir" "cmake --install"

cpack -G DEB --config build/default/CPackConfig.cmake -B "$scratch/package" >/dev/null
package=$(ls "$scratch"/package/kelvor_*.deb)
dpkg-deb --field "$package" Package Version Depends Recommends
dpkg-deb -x "$package" "$scratch/package-root"
check_installed "$scratch/package-root" "Debian package"
