#!/bin/sh
# Runs COMMAND and passes when it fails and prints exactly the lines of the file EXPECTED on
# standard output: a check must refuse what it exists to refuse, and say why.
# Usage: ExpectFailure.sh EXPECTED COMMAND [ARGUMENT...]
expected=$1
shift
said=$("$@") && {
  echo "passed, but must fail: $*"
  exit 1
}
if [ "$said" != "$(cat "$expected")" ]; then
  printf 'said:\n%s\nexpected:\n%s\n' "$said" "$(cat "$expected")"
  exit 1
fi
printf 'refused as expected:\n%s\n' "$said"
