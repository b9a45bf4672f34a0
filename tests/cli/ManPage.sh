#!/bin/sh
# Checks a manual page against its program: man renders it without a warning, and it names
# every command and every option that the program's --help and each command's --help print,
# and every exit status that --help lists.
# Usage: ManPage.sh PAGE PROGRAM
page=$1 program=$2
name=$(basename "$program")
status=0

warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
  echo "$page: man warns:"
  echo "$warnings"
  status=1
fi

# The page as a reader sees it at 80 columns, without hyphenation; then in one line, where a
# word that was broken after one of its own hyphens is joined again.
rendered=$(LC_ALL=C.UTF-8 MANROFFOPT=-rHY=0 MANWIDTH=80 man -E UTF-8 -l "$page" 2>/dev/null)
text=$(printf '%s\n' "$rendered" |
  sed -e ':join' -e '/-$/{N;s/-\n *\([^ ]\)/-\1/;t join' -e '}' | tr -s ' \n' '  ')

help=$("$program" --help) || { echo "$name --help failed"; exit 1; }
commands=$(printf '%s\n' "$help" | sed -n "s/^  $name \([a-z][a-z-]*\).*/\1/p")
texts=$help
for command in $commands; do
  texts="$texts
$("$program" "$command" --help)" || { echo "$name $command --help failed"; status=1; }
done
options=$(printf '%s\n' "$texts" | grep -o -- '--[a-z][a-z-]*' | sort -u)
[ -n "$options" ] || { echo "$name --help names no option"; status=1; }

for word in $commands $options; do
  printf '%s\n' "$text" | grep -qw -- "$word" || { echo "$page does not name $word"; status=1; }
done

# "Exit status: 0 done, 1 ..., 2 ..." in --help: each number has its entry under EXIT STATUS.
codes=$(printf '%s\n' "$help" | sed -n 's/^Exit status: //p' | grep -o '[0-9][0-9]* ')
entries=$(printf '%s\n' "$rendered" | sed -n '/^EXIT STATUS/,/^[A-Z]/s/^       \([0-9][0-9]*\)$/\1/p')
for code in $codes; do
  printf '%s\n' "$entries" | grep -qx "$code" || {
    echo "$page: EXIT STATUS does not list $code"
    status=1
  }
done
exit $status
