#!/usr/bin/env bash
# Proves the package on a clean system: a fresh Debian 12 minbase chroot (debootstrap), the .deb
# from scripts/package.sh installed there with apt, then, from /root (no data files there):
# tarnek-cli on the installed example accepts normality against 9.488, and the window starts under
# Xvfb with no argument (showing the example) and with the example named. Needs root and the
# network; takes several minutes, so it is not part of scripts/test.sh.
# TARNEK_CHECK_DISPLAY picks the X display number (default 99); TARNEK_MIRROR the Debian mirror
# (default: the one apt uses on this machine).
set -euo pipefail
cd "$(dirname "$0")/.."

deb=$(ls build-package/tarnek_*_amd64.deb 2>/dev/null | tail -1 || true)
[ -n "$deb" ] || { echo "check-package: no package; run scripts/package.sh first" >&2; exit 2; }
[ "$(id -u)" -eq 0 ] || { echo "check-package: run as root (debootstrap, chroot)" >&2; exit 2; }

tools=(debootstrap xvfb xdotool xclip)
missing=()
for package in "${tools[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$' ||
    missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The archive apt uses here, in either form of its sources.
archives() {
  cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources \
    2>/dev/null | awk '/^URIs:/ { for (i = 2; i <= NF; i++) print $i }
                       /^deb[ \t]/ { for (i = 2; i <= NF; i++) if ($i ~ /:\/\//) { print $i; break } }'
}
mirror=${TARNEK_MIRROR:-$(archives | grep -v security | head -1 || true)}
mirror=${mirror:-http://deb.debian.org/debian}
security=$(archives | grep security | head -1 || true)
display=:${TARNEK_CHECK_DISPLAY:-99}

work=$(mktemp -d)
root=$work/bookworm
xvfb=
window=
cleanup() {
  [ -n "$window" ] && kill "$window" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  for mount in "$root/dev" "$root/proc"; do
    mountpoint -q "$mount" 2>/dev/null && umount -l "$mount"
  done
  # Never into a mount left behind.
  rm -rf --one-file-system "$work"
}
trap cleanup EXIT

echo "check-package: debootstrap bookworm (minbase) from $mirror"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
  { tail -20 "$work/debootstrap.log"; exit 1; }
echo "deb $mirror bookworm-updates main" >>"$root/etc/apt/sources.list"
[ -n "$security" ] && echo "deb $security bookworm-security main" >>"$root/etc/apt/sources.list"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
cp "$deb" "$root/root/"

in_root() {
  chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive DISPLAY="$display" sh -c "cd /root && $1"
}

echo "check-package: apt install ./$(basename "$deb")"
in_root 'apt-get update -q' >"$work/apt.log" 2>&1 || { tail -20 "$work/apt.log"; exit 1; }
in_root 'apt install -y -q ./tarnek_*.deb' >>"$work/apt.log" 2>&1 ||
  { tail -20 "$work/apt.log"; exit 1; }
in_root 'rm tarnek_*.deb'

failures=0
pass() { echo "check-package: PASS: $1"; }
fail() { echo "check-package: FAIL: $1" >&2; failures=$((failures + 1)); }

verdict='Xk(7-3)= 9.488. Гипотеза о нормальном распределении принята.'
if output=$(in_root 'tarnek-cli /usr/share/tarnek/Input.txt') && grep -qF "$verdict" <<<"$output"
then
  pass "tarnek-cli /usr/share/tarnek/Input.txt: $(grep -F 'Xb = ' <<<"$output"), exit 0"
else
  fail "tarnek-cli /usr/share/tarnek/Input.txt"
  echo "$output" >&2
fi

# The window's client in the chroot reaches the X server outside through its abstract socket.
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1

# Starts the window with `command`, waits for it, copies its log through the clipboard and checks
# that the log names the installed example.
check_window() {
  # The title names the installed example: "Математическая статистика — Input.txt (пример)".
  local command=$1 title='^Математическая статистика — Input\.txt \(пример\)$' wid= log
  # Its own process, so that killing it ends the window.
  (exec chroot "$root" env -i PATH=/usr/bin:/bin HOME=/root LANG=C.UTF-8 DISPLAY="$display" \
    sh -c "cd /root && exec $command") >"$work/window.log" 2>&1 &
  window=$!
  for _ in $(seq 50); do
    wid=$(DISPLAY=$display xdotool search --onlyvisible --name "$title" 2>/dev/null | head -1) || true
    [ -n "$wid" ] && break
    sleep 0.2
  done
  if [ -z "$wid" ] || ! kill -0 "$window" 2>/dev/null; then
    fail "$command: no window"
    cat "$work/window.log" >&2
    return
  fi
  eval "$(DISPLAY=$display xdotool getwindowgeometry --shell "$wid")"
  # Into the log (bottom left at every scale), select all of it and copy it.
  DISPLAY=$display xdotool mousemove $((X + WIDTH * 300 / 834)) $((Y + HEIGHT * 500 / 553)) click 1
  DISPLAY=$display xdotool key ctrl+a ctrl+c
  sleep 0.5
  log=$(DISPLAY=$display timeout 5 xclip -o -selection clipboard 2>/dev/null || true)
  if grep -qF 'Обрабатываю файл - /usr/share/tarnek/Input.txt' <<<"$log" &&
    grep -qF 'Гипотеза о нормальном распределении принята.' <<<"$log"; then
    pass "$command: window ${WIDTH}x${HEIGHT} shows the example's first run"
  else
    fail "$command: the window's log does not show the example"
    echo "$log" >&2
  fi
  kill "$window" 2>/dev/null || true
  wait "$window" 2>/dev/null || true
  window=
}
check_window tarnek
check_window 'tarnek /usr/share/tarnek/Input.txt'

if [ "$failures" -ne 0 ]; then
  echo "check-package: $failures check(s) failed" >&2
  exit 1
fi
echo "check-package: all checks passed"
