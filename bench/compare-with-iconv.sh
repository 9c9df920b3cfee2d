#!/usr/bin/env bash
# Side by side: velandry-convert on a generated playlist against iconv on the same
# file, at 64 MiB and at four times that, with peak memory. Run from the source root
# after scripts/test (or any release build): bench/compare-with-iconv.sh [MiB]
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

for mib in "$size" $((size * 4)); do
  file="$work/list$mib.wpl"
  "$build/bench/velandry-bench" "$mib" "$file" | sed 's/^/  /'
  t_iconv=$(best sh -c "iconv -c -f UTF-8 -t WINDOWS-1252 '$file' > '$work/out.txt'")
  t_ours=$(best "$build/cli/velandry-convert" -q -t wma -o "$work" "$file")
  peak=$(/usr/bin/time -f %M "$build/cli/velandry-convert" -q -t wma -o "$work" "$file" 2>&1 >/dev/null | tail -1)
  bytes=$(stat -c %s "$file")
  echo "$mib MiB: iconv ${t_iconv}s, velandry-convert ${t_ours}s" \
       "(ratio $(echo "$t_ours $t_iconv" | awk '{printf "%.2f", $1/$2}'))," \
       "peak memory $((peak / 1024)) MiB ($(echo "$peak $bytes" | awk '{printf "%.2f", $1*1024/$2}')x the file)"
  rm -f "$file"
done
