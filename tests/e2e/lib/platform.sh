# What differs between the native Linux program and the Windows one run under an emulator.
# Everything platform-specific the end-to-end scripts expect is decided here.

# The module name an error report shows: the program's file name without its directory.
zav_module_name() { basename "$1"; }

# The current directory as the program prints it after "Speicherort : ".
zav_expected_directory() {
  if [ "${ZAV_PLATFORM:-posix}" = win32 ]; then
    printf 'Z:%s' "$(pwd -P | tr / '\\')"
  else
    pwd -P
  fi
}

# Address-space limits are an operating-system matter a Windows emulator does not share.
zav_can_limit_memory() { [ -z "$ZAV_EMULATOR" ]; }

# Waits until the process blocks reading its standard input; fails when it never does (on x86-64 Linux: the read
# system call, number 0, on descriptor 0). Under an emulator the process is not ours to
# watch: a generous pause stands in for it.
zav_wait_until_reading_input() {
  local pid=$1 tries=0
  if [ -n "$ZAV_EMULATOR" ] || [ ! -r "/proc/$pid/syscall" ]; then
    sleep 10
    return
  fi
  while [ $tries -lt 600 ]; do
    local call
    call=$(cut -d' ' -f1,2 "/proc/$pid/syscall" 2>/dev/null) || return 1
    [ "$call" = "0 0x0" ] && return 0
    tries=$((tries + 1))
    sleep 0.1
  done
  return 1
}

# The program's own texts are in the ANSI code page: on Linux the locale's character set, on
# Windows code page 1252 whatever the locale.
zav_texts_are_utf8() {
  [ "${ZAV_PLATFORM:-posix}" != win32 ] && [ "$(locale charmap 2>/dev/null)" = UTF-8 ]
}

# The error code of a write into a pipe whose reader has gone: ERROR_NO_DATA, except that
# Wine reports ERROR_PIPE_NOT_CONNECTED.
zav_closed_pipe_write_error() {
  if [ -n "$ZAV_EMULATOR" ] && [ "${ZAV_PLATFORM:-posix}" = win32 ]; then echo 233; else echo 232; fi
}

# The exit code a run ended by Ctrl-C on its terminal leaves: death by SIGINT on Linux. On
# Windows the system's default console handler ends the process with STATUS_CONTROL_C_EXIT;
# Wine 8's default handler ends it with 0 instead, and says so on its fixme channel
# (zav_ended_by_console_handler).
zav_interrupted_exit_code() {
  if [ -n "$ZAV_EMULATOR" ] && [ "${ZAV_PLATFORM:-posix}" = win32 ]; then echo 0; else echo $((128 + $(kill -l INT))); fi
}

# Under Wine: whether the terminal output <file> shows that Wine's default console handler
# ended the process (the program was run with WINEDEBUG=fixme+console), not the program.
zav_ended_by_console_handler() {
  tr -d '\033' <"$1" | grep -aq 'default_ctrl_handler Terminating process .* on event 0'
}
