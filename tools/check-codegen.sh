#!/usr/bin/env bash
# check-codegen.sh <libzav_workloads.a> [objdump] [linked program] [nm]
# Fails unless the machine code of the measured loops does what the benchmark claims to
# measure, so that a compiler upgrade or a refactoring cannot silently change it:
#   - every fill has a true x87 division (fdiv) and overflow branches (jo/jno) for its checked
#     steps;
#   - every element type has its own quicksort routine, which calls itself twice (both parts)
#     and has an overflow branch for each of its five checked index steps;
#   - the currency and Comp sorts load with fild and compare with fcomi/fucomi;
#   - the Int64 sort compares with integer instructions and never through the x87 unit;
#   - the real48 sort inlines both real48 conversions for every comparison and copy, and
#     compares in the x87 unit;
#   - the array sizing zeros memory without calling memset;
#   - in the linked program, Power starts a page, the Comp and Int64 fills lie at their fixed
#     offsets in that page, and in the Linux program every control-word load (fldcw) of the three
#     lies where it lay when that placement was measured fast.
set -u
library=$1
objdump=${2:-objdump}
[ -n "$objdump" ] || objdump=objdump
program=${3:-}
nm=${4:-nm}
[ -n "$nm" ] || nm=nm
listing=$(mktemp)
trap 'rm -f "$listing"' EXIT
"$objdump" -dr -C --no-show-raw-insn "$library" >"$listing" || { echo "cannot disassemble $library"; exit 1; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The body of one function: from its label to the next blank line. The name is matched as a
# fixed string after the address, so template arguments need no escaping.
body() { awk -v name="$1" 'index($0, "<" name) && /:$/ { on = 1; next } on && /^$/ { exit } on' "$listing"; }

has() { grep -Eq "$2" <<<"$1"; }
count() { grep -Ec "$2" <<<"$1"; }

# The element types as their routines name them (FillReal48, Real48Traits): one per row of the
# element type table.
table="$(dirname "$0")/../src/workloads/element_table.cpp"
types=$(sed -nE 's/^ *Row<ElementType::k([A-Za-z0-9]+),.*/\1/p' "$table")
[ -n "$types" ] || { echo "no element types in $table"; exit 1; }

for type in $types; do
  fill=$(body "zaveredo::Fill$type()")
  if [ -z "$fill" ]; then
    fail "Fill$type not found"
  else
    has "$fill" '\sfdivr?p?\s' || fail "Fill$type has no x87 division"
    [ "$(count "$fill" '\sjn?o\s')" -ge 2 ] || fail "Fill$type lacks the overflow branches of its index and count steps"
  fi
  sort=$(body "void zaveredo::QuickSortRange<zaveredo::sorting::${type}Traits>(")
  if [ -z "$sort" ]; then
    fail "no quicksort routine of its own for $type"
    continue
  fi
  [ "$(count "$sort" "call.*QuickSortRange<zaveredo::sorting::${type}Traits>")" -ge 2 ] ||
    fail "the $type quicksort does not call itself for both parts"
  # The pivot sum, the steps of both scans and the two steps after a swap, each
  # overflow-checked: a branch on overflow (jo) or on its absence (jno, into the loop).
  [ "$(count "$sort" '\sjn?o\s')" -ge 5 ] || fail "the $type quicksort lacks the overflow branches of its index steps"
  case $type in
    Currency | Comp)
      has "$sort" '\sfild' || fail "the $type sort does not load with fild"
      has "$sort" '\sf(u)?comip?\s' || fail "the $type sort does not compare with fcomi/fucomi"
      ;;
    Int64)
      has "$sort" '\s(cmp|sbb|sub)[lq]?\s' || fail "the Int64 sort has no integer compare"
      has "$sort" '\sf(u)?com|\sfild' && fail "the Int64 sort compares through the x87 unit"
      ;;
    Real48)
      # Both conversions are inlined. Real48ToExtended loads a binary64 pattern with fldl: two
      # per comparison in each scan and one per copy make eight. ExtendedToReal48 stores the
      # value with fstpt, one per copy (pivot, temporary and the two moves of a swap), and
      # calls the overflow raise.
      [ "$(count "$sort" '\sfldl\s')" -ge 8 ] || fail "the real48 sort does not convert every value to extended"
      [ "$(count "$sort" '\sfstpt\s')" -ge 4 ] || fail "the real48 sort does not convert every copy back to real48"
      has "$sort" 'real48::RaiseOverflow' || fail "the real48 sort has no overflow check of the conversion back"
      has "$sort" '\sf(u)?comip?\s' || fail "the real48 sort does not compare with fcomi/fucomi"
      ;;
  esac
done

sizing=$(body "zaveredo::SizeArray(")
[ -n "$sizing" ] || fail "SizeArray not found"
has "$sizing" 'memset' && fail "SizeArray zeros through memset"

# Where Power and the Comp and Int64 fills lie in the linked program decides their speed
# (src/workloads/wide_fill_block.cpp): on the processors measured, what counts is the addresses
# of the control-word loads (fldcw) of Power and of the fill together. Power starts a page and
# the fills have fixed slots after it. In the Linux program every fldcw of the three must lie at
# the page offset it had when this layout was measured (docs/performance.md); a change of the
# code that moves one fails here: time Fill/Comp and Fill/Int64 with workloads_bench (a slow
# placement shows at 150 ns or more per element against 25) before recording its offsets.
comp_slot=$((0x200)) int64_slot=$((0x400))
measured_fldcw="045 04b 240 248 29c 2a4 440 448 49c 4a4"
address() { "$nm" -C "$program" | awk -v name="$1" 'index($0, " " name) { print $1; exit }'; }
# The first code symbol after the address given as nm prints it: where FillInt64 ends at the
# latest.
after() { "$nm" -n "$program" | awk -v at="$1" 'found && $1 != at && $2 ~ /^[tT]$/ { print $1; exit } $1 == at { found = 1 }'; }
# The page offsets of the fldcw instructions in [from, to), three hex digits each.
fldcw_offsets() {
  local at list=()
  for at in $("$objdump" -d --no-show-raw-insn --start-address="$1" --stop-address="$2" "$program" |
    awk '$2 ~ /^fldcw/ { sub(":", "", $1); print $1 }'); do
    list+=("$(printf '%03x' $((16#$at % 4096)))")
  done
  echo "${list[*]}"
}
# The slots and the control-word loads. A sanitized program is not timed, and the sanitizer's
# checks make Power and the fills other code: for it the page start is all there is to check.
check_slots() {
  [ $((comp - power)) -eq $comp_slot ] ||
    fail "FillComp lies at offset $((comp - power)) from Power, not at its slot $comp_slot"
  [ $((int64 - power)) -eq $int64_slot ] ||
    fail "FillInt64 lies at offset $((int64 - power)) from Power, not at its slot $int64_slot"
  # FillInt64 ends at the next code symbol, or at the page's end when that lies beyond it.
  local end
  end=$(after "$int64_text")
  end=$((16#${end:-0}))
  [ "$end" -gt "$int64" ] && [ $((end - power)) -le 4096 ] || end=$((power + 4096))
  local offsets
  offsets=$(fldcw_offsets "$power" "$end")
  [ "$(wc -w <<<"$offsets")" -eq 10 ] ||
    fail "Power and the fills have $(wc -w <<<"$offsets") control-word loads in their page, not 10 (two in Power, two in each truncation of the fills): $offsets"
  if "$objdump" -f "$program" | grep -q 'elf64-x86-64' && [ "$offsets" != "$measured_fldcw" ]; then
    fail "the control-word loads of Power and the fills lie at page offsets $offsets, not at $measured_fldcw, where they were measured fast"
  fi
}
if [ -n "$program" ]; then
  power=$(address 'zaveredo::Power(')
  comp=$(address 'zaveredo::FillComp()')
  int64=$(address 'zaveredo::FillInt64()')
  if [ -z "$power" ] || [ -z "$comp" ] || [ -z "$int64" ]; then
    fail "Power, FillComp or FillInt64 not found in $program"
  else
    int64_text=$int64
    power=$((16#$power)) comp=$((16#$comp)) int64=$((16#$int64))
    [ $((power % 4096)) -eq 0 ] || fail "Power does not start a page (offset $((power % 4096)))"
    if "$nm" "$program" | grep -qE '__(ubsan|asan)_'; then
      echo "check-codegen: $program is sanitized; of the placement only Power's page start is checked"
    else
      check_slots
    fi
  fi
fi

if [ $failures -ne 0 ]; then
  echo "check-codegen: $failures failure(s) in $library"
  exit 1
fi
echo "check-codegen: the measured loops are as intended"
