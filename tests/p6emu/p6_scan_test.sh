#!/bin/sh
# cmake/p6-scan on two exes of our own: one started through CorvaneEntry, one that keeps the
# runtime's entry point and carries planted offenders; and --shipped with the clean exe's stripped
# twin and with another exe. p6_scan_test.sh SCAN CLEAN_EXE PLANTED_EXE
scan=$1 clean=$2 planted=$3
fail() { printf 'FAIL: %s\n%s\n' "$1" "$out"; exit 1; }

out=$("$scan" "$clean") || fail "the clean exe was rejected"

out=$("$scan" "$planted")
rc=$?
[ "$rc" -eq 1 ] || fail "exit code $rc for the planted exe"
for expected in "xorps xmm0,xmm0" "long NOP" "lock cmove" "CMOV through GS" "sysenter" \
                "is _mainCRTStartup, not _CorvaneEntry"; do
  printf '%s\n' "$out" | grep -q -- "$expected" || fail "not reported: $expected"
done
# Exactly the five planted ones: nothing from the runtime, none of the handled or harmless ones.
count=$(printf '%s\n' "$out" | grep -c '^  0x')
[ "$count" -eq 5 ] || fail "$count offenders listed, 5 planted"
[ "$(printf '%s\n' "$out" | grep -c '<_planted_instructions>')" -eq 5 ] || fail "wrong function"

out=$("$scan" --entry _mainCRTStartup "$planted" | tail -1)
printf '%s\n' "$out" | grep -q "entry point" && fail "--entry was not honoured"

# --shipped: the stripped exe must be the scanned one without its symbols, and nothing else.
shipped=$(mktemp -d)
trap 'rm -rf "$shipped"' EXIT
"${STRIP:-i686-w64-mingw32-strip}" --strip-all -o "$shipped/clean.exe" "$clean"
"${STRIP:-i686-w64-mingw32-strip}" --strip-all -o "$shipped/planted.exe" "$planted"
out=$("$scan" --shipped "$shipped/clean.exe" "$clean") || fail "the clean exe's stripped twin was rejected"
out=$("$scan" --shipped "$shipped/planted.exe" "$clean")
rc=$?
[ "$rc" -eq 1 ] || fail "exit code $rc for another exe given as the shipped one"
printf '%s\n' "$out" | grep -q "is not .* without its symbols" || fail "the wrong shipped exe was not named"
echo "p6-scan test passed"
