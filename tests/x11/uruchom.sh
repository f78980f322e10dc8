#!/bin/sh
# Runs a test program on a virtual X display under openbox, a window manager
# that frames windows. Usage: uruchom.sh PROGRAM [ARGUMENTS...]
# Exit 77 (skipped) when xvfb-run or openbox is not installed.
command -v xvfb-run >/dev/null 2>&1 && command -v openbox >/dev/null 2>&1 || {
  echo "xvfb-run or openbox is not installed"
  exit 77
}
exec xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  openbox >/dev/null 2>&1 &
  menedzer=$!
  sleep 1
  QT_QPA_PLATFORM=xcb "$@"
  wynik=$?
  kill $menedzer 2>/dev/null
  exit $wynik' sh "$@"
