# Scripts that need a tool, a privilege or the native program. Without a tool they say so and
# skip, except in CI (CI=true), where the tool is part of the setup and its lack is a failure.
# A scenario that only the native program can show skips under an emulator everywhere.
ZAV_CASE=$(basename "$0" .sh)

skip_case() {  # <reason>
  echo "$ZAV_CASE: SKIPPED ($1)"
  exit 0
}

missing_requirement() {  # <what is missing>
  [ "${CI:-}" = true ] && fail "$1, which CI must have"
  skip_case "$1"
}

require_tool() {  # <command>
  command -v "$1" >/dev/null || missing_requirement "$1 is not installed"
}

require_native() {  # <what only the native program shows>
  [ -z "$ZAV_EMULATOR" ] || skip_case "$1 is a matter of the native program"
}

# strace with fault injection: installed, and allowed to trace (a container may forbid ptrace).
require_fault_injection() {
  require_tool strace
  strace -o /dev/null -e inject=getpid:error=EIO true 2>/dev/null ||
    missing_requirement "strace may not trace processes here"
}
