# The processor texts come from the real registry as stored: blanks kept, a string cut at its
# first NUL. A vendor value of the wrong type ends the run with the registry error, whose report
# reaches standard error in the OEM code page.
. "$(dirname "$0")/../lib/common.sh"
[ -n "$ZAV_EMULATOR" ] || { echo "processor_registry: SKIPPED (no emulator)"; exit 0; }

key='HKLM\Hardware\Description\System\CentralProcessor\0'
$ZAV_EMULATOR reg export "$key" original.reg /y >/dev/null 2>&1 || fail "cannot save $key"
# The key is shared by every program of the test run: put it back whatever happens here.
trap '$ZAV_EMULATOR reg delete "$key" /v VendorIdentifier /f >/dev/null 2>&1
  $ZAV_EMULATOR reg import "$ZAV_WORK/original.reg" >/dev/null 2>&1; rm -rf "$ZAV_WORK"' EXIT

identifier=$($ZAV_EMULATOR reg query "$key" /v Identifier 2>/dev/null | tr -d '\r' |
  sed -n 's/^ *Identifier *REG_SZ *//p')
[ -n "$identifier" ] || fail "no processor identifier in the registry"

# A REGEDIT4 file gives REG_SZ data as ANSI bytes: "  Zaveredo" with two leading blanks, and
# "Name", NUL, "Hidden", NUL.
hex() { printf '%s' "$1" | od -An -tx1 | tr -s ' \n' ',,' | sed 's/^,//; s/,$//'; }
{
  echo 'REGEDIT4'
  echo
  echo '[HKEY_LOCAL_MACHINE\Hardware\Description\System\CentralProcessor\0]'
  echo "\"VendorIdentifier\"=hex(1):$(hex '  Zaveredo'),00"
  echo "\"ProcessorNameString\"=hex(1):$(hex Name),00,$(hex Hidden),00"
} >test.reg
$ZAV_EMULATOR reg import test.reg >/dev/null 2>&1 || fail "cannot import the test values"

printf 'R\n' | run_small >out 2>err
expect_exit $? 0
read_crlf_lines out
expect_eq "${LINES[5]}" "Hersteller des Prozessors  :   Zaveredo" "vendor with its blanks"
expect_eq "${LINES[6]}" "Name des Prozessors        : Name/$identifier" "name cut at the NUL"
split_record "$(cat zaveredo2.txt)"
expect_eq "${FIELDS[0]}" "  Zaveredo" "recorded vendor"
expect_eq "${FIELDS[1]}" "Name/$identifier" "recorded name"
rm -f zaveredo2.txt

$ZAV_EMULATOR reg add "$key" /v VendorIdentifier /t REG_DWORD /d 7 /f >/dev/null 2>&1 || fail "cannot set a number"
printf 'R\n' | run_small >out 2>err
expect_exit $? 1
read_crlf_lines out
expect_eq "${#LINES[@]}" 6 "lines before the error"
expect_eq "${LINES[5]}" "Hersteller des Prozessors  : " "the vendor label without a value"
expect_report err "$ZAV_SMALL" ERegistryException $'Ung\x81ltiger Datentyp f\x81r \'VendorIdentifier\''
echo "processor_registry: ok"
