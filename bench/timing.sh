# Timing for the bench scripts, sourced by them: medians of RUNS runs (default
# 5) of two commands taking turns, peak memory and processor time of one run.
# A command that fails gives no figure: its own words are shown and the script
# stops.
if [ ! -x /usr/bin/time ]; then
  echo "peak memory is measured by GNU time: apt-get install time" >&2
  exit 1
fi

median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
seconds() { # wall-clock seconds of one run of a command, which must succeed
  local start end status=0 log
  log=$(mktemp)
  start=$(date +%s.%N); "$@" >/dev/null 2>"$log" || status=$?; end=$(date +%s.%N)
  # A converter that failed or crashed is no fast converter. (iconv -c says 1
  # for characters it left out, as it was asked to.)
  if [ "$status" -ne 0 ] && ! { [ "$status" -eq 1 ] && [[ "$*" == *iconv* ]]; }; then
    cat "$log" >&2
    echo "'$*' failed with status $status: no figure for it" >&2
    rm -f "$log"
    return 1
  fi
  rm -f "$log"
  echo "$start $end" | awk '{ printf "%.4f\n", $2 - $1 }'
}
side_by_side() { # COMMAND-A -- COMMAND-B: the median seconds of each in t_a and t_b
  local a=() b=() ta=() tb=() i t
  while [ "$1" != -- ]; do a+=("$1"); shift; done
  shift
  b=("$@")
  for i in $(seq 1 "${RUNS:-5}"); do
    t=$(seconds "${a[@]}")
    ta+=("$t")
    t=$(seconds "${b[@]}")
    tb+=("$t")
  done
  t_a=$(printf '%s\n' "${ta[@]}" | median)
  t_b=$(printf '%s\n' "${tb[@]}" | median)
}
measured_by_time() { # FORMAT COMMAND...: what GNU time tells of one run
  local format=$1 told
  shift
  told=$(mktemp)
  if ! /usr/bin/time -o "$told" -f "$format" "$@" >/dev/null; then
    echo "'$*' failed: no figure for it" >&2
    rm -f "$told"
    return 1
  fi
  tail -1 "$told"
  rm -f "$told"
}
peak_kib() { measured_by_time %M "$@"; }
# Processor seconds of one run (user and system): the wall clock also waits for
# the disk to hold the finished file, which iconv's output never does.
cpu_seconds() { measured_by_time '%U %S' "$@" | awk '{ printf "%.2f", $1 + $2 }'; }
