# Build checks of the Windows program's file: a console program with the 1 MiB stack reserve
# and 16 KiB commit, and no import that Windows XP lacks.
. "$(dirname "$0")/../lib/common.sh"
objdump=i686-w64-mingw32-objdump
command -v $objdump >/dev/null || fail "$objdump is missing"

$objdump -p "$ZAV_BIG" >header || fail "cannot read the header of $ZAV_BIG"
field() { sed -n "s/^$1[[:space:]]*//p" header | head -1; }
expect_eq "$(field SizeOfStackReserve)" 00100000 "stack reserve"
expect_eq "$(field SizeOfStackCommit)" 00004000 "stack commit"
[[ $(field Subsystem) == 00000003* ]] || fail "not a console program: $(field Subsystem)"
grep -qw GetTickCount64 header && fail "imports GetTickCount64, which Windows XP lacks"
grep -qw CharToOemA header || fail "the error report's CharToOemA is not imported"
echo "executable_header: ok"
