#!/usr/bin/env bash
# Installs the Debian 12 packages a task needs, and only those missing.
#   install-deps.sh run    build and start the Linux program
#   install-deps.sh test   build everything (Linux, sanitizers, Windows) and test it
set -euo pipefail

run_packages=(cmake g++ make qt6-base-dev qt6-translations-l10n fonts-wqy-microhei xvfb xauth x11-utils imagemagick)
test_packages=("${run_packages[@]}" libx11-dev libgtest-dev libbenchmark-dev xdotool xxd hyperfine
               g++-mingw-w64-x86-64-posix wine wine64
               g++-mingw-w64-i686-posix wine32:i386)

case "${1:-}" in
    run) wanted=("${run_packages[@]}") ;;
    test) wanted=("${test_packages[@]}") ;;
    *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

missing=()
for p in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
# The 32-bit Windows build runs under Wine's 32-bit half, which Debian ships for
# the i386 architecture only.
if [[ " ${missing[*]} " == *:i386\ * ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${as_root[@]}" dpkg --add-architecture i386
fi
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
