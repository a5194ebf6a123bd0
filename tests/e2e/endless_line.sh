# A line of initials longer than the memory the run may use: only its start is kept, the run
# completes, and the record holds its first eight characters.
. "$(dirname "$0")/lib/common.sh"

zav_can_limit_memory || skip_case "the address space cannot be limited under an emulator"
# 60 MB of address space are plenty for the run; a line of 40 MB kept whole is not.
(ulimit -v 60000 && { head -c 40000000 /dev/zero | tr '\0' A; printf 'BC\n\n'; } |
  exec "$ZAV_SMALL" "$ZAV_SMALL_COUNT" >/dev/null 2>err)
expect_exit $? 0
expect_bytes err "" "standard error"
split_record "$(cat zaveredo2.txt)"
expect_eq "${#FIELDS[@]}" 38 "fields of the record"
expect_eq "${FIELDS[5]}" AAAAAAAA "initials of the record"
echo "$ZAV_CASE: ok"
