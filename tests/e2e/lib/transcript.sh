# The console dialogue and the record of a complete run, checked against each other: the
# description items and the times must be the very texts the record holds.

# A text of the program's own, given in UTF-8, in the code page of the current locale.
ansi() {
  if zav_texts_are_utf8; then
    printf '%s' "$1"
  else
    printf '%s' "$1" | iconv -f UTF-8 -t WINDOWS-1252
  fi
}

BANNER_TITLE="Benchmarktool zum Vergleich von Datentypen und Prozessoren unter Windows(R)"
BANNER_AUTHORSHIP="Geschrieben von der Arbeitsgruppe Zaveredo, Ausgabe 2"
BANNER_TERMS="Nutzung auf eigene Gefahr, unveränderte Weitergabe ist ausdrücklich erlaubt."
DESCRIPTION_LABELS=(
  "Hersteller des Prozessors  : "
  "Name des Prozessors        : "
  "Takt des Prozessors in MHz : "
  "Anzahl Prozessoren         : "
  "Betriebssystem             : "
)
PAIR_LABELS=(
  "extended fuellen :  " "real fuellen     :  " "real48 fuellen   :  " "single fuellen   :  "
  "double fuellen   :  " "extended fuellen :  " "currency fuellen :  " "Integer fuellen  :  "
  "Byte fuellen     :  " "ShortInt fuellen :  " "Word fuellen     :  " "SmallInt fuellen :  "
  "Cardinal fuellen :  " "LongWord fuellen :  " "LongInt fuellen  :  " "Comp fuellen     :  "
  "Int64 fuellen    :  "
)

expect_line() {  # <index> <expected>
  [[ ${LINES[$1]} == "$2" ]] || fail "console line $(($1 + 1)): expected [$2], got [${LINES[$1]}]"
}

# After check_transcript: the five description texts and the 32 recorded times, in order.
DESCRIPTION=()
RECORDED_TIMES=()

# check_transcript <stdout file>: the whole dialogue of a run whose input is not a console.
check_transcript() {
  read_crlf_lines "$1"
  [ "${#LINES[@]}" -eq 38 ] || fail "console shows ${#LINES[@]} lines, expected 38"
  expect_line 0 "$BANNER_TITLE"
  expect_line 1 "$(ansi "$BANNER_AUTHORSHIP")"
  expect_line 2 ""
  expect_line 3 "$(ansi "$BANNER_TERMS")"
  expect_line 4 ""

  DESCRIPTION=()
  local i
  for i in 0 1 2 3 4; do
    local label=${DESCRIPTION_LABELS[$i]} line=${LINES[$((5 + i))]}
    [ "${#label}" -eq 29 ] || fail "label [$label] is not 29 characters"
    [[ $line == "$label"* ]] || fail "description line $((6 + i)): [$line]"
    DESCRIPTION+=("${line:29}")
  done
  [[ ${DESCRIPTION[2]} =~ ^[0-9]+$ ]] || fail "clock rate [${DESCRIPTION[2]}]"
  [[ ${DESCRIPTION[3]} =~ ^[1-9][0-9]*$ ]] || fail "processor count [${DESCRIPTION[3]}]"
  [[ ${DESCRIPTION[1]} == */* ]] || fail "processor name without '/': [${DESCRIPTION[1]}]"

  # Nothing echoes the initials: the prompt's line ends with the next print.
  expect_line 10 "$(ansi "Ihr Kürzel (max 8 Zeichen) : ")"
  expect_line 11 'Die Zeiten sowie ihre Angaben werden unter "zaveredo2.txt" gespeichert.'
  [[ ${LINES[12]} =~ ^"Zur statistischen Auswertung bitte an "[^\ ]+@[^\ ]*example\.org" mailen. Danke!"$ ]] ||
    fail "mail notice [${LINES[12]}]"
  expect_line 13 ""
  expect_line 14 "$(ansi "Zum Aufwärmen und Speicher freiräumen 1x")"

  # Pair 0 on line 15, empty lines after pairs 0, 6 and 16.
  local t
  t=$(time_pattern)
  local index=15 pair
  RECORDED_TIMES=()
  for pair in $(seq 0 16); do
    local label=${PAIR_LABELS[$pair]} line=${LINES[$index]}
    [ "${#label}" -eq 20 ] || fail "label [$label] is not 20 characters"
    [[ $line =~ ^"$label"($t)" sek |  Sortieren :  "($t)" sek"$ ]] ||
      fail "pair $pair, console line $((index + 1)): [$line]"
    local fill=${line:20}
    fill=${fill%% *}
    local sort=${line##*:  }
    sort=${sort% sek}
    [ "$pair" -gt 0 ] && RECORDED_TIMES+=("$fill" "$sort")
    index=$((index + 1))
    if [ "$pair" -eq 0 ] || [ "$pair" -eq 6 ] || [ "$pair" -eq 16 ]; then
      expect_line $index ""
      index=$((index + 1))
    fi
  done
  expect_line 35 "Speicherort : $(zav_expected_directory)"
  expect_line 36 ""
  # The cursor stays after the last text: no line end follows it.
  expect_line 37 "ENTER zum Beenden"
}

# check_record <record> <initials typed>: 38 fields that repeat the console's texts.
check_record() {
  split_record "$1"
  [ "${#FIELDS[@]}" -eq 38 ] || fail "record has ${#FIELDS[@]} fields, expected 38: [$1]"
  local i
  for i in 0 1 2 3 4; do
    expect_eq "${FIELDS[$i]}" "${DESCRIPTION[$i]}" "field $((i + 1))"
  done
  expect_eq "${FIELDS[5]}" "${2:0:8}" "field 6 (initials)"
  for i in $(seq 0 31); do
    expect_eq "${FIELDS[$((6 + i))]}" "${RECORDED_TIMES[$i]}" "field $((7 + i))"
  done
}
