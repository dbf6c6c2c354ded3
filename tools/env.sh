# Shared settings for the project's scripts: where the build and the Wine prefix live.
# Sourced, not run.
WD_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
WD_BUILD=${WD_BUILD:-$WD_ROOT/build}
export WINEPREFIX=$WD_BUILD/wineprefix
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer prompts; a crashing program ends at once instead of waiting in
# the debugger (a crashed test then fails instead of timing out).
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
# Headless: the prefix uses the null graphics driver; never talk to an X server by accident.
unset DISPLAY WAYLAND_DISPLAY

wd_server_start() {
  # One persistent server for the whole run, detached from our pipes.
  wineserver -p </dev/null >/dev/null 2>&1
  # Wine's desktop process closes a second after its last other program and starts again with
  # the next one, which it then holds: a test that starts it waits for it, pipes and all, until
  # the run ends. So the run's first Wine program is a long-lived window, detached from our
  # pipes: the desktop starts for it and stays up as long as it runs, whatever the timing.
  [ -n "$(wd_wine_pid notepad.exe)" ] || (setsid wine notepad.exe </dev/null >/dev/null 2>&1 &)
  local _
  WD_DESKTOP=
  for _ in $(seq 100); do
    WD_DESKTOP=$(wd_wine_pid explorer.exe)
    [ -n "$WD_DESKTOP" ] && break
    sleep 0.1
  done
  # Warmed up once, so that no test (or ctest's discovery) is the first Wine client.
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
  # The test programs' launcher (tools/test-entry) runs nothing once this desktop is gone.
  export WD_DESKTOP
  wd_desktop_kept || { echo "Wine's desktop process did not stay up: no window test can run" >&2; return 1; }
}
# The process id of a Wine program of this prefix whose command line names NAME (read from
# /proc: no procps needed); nothing when none runs.
wd_wine_pid() {
  local f
  for f in /proc/[0-9]*/environ; do
    grep -qaF "$1" "${f%/environ}/cmdline" 2>/dev/null || continue
    grep -qxF "WINEPREFIX=$WINEPREFIX" < <(tr '\0' '\n' <"$f" 2>/dev/null) || continue
    f=${f#/proc/}
    echo "${f%/environ}"
    return
  done
}
# Whether the desktop process wd_server_start kept up still runs.
wd_desktop_kept() {
  [ -n "${WD_DESKTOP:-}" ] && grep -qaF "explorer.exe" "/proc/$WD_DESKTOP/cmdline" 2>/dev/null
}
wd_server_stop() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
}
