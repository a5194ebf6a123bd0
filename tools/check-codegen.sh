#!/usr/bin/env bash
# check-codegen.sh <libzav_workloads.a> [objdump]
# Fails unless the machine code of the measured loops does what the benchmark claims to
# measure, so that a compiler upgrade or a refactoring cannot silently change it:
#   - every fill has a true x87 division (fdiv) and overflow branches (jo) for its checked steps;
#   - every element type has its own quicksort routine, which calls itself twice (both parts)
#     and has overflow branches for its index steps;
#   - the currency and Comp sorts load with fild and compare with fcomi/fucomi;
#   - the Int64 sort compares with integer instructions and never through the x87 unit;
#   - the real48 sort inlines both real48 conversions for every comparison and copy, and
#     compares in the x87 unit;
#   - the array sizing zeros memory without calling memset;
#   - Power and the Comp and Int64 fills lie in the sections of their shared code page.
set -u
library=$1
objdump=${2:-objdump}
[ -n "$objdump" ] || objdump=objdump
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

for type in Real Real48 Single Double Extended Currency Integer Byte ShortInt Word SmallInt \
            Cardinal LongWord LongInt Comp Int64; do
  fill=$(body "zaveredo::Fill$type()")
  if [ -z "$fill" ]; then
    fail "Fill$type not found"
  else
    has "$fill" '\sfdivr?p?\s' || fail "Fill$type has no x87 division"
    [ "$(count "$fill" '\sjo\s')" -ge 2 ] || fail "Fill$type lacks the overflow branches of its index and count steps"
  fi
  sort=$(body "void zaveredo::QuickSortRange<zaveredo::sorting::${type}Traits>(")
  if [ -z "$sort" ]; then
    fail "no quicksort routine of its own for $type"
    continue
  fi
  [ "$(count "$sort" "call.*QuickSortRange<zaveredo::sorting::${type}Traits>")" -ge 2 ] ||
    fail "the $type quicksort does not call itself for both parts"
  # The pivot sum, the increment of Lo and the decrement of Hi, each overflow-checked.
  [ "$(count "$sort" '\sjo\s')" -ge 3 ] || fail "the $type quicksort lacks the overflow branches of its index steps"
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

# Their speed depends on where they lie relative to each other (src/workloads/wide_fill_code.h).
for function in 'zaveredo::Power(' 'zaveredo::FillComp()' 'zaveredo::FillInt64()'; do
  section=$(awk -v name="$function" '/^Disassembly of section / { section = $4 }
    index($0, "<" name) && /:$/ { print section; exit }' "$listing")
  case $section in
    *zaveredo_wide_*) ;;
    *) fail "$function is not in the shared code page of the wide fills (section ${section:-none})" ;;
  esac
done

if [ $failures -ne 0 ]; then
  echo "check-codegen: $failures failure(s) in $library"
  exit 1
fi
echo "check-codegen: the measured loops are as intended"
