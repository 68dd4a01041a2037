#!/usr/bin/env bash
# The command-line tool on a 64 MiB old file with a long triggers section, against `wc -l` of the
# same file (reading it once) and `cp` of it. Targets: at most 3 times the time of `wc -l`, less
# than the time of `cp`, peak memory at most twice the file size. Measured twice: with the
# settings at the top of the file, and at its end, where the settings reader has to read it all.
# Usage: bench/cli.sh BUILD_FOLDER
set -euo pipefail

build=${1:-build-bench}
cli=$(realpath "$build/morvo54-cli")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
size=$((64 * 1024 * 1024))
runs=7

# Writes an old file of about $size bytes; $2 says where the settings stand: top or end.
write_old_file() {
  awk -v size="$size" -v where="$2" 'BEGIN {
    ORS = ""
    settings = "[MorvoConfigs]\r\nMorvoPass=pw\r\nSoundDelay=4\r\nDedicated=False\r\n\r\n"
    if (where == "top") { print settings; n += length(settings) }
    print "[Morvo53.MTriggers]\r\n"; n += 21
    for (i = 0; n < size - length(settings); i++) {
      line = sprintf("Trigger=(Text=\"line %d\",SoundFilename=MorvoSounds.S%d,Volume=2,Delay=0,Random=1,Team=0)\r\n", i, i % 97)
      print line; n += length(line)
    }
    if (where == "end") print "\r\n" settings
  }' > "$1"
}

# The fastest of $runs runs of a command, in microseconds.
fastest_us() {
  local best=0 start elapsed
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$@" > /dev/null
    elapsed=$(( ($(date +%s%N) - start) / 1000 ))
    if [ "$best" -eq 0 ] || [ "$elapsed" -lt "$best" ]; then best=$elapsed; fi
  done
  echo "$best"
}

ms() { awk -v us="$1" 'BEGIN { printf "%.1f ms", us / 1000 }'; }

status=0
for where in top end; do
  old="$work/Morvo53.ini"
  write_old_file "$old" "$where"
  bytes=$(stat -c %s "$old")
  cat "$old" > /dev/null # in the page cache for every contender alike

  wc_us=$(fastest_us wc -l "$old")
  cp_us=$(fastest_us cp "$old" "$work/copy.ini")
  cli_us=$(fastest_us "$cli" "$old")
  peak_kib=$(/usr/bin/time -f %M "$cli" "$old" 2>&1 >/dev/null | tail -1)

  echo "64 MiB old file ($bytes bytes), settings at the $where:"
  echo "  wc -l        $(ms "$wc_us")"
  echo "  cp           $(ms "$cp_us")"
  awk -v cli="$cli_us" -v wc="$wc_us" -v cp="$cp_us" -v peak="$peak_kib" -v bytes="$bytes" 'BEGIN {
    printf "  morvo54-cli  %.1f ms = %.2f x wc -l, %.2f x cp; peak memory %.1f MiB = %.3f x file size\n",
      cli / 1000, cli / wc, cli / cp, peak / 1024, peak * 1024 / bytes
  }'
  verdict=$(awk -v cli="$cli_us" -v wc="$wc_us" -v cp="$cp_us" -v peak="$peak_kib" -v bytes="$bytes" 'BEGIN {
    missed = ""
    if (cli > 3 * wc) missed = missed " slower-than-3x-wc"
    if (cli >= cp) missed = missed " not-faster-than-cp"
    if (peak * 1024 > 2 * bytes) missed = missed " memory-over-2x"
    print (missed == "" ? "all targets met" : "MISSED:" missed)
  }')
  echo "  $verdict"
  [[ $verdict == MISSED* ]] && status=1
done
exit $status
