# A results file of 4 GiB and more (sparse, so it takes no room on the disk): its first bytes
# stay, a byte 26 among its last 128 bytes cuts it there, and the record follows in its place.
. "$(dirname "$0")/lib/common.sh"

head_bytes='alt;erster;'
size=$(((1 << 32) + 200))
printf '%s' "$head_bytes" >zaveredo2.txt
truncate -s $((size - 13)) zaveredo2.txt || missing_requirement "a file system that holds a 4 GiB file"
printf 'letzter;\x1aRest' >>zaveredo2.txt
[ "$(du -k zaveredo2.txt | cut -f1)" -lt 1024 ] || missing_requirement "a file system with sparse files"

printf 'XY\n\n' | run_small >/dev/null 2>err
expect_exit $? 0
expect_bytes err "" "standard error"
head -c ${#head_bytes} zaveredo2.txt >first
expect_bytes first "$head_bytes" "the first bytes of the file"
tail -c +$((size - 12)) zaveredo2.txt >last  # seeks: the zeros between are not read
head -c 10 last >end
expect_bytes end $'letzter;\r\n' "the old last bytes, cut at the 26, and the line end"
tail -c +11 last >record
split_record "$(cat record)"
expect_eq "${#FIELDS[@]}" 38 "fields of the appended record"
expect_eq "${FIELDS[5]}" XY "initials of the appended record"
expect_eq "$(stat -c %s zaveredo2.txt)" $((size - 5 + 2 + $(stat -c %s record))) "size of the file"
echo "$ZAV_CASE: ok"
