# Standard output on a full device: the first console statement fails with I/O error 112.
. "$(dirname "$0")/lib/common.sh"

if [ ! -w /dev/full ]; then
  echo "full_disk: SKIPPED (no /dev/full)"
  exit 0
fi
printf 'AB\n' | run_big >/dev/full 2>err
expect_exit $? 1
expect_report err "$ZAV_BIG" EInOutError "E/A-Fehler 112"
# The run ended at the banner: the results file was created and nothing had reached it.
expect_bytes zaveredo2.txt "" "results file"
echo "full_disk: ok"
