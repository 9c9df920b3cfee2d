#!/usr/bin/env bash
# Side by side in one run: velandry-convert against iconv on the same generated
# playlists, with peak memory. Windows-1252 at [MiB] (default 64) and at four
# times that; Japanese names in code page 932 at a quarter of it (16 MiB).
# Run from the source root after scripts/test (or any release build):
#   bench/compare-with-iconv.sh [MiB]
set -euo pipefail
build=${BUILD:-build/release}
size=${1:-64}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

best() { # best of 3 wall-clock seconds of a command
  local best=
  for _ in 1 2 3; do
    local start end
    start=$(date +%s.%N); "$@" >/dev/null 2>&1 || true; end=$(date +%s.%N)
    best=$(echo "$start $end ${best:-999}" | awk '{t=$2-$1; print (t<$3)?t:$3}')
  done
  echo "$best"
}

compare() { # MiB code-page iconv-target [ja]
  local mib=$1 cp=$2 target=$3 names=${4:-}
  local file="$work/list$mib$names.wpl"
  "$build/bench/velandry-bench" "$mib" "$file" $names | sed 's/^/  /'
  t_iconv=$(best sh -c "iconv -c -f UTF-8 -t $target '$file' > '$work/out.txt'")
  t_ours=$(best "$build/cli/velandry-convert" -q -c "$cp" -t wma -o "$work" "$file")
  peak=$(/usr/bin/time -f %M "$build/cli/velandry-convert" -q -c "$cp" -t wma -o "$work" "$file" 2>&1 >/dev/null | tail -1)
  bytes=$(stat -c %s "$file")
  echo "$mib MiB, code page $cp: iconv -t $target ${t_iconv}s, velandry-convert ${t_ours}s" \
       "(ratio $(echo "$t_ours $t_iconv" | awk '{printf "%.2f", $1/$2}'))," \
       "peak memory $((peak / 1024)) MiB ($(echo "$peak $bytes" | awk '{printf "%.2f", $1*1024/$2}')x the file)"
  rm -f "$file"
}

compare "$size" 1252 WINDOWS-1252
compare $((size * 4)) 1252 WINDOWS-1252
compare $((size / 4)) 932 CP932 ja
