#!/usr/bin/env bash
# Builds the Linux program and starts it.
#   run.sh               in a demo folder holding a stand-in c3.exe (random bytes)
#   run.sh GAME_FOLDER   copies the program into the game folder and starts it there
# Without a display it runs on a virtual one and saves a screenshot instead.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/install-deps.sh run
# The linux preset, without tests and benchmarks, in a folder of its own.
cmake --preset linux -B build/run -DBUILD_TESTING=OFF -DC3WS_BENCHMARKS=OFF >/dev/null
cmake --build build/run -j "$(nproc)" --target c3widescreen c3ws-make-stand-in

if [ $# -ge 1 ]; then
    folder=$(cd "$1" && pwd)
    [ -e "$folder/c3.exe" ] || echo "note: $folder has no c3.exe; the program will say so and end."
else
    folder=$root/build/demo-game-folder
    mkdir -p "$folder"
    if [ ! -e "$folder/c3.exe" ]; then
        build/run/tools/c3ws-make-stand-in "$folder/c3.exe"
        printf '%s\n' "c3.exe here is a STAND-IN: 1.2 MB of pseudo-random bytes, not the game." \
            "Builds written from it show the flow only and will not run." \
            > "$folder/STAND-IN-NOT-THE-GAME.txt"
    fi
    echo "Demo folder: $folder (c3.exe is a stand-in of random bytes, not the game)"
fi
cp build/run/app/c3widescreen "$folder/"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$folder/c3widescreen"
fi

# No display: show it on a virtual one for a few seconds and keep a picture.
shot=$root/build/c3widescreen-window.png
xvfb-run -a -s "-screen 0 1920x1080x24" bash -c '
    "$1" & pid=$!
    for _ in $(seq 50); do
        xwininfo -root -tree 2>/dev/null | grep -q "Varnel" && break
        sleep 0.2
    done
    sleep 0.5
    import -window root "$2"
    kill "$pid"' _ "$folder/c3widescreen" "$shot"
echo "No display here: the window ran on a virtual screen; see $shot"
