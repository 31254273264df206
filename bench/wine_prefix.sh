# Shared by the Wine timing scripts (sourced): a fresh prefix of their own with a typical
# system, a first launch that saves the snapshot, and the timing helpers.
# Needs: repo, build, work (a scratch folder), pairs.
#
# BENCH_CPU=<n> runs the whole measurement (display, wineserver and every program) on that
# one CPU. A call to the wineserver costs about 13 times more when the caller and the server
# run on different CPUs of this virtual machine, and the scheduler places them differently
# from run to run; pinned, both sides of a pair meet the same placement.
#
# BENCH_RT=<priority> (with BENCH_CPU, as root) runs it there under the real-time FIFO policy,
# so that other work on a busy machine waits for it instead of cutting into it.

# Starts the calling script again on the CPU that BENCH_CPU names (once).
pin_to_cpu() { # script arguments...
  if [ -n "${BENCH_CPU:-}" ] && [ -z "${BENCH_PINNED:-}" ]; then
    local realtime=()
    [ -z "${BENCH_RT:-}" ] || realtime=(chrt -f "$BENCH_RT")
    BENCH_PINNED=1 exec "${realtime[@]}" taskset -c "$BENCH_CPU" "$@"
  fi
}

# A fresh prefix at build/windows/$1, made by scripts/wine-run as the tests make theirs, with
# a wineserver that stays for the whole measurement (its start is counted on neither side).
bench_prefix() {
  export TARNIX_WINE_ROOT="$build/$1"
  prefix="$TARNIX_WINE_ROOT/prefix"
  WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
  rm -rf "$TARNIX_WINE_ROOT"
  "$repo/scripts/wine-run" cmd /c exit </dev/null >/dev/null 2>&1
  # wine-run sets these for the prefix; the timed runs call wine directly with the same.
  export WINEPREFIX="$prefix" WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export HOME="$TARNIX_WINE_ROOT/home" XDG_CONFIG_HOME="$TARNIX_WINE_ROOT/home/.config"
  export XDG_DATA_HOME="$TARNIX_WINE_ROOT/home/.local/share"
  export XDG_CACHE_HOME="$TARNIX_WINE_ROOT/home/.cache" XDG_DESKTOP_DIR="$TARNIX_WINE_ROOT/home/Desktop"
  wineserver -k 2>/dev/null || true
  wineserver -p </dev/null >/dev/null 2>&1
  # Its first client starts Wine's services.
  wine cmd /c exit </dev/null >/dev/null 2>&1
  trap 'WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
  bin="$prefix/drive_c/TarnixBench"
  mkdir -p "$bin"
  cp "$build/tarnix2.exe" "$build/trivial_window.exe" "$build/bench_driver.exe" "$bin/"
  program='C:\TarnixBench\tarnix2.exe'
  trivial='C:\TarnixBench\trivial_window.exe'
  driver='C:\TarnixBench\bench_driver.exe'
}

crlf_lines() { # count text
  for ((i = 1; i <= $1; i++)); do printf '%s %05d\r\n' "$2" "$i"; done
}

unix_path() { # a Windows path of the prefix
  winepath -u "$1" 2>/dev/null
}

# 50 run entries over the three run lists, autoexec ($1 lines), config and winstart of 200
# lines each, 20 files in each startup folder, win.ini load and run.
typical_system() {
  local autoexec_lines=${1:-200} folder root value i
  {
    printf 'REGEDIT4\r\n\r\n'
    for list in 'HKEY_LOCAL_MACHINE Run 20 Machine' 'HKEY_LOCAL_MACHINE RunServices 10 Service' \
      'HKEY_CURRENT_USER Run 20 User'; do
      set -- $list
      printf '[%s\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\%s]\r\n' "$1" "$2"
      for ((i = 1; i <= $3; i++)); do
        printf '"%s%02d"="C:\\\\Program Files\\\\Vendor%02d\\\\agent.exe /background"\r\n' "$4" "$i" "$i"
      done
      printf '\r\n'
    done
  } >"$work/system.reg"
  wine reg import "$(winepath -w "$work/system.reg")" >/dev/null 2>&1
  local ini='HKCU\Software\Microsoft\Windows NT\CurrentVersion\Windows'
  wine reg add "$ini" /v load /d 'C:\Tools\loader.exe' /f >/dev/null 2>&1
  wine reg add "$ini" /v run /d 'C:\Tools\runner.exe /quiet' /f >/dev/null 2>&1
  local windows="$prefix/drive_c/windows"
  crlf_lines "$autoexec_lines" 'SET PATH=%PATH%;C:\TOOLS\BIN REM line' >"$windows/system32/AUTOEXEC.NT"
  crlf_lines 200 'FILES=40 REM line' >"$windows/system32/CONFIG.NT"
  crlf_lines 200 '@ECHO OFF REM line' >"$windows/winstart.bat"
  for root_value in 'HKCU Startup' 'HKLM Common Startup'; do
    root=${root_value%% *}
    value=${root_value#* }
    folder=$(wine reg query "$root\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders" \
      /v "$value" 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ *//p')
    folder=$(unix_path "$folder")
    mkdir -p "$folder"
    for ((i = 1; i <= 20; i++)); do echo "shortcut $i" >"$folder/Program $i.lnk"; done
  done
}

# The first launch, answered as a user would (OK in the welcome window): the snapshot.
first_launch() {
  wine "$driver" first "$program" </dev/null >/dev/null 2>&1 || {
    echo "the first launch did not end" >&2
    exit 1
  }
  wine reg query 'HKLM\Software\Movenda\Tarnix2\Save' >/dev/null 2>&1 || {
    echo "the first launch saved no snapshot" >&2
    exit 1
  }
}

# Clock ticks spent so far by the prefix's resident Wine processes (wineserver, services...),
# found by the prefix in their environment.
resident_cpu() {
  local total=0 pid ticks
  for pid in $(pgrep -u "$(id -u)" .); do
    grep -qzx "WINEPREFIX=$prefix" "/proc/$pid/environ" 2>/dev/null || continue
    ticks=$(awk '{print $14 + $15}' "/proc/$pid/stat" 2>/dev/null) || continue
    total=$((total + ${ticks:-0}))
  done
  echo "$total"
}
tick_ms=$((1000 / $(getconf CLK_TCK)))

# One timed run: appends "wall_ms cpu_ms" to the file $1; the rest is the command. CPU is the
# user and system time of the command's own processes plus what the resident Wine processes
# spent meanwhile.
timed() {
  local out=$1 before after start end user sys
  shift
  before=$(resident_cpu)
  start=$(date +%s%N)
  /usr/bin/time -f '%U %S' -o "$work/time" "$@" </dev/null >/dev/null 2>&1
  end=$(date +%s%N)
  after=$(resident_cpu)
  read -r user sys <"$work/time"
  awk -v w="$(((end - start) / 1000000))" -v u="$user" -v s="$sys" -v r="$(((after - before) * tick_ms))" \
    'BEGIN { printf "%d %d\n", w, (u + s) * 1000 + r }' >>"$out"
}

# Runs the pair function (A into $1, B into $2) once to warm up, then `pairs` times, and
# prints median, minimum, maximum and spread of both sides and the median of the pair ratios.
run_pairs() { # name label-a label-b pair-function
  local name=$1 a=$2 b=$3 pair=$4 i
  : >"$work/$name.a"
  : >"$work/$name.b"
  "$pair" "$work/warm.a" "$work/warm.b"
  for ((i = 0; i < pairs; i++)); do "$pair" "$work/$name.a" "$work/$name.b"; done
  python3 - "$name" "$a" "$b" "$work/$name.a" "$work/$name.b" <<'PY'
import statistics, sys
name, label_a, label_b, a_file, b_file = sys.argv[1:6]
a = [tuple(map(float, l.split())) for l in open(a_file)]
b = [tuple(map(float, l.split())) for l in open(b_file)]
def row(label, values):
    m = statistics.median(values)
    return (f"  {label:<22} median {m:7.1f}  min {min(values):7.1f}  max {max(values):7.1f}"
            f"  spread {max(values) - min(values):7.1f}")
print(f"{name}: {len(a)} pairs, ms")
print(row(label_a + " wall", [x[0] for x in a]))
print(row(label_b + " wall", [x[0] for x in b]))
if all(len(x) > 1 for x in a + b):
    print(row(label_a + " CPU", [x[1] for x in a]))
    print(row(label_b + " CPU", [x[1] for x in b]))
    cpu = sorted(x[1] / max(y[1], 1) for x, y in zip(a, b))
ratios = sorted(x[0] / y[0] for x, y in zip(a, b))
print(f"  {'wall ratio':<22} median {statistics.median(ratios):7.2f}  min {ratios[0]:7.2f}  max {ratios[-1]:7.2f}")
if all(len(x) > 1 for x in a + b):
    print(f"  {'CPU ratio':<22} median {statistics.median(cpu):7.2f}")
PY
}
