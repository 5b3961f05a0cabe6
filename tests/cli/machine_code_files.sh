#!/bin/sh
# vantric-cli assemble --hex/--bin on every test program: the Intel HEX read back by objcopy equals
# the binary image; the data program gives exactly the expected records (its DS leaves a gap); a
# program that fails to assemble writes nothing; an unwritable target is exit status 73 and leaves
# nothing behind.
# usage: machine_code_files.sh VANTRIC_CLI PROGRAMS_DIR EXPECTED_DATA_HEX
set -u
cli=$1 programs=$2 expected=$3
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

for program in "$programs"/*.85; do
    name=$(basename "$program" .85)
    "$cli" assemble "$program" --hex "$dir/$name.hex" --bin "$dir/$name.bin" >"$dir/out" 2>&1
    status=$?
    if [ $status -eq 1 ]; then
        [ ! -e "$dir/$name.hex" ] && [ ! -e "$dir/$name.bin" ] || fail "$name: files written despite the error"
        continue
    fi
    [ $status -eq 0 ] || fail "$name: exit status $status: $(cat "$dir/out")"
    objcopy -I ihex -O binary "$dir/$name.hex" "$dir/$name.objcopy" || fail "$name: objcopy refused the HEX file"
    cmp "$dir/$name.bin" "$dir/$name.objcopy" || fail "$name: HEX and binary image differ"
done
cmp "$dir/data_fallthrough.hex" "$expected" || fail "data_fallthrough.hex differs from $expected"
grep -qx "Load address : 1000" "$dir/out" || fail "no load address: $(cat "$dir/out")"

mkdir "$dir/target"
for target in "--hex $dir/target" "--bin $dir/target/missing/x.bin"; do
    # shellcheck disable=SC2086
    "$cli" assemble "$programs/bcdadd.85" $target >/dev/null 2>"$dir/err"
    status=$?
    [ $status -eq 73 ] || fail "$target: exit status $status, expected 73"
    grep -q "cannot write" "$dir/err" || fail "$target: no reason given: $(cat "$dir/err")"
done
[ -z "$(ls -A "$dir/target")" ] || fail "left behind: $(ls -A "$dir/target")"
echo "machine code files: all programs agree"
