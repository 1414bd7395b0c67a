#!/bin/bash
# The command line as a Windows user runs it, under Wine: one case per call.
# Usage: cli_test.sh CASE CLI_EXE FIXTURE_EXE WORK_FOLDER
set -uo pipefail

case_name=$1 cli=$2 fixture=$3 work=$4
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
run() { "$here/wine-run.sh" "$@"; }

folder="$work/cli-$case_name"
rm -rf "$folder" && mkdir -p "$folder" && cd "$folder" || exit 1
failures=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
same_files() { cmp -s "$1" "$2"; }
listing() { find . -mindepth 1 | LC_ALL=C sort; }

run "$fixture" stand-in c3.exe || exit 1

# patch --resolution/--item, with the expected build made straight from the table.
patch_case() {  # ITEM ARGUMENTS... ; the output is out.exe
  local item=$1; shift
  run "$fixture" expected c3.exe "$item" expected.exe || return 1
  run "$cli" patch "$@" --input c3.exe --output out.exe > out.txt 2> err.txt
  local status=$?
  check "exit status 0 (was $status)" test "$status" -eq 0
  check "output equals the expected build of item $item" same_files out.exe expected.exe
}

case $case_name in
  list)
    run "$cli" list > list.txt
    check "exit status 0" test $? -eq 0
    check "11 entries" test "$(grep -c . list.txt)" -eq 11
    check "entry 10 is 1920×1080 with its file name" grep -q $'^10\t1920×1080\t1920x1080.exe\t' list.txt
    check "entry 0 is the prompt" grep -q $'^0\t请选择相应游戏分辨率大小\t' list.txt
    ;;
  patch-item)
    patch_case 10 --item 10
    ;;
  patch-resolution-x)
    patch_case 6 --resolution 1366x768
    ;;
  patch-resolution-times)
    # The multiplication sign arrives through the wide command line.
    patch_case 3 --resolution 1280×800
    ;;
  default-name-in-unicode-folder)
    # A folder name outside any single code page; the default output lands beside the input.
    mkdir -p "凯撒大帝3 Ελληνικά" && cp c3.exe "凯撒大帝3 Ελληνικά/c3.exe"
    run "$fixture" expected c3.exe 7 expected.exe
    run "$cli" patch --resolution 1440x900 --input "凯撒大帝3 Ελληνικά\\c3.exe" > out.txt
    check "exit status 0" test $? -eq 0
    check "1440x900.exe written beside the input" same_files "凯撒大帝3 Ελληνικά/1440x900.exe" expected.exe
    ;;
  errors)
    before=$(listing)
    run "$cli" patch --item 10 --input missing.exe --output out.exe > out.txt 2> err.txt
    check "missing input: exit status 2" test $? -eq 2
    check "missing input: a message on stderr" test -s err.txt
    rm -f out.txt err.txt
    check "missing input: nothing written" test "$(listing)" = "$before"

    run "$cli" patch --item 10 --input c3.exe --output "no such folder\\out.exe" > /dev/null 2> err.txt
    check "output folder missing: exit status 3" test $? -eq 3
    rm -f err.txt
    check "output folder missing: nothing written" test "$(listing)" = "$before"

    cp c3.exe taken.exe
    run "$cli" patch --item 10 --input c3.exe --output taken.exe > /dev/null 2> err.txt
    check "existing output without --force: exit status 3" test $? -eq 3
    check "existing output without --force: left as it was" same_files taken.exe c3.exe
    rm -f err.txt taken.exe

    run "$cli" patch --item 1 --input c3.exe --output out.exe > /dev/null 2> err.txt
    check "entry without a table: exit status 1" test $? -eq 1
    run "$fixture" stand-in short.exe 1000
    run "$cli" patch --item 10 --input short.exe --output out.exe > /dev/null 2> err.txt
    check "input too short: exit status 2" test $? -eq 2
    rm -f err.txt short.exe
    check "no output and no temporary file left" test "$(listing)" = "$before"
    ;;
  inspect)
    run "$fixture" expected c3.exe 10 patched.exe
    run "$cli" inspect --input patched.exe > out.txt
    check "exit status 0" test $? -eq 0
    check "names the resolution it was built for" grep -q "1920×1080" out.txt
    check "gives the file size" grep -q "1200000" out.txt
    ;;
  *)
    echo "unknown case $case_name"; exit 2 ;;
esac

echo "$case_name: $failures failed"
[[ $failures -eq 0 ]]
