# Clocks that jump while a phase runs (the sort of real48, the longest one). A time of day set
# back 10 s is no midnight crossing: the phase reports what the monotonic clock measured, not
# almost a day. A phase that truly lasts 1,500 s more, both clocks moving on, is grouped by
# thousands with a separator other than the decimal one, also where the locale's own grouping
# (French: a narrow no-break space) is no single byte: 1.50x,xxxx.
. "$(dirname "$0")/lib/common.sh"

require_native "faking the clocks"
require_tool python3
require_tool faketime
require_tool localedef
faked=""
for library in /usr/lib/*/faketime/libfaketime.so.1 /usr/lib/faketime/libfaketime.so.1; do
  [ -e "$library" ] && faked=$library && break
done
[ -n "$faked" ] || missing_requirement "libfaketime.so.1 is not installed"

# step_during_sort <offset> [VARIABLE=value...]: a run of a million elements on a terminal,
# in that environment, whose clock is moved by <offset> seconds just after the real48 sort has
# begun; sets REAL48_SORT to the time the console showed and checks it is the time recorded.
step_during_sort() {
  printf '+0\n' >offset
  rm -f zaveredo2.txt
  local status
  status=$(python3 "$ZAV_LIB/on_terminal.py" -- "$(command -v env)" LD_PRELOAD="$faked" \
    FAKETIME_TIMESTAMP_FILE="$PWD/offset" FAKETIME_NO_CACHE=1 "${@:2}" "$ZAV_SMALL" 1000000 \; \
    'wait:Zeichen) :' 'type:AB|' 'wait:real48 fuellen' 'wait:Sortieren :  ' sleep:0.1 "step:offset:$1" \
    'wait:ENTER zum Beenden' 'type:|') || fail "the run could not be watched"
  expect_exit "$status" 0
  expect_bytes err "" "standard error"
  REAL48_SORT=$(tr -d '\r' <terminal | sed -n 's/^real48 fuellen .* Sortieren :  \(.*\) sek$/\1/p')
  split_record "$(cat zaveredo2.txt)"
  expect_eq "${#FIELDS[@]}" 38 "fields of the record"
  expect_eq "${FIELDS[9]}" "$REAL48_SORT" "the real48 sort time recorded"
}

# The time of day set back, the monotonic clock running on.
step_during_sort -10 FAKETIME_DONT_FAKE_MONOTONIC=1
[[ $REAL48_SORT =~ ^[0-9]{1,2}\.[0-9]{4}$ ]] || fail "set back 10 s: [$REAL48_SORT]"

mkdir locales
localedef -i fr_FR -f UTF-8 locales/fr_FR.UTF-8 2>/dev/null
[ -e locales/fr_FR.UTF-8 ] || missing_requirement "the fr_FR locale could not be made"
step_during_sort +1500 LOCPATH="$PWD/locales" LC_ALL=fr_FR.UTF-8
[[ $REAL48_SORT =~ ^1\.5[0-9]{2},[0-9]{4}$ ]] || fail "1,500 s later in French: [$REAL48_SORT]"
echo "clock_steps: ok ($REAL48_SORT)"
