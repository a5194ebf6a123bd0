# Shared helpers of the end-to-end scripts. Source it with the script's own arguments:
#   <zaveredo2> <zaveredo2_small> <emulator or empty>
# Each script runs in a fresh temporary directory, which is removed at its end.
set -u
ZAV_BIG=$(realpath "$1")
ZAV_SMALL=$(realpath "$2")
ZAV_EMULATOR=${3:-}
ZAV_SMALL_COUNT=${ZAV_SMALL_COUNT:-2000}
export LC_ALL=${ZAV_LOCALE:-C}

ZAV_LIB=$(realpath "$(dirname "${BASH_SOURCE[0]}")")
. "$ZAV_LIB/platform.sh"
. "$ZAV_LIB/transcript.sh"
. "$ZAV_LIB/requirements.sh"

ZAV_WORK=$(mktemp -d "${TMPDIR:-/tmp}/zave2e.XXXXXX")
trap 'rm -rf "$ZAV_WORK"' EXIT
cd "$ZAV_WORK" || exit 1

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Runs a program directly, or through the emulator when one is given.
zav_exec() {
  if [ -n "$ZAV_EMULATOR" ]; then
    $ZAV_EMULATOR "$@"
  else
    "$@"
  fi
}

# As zav_exec, replacing the calling (sub)shell, so that a background job's $! is the
# program's own process.
zav_exec_replacing() {
  if [ -n "$ZAV_EMULATOR" ]; then
    exec $ZAV_EMULATOR "$@"
  else
    exec "$@"
  fi
}

# The whole program at a small element count, and the shipped program.
run_small() { zav_exec "$ZAV_SMALL" "$ZAV_SMALL_COUNT"; }
run_big() { zav_exec "$ZAV_BIG"; }

# Shows bytes readably in a failure message.
show_bytes() { od -An -c | head -c 2000; }

# expect_bytes <file> <expected bytes> <what>
expect_bytes() {
  printf '%s' "$2" >"$ZAV_WORK/.expected"
  if ! cmp -s "$1" "$ZAV_WORK/.expected"; then
    echo "expected:" >&2
    show_bytes <"$ZAV_WORK/.expected" >&2
    echo "got:" >&2
    show_bytes <"$1" >&2
    fail "$3"
  fi
}

expect_eq() { [ "$1" == "$2" ] || fail "$3: expected [$2], got [$1]"; }

expect_exit() { [ "$1" -eq "$2" ] || fail "exit code $1, expected $2"; }

# The report for an error the program raised itself, with its fault address as eight upper-
# case hexadecimal digits: expect_report <stderr file> <program> <kind> <message>
expect_report() {
  local report module
  report=$(cat "$1"; printf x)
  report=${report%x}
  module=$(zav_module_name "$2")
  local head="Exception $3 in Modul $module bei "
  [[ $report == "$head"* ]] || fail "report starts [$(show_bytes <"$1")]"
  local address=${report:${#head}:8}
  [[ $address =~ ^[0-9A-F]{8}$ ]] || fail "fault address [$address]"
  local message=$4
  [[ -z $message || $message == *. ]] || message+=.
  expect_bytes "$1" "$head$address."$'\r\n'"$message"$'\r\n\r\n' "error report"
}

# Splits console or file text into lines at CR LF, into the array LINES; fails on a lone CR
# or LF. The text after the last CR LF is the last element (empty when the text ends in one).
read_crlf_lines() {
  local text
  text=$(cat "$1"; printf x)
  text=${text%x}
  local plain=${text//$'\r\n'/}
  [[ $plain != *$'\r'* && $plain != *$'\n'* ]] || fail "$1 has a line end other than CR LF"
  LINES=()
  while [[ $text == *$'\r\n'* ]]; do
    LINES+=("${text%%$'\r\n'*}")
    text=${text#*$'\r\n'}
  done
  LINES+=("$text")
}

# Splits one record at its ";" into the array FIELDS; the record must end in ";".
split_record() {
  local record=$1
  [[ $record == *";" ]] || fail "record does not end in ';': [$record]"
  FIELDS=()
  while [[ -n $record ]]; do
    FIELDS+=("${record%%;*}")
    record=${record#*;}
  done
}

# A time as the locale writes it, unanchored: grouped thousands, the decimal separator and
# exactly four decimals.
time_pattern() {
  local decimal thousands
  decimal=$(locale decimal_point 2>/dev/null)
  thousands=$(locale thousands_sep 2>/dev/null)
  [ -n "$decimal" ] || decimal=.
  local integer="[0-9]+"
  [ -n "$thousands" ] && integer="[0-9]{1,3}(\\$thousands[0-9]{3})*"
  printf '%s' "-?$integer\\$decimal[0-9]{4}"
}
