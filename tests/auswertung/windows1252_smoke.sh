#!/usr/bin/env bash
# windows1252_smoke.sh <zaveredo2-auswertung> [emulator]: the program reads a results file with
# Windows-1252 initials (and, through the emulator, does so as the Windows build under Wine),
# writes them as UTF-8, reports the machine and ends with 0; a directory named as a file ends it
# with 1 and the file is still reported.
set -u
tool=$(realpath "$1")
emulator=${2:-}
data=$(cd "$(dirname "$0")/data" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/zavausw.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
cp "$data/werkstatt-cp1252.txt" zaveredo2.txt
cp zaveredo2.txt original
mkdir ordner

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
run() { if [ -n "$emulator" ]; then $emulator "$tool" "$@"; else "$tool" "$@"; fi; }

run --format csv zaveredo2.txt >out.csv 2>err.txt
rc=$?
[ $rc = 0 ] || fail "exit code $rc, stderr: $(cat err.txt)"
grep -q ',Windows XP Service Pack 3,Jörg,0.3687,' out.csv || fail "no UTF-8 initials in: $(cat out.csv)"

# Standard input arrives byte for byte (CR LF, byte 26), in the Windows build too.
printf '\r\n' >vorne.txt
cat vorne.txt zaveredo2.txt - >eingabe.txt <<<$'\r\n\x1Adanach;'
run --format csv - <eingabe.txt >stdin.csv 2>err.txt || fail "standard input: $(cat err.txt)"
[ "$(wc -l <stdin.csv)" = 2 ] || fail "standard input gave: $(cat stdin.csv)"
grep -q '^1,-,1,ja,.*,Jörg,' stdin.csv || fail "standard input gave: $(cat stdin.csv)"

run zaveredo2.txt ordner >out.txt 2>err.txt
rc=$?
[ $rc = 1 ] || fail "a directory given as a file: exit code $rc"
grep -q 'ordner: Ist ein Verzeichnis, keine Datei.' err.txt || fail "stderr: $(cat err.txt)"
grep -q '1 Maschine aus 1 vollständigen Datensätzen' out.txt || fail "report: $(cat out.txt)"
grep -q '^ *1  Jörg ' out.txt || fail "initials in the Übersicht: $(cat out.txt)"
cmp -s zaveredo2.txt original || fail "the results file was changed"
echo "windows1252_smoke: ok"
