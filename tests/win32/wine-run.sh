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

if [[ ! -e $WINEPREFIX/.c3ws-ready ]]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [[ ! -e $WINEPREFIX/.c3ws-ready ]]; then
      DISPLAY= timeout 300 wineboot -i >/dev/null 2>&1
      settings=$(mktemp --suffix=.reg)
      iconv -f UTF-8 -t UTF-16 "$here/wine-settings.reg" > "$settings"
      DISPLAY= timeout 60 wine regedit /S "$(winepath -w "$settings" 2>/dev/null)" >/dev/null 2>&1
      rm -f "$settings"
      timeout 60 wineserver -w
      touch "$WINEPREFIX/.c3ws-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
fi

exec wine "$@"
