#!/usr/bin/env bash
# Runs a command on a private virtual desktop: Xvfb, a window manager (openbox) and a
# tray host (trayer), so that windows, focus and the tray icon behave as on a real desktop.
set -u
# A display nobody holds: tests, benchmarks and soaks of several worktrees run side by side.
display_num=${ZEP_DISPLAY_NUM:-}
while [ -z "$display_num" ] || { [ -z "${ZEP_DISPLAY_NUM:-}" ] && [ -e "/tmp/.X${display_num}-lock" ]; }; do
  display_num=$((90 + RANDOM % 400))
done
export DISPLAY=":${display_num}"
Xvfb "$DISPLAY" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm_pid=$!
# The tray at the bottom left: the notification popup takes the bottom right corner, and
# trayer reserves no screen space here, so a tray beneath the popup could not be clicked.
trayer --edge bottom --align left --widthtype pixel --width 120 --height 24 \
       --SetDockType true --transparent false >/dev/null 2>&1 &
tray_pid=$!
sleep 0.5
"$@"
status=$?
kill "$tray_pid" "$wm_pid" "$xvfb_pid" 2>/dev/null
wait 2>/dev/null
exit $status
