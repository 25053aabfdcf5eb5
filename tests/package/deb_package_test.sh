#!/usr/bin/env bash
# The Debian package: built with CPack from the build folder, unpacked into a
# scratch root (dpkg-deb -x), and the program started from there offscreen,
# as an account that may write the program's folder and as one that may not.
# It must find its profile (next to the program, or in ~/.config/kp07xt) and
# read it (a port number out of range comes back as 1), and keep its default
# file in its data folder when started from the desktop.
#   deb_package_test.sh CPACK BUILD_DIR
# Exit status 77 (skipped) where no package can be built.
set -euo pipefail
cpack=$1
build=$2

command -v dpkg-deb >/dev/null 2>&1 || { echo "no dpkg-deb: skipped"; exit 77; }
[ -x "$cpack" ] && [ -f "$build/CPackConfig.cmake" ] || { echo "no cpack: skipped"; exit 77; }

scratch=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  rm -rf "$scratch"
}
trap cleanup EXIT
chmod 755 "$scratch"

fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$(ls "$scratch"/out/*.deb)
contents=$(dpkg-deb -c "$deb")
for f in usr/bin/kp07xt usr/bin/kp07 usr/bin/kr318-sim usr/bin/image-dump \
         usr/share/applications/kp07xt.desktop usr/share/icons/hicolor/48x48/apps/kp07xt.png \
         usr/share/mime/packages/kp07xt.xml usr/lib/udev/rules.d/60-kp07xt-usb-serial.rules \
         usr/share/man/man1/kp07.1; do
  grep -q " \./$f\$" <<<"$contents" || fail "$f is not in the package"
done
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "the package does not depend on Qt"
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/man/man1/kp07.1 | grep -q 'verify' ||
  fail "the manual page is not the one kp07 writes"
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/applications/kp07xt.desktop |
  grep -q '^Exec=kp07xt --desktop %f$' || fail "the desktop entry does not say it starts the program"

# The program runs as an account of its own (root may write anywhere).
as_user=()
uid=$(id -u)
if [ "$uid" -eq 0 ]; then
  command -v setpriv >/dev/null 2>&1 || { echo "no setpriv: skipped"; exit 77; }
  uid=65534
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi

# Starts the packaged program from the desktop in a home folder of its own
# and waits until it has written its profile back; leaves the program running.
start() {
  local root=$1 home=$2 profile=$3
  mkdir -p "$home/run"
  chmod 700 "$home/run"
  if [ "$uid" -ne "$(id -u)" ]; then chown -R "$uid" "$home"; fi
  (cd "$home" && exec env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$home/run" \
     QT_QPA_PLATFORM=offscreen "${as_user[@]}" "$root/usr/bin/kp07xt" --desktop) \
    >"$home/out.log" 2>&1 &
  pid=$!
  for _ in $(seq 100); do
    if grep -qs '^COM_PORT=1$' "$profile" && [ -f "$home/.local/share/kp07xt/defaultu.k07" ]; then
      return 0
    fi
    kill -0 "$pid" 2>/dev/null || { cat "$home/out.log"; fail "the program ended at start"; }
    sleep 0.1
  done
  cat "$home/out.log"
  fail "no profile written back at $profile"
}

stop() {
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=
}

seed() {  # a profile whose port number is out of range
  mkdir -p "$(dirname "$1")"
  printf '[Initialize]\nCOM_PORT=17\nCOM_SPD=0\n' >"$1"
}

# 1. The program's folder may be written: the profile lives beside it.
root1=$scratch/root1
dpkg-deb -x "$deb" "$root1"
seed "$root1/usr/bin/kp07xt.ini"
if [ "$uid" -ne "$(id -u)" ]; then chown -R "$uid" "$root1/usr/bin"; fi
start "$root1" "$scratch/home1" "$root1/usr/bin/kp07xt.ini"
stop
[ ! -e "$scratch/home1/.config/kp07xt/kp07xt.ini" ] || fail "a second profile in ~/.config"

# 2. Installed for everybody: the profile lives in ~/.config/kp07xt.
root2=$scratch/root2
dpkg-deb -x "$deb" "$root2"
if [ "$uid" -eq "$(id -u)" ]; then chmod a-w "$root2/usr/bin"; fi
home2=$scratch/home2
seed "$home2/.config/kp07xt/kp07xt.ini"
start "$root2" "$home2" "$home2/.config/kp07xt/kp07xt.ini"
stop
[ ! -e "$root2/usr/bin/kp07xt.ini" ] || fail "a profile beside the installed program"
[ ! -e "$home2/defaultu.k07" ] || fail "the default file landed in the home folder"
grep -q '^ITEM17=1$' "$home2/.config/kp07xt/kp07xt.ini" || fail "the profile is incomplete"
chmod -R u+w "$root2"
echo "package $(basename "$deb"): installs and starts"
