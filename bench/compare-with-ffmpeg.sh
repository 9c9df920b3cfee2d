#!/usr/bin/env bash
# Encoding on the way to the card, beside the ffmpeg program with the same
# encoders and settings: 20 generated tracks of three minutes (an hour of
# music) from FLAC to MP3 (LAME, 128 kbit/s, quality 2) and to WMA (FFmpeg's
# WMA 2, 128 kbit/s), velandry-convert --transcode with 1 and 2 jobs beside
# ffmpeg run once per file by xargs -P 1 and -P 2, taking turns; and the peak
# memory of one job. The ffmpeg program is the peer only: Velandry starts no
# program to encode.
# Run from the source root after scripts/test (or any release build):
#   bench/compare-with-ffmpeg.sh [TRACKS] [SECONDS]
set -euo pipefail
RUNS=3
source "$(dirname "$0")/timing.sh"
build=${BUILD:-build/release}
tracks=${1:-20}
length=${2:-180}
if ! command -v ffmpeg >/dev/null; then
  echo "the peer is the ffmpeg program: apt-get install ffmpeg" >&2
  exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "$(nproc) cores; medians of 3 runs, A and B taking turns"

mkdir -p "$work/music"
for i in $(seq -w 1 "$tracks"); do
  # A tone a track over quiet noise, stereo, 44.1 kHz, 16 bits, tagged.
  ffmpeg -loglevel error -f lavfi -i "sine=frequency=$((200 + 10#$i * 20)):duration=$length:sample_rate=44100" \
    -f lavfi -i "anoisesrc=d=$length:c=pink:a=0.05:r=44100" \
    -filter_complex "[0][1]amix=inputs=2,aformat=sample_fmts=s16:channel_layouts=stereo" \
    -metadata title="Track $i" -metadata artist="Bench" -metadata album="An hour" -metadata track="$i" \
    -c:a flac "$work/music/Track $i.flac"
done
ls "$work"/music/*.flac >"$work/list.m3u"
echo "$tracks tracks of $length s as FLAC: $(du -sh "$work/music" | cut -f1)"

# A fresh card each time, or the second run finds the music there and encodes nothing.
velandry() { # TYPE JOBS
  rm -rf "$work/card"
  mkdir -p "$work/card/My Music"
  "$build/cli/velandry-convert" -q -t "$1" --transcode --jobs "$2" -r "$work/music" --card "$work/card" \
    -o "$work/card" "$work/list.m3u"
}
peer() { # TYPE JOBS [sync]: sync also flushes its files to the disk, as Velandry flushes each to the card
  local flush=${3:-}
  local codec=(-c:a libmp3lame -b:a 128k -compression_level 2)
  [ "$1" = wma ] && codec=(-c:a wmav2 -b:a 128k)
  rm -rf "$work/peer"
  mkdir -p "$work/peer"
  tr '\n' '\0' <"$work/list.m3u" | xargs -0 -P "$2" -I{} \
    sh -c 'out=$0 in=$1 ext=$2; shift 2; ffmpeg -loglevel error -y -i "$in" -map_metadata 0 "$@" "$out/$(basename "$in").$ext"' \
    "$work/peer" {} "$1" "${codec[@]}"
  if [ -n "$flush" ]; then sync "$work"/peer/*; fi
}
export -f velandry peer
export work build

for type in ${TYPES:-mp3 wma}; do
  declare -A took=()
  for jobs in 1 2; do
    side_by_side bash -c "velandry $type $jobs" -- bash -c "peer $type $jobs"
    took[$jobs]=$t_a
    echo "$type, $jobs job(s): velandry ${t_a}s, ffmpeg by xargs -P $jobs ${t_b}s" \
         "(ratio $(echo "$t_a $t_b" | awk '{ printf "%.2f", $1 / $2 }'))"
    side_by_side bash -c "velandry $type $jobs" -- bash -c "peer $type $jobs sync"
    echo "$type, $jobs job(s), like for like: velandry ${t_a}s, ffmpeg and sync of its files ${t_b}s" \
         "(ratio $(echo "$t_a $t_b" | awk '{ printf "%.2f", $1 / $2 }'))"
  done
  echo "$type: 2 jobs take $(echo "${took[2]} ${took[1]}" | awk '{ printf "%.2f", $1 / $2 }') of the time of 1"
  peak=$(peak_kib bash -c "velandry $type 1")
  echo "$type: peak memory of one job $((peak / 1024)) MiB"
done
