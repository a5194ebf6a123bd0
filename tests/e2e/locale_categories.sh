# A locale category the system cannot load (here the messages) takes nothing from the others:
# LANG still gives the decimal comma of its numeric conventions and the UTF-8 of its character
# set, on the console and in the record alike.
ZAV_LOCALE=de_DE.UTF-8 # for the checks below; the run itself gets the mixed environment
. "$(dirname "$0")/lib/common.sh"

if [ -n "$ZAV_EMULATOR" ]; then
  echo "locale_categories: SKIPPED (Windows takes one locale for all categories)"
  exit 0
fi
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "locale_categories: SKIPPED (the de_DE.UTF-8 locale is not installed)"
  exit 0
fi

printf 'ABC\n' | env -u LC_ALL -u LC_NUMERIC -u LC_CTYPE LANG=de_DE.UTF-8 LC_MESSAGES=bogus \
  "$ZAV_SMALL" "$ZAV_SMALL_COUNT" >out 2>err
expect_exit $? 0
expect_bytes err "" "standard error"
check_transcript out
[[ ${LINES[10]} == "Ihr K"$'\xc3\xbc'"rzel (max 8 Zeichen) : " ]] || fail "prompt not in UTF-8"
for time in "${RECORDED_TIMES[@]}"; do
  [[ $time == *,???? ]] || fail "time [$time] without the decimal comma"
done
check_record "$(cat zaveredo2.txt)" ABC
echo "locale_categories: ok"
