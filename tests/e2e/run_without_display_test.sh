#!/usr/bin/env bash
# scripts/run without an X display: the program is shown through noVNC, both servers answer on
# the loopback address only, and nothing of that run is left running once it ends:
#   run_without_display_test.sh close       the program's window is gone from outside (its
#                                           process killed, as a crash would)
#   run_without_display_test.sh interrupt   the script gets Ctrl+C while the program runs
set -euo pipefail
ending=${1:?usage: run_without_display_test.sh close|interrupt}

repo=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/run-without-display.XXXXXX")
run=
servers=()

cleanup() {
  local pid
  if [ -n "$run" ] && kill -0 "$run" 2>/dev/null; then
    kill -TERM "$run" 2>/dev/null || true
    eventually 15 gone "$run" || kill -KILL -- "-$run" 2>/dev/null || true
  fi
  for pid in "${servers[@]}"; do kill -KILL -- "-$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAILED: $1" >&2
  sed 's/^/  run: /' "$work/out" >&2
  exit 1
}

# Retries a command every 0.1 s until it succeeds, for at most $1 seconds.
eventually() {
  local limit=$1
  shift
  for ((tenths = 0; tenths < limit * 10; tenths++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# Gone, or ended and not yet reaped.
gone() {
  local state
  state=$(ps -o stat= -p "$1") || return 0
  [[ $state == Z* ]]
}
address() { grep -o 'http://localhost:[0-9]*/vnc\.html' "$work/out"; }
child() { pgrep -P "$run" -x "$1"; }
arguments() { ps -o args= -p "$1"; }
argument_after() { arguments "$1" | sed -n "s/.* $2 \([^ ]*\).*/\1/p"; }
only_loopback() {
  ! ss -Hltn "sport = :$1" | awk '{print $4}' | grep -v -E '^(127\.0\.0\.1|\[::1\]):'
}
# Wine marks each X window with the pid of its process: tarnix2.exe keeps the pid of the
# wrapper script that execs Wine, and Wine's own windows (setting up a prefix) do not count.
program_window() {
  DISPLAY=$display xdotool search --onlyvisible --pid "$program" >/dev/null 2>&1
}
# Each server, and the program, leads a process group of its own, with whatever it forked.
left() { pgrep -a -g "$(IFS=,; echo "${servers[*]}")"; }
run_ended() { gone "$run" && ! left >/dev/null; }

# A background job of a script ignores SIGINT, and keeps ignoring it after exec: restore it, as
# a terminal's shell would.
restoring_interrupt=(python3 -c 'import os, signal, sys
signal.signal(signal.SIGINT, signal.SIG_DFL)
os.execvp(sys.argv[1], sys.argv[1:])')
env -u DISPLAY -u XAUTHORITY setsid "${restoring_interrupt[@]}" "$repo/scripts/run" \
  </dev/null >"$work/out" 2>&1 &
run=$!

# Building tarnix2.exe may come first when the tree changed.
eventually 240 address >/dev/null || fail "no address printed"
[ "$(address | wc -l)" -eq 1 ] || fail "more than one address printed"
url=$(address)
web_port=${url#http://localhost:}
web_port=${web_port%%/*}
status=$(curl -s -o "$work/page" -w '%{http_code}' "$url")
[ "$status" = 200 ] || fail "$url answered $status"
grep -q '<title>noVNC</title>' "$work/page" || fail "$url is not the noVNC page"

xvfb=$(child Xvfb) || fail "no Xvfb under the run"
x11vnc=$(child x11vnc) || fail "no x11vnc under the run"
websockify=$(pgrep -P "$run" -f websockify) || fail "no websockify under the run"
servers=("$xvfb" "$x11vnc" "$websockify")
display=$(argument_after "$x11vnc" -display)
vnc_port=$(argument_after "$x11vnc" -rfbport)
arguments "$websockify" | grep -q " 127.0.0.1:$vnc_port\$" ||
  fail "websockify does not lead to x11vnc"

{ exec 3<>"/dev/tcp/127.0.0.1/$vnc_port"; } 2>/dev/null ||
  fail "no VNC server on 127.0.0.1:$vnc_port"
read -r -t 10 greeting <&3 || fail "no greeting from the VNC server"
exec 3>&-
[[ $greeting == "RFB 003.00"[0-9] ]] || fail "VNC greeting was '$greeting'"
# The page's own way in: a WebSocket on the web port that websockify joins to the VNC server.
{ exec 4<>"/dev/tcp/127.0.0.1/$web_port"; } 2>/dev/null || fail "no web server on $web_port"
printf '%s\r\n' "GET /websockify HTTP/1.1" "Host: localhost:$web_port" "Upgrade: websocket" \
  "Connection: Upgrade" "Sec-WebSocket-Key: dGFybml4LXRlc3Qta2V5IQ==" \
  "Sec-WebSocket-Version: 13" "Sec-WebSocket-Protocol: binary" "" >&4
timeout 10 grep -a -q -m1 'RFB 003\.00[0-9]' <&4 || fail "no VNC greeting through the WebSocket"
exec 4>&-
only_loopback "$vnc_port" || fail "the VNC server listens beyond the loopback address"
only_loopback "$web_port" || fail "the web server listens beyond the loopback address"

program=$(pgrep -P "$run" -f 'tarnix2\.exe') || fail "no tarnix2.exe under the run"
servers+=("$program")
# The first start of a fresh prefix creates it first and then greets the user: give it time.
eventually 120 program_window || fail "no window of the program on $display"
case $ending in
  close) kill -KILL "$program" ;;
  interrupt) kill -INT "$run" ;;
  *) fail "no such ending: $ending" ;;
esac

eventually 30 run_ended || fail "processes of the run are left: $(left)"
if [ "$ending" = interrupt ]; then
  status=0
  wait "$run" || status=$?
  [ "$status" -eq 130 ] || fail "the interrupted run ended with $status"
fi
echo "passed: $url, VNC on 127.0.0.1:$vnc_port, display $display"
