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
