#!/usr/bin/env bash
# Screenshots of tarnek's window under Xvfb with openbox at several screen densities.
#   scripts/screenshots.sh [program] [output folder]
# Defaults: build/ui/tarnek and screenshots/. SCREENSHOT_DISPLAY picks the X display number
# (default 99). Each picture is the whole screen (import -window root) after the first run;
# at 1280x800 and 120 dpi there are also a maximised window, the focus on "Выход" after
# four Tabs, and the empty chart of a missing sample. At 120 and 192 dpi: the options dialog
# opened from the keyboard, the result line of a run without a critical-point table, the
# notice over a sample with a decimal comma on line 6, the "Файл" menu open, the data window
# with a pasted column, the same window with a grouped series, and the worked solution's window
# that F2 opens. At 96, 120 and 192 dpi on 1280x800 and at 192 dpi on 1024x600, the result
# commands: the Файл, Правка, Анализ and Справка menus open, the message after copying the
# chart, the manual (F1), the chart's export dialog and the message after it, the report's save
# dialog, and the saved PDF's pages as pictures (pdftoppm), without and with the worked solution.
# SCREENSHOT_ONLY=results takes only those.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh" desktop
program=$(realpath "${1:-$here/build/ui/tarnek}")
out=$(mkdir -p "${2:-screenshots}" && realpath "${2:-screenshots}")
display=":${SCREENSHOT_DISPLAY:-99}"
title="Математическая статистика"
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
cp "$here/data/Input.txt" "$here/data/exttable.txt" "$work/"
mkdir "$work/empty" && cp "$here/data/exttable.txt" "$work/empty/"
mkdir "$work/notable" && cp "$here/data/Input.txt" "$work/notable/"
# The shipped sample with its 41st value typed with a decimal comma, and 30 of its values as a
# column with decimal commas, to be typed into the data window.
sed '6s/\./,/' "$here/data/Input.txt" >"$work/typo.txt"
sed -n '2,4p' "$here/data/Input.txt" | tr -s ' ' '\n' | sed '/^$/d; s/\./,/' >"$work/column.txt"
# Recent files are remembered here, not in the user's settings.
export XDG_CONFIG_HOME="$work/config"

start_screen() {  # size dpi
  Xvfb "$display" -screen 0 "${1}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
  # -noreset keeps the resource database once xrdb has disconnected.
  echo "Xft.dpi: $2" | DISPLAY=$display xrdb -nocpp -merge
  DISPLAY=$display openbox >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
}

stop_screen() {
  for ((i = ${#pids[@]} - 1; i >= 0; --i)); do
    kill "${pids[i]}" 2>/dev/null || true
    wait "${pids[i]}" 2>/dev/null || true
  done
  pids=()
}

wait_for_window() {  # sets $window to the main window once it is on screen
  for _ in $(seq 200); do
    window=$(DISPLAY=$display xdotool search --onlyvisible --name "^$title — " 2>/dev/null | head -1) &&
      [ -n "$window" ] && break
    sleep 0.05
  done
}

start_program() {  # folder [argument]
  (cd "$1" && DISPLAY=$display "$program" "${@:2}" >/dev/null 2>&1) &
  pids+=($!)
  wait_for_window
  # Let the window manager frame it and the window settle.
  sleep 1.5
}

shoot() {  # name
  DISPLAY=$display import -window root "$out/$1.png"
  echo "$out/$1.png: window $(DISPLAY=$display xwininfo -id "$window" |
    awk '/Absolute upper-left|Width|Height/ {printf "%s ", $NF}')(left top width height)"
}

if [ "${SCREENSHOT_ONLY:-}" != results ]; then
for setting in 1280x800:96 1280x800:120 1280x800:144 1280x800:192 1920x1080:192; do
  size=${setting%%:*}
  dpi=${setting##*:}
  start_screen "$size" "$dpi"
  start_program "$work"
  shoot "tarnek-$size-$dpi"
  if [ "$setting" = 1280x800:120 ]; then
    DISPLAY=$display xdotool windowactivate --sync "$window" key --delay 150 Tab Tab Tab Tab
    sleep 0.5
    shoot "tarnek-$size-$dpi-tab4"
    # Openbox maximises on a double click on the title bar.
    left=$(DISPLAY=$display xwininfo -id "$window" | awk '/Absolute upper-left X/ {print $NF}')
    top=$(DISPLAY=$display xwininfo -id "$window" | awk '/Absolute upper-left Y/ {print $NF}')
    DISPLAY=$display xdotool mousemove $((left + 100)) $((top - 8)) click --repeat 2 --delay 80 1
    sleep 1
    shoot "tarnek-$size-$dpi-maximised"
  fi
  if [ "$dpi" = 120 ] || [ "$dpi" = 192 ]; then
    DISPLAY=$display xdotool windowactivate --sync "$window" key F2
    sleep 1
    shoot "tarnek-$size-$dpi-solution"
  fi
  stop_screen
done

start_screen 1280x800 120
start_program "$work/empty"
shoot "tarnek-1280x800-120-empty"
stop_screen

for dpi in 120 192; do
  start_screen 1280x800 "$dpi"
  start_program "$work"
  # Three Tabs from the log reach "Настройки".
  DISPLAY=$display xdotool windowactivate --sync "$window" key --delay 150 Tab Tab Tab space
  sleep 1
  shoot "tarnek-1280x800-$dpi-dialog"
  stop_screen
  # Without a table the start-up message comes first; Return closes it.
  start_screen 1280x800 "$dpi"
  (cd "$work/notable" && DISPLAY=$display XDG_DATA_DIRS="$work/none" "$program" >/dev/null 2>&1) &
  pids+=($!)
  sleep 2
  DISPLAY=$display xdotool key Return
  wait_for_window
  sleep 1
  shoot "tarnek-1280x800-$dpi-no-table"
  stop_screen
done

type_lines() {  # lines..., each followed by Return
  for line in "$@"; do
    DISPLAY=$display xdotool type --delay 10 "$line"
    DISPLAY=$display xdotool key Return
  done
}

for dpi in 120 192; do
  start_screen 1280x800 "$dpi"
  start_program "$work" typo.txt
  shoot "notice-1280x800-$dpi"
  # "Файл" is the menu bar's first title, at its left end just below the window's top.
  left=$(DISPLAY=$display xwininfo -id "$window" | awk '/Absolute upper-left X/ {print $NF}')
  top=$(DISPLAY=$display xwininfo -id "$window" | awk '/Absolute upper-left Y/ {print $NF}')
  DISPLAY=$display xdotool mousemove $((left + 15 * dpi / 96)) $((top + 8 * dpi / 96)) click 1
  sleep 0.7
  shoot "menu-1280x800-$dpi"
  # "Данные…" is the second item.
  DISPLAY=$display xdotool key Down Down Return
  sleep 1
  mapfile -t column <"$work/column.txt"
  type_lines "${column[@]}"
  sleep 0.5
  shoot "data-window-1280x800-$dpi"
  DISPLAY=$display xdotool key ctrl+a
  type_lines "150-154 0" "154-158 6" "158-162 18" "162-166 40" "[166; 170) 22" "170-174 10" \
    "174-178 4"
  # Alt+И: "Интервальный ряд".
  DISPLAY=$display xdotool key alt+Cyrillic_i
  sleep 0.5
  shoot "grouped-1280x800-$dpi"
  stop_screen
done
fi

key() {  # keys... to the focused window, then a moment for it to draw
  DISPLAY=$display xdotool key --delay 120 "$@"
  sleep 0.8
}

for setting in 1280x800:96 1280x800:120 1280x800:192 1024x600:192; do
  size=${setting%%:*}
  dpi=${setting##*:}
  name="$size-$dpi"
  # A folder of its own, so no dialog finds a file of an earlier setting to ask about.
  mkdir "$work/$name" && cp "$work/Input.txt" "$work/exttable.txt" "$work/$name/"
  start_screen "$size" "$dpi"
  start_program "$work/$name"
  DISPLAY=$display xdotool windowactivate --sync "$window"
  # Alt+Ф opens "Файл"; Right goes on to "Правка", then "Анализ" and "Справка".
  key alt+Cyrillic_ef
  shoot "results-file-menu-$name"
  key Right
  shoot "results-edit-menu-$name"
  key Right
  shoot "results-analysis-menu-$name"
  key Right
  shoot "results-help-menu-$name"
  key Escape Escape
  # Правка → Копировать график (Alt+П, Г): the message over the chart's foot.
  key alt+Cyrillic_pe Cyrillic_ghe
  shoot "results-copied-$name"
  key F1
  sleep 0.5
  shoot "results-manual-$name"
  key alt+F4
  # Файл → Экспорт графика… (Alt+Ф, Э); the dialog offers "График Input.png" beside the sample.
  key alt+Cyrillic_ef Cyrillic_e
  sleep 0.5
  shoot "results-export-dialog-$name"
  key Return
  sleep 0.5
  shoot "results-exported-$name"
  # Ctrl+S: the report's dialog; the name typed over the one it offers, as PDF.
  key ctrl+s
  sleep 0.5
  shoot "results-save-dialog-$name"
  key ctrl+a
  DISPLAY=$display xdotool type --delay 20 "report-$name.pdf"
  key Return
  sleep 0.5
  shoot "results-saved-$name"
  # "Анализ → Ход решения в отчёте" (Alt+А, the third item), then the report again, with it.
  key alt+Cyrillic_a Down Down Return
  key ctrl+s
  sleep 0.5
  key ctrl+a
  DISPLAY=$display xdotool type --delay 20 "report-solution-$name.pdf"
  key Return
  sleep 0.5
  for report in "report-$name" "report-solution-$name"; do
    if [ -f "$work/$name/$report.pdf" ]; then
      cp "$work/$name/$report.pdf" "$out/"
      pdftoppm -r 60 -png "$work/$name/$report.pdf" "$out/${report/report/report-pdf}"
      echo "$report.pdf: $(pdfinfo "$work/$name/$report.pdf" | awk '/^Pages:/ {print $2}') page(s)"
    else
      echo "$report.pdf was not saved" >&2
    fi
  done
  stop_screen
done
