#!/usr/bin/env bash
# Side by side in one run, on the same generated playlists: velandry-convert
# against iconv, with peak memory (maximum resident set, the mapped playlist
# included). Windows-1252 at [MiB] (default 64) and at four times that;
# Japanese names in code page 932 at a quarter of it; an M3U8, an XSPF, a PLS
# and an ASX playlist of [MiB]; how the time grows from
# 16 MiB to 256 MiB; a 370 KB playlist whose overlapping references make a
# 682 MB file, beside cat of a file that size; how long a stop waits; and
# copying the music beside cp.
# Run from the source root after scripts/test (or any release build):
#   bench/compare-with-iconv.sh [MiB]
set -euo pipefail
build=${BUILD:-build/release}
size=${1:-64}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "$(nproc) cores; medians of 5 runs, A and B taking turns"

source "$(dirname "$0")/timing.sh"

declare -A measured
compare() { # MiB code-page iconv-target [ja]
  local mib=$1 cp=$2 target=$3 names=${4:-}
  local file="$work/list$mib$names.wpl"
  "$build/bench/velandry-bench" "$mib" "$file" $names >/dev/null
  side_by_side "$build/cli/velandry-convert" -q -c "$cp" -t wma -o "$work" "$file" \
    -- sh -c "iconv -c -f UTF-8 -t $target '$file' > '$work/out.txt'"
  local peak bytes cpu
  peak=$(peak_kib "$build/cli/velandry-convert" -q -c "$cp" -t wma -o "$work" "$file")
  cpu=$(cpu_seconds "$build/cli/velandry-convert" -q -c "$cp" -t wma -o "$work" "$file")
  bytes=$(stat -c %s "$file")
  measured[$mib$names]=$t_a
  echo "$mib MiB, code page $cp: velandry-convert ${t_a}s (processor ${cpu}s), iconv -c -t $target ${t_b}s" \
       "(ratio $(echo "$t_a $t_b" | awk '{ printf "%.2f", $1 / $2 }'))," \
       "peak memory $((peak / 1024)) MiB ($(echo "$peak $bytes" | awk '{ printf "%.2f", $1 * 1024 / $2 }')x the file)"
  rm -f "$file" "$work"/*.asx
}

compare 16 1252 WINDOWS-1252
compare "$size" 1252 WINDOWS-1252
compare $((size * 4)) 1252 WINDOWS-1252
echo "growth from 16 to $((size * 4)) MiB: $(echo "${measured[16]} ${measured[$((size * 4))]}" \
  | awk '{ printf "%.1f", $2 / $1 }') times the time for $((size * 4 / 16)) times the text"
compare $((size / 4)) 932 CP932 ja

# The other playlist formats, their entries under the music root, the same way.
compare_format() { # m3u8|xspf|pls|asx MiB
  local kind=$1 mib=$2
  local file="$work/list$mib.$kind"
  "$build/bench/velandry-bench" format "$kind" "$mib" "$file"
  # An ASX playlist's output has its own name, so the outputs go to a folder apart.
  mkdir -p "$work/out"
  side_by_side "$build/cli/velandry-convert" -q -c 1252 -t mp3 -r /home/ana/Music -o "$work/out" "$file" \
    -- sh -c "iconv -c -f UTF-8 -t WINDOWS-1252 '$file' > '$work/out.txt'"
  local peak bytes cpu
  peak=$(peak_kib "$build/cli/velandry-convert" -q -c 1252 -t mp3 -r /home/ana/Music -o "$work/out" "$file")
  cpu=$(cpu_seconds "$build/cli/velandry-convert" -q -c 1252 -t mp3 -r /home/ana/Music -o "$work/out" "$file")
  bytes=$(stat -c %s "$file")
  echo "$mib MiB of $kind: velandry-convert ${t_a}s (processor ${cpu}s), iconv -c -t WINDOWS-1252 ${t_b}s" \
       "(ratio $(echo "$t_a $t_b" | awk '{ printf "%.2f", $1 / $2 }'))," \
       "peak memory $((peak / 1024)) MiB ($(echo "$peak $bytes" | awk '{ printf "%.2f", $1 * 1024 / $2 }')x the file)"
  # Like for like: iconv's output flushed to the disk too, as every .asx is.
  side_by_side "$build/cli/velandry-convert" -q -c 1252 -t mp3 -r /home/ana/Music -o "$work/out" "$file" \
    -- sh -c "{ iconv -c -f UTF-8 -t WINDOWS-1252 '$file' > '$work/out.txt' || [ \$? -eq 1 ]; } && sync '$work/out.txt'"
  echo "  beside iconv and sync of its output: velandry-convert ${t_a}s, iconv and sync ${t_b}s" \
       "(ratio $(echo "$t_a $t_b" | awk '{ printf "%.2f", $1 / $2 }'))"
  rm -f "$file" "$work"/out/*.asx
}
for kind in m3u8 xspf pls asx; do
  compare_format "$kind" "$size"
done

"$build/bench/velandry-bench" overlap "$work/overlap.wpl"
"$build/cli/velandry-convert" -q -c 1252 -t mp3 -o "$work" "$work/overlap.wpl"
side_by_side "$build/cli/velandry-convert" -q -c 1252 -t mp3 -o "$work" "$work/overlap.wpl" \
  -- sh -c "cat '$work/overlap.asx' > '$work/copy'"
echo "$(stat -c %s "$work/overlap.wpl") bytes writing $(stat -c %s "$work/overlap.asx") bytes: velandry-convert" \
     "${t_a}s, cat of the output ${t_b}s, peak memory" \
     "$(( $(peak_kib "$build/cli/velandry-convert" -q -c 1252 -t mp3 -o "$work" "$work/overlap.wpl") / 1024 )) MiB"
rm -rf "${work:?}"/*

"$build/bench/velandry-bench" cancel $((size * 4))
"$build/bench/velandry-bench" card

# Copying the music beside cp of the same files onto the same file system
# (this one's /tmp; with `sync`, as the copy flushes each file to the card).
music=$work/music
mkdir -p "$music"
for i in $(seq 1 40); do head -c $((size * 1024 * 1024 / 40)) /dev/urandom >"$music/track$i.mp3"; done
copy_with_cp() { rm -rf "$work/cp"; mkdir "$work/cp"; cp "$music"/*.mp3 "$work/cp/"; }
copy_with_cp_sync() { copy_with_cp; sync "$work/cp"/*.mp3; }
export -f copy_with_cp copy_with_cp_sync
export work music
side_by_side "$build/bench/velandry-bench" copy "$music" "$work" -- bash -c copy_with_cp_sync
echo "copying $size MiB in 40 files onto $(stat -f -c %T "$work"): velandry ${t_a}s, cp and sync ${t_b}s" \
     "(velandry at $(echo "$t_b $t_a" | awk '{ printf "%.2f", $1 / $2 }') times cp's pace)"
side_by_side "$build/bench/velandry-bench" copy "$music" "$work" -- bash -c copy_with_cp
echo "the same against cp without sync: ${t_b}s ($(echo "$t_b $t_a" | awk '{ printf "%.2f", $1 / $2 }') times)"
"$build/bench/velandry-bench" plan
"$build/bench/velandry-bench" sync
