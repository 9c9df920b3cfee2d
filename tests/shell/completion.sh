#!/usr/bin/env bash
# The bash completion of velandry-convert, through bash-completion's own
# machinery: names and folders with spaces come back as one word each.
#   completion.sh COMPLETION_FILE
set -euo pipefail
completion=$1
source /usr/share/bash-completion/bash_completion
source "$completion"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
touch "Road Trip.wpl" "Road Works.WPL" "Road notes.txt" "Road.Trip.wpl" "Road Mix.m3u8" "Road Radio.PLS"
mkdir "My Cards" "My Cards 2"

# Completes the last of the words given. (A word with a space in it, as typed,
# needs readline's dequoting, which only an interactive shell has: the words
# here hold none.)
complete_words() {
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  COMP_LINE="$*"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  _velandry_convert
  printf '%s\n' "${COMPREPLY[@]}" | sort
}

failures=0
expect() { # EXPECTED (one word a line) WORD...
  local want=$1 got
  shift
  got=$(complete_words "$@")
  if [ "$got" != "$want" ]; then
    printf 'completing %s gave:\n%s\ninstead of:\n%s\n' "$*" "$got" "$want" >&2
    failures=$((failures + 1))
  fi
}
expect $'Road Mix.m3u8\nRoad Radio.PLS\nRoad Trip.wpl\nRoad Works.WPL\nRoad.Trip.wpl' velandry-convert Road
expect "Road.Trip.wpl" velandry-convert -t wma Road.T
expect $'My Cards\nMy Cards 2' velandry-convert -o My
expect $'My Cards\nMy Cards 2' velandry-convert --output-folder My
expect $'My Cards\nMy Cards 2' velandry-convert --card My
expect $'--copy-music' velandry-convert --cop
expect $'--dry-run' velandry-convert --dry
expect $'--tidy\n--transcode\n--type' velandry-convert --t
expect $'--sync' velandry-convert --sy
expect $'128' velandry-convert --bitrate 12
expect $'1250\n1251\n1252\n1253\n1254\n1255\n1256\n1257\n1258' velandry-convert -c 125
[ "$failures" -eq 0 ]
echo "1 passed, 0 failed"
