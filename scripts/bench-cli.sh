#!/usr/bin/env bash
# Times `c3widescreen-cli patch` as a whole process against the plain hex round
# trip `xxd -p | xxd -r -p` on the same 1.2 MB stand-in for c3.exe, and prints
# the figures side by side. Builds nothing: give it the CLI of a build.
#
#   scripts/bench-cli.sh [CLI] [ITEM]
#     CLI   default: build/linux/cli/c3widescreen-cli (from the repository root)
#     ITEM  the list entry to build, default 6 (1366×768)
#   Extra options for hyperfine can be passed in HYPERFINE_OPTIONS.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$root/build/linux/cli/c3widescreen-cli}
item=${2:-6}
size=1200000

for tool in hyperfine xxd; do
  command -v "$tool" >/dev/null || { echo "bench-cli: $tool is not installed" >&2; exit 1; }
done
[[ -x $cli ]] || { echo "bench-cli: no executable at $cli; build it first" >&2; exit 1; }
cli=$(cd "$(dirname "$cli")" && pwd)/$(basename "$cli")

work=$(mktemp -d "${TMPDIR:-/tmp}/bench-cli.XXXXXX")
trap 'rm -rf "$work"' EXIT
head -c "$size" /dev/urandom >"$work/c3.exe"

# One run first: a CLI that fails would otherwise be timed at its error path.
"$cli" patch --item "$item" --input "$work/c3.exe" --output "$work/cli.exe" --force >/dev/null
[[ $(wc -c <"$work/cli.exe") -eq $size ]] || { echo "bench-cli: the CLI wrote a wrong size" >&2; exit 1; }

# shellcheck disable=SC2086
hyperfine --warmup 3 --min-runs 20 --style basic ${HYPERFINE_OPTIONS:-} \
  --export-markdown "$work/table.md" \
  -n "c3widescreen-cli patch --item $item" \
  "'$cli' patch --item $item --input '$work/c3.exe' --output '$work/cli.exe' --force" \
  -n "xxd -p | xxd -r -p" \
  "xxd -p '$work/c3.exe' | xxd -r -p > '$work/xxd.exe'"

echo
echo "Side by side ($size bytes, item $item):"
cat "$work/table.md"
