# Shared settings for the project's scripts: where the build and the Wine prefix live.
# Sourced, not run.
WD_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
WD_BUILD=${WD_BUILD:-$WD_ROOT/build}
export WINEPREFIX=$WD_BUILD/wineprefix
# Where the test programs' launcher (tools/test-entry) notes each entry it ran twice.
WD_RETRIES=$WD_BUILD/Testing/retries.txt
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer prompts; a crashing program ends at once instead of waiting in
# the debugger (a crashed test then fails instead of timing out).
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
# Headless: the prefix uses the null graphics driver; never talk to an X server by accident.
unset DISPLAY WAYLAND_DISPLAY

# A script that stops at a failing step (set -e) says which step failed; set -e alone ends it
# without a word.
if [[ $- == *e* ]]; then
  set -E
  trap 'echo "${0##*/}: failed (exit code $?): $BASH_COMMAND (${BASH_SOURCE[0]#"$WD_ROOT"/}, line $LINENO)" >&2' ERR
fi

# One configure or build at a time in a build folder: two scripts side by side (tools/run beside
# tools/test) would otherwise run two ninjas over the same files.
# usage: wd_build_locked FOLDER COMMAND [ARGUMENT...]
wd_build_locked() {
  mkdir -p "$1" || return
  local lock=$1/.wd-build.lock
  if ! flock -n "$lock" true; then
    echo "${0##*/}: waiting for another script's build in $1" >&2
  fi
  # The lock is not handed down to the command: a server or desktop it starts outlives it.
  flock -o "$lock" "${@:2}" || return
}

# Scripts that run at once (a second tools/run, or one beside tools/test) share the prefix's
# server and the desktop it keeps up. Each script registers while it uses them
# ($WD_SHARED/users/<process id>); the server and the notepad.exe a script started are recorded
# there too. The last script out stops what a script started and nothing else: a server that was
# already running, and every program of it, are left alone.
WD_SHARED=$WD_BUILD/wine-shared

wd_server_start() {
  mkdir -p "$WD_SHARED/users" || return
  local rc=0
  # Decided one script at a time: two that start together must not both start a server. What
  # outlives this (the server, notepad.exe) must not inherit the lock: 9>&-.
  {
    flock 9 && _wd_server_start_locked || rc=$?
  } 9>"$WD_SHARED/lock"
  # The test programs' launcher (tools/test-entry) runs nothing once this desktop is gone.
  export WD_DESKTOP
  return "$rc"
}
_wd_server_start_locked() {
  local _ server started=
  _wd_users_prune
  # Registered first, so that wd_server_stop cleans up after a start that fails half way.
  _wd_proc_start_time $$ >"$WD_SHARED/users/$$"
  if [ -z "$(wd_server_pid)" ]; then
    rm -f "$WD_SHARED/server" "$WD_SHARED/notepad"
    # One persistent server for the whole run, detached from our pipes.
    if ! wineserver -p </dev/null >/dev/null 2>&1 9>&-; then
      echo "wd_server_start: the Wine server of $WINEPREFIX did not start (wineserver -p)" >&2
      return 1
    fi
    server=$(wd_server_wait)
    if [ -z "$server" ]; then
      echo "wd_server_start: wineserver -p ended, but no server of $WINEPREFIX runs" >&2
      return 1
    fi
    echo "$server" >"$WD_SHARED/server"
  fi
  # Wine's desktop process closes a second after its last other program and starts again with
  # the next one, which it then holds: a test that starts it waits for it, pipes and all, until
  # the run ends. So the run's first Wine program is a long-lived window, detached from our
  # pipes: the desktop starts for it and stays up as long as it runs, whatever the timing.
  if [ -z "$(wd_wine_pid notepad.exe)" ]; then
    (setsid wine notepad.exe </dev/null >/dev/null 2>&1 9>&- &)
    started=1
  fi
  WD_DESKTOP=
  for _ in $(seq 100); do
    WD_DESKTOP=$(wd_wine_pid explorer.exe)
    [ -n "$WD_DESKTOP" ] && break
    sleep 0.1
  done
  [ -z "$started" ] || wd_wine_pid notepad.exe >"$WD_SHARED/notepad"
  # Warmed up once, so that no test (or ctest's discovery) is the first Wine client.
  wine cmd /c exit </dev/null >/dev/null 2>&1 9>&- || true
  wd_desktop_kept || { echo "wd_server_start: Wine's desktop process did not stay up: no window test can run" >&2; return 1; }
}

wd_server_stop() {
  [ -d "$WD_SHARED/users" ] || return 0
  {
    flock 9 && _wd_server_stop_locked
  } 9>"$WD_SHARED/lock"
  return 0
}
_wd_server_stop_locked() {
  rm -f "$WD_SHARED/users/$$"
  _wd_users_prune
  # Another script still uses the server and the desktop.
  [ -z "$(ls -A "$WD_SHARED/users")" ] || return 0
  local server notepad
  server=$(cat "$WD_SHARED/server" 2>/dev/null) || true
  notepad=$(cat "$WD_SHARED/notepad" 2>/dev/null) || true
  rm -f "$WD_SHARED/server" "$WD_SHARED/notepad"
  if [ -n "$server" ] && [ "$server" = "$(wd_server_pid)" ]; then
    wineserver -k </dev/null >/dev/null 2>&1 9>&- || true
  elif _wd_runs "$notepad" notepad.exe; then
    # The server was someone else's: only the window that kept the desktop up goes.
    kill "$notepad" 2>/dev/null || true
  fi
}
# Forgets the scripts that ended without saying so (killed, say). A process id is taken for the
# same process only with the same start time.
_wd_users_prune() {
  local f
  for f in "$WD_SHARED"/users/*; do
    [ -e "$f" ] || continue
    [ "$(_wd_proc_start_time "${f##*/}")" = "$(cat "$f" 2>/dev/null)" ] || rm -f "$f"
  done
}
_wd_proc_start_time() {
  local stat
  read -r stat 2>/dev/null <"/proc/$1/stat" || return 0
  # Field 22 of the line: the 20th after the command name, which may hold blanks.
  read -r -a stat <<<"${stat##*) }"
  echo "${stat[19]}"
}
# The process id of the prefix's Wine server, whoever started it; nothing when none runs. The
# server works in a folder named after the prefix's device and inode numbers.
wd_server_pid() {
  local dev ino dir p comm
  read -r dev ino < <(stat -L -c '%d %i' "$WINEPREFIX" 2>/dev/null) || return 0
  dir=$(printf 'server-%x-%x' "$dev" "$ino")
  for p in /proc/[0-9]*; do
    read -r comm 2>/dev/null <"$p/comm" || continue
    [[ $comm == wineserver* ]] || continue
    [[ $(readlink "$p/cwd" 2>/dev/null) == */"$dir" ]] || continue
    echo "${p#/proc/}"
    return
  done
}
# The same once a server runs: one just started takes a moment. Nothing after ten seconds.
wd_server_wait() {
  local _ pid
  for _ in $(seq 100); do
    pid=$(wd_server_pid)
    [ -z "$pid" ] || { echo "$pid"; return; }
    sleep 0.1
  done
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
  _wd_runs "${WD_DESKTOP:-}" explorer.exe
}
# Whether process PID runs and its command line names NAME.
_wd_runs() {
  [ -n "$1" ] && grep -qaF "$2" "/proc/$1/cmdline" 2>/dev/null
}
