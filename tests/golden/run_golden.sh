#!/usr/bin/env bash
# Runs one golden test and compares its standard output with the .out file beside it.
#   NAME.ses  : orvento-cli sessione NAME.ses
#   NAME.args : orvento-cli $(cat NAME.args); a word @CARTELLA@ in it stands for a fresh empty
#               folder, whose files are printed after the run (name, then each line with its
#               line end shown as \r\n)
# Both run inside this folder. When NAME.sed exists, both outputs pass through it first (to mask
# what changes from run to run, such as elapsed seconds). NAME.rc, when present, holds the exit
# status expected (0 otherwise).
set -u
cli=$1
test=$2
dir=$(dirname "$test")
base=${test%.*}
name=$(basename "$base")
cd "$dir" || exit 2
expected_rc=0
[ -f "$name.rc" ] && expected_rc=$(cat "$name.rc")
actual=$(mktemp)
cartella=$(mktemp -d)
trap 'rm -rf "$actual" "$actual.a" "$actual.b" "$cartella"' EXIT
case "$test" in
  *.ses) "$cli" sessione "$name.ses" > "$actual"; rc=$? ;;
  *.args) # shellcheck disable=SC2046
    "$cli" $(sed "s#@CARTELLA@#$cartella#g" "$name.args") > "$actual"; rc=$?
    for f in "$cartella"/*; do
      [ -f "$f" ] || continue
      echo "== $(basename "$f")" >> "$actual"
      sed 's/\r$/\\r/' "$f" >> "$actual"
    done ;;
  *) echo "unknown golden test kind: $test"; exit 2 ;;
esac
if [ -f "$name.sed" ]; then
  sed -E -f "$name.sed" "$actual" > "$actual.a"
  sed -E -f "$name.sed" "$name.out" > "$actual.b"
else
  cp "$actual" "$actual.a"
  cp "$name.out" "$actual.b"
fi
status=0
if ! diff -u "$actual.b" "$actual.a"; then
  echo "golden output differs: $name"
  status=1
fi
if [ "$rc" != "$expected_rc" ]; then
  echo "exit status $rc, expected $expected_rc: $name"
  status=1
fi
exit $status
