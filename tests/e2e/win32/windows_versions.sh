# The operating-system line for each Windows version the emulator can pretend to be, from the
# real version query: the name from the table, one blank and the service-pack text exactly as
# the system reports it (Windows 98 says " A ", so two blanks stand before the A).
. "$(dirname "$0")/../lib/common.sh"
[ -n "$ZAV_EMULATOR" ] || { echo "windows_versions: SKIPPED (no emulator)"; exit 0; }

# A copy under a name of its own: the version is set for that program name only, so the other
# programs of the test run keep theirs.
probe=zav_version_probe.exe
cp "$ZAV_SMALL" "$probe"
key='HKCU\Software\Wine\AppDefaults\'$probe
trap '$ZAV_EMULATOR reg delete "$key" /f >/dev/null 2>&1; rm -rf "$ZAV_WORK"' EXIT

check_version() {  # <wine version name> <expected operating-system text>
  $ZAV_EMULATOR reg add "$key" /v Version /t REG_SZ /d "$1" /f >/dev/null 2>&1 || fail "cannot set $1"
  printf 'V\n' | zav_exec "./$probe" 10 >out 2>err
  expect_exit $? 0
  read_crlf_lines out
  expect_eq "${LINES[9]}" "Betriebssystem             : $2" "operating system as $1"
  split_record "$(cat zaveredo2.txt)"
  expect_eq "${FIELDS[4]}" "$2" "recorded operating system as $1"
  rm -f zaveredo2.txt
}

check_version win95 "Windows 95"
check_version win98 "Windows 98  A "
check_version winme "Windows Me  "
check_version nt351 "Windows NT 3.51 Service Pack 5"
check_version nt40 "Windows NT 4 Service Pack 6a"
check_version win2k "Windows 2000 Service Pack 4"
check_version winxp "Windows XP Service Pack 3"
check_version win2003 "Windows .NET Server Service Pack 2"
check_version win7 "Unbekannte Version Service Pack 1"
echo "windows_versions: ok"
