#!/bin/bash
# Runs a Windows program under Wine in the tests' own prefix, creating the prefix
# on first use: no Mono or Gecko prompts, Chinese fonts configured, title bars
# drawn by Wine. Usage: wine-run.sh PROGRAM [ARGUMENTS...]
# C3WS_WINEPREFIX names the prefix (default: wineprefix beside this build's tests).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX=${C3WS_WINEPREFIX:?C3WS_WINEPREFIX must name the test prefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# The prefix is made for the Wine installed at the time. A 64-bit prefix made
# before Debian's wine32 was installed has no syswow64, and once wine32 is there
# /usr/bin/wine starts every program through the 32-bit loader, which then fails
# ("could not load kernel32.dll") for 64-bit programs too; wineboot -u cannot
# mend it. The prefix is the tests' own, so it is made again instead; likewise
# when the settings imported into it have changed.
stamp="$(wine --version 2>/dev/null || true), 32-bit loader: $([[ -x /usr/lib/wine/wine ]] && echo yes || echo no), settings: $(md5sum < "$here/wine-settings.reg" | cut -c1-32)"
ready=$WINEPREFIX/.c3ws-ready
if [[ ! -e $ready || $(<"$ready") != "$stamp" ]]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [[ ! -e $ready || $(<"$ready") != "$stamp" ]]; then
      if [[ -e $WINEPREFIX ]]; then
        timeout 60 wineserver -k >/dev/null 2>&1 || true
        rm -rf "$WINEPREFIX"
      fi
      DISPLAY= timeout 300 wineboot -i >/dev/null 2>&1
      settings=$(mktemp --suffix=.reg)
      iconv -f UTF-8 -t UTF-16 "$here/wine-settings.reg" > "$settings"
      DISPLAY= timeout 60 wine regedit /S "$(winepath -w "$settings" 2>/dev/null)" >/dev/null 2>&1
      rm -f "$settings"
      timeout 60 wineserver -w
      printf '%s\n' "$stamp" > "$ready"
    fi
  ) 9>"$WINEPREFIX.lock"
fi

exec wine "$@"
