#!/bin/bash
# The real c3widescreen.exe in a game folder of its own, under Wine on a
# 1920x1080 Xvfb screen: xdotool plays the user, the probe reads the window.
# Usage: gui_walk.sh CASE GUI_EXE CLI_EXE FIXTURE_EXE PROBE_EXE WORK_FOLDER
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [[ -z ${C3WS_IN_XVFB:-} ]]; then
  export C3WS_IN_XVFB=1
  exec timeout 300 xvfb-run -a -s "-screen 0 1920x1080x24 -nolisten tcp" "$0" "$@"
fi

case_name=$1 gui=$2 cli=$3 fixture=$4 probe=$5 work=$6
run() { "$here/wine-run.sh" "$@"; }
probe() { run "$probe" "$@" | tr -d '\r'; }  # the console writes CRLF

failures=0
check() {
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
finish() {
  [[ -n ${program:-} ]] && kill "$program" 2>/dev/null
  WINEPREFIX=$C3WS_WINEPREFIX timeout 30 wineserver -k 2>/dev/null
  echo "$case_name: $failures failed"
  [[ $failures -eq 0 ]]
  exit
}
fail_now() { echo "FAILED: $1"; failures=$((failures + 1)); finish; }

# A window by its title, as X sees it; waits at most SECONDS.
x_window() {  # TITLE SECONDS
  local end=$((SECONDS + $2)) id
  while ((SECONDS <= end)); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
    [[ -n $id ]] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
press() {  # WINDOW KEY: the key as typed on the keyboard, into that window
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  xdotool key --clearmodifiers "$2"
}
click_at() { xdotool mousemove --sync "$1" "$2" click 1; }
screenshot() {  # NAME: the main window, cut out of the screen
  local geometry
  geometry=$(probe wait-window "Varnel全自动宽屏生成器_Tobrik" 5) || return 1
  read -r x y w h <<< "$geometry"
  import -window root -crop "${w}x${h}+${x}+${y}" "$work/$1.png"
}
wait_exit() {  # SECONDS: sets status to the program's exit status, 124 if it did not end
  local end=$((SECONDS + $1))
  while kill -0 "$program" 2>/dev/null && ((SECONDS <= end)); do sleep 0.1; done
  if kill -0 "$program" 2>/dev/null; then status=124; return; fi
  wait "$program"; status=$?
  program=
}

# The game folder: a name outside any one code page, the program copied in.
game="$work/gui-$case_name/凯撒大帝3 游戏"
rm -rf "$work/gui-$case_name" && mkdir -p "$game" || exit 1
cp "$gui" "$game/c3widescreen.exe"
# The first start of a fresh prefix takes a while; do it before any timed wait.
run "$fixture" stand-in "$work/gui-$case_name/stand-in-c3.exe" || exit 1
start() { (cd "$game" && exec "$here/wine-run.sh" c3widescreen.exe) & program=$!; }

case $case_name in
  refusal)
    start
    box=$(x_window "文件位置错误" 60) || fail_now "no message titled 文件位置错误"
    check "the main window is not shown" test -z "$(xdotool search --onlyvisible --name Varnel 2>/dev/null)"
    press "$box" Return
    wait_exit 30
    check "exit status 0 after OK (was $status)" test "$status" -eq 0
    ;;

  preselect-and-guard)
    cp "$work/gui-$case_name/stand-in-c3.exe" "$game/c3.exe"
    start
    probe wait-window "Varnel全自动宽屏生成器_Tobrik" 60 > /dev/null || fail_now "main window not shown"
    state=$(probe state)
    check "1920×1080 pre-selected on a 1920x1080 screen" grep -qx "selection 10" <<< "$state"
    check "写出 disabled at start" grep -qx "enabled 写出 0" <<< "$state"
    check "the edit box is hidden" grep -qx "edit-visible 0" <<< "$state"
    screenshot main-window

    # Open the list with the mouse and pick 1024×600.
    read -r cx cy <<< "$(probe center)"
    click_at "$cx" "$cy"
    entry=$(probe list-entry 1) || fail_now "the list did not open"
    read -r ex ey <<< "$entry"
    click_at "$ex" "$ey"
    box=$(x_window "你在耍我吗？" 20) || fail_now "no message titled 你在耍我吗？"
    press "$box" Return
    probe wait-gone "你在耍我吗？" 10 > /dev/null
    state=$(probe state)
    check "the prompt entry is selected again" grep -qx "selection 0" <<< "$state"
    check "entry 1 is replaced" grep -qx "entry 1 不许再选这个分辨率了" <<< "$state"
    check "still 11 entries" grep -qx "entry 10 1920×1080" <<< "$state"

    read -r x y <<< "$(probe close-box)"
    click_at "$x" "$y"
    wait_exit 30
    check "the close box ends the program with status 0 (was $status)" test "$status" -eq 0
    ;;

  read-write)
    cp "$work/gui-$case_name/stand-in-c3.exe" "$game/c3.exe"
    run "$fixture" expected "$game/c3.exe" 10 "$work/gui-$case_name/expected.exe"
    start
    probe wait-window "Varnel全自动宽屏生成器_Tobrik" 60 > /dev/null || fail_now "main window not shown"

    read -r x y <<< "$(probe center 读入)"
    click_at "$x" "$y"
    box=$(x_window "稍等一下" 20) || fail_now "no warning before the Read"
    press "$box" Return
    probe wait-enabled 写出 30 || fail_now "写出 not enabled after the Read"
    screenshot after-read

    read -r x y <<< "$(probe center 写出)"
    click_at "$x" "$y"
    # Wine's save dialog: the proposed name is typed over and confirmed with Enter.
    dialog=$(x_window "(Save As|另存为)" 30) || fail_now "no save dialog"
    import -window root "$work/save-dialog.png"
    press "$dialog" Return
    end=$((SECONDS + 30))
    while [[ ! -s "$game/1920x1080.exe" ]] && ((SECONDS <= end)); do sleep 0.1; done
    probe wait-enabled 写出 30 > /dev/null
    check "1920x1080.exe written in the game folder" test -s "$game/1920x1080.exe"
    check "it equals the expected build byte for byte" cmp -s "$game/1920x1080.exe" "$work/gui-$case_name/expected.exe"
    check "c3.exe untouched" cmp -s "$game/c3.exe" "$work/gui-$case_name/stand-in-c3.exe"
    check "no temporary file left" test "$(ls -A "$game" | wc -l)" -eq 3

    read -r x y <<< "$(probe close-box)"
    click_at "$x" "$y"
    wait_exit 30
    check "exit status 0 (was $status)" test "$status" -eq 0
    ;;
  *)
    echo "unknown case $case_name"; exit 2 ;;
esac
finish
