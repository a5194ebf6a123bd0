# A directory, a FIFO or a socket named "zaveredo2.txt" cannot be opened as the results file:
# the run ends before it prints anything, with the report of an access denied, and leaves the
# entry as it was; a symbolic link that leads round in a loop cannot be resolved (1921).
. "$(dirname "$0")/lib/common.sh"

# expect_refused <message>: a run that ends before its first line with that report.
expect_refused() {
  printf 'AB\n' | run_big >out 2>err
  expect_exit $? 1
  expect_bytes out "" "standard output"
  expect_report err "$ZAV_BIG" EInOutError "$1"
}

mkdir zaveredo2.txt
expect_refused "Dateizugriff verweigert"
[ -d zaveredo2.txt ] && [ -z "$(ls -A zaveredo2.txt)" ] || fail "the directory was changed"
rmdir zaveredo2.txt

# Entries Windows has no counterpart of.
if [ -z "$ZAV_EMULATOR" ]; then
  mkfifo zaveredo2.txt
  expect_refused "Dateizugriff verweigert"
  [ -p zaveredo2.txt ] || fail "the FIFO was replaced"
  rm zaveredo2.txt
  ln -s zaveredo2.txt zaveredo2.txt
  expect_refused "E/A-Fehler 1921"
  [ -L zaveredo2.txt ] || fail "the link was replaced"
  rm zaveredo2.txt
  require_tool python3
  python3 -c 'import socket; socket.socket(socket.AF_UNIX).bind("zaveredo2.txt")' ||
    fail "no socket could be made"
  expect_refused "Dateizugriff verweigert"
  [ -S zaveredo2.txt ] || fail "the socket was replaced"
  rm zaveredo2.txt
fi
echo "results_directory: ok"
