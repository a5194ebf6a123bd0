# Under a German UTF-8 locale the program's texts are UTF-8 and every time uses the locale's
# decimal comma, on the console and in the record alike.
ZAV_LOCALE=de_DE.UTF-8
. "$(dirname "$0")/lib/common.sh"

if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "german_locale: SKIPPED (the de_DE.UTF-8 locale is not installed)"
  exit 0
fi
[ "$(locale decimal_point)" = , ] || fail "the German locale's decimal separator is not ','"

printf 'M\xc3\xbcller\n' | run_small >out 2>err
expect_exit $? 0
check_transcript out
if zav_texts_are_utf8; then
  [[ ${LINES[10]} == "Ihr K"$'\xc3\xbc'"rzel (max 8 Zeichen) : " ]] || fail "prompt not in UTF-8"
fi
for time in "${RECORDED_TIMES[@]}"; do
  [[ $time == *,???? ]] || fail "time [$time] without the decimal comma"
done
check_record "$(cat zaveredo2.txt)" "Müller"

# Initials are counted in characters, not bytes: ten characters, seventeen UTF-8 bytes.
rm zaveredo2.txt
printf 'ÄÖÜäöüßabc\n' | run_small >/dev/null 2>&1
expect_exit $? 0
split_record "$(cat zaveredo2.txt)"
if zav_texts_are_utf8; then kept="ÄÖÜäöüßa"; else kept=$(printf 'ÄÖÜäöüßabc' | head -c 8); fi
expect_eq "${FIELDS[5]}" "$kept" "initials cut to eight characters"
echo "german_locale: ok"
