#!/usr/bin/env bash
# records_of_real_runs.sh <zaveredo2-auswertung> <zaveredo2_small>: the files of two real runs,
# one complete and one cut short by a failed write (injected), read by the report tool into
# JSON: the complete record with its 32 times as the file holds them, the cut one as incomplete
# with the times that reached the file, and neither file changed.
set -u
tool=$(realpath "$1")
small=$(realpath "$2")
work=$(mktemp -d "${TMPDIR:-/tmp}/zavausw.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
export LC_ALL=C

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
command -v strace >/dev/null && strace -o /dev/null -e inject=getpid:error=EIO true 2>/dev/null ||
  { echo "records_of_real_runs: SKIPPED (no strace fault injection here)"; exit 77; }

mkdir ganz abgebrochen
(cd ganz && printf 'Ganz\n\n' | "$small" 2000 >/dev/null 2>&1) || fail "the complete run failed"
# The third block written to the results file fails: the first two, 256 bytes, stay.
(cd abgebrochen && printf 'Halb\n\n' | strace -f -o ../trace \
  -e inject=write:error=ENOSPC:when=3 -P "$work/abgebrochen/zaveredo2.txt" "$small" 2000 \
  >/dev/null 2>&1)
[ $? = 1 ] || fail "the cut run did not end with 1"
grep -q INJECTED trace || fail "no failure was injected"
cp ganz/zaveredo2.txt ganz.orig
cp abgebrochen/zaveredo2.txt abgebrochen.orig
[ "$(wc -c <abgebrochen.orig)" = 256 ] || fail "the cut file holds $(wc -c <abgebrochen.orig) bytes"

"$tool" --format json ganz/zaveredo2.txt abgebrochen/zaveredo2.txt >report.json 2>err.txt
rc=$?
[ $rc = 0 ] || fail "exit code $rc: $(cat err.txt)"
cmp -s ganz/zaveredo2.txt ganz.orig && cmp -s abgebrochen/zaveredo2.txt abgebrochen.orig ||
  fail "a results file was changed"

python3 - report.json ganz.orig abgebrochen.orig <<'PY' || fail "the JSON does not match the files"
import json, sys
report = json.load(open(sys.argv[1]))
def fields(name):
    return open(name, 'rb').read().decode('latin-1').split(';')[:-1]
def times(record):
    return [t[k] for t in record['times'].values() for k in ('fill', 'sort') if k in t]
complete, cut = report['records']
whole, part = fields(sys.argv[2]), fields(sys.argv[3])
assert complete['state'] == 'complete' and complete['initials'] == 'Ganz', complete
assert [complete[k] for k in ('vendor', 'processor', 'os')] == [whole[0], whole[1], whole[4]]
assert times(complete) == [float(t) for t in whole[6:]], times(complete)
assert cut['state'] == 'incomplete' and cut['initials'] == 'Halb', cut
assert times(cut) == [float(t) for t in part[6:]], (times(cut), part)
assert len(report['machines']) == 1 and report['machines'][0]['records'] == [1], report['machines']
PY
echo "records_of_real_runs: ok"
