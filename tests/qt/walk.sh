#!/usr/bin/env bash
# Walks the real program as a user would, on the X display it is given (a bare
# Xvfb from CTest): starts it from a temporary game folder, finds its windows by
# title with xdotool, clicks and types, and checks what lands on disk and how the
# process ends. Every wait is bounded; a failure leaves a screenshot behind.
#
#   walk.sh CASE PROGRAM MAKE_STAND_IN EXPECTED_BUILD SEND_CLOSE ARTIFACTS
#
# CASE is one of: missing-game-file, read-write-1920x1080, read-write-1366x768,
# refuse-1024x600, close-during-read. With C3WS_TEST_WM=<window manager> the walk
# starts that window manager first (screenshots with frames for the docs).
set -euo pipefail

case_name=$1 program=$2 make_stand_in=$3 expected_build=$4 send_close=$5 artifacts=$6
mkdir -p "$artifacts"
rm -f "$artifacts/$case_name-failure.png"

game=$(mktemp -d "${TMPDIR:-/tmp}/c3ws-walk.XXXXXX")
pid=
wm_pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
    rm -rf "$game"
}
trap cleanup EXIT

fail() {
    echo "FAIL [$case_name]: $*" >&2
    import -window root "$artifacts/$case_name-failure.png" 2>/dev/null || true
    exit 1
}

# Controls of the main window, client-area centres taken from its layout.
read_button=(58 60)
write_button=(168 60)
resolution_list=(112 19)
main_title='^Varnel'
# Qt's title of the save dialog, translated where Qt's translations are installed.
save_title='^(另存为|Save As)$'

visible_windows() {  # REGEX: ids of the mapped windows with a matching title
    xdotool search --onlyvisible --name "$1" 2>/dev/null || true
}

wait_window() {  # REGEX [COUNT]: waits for COUNT such windows, prints the newest
    local want=${2:-1} ids
    for _ in $(seq 300); do
        ids=$(visible_windows "$1")
        if [ "$(printf '%s' "$ids" | grep -c .)" -ge "$want" ]; then
            printf '%s\n' "$ids" | tail -n 1
            return 0
        fi
        sleep 0.05
    done
    fail "no window titled /$1/ (x$want) within 15 s"
}

wait_no_window() {  # REGEX
    for _ in $(seq 300); do
        [ -z "$(visible_windows "$1")" ] && return 0
        sleep 0.05
    done
    fail "window /$1/ still open after 15 s"
}

wait_exit() {  # sets exit_code to that of the program, failing after 30 s
    for _ in $(seq 600); do
        if ! kill -0 "$pid" 2>/dev/null; then
            exit_code=0
            wait "$pid" || exit_code=$?
            pid=
            return 0
        fi
        sleep 0.05
    done
    fail "the program did not end within 30 s"
}

press() {  # WINDOW KEY...: keys to a window, focused first
    local window=$1
    shift
    timeout 5 xdotool windowfocus --sync "$window" || fail "cannot focus window $window"
    xdotool key --delay 30 "$@"
}

click() {  # WINDOW X Y (client-area pixels)
    # No --sync: it waits for a motion that never comes when the pointer is
    # already there. The server handles the move before the click anyway.
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

shot() {  # WINDOW NAME
    local frame=()
    [ -n "${C3WS_TEST_WM:-}" ] && frame=(-frame)
    import "${frame[@]}" -window "$1" "$artifacts/$2.png"
}

make_game_folder() {  # SIZE: the stand-in c3.exe, clearly marked as one
    "$make_stand_in" "$game/c3.exe" "$1" 195
    echo "c3.exe here is a stand-in of pseudo-random bytes for a test, not the game." \
        >"$game/STAND-IN-NOT-THE-GAME.txt"
}

start_program() {
    cp "$program" "$game/c3widescreen"
    (cd / && exec "$game/c3widescreen") &
    pid=$!
}

# Clicks 写出 until the save dialog opens: the button stays disabled while a
# Read runs, and a click on it does nothing until then.
open_save_dialog() {  # MAIN
    local ids
    for _ in $(seq 100); do
        click "$1" "${write_button[@]}"
        for _ in $(seq 10); do
            ids=$(visible_windows "$save_title")
            [ -n "$ids" ] && { printf '%s\n' "$ids" | tail -n 1; return 0; }
            sleep 0.05
        done
    done
    fail "the save dialog did not open within 50 s"
}

# The file is written after the dialog has closed; waits for the bytes.
wait_same_bytes() {  # ACTUAL EXPECTED
    for _ in $(seq 300); do
        cmp -s "$1" "$2" && return 0
        sleep 0.05
    done
    fail "$(basename "$1") is not the expected build after 15 s: $(cmp "$1" "$2" 2>&1 | head -n 1)"
}

expect_exit_code() {  # CODE
    wait_exit
    [ "$exit_code" = "$1" ] || fail "exit code $exit_code, expected $1"
}

if [ -n "${C3WS_TEST_WM:-}" ]; then
    "$C3WS_TEST_WM" >/dev/null 2>&1 &
    wm_pid=$!
    sleep 1
fi

# Read, then Write under the proposed name, under a name typed without an
# extension, and once more over an existing file after the dialog's question.
read_then_write() {  # ITEM DEFAULT_NAME
    local item=$1 default_name=$2
    make_game_folder 1200000
    "$expected_build" "$item" "$game/c3.exe" "$game/expected.bin"
    start_program
    local main
    main=$(wait_window "$main_title")
    sleep 0.3  # let it paint before the picture
    shot "$main" "main-window-$case_name"

    click "$main" "${read_button[@]}"
    local warning
    warning=$(wait_window '^稍等一下$')
    sleep 0.2
    shot "$warning" "message-box-$case_name"
    press "$warning" Return

    # The proposed name shows which entry start-up picked for this screen.
    local dialog
    dialog=$(open_save_dialog "$main")
    press "$dialog" Return
    wait_same_bytes "$game/$default_name" "$game/expected.bin"
    wait_no_window "$save_title"

    dialog=$(open_save_dialog "$main")
    press "$dialog" ctrl+a
    xdotool type --delay 20 "stand-in-build"
    xdotool key Return
    wait_same_bytes "$game/stand-in-build" "$game/expected.bin"
    wait_no_window "$save_title"

    echo "an older file" >"$game/$default_name"
    dialog=$(open_save_dialog "$main")
    press "$dialog" Return
    local question
    question=$(wait_window "$save_title" 2)
    [ "$question" != "$dialog" ] || fail "no question before replacing $default_name"
    press "$question" y
    wait_same_bytes "$game/$default_name" "$game/expected.bin"
}

case "$case_name" in
missing-game-file)
    start_program
    box=$(wait_window '^文件位置错误$')
    [ -z "$(visible_windows "$main_title")" ] || fail "the main window is visible"
    [ "$(visible_windows '.' | grep -c .)" = 1 ] || fail "more than the message is shown"
    sleep 0.2
    shot "$box" "message-box-$case_name"
    press "$box" Return
    expect_exit_code 0
    ;;
read-write-1920x1080)
    read_then_write 10 1920x1080.exe
    send_close_main=$(visible_windows "$main_title" | tail -n 1)
    "$send_close" "$send_close_main"
    expect_exit_code 0
    ;;
read-write-1366x768)
    read_then_write 6 1366X768.exe
    # A name in a folder that does not exist is refused and the dialog stays.
    main=$(visible_windows "$main_title" | tail -n 1)
    dialog=$(open_save_dialog "$main")
    press "$dialog" ctrl+a
    xdotool type --delay 20 "no-such-folder/x.exe"
    xdotool key Return
    refusal=$(wait_window "$save_title" 2)
    press "$refusal" Return
    wait_window "$save_title" >/dev/null
    press "$dialog" Escape
    wait_no_window "$save_title"
    [ ! -e "$game/no-such-folder" ] || fail "a folder was created"
    "$send_close" "$main"
    expect_exit_code 0
    ;;
refuse-1024x600)
    make_game_folder 1200000
    start_program
    main=$(wait_window "$main_title")
    # Opens the list and picks its second entry.
    click "$main" "${resolution_list[@]}"
    sleep 0.3
    xdotool key --delay 50 Home Down Return
    refusal=$(wait_window '^你在耍我吗？$')
    sleep 0.2
    shot "$refusal" "message-box-$case_name"
    press "$refusal" Return
    wait_no_window '^你在耍我吗？$'
    # The list is back on the prompt, so 读入 asks for a resolution and ends.
    click "$main" "${read_button[@]}"
    prompt=$(wait_window '^信息：$')
    press "$prompt" Return
    expect_exit_code 0
    ;;
close-during-read)
    # Large enough that the Read is still running when the close arrives.
    make_game_folder 64000000
    start_program
    main=$(wait_window "$main_title")
    click "$main" "${read_button[@]}"
    warning=$(wait_window '^稍等一下$')
    press "$warning" Return
    wait_no_window '^稍等一下$'
    closed_at=$(date +%s%N)
    "$send_close" "$main"
    expect_exit_code 0
    echo "ended $(( ($(date +%s%N) - closed_at) / 1000000 )) ms after the close"
    leftover=$(ls -A "$game" | grep -v -x -e c3.exe -e c3widescreen -e STAND-IN-NOT-THE-GAME.txt || true)
    [ -z "$leftover" ] || fail "files written: $leftover"
    ;;
*)
    fail "unknown case"
    ;;
esac
echo "PASS [$case_name]"
