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
  # One persistent server for the whole run, detached from our pipes, then warmed up once,
  # so that no test (or ctest's discovery) is the first Wine client.
  wineserver -p </dev/null >/dev/null 2>&1
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
  # Wine's desktop process ends with the last windowed program and starts again with the
  # next one; a program that creates its first window while the desktop is starting can
  # fail to get a display driver. A long-lived windowed program keeps the desktop up.
  if ! wd_desktop_up; then
    (setsid wine notepad.exe </dev/null >/dev/null 2>&1 &)
    for _ in $(seq 50); do
      wd_desktop_up && break
      sleep 0.2
    done
    sleep 1
  fi
}
# Whether Wine's desktop process of this prefix runs (read from /proc: no procps needed).
wd_desktop_up() {
  local f
  for f in /proc/[0-9]*/environ; do
    grep -qa "explorer.exe" "${f%/environ}/cmdline" 2>/dev/null || continue
    grep -qa "WINEPREFIX=$WINEPREFIX" "$f" 2>/dev/null && return 0
  done
  return 1
}
wd_server_stop() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
}
