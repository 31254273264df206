#!/usr/bin/env bash
# tarnix2c.exe /report in a fresh Wine prefix, as a fleet's script runs it: no snapshot before
# the first launch (2), nothing changed after it (0), a new run entry (1, twice: the report
# wrote nothing), the JSON document naming that entry as added, and a new scheduled task.
set -euo pipefail
build=${1:?usage: report_test.sh <windows build folder>}

repo=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/report-test.XXXXXX")
export TARNIX_WINE_ROOT=$work/wine
cleanup() {
  WINEPREFIX=$TARNIX_WINE_ROOT/prefix timeout 30 wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

wine_run() { timeout 120 "$repo/scripts/wine-run" "$@" </dev/null; }
fail() {
  echo "FAILED: $1" >&2
  sed 's/^/  out: /' "$work/out" "$work/err" >&2
  exit 1
}
# Runs the report with the switches after /report; its exit code must be $1.
expect_report() {
  local expected=$1 code=0
  shift
  wine_run "$build/tarnix2c.exe" /report "$@" >"$work/out" 2>"$work/err" || code=$?
  [ "$code" = "$expected" ] || fail "tarnix2c /report $* exited $code, not $expected"
}

expect_report 2
grep -q "There is no snapshot" "$work/err" || fail "no reason on standard error"

# Windows without a display: the welcome window is answered through its messages.
wine_run reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
tarnix2=$(sed 's|/|\\|g' <<<"Z:$build/tarnix2.exe")
wine_run "$build/bench_driver.exe" first "$tarnix2" >/dev/null 2>&1 || fail "first launch"
expect_report 0

wine_run reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v Probe \
  /d 'C:\Tools\probe.exe /x' /f >/dev/null 2>&1
wine_run reg query 'HKLM\Software\Movenda' /s >"$work/before" 2>/dev/null
expect_report 1
grep -qF 'added      Probe = C:\Tools\probe.exe /x' "$work/out" || fail "text report"
expect_report 1 /json
wine_run reg query 'HKLM\Software\Movenda' /s >"$work/after" 2>/dev/null
cmp -s "$work/before" "$work/after" || fail "the snapshot changed"
python3 -c '
import json, sys
places = {p["section"]: p for p in json.load(sys.stdin)["places"]}
entries = places["HKCU_Run"]["entries"]
assert {"name": "Probe", "value": "C:\\Tools\\probe.exe /x", "type": "REG_SZ",
        "state": "added"} in entries, entries
' <"$work/out" || fail "JSON document"

# A logon task, its file written as the scheduler writes one; Wine takes it for a registered task.
tasks=$TARNIX_WINE_ROOT/prefix/drive_c/windows/system32/tasks/Vendor
mkdir -p "$tasks"
printf '%s' '<Task xmlns="http://schemas.microsoft.com/windows/2004/02/mit/task"><Triggers>' \
  '<LogonTrigger/></Triggers><Actions><Exec><Command>C:\Tools\task.exe</Command></Exec>' \
  '</Actions></Task>' | iconv -t UTF-16 >"$tasks/Updater"
expect_report 1
grep -qF 'added      \Vendor\Updater = C:\Tools\task.exe' "$work/out" || fail "scheduled task"
echo "passed"
