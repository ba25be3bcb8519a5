#!/bin/bash
# Start-up time (process start to a viewable main window) and resident memory of tarnek.
# Run under an X server, in a directory holding Input.txt and exttable.txt:
#   xvfb-run -a -s "-screen 0 1280x800x24" bash bench/measure_startup.sh build/ui/tarnek 15
set -euo pipefail
program=$(realpath "$1")
runs=${2:-15}
title="Математическая статистика"
times=()
memory=()
for ((run = 0; run < runs; ++run)); do
  start=$(date +%s%N)
  "$program" &
  pid=$!
  # The first run happens before the window is shown, so a viewable window shows its results.
  until xdotool search --onlyvisible --name "^$title — " >/dev/null 2>&1; do sleep 0.005; done
  end=$(date +%s%N)
  times+=($(((end - start) / 1000000)))
  sleep 0.5
  memory+=($(awk '/VmRSS/ {print int($2 / 1024)}' "/proc/$pid/status"))
  kill "$pid"
  wait "$pid" 2>/dev/null || true
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
echo "start to shown window, ms: ${times[*]}"
echo "median: $(median "${times[@]}") ms"
echo "resident memory after start, MiB: ${memory[*]}"
echo "median: $(median "${memory[@]}") MiB"
