#!/bin/sh
# Starts the real editor offscreen in several locales with NORVANE_EXIT_AFTER_START=texts, which
# prints every text of the main window, and checks:
# - under C, POSIX, C.UTF-8 and en_US.UTF-8 the window is in English, exactly as texts/en.txt;
# - under de_DE.UTF-8 it is in German, exactly as texts/de.txt, and Qt's own texts (the dock's
#   buttons) are German too;
# - in German no two items of a menu share an access key, nor do the menu bar's titles and the
#   window's buttons and check box, which Alt reaches alike;
# - a scene file that cannot be read is reported in German.
# NORVANE_REGENERATE=1 rewrites en.txt and de.txt from the program, for review.
# Usage: WindowLanguage.sh PROGRAM DATA WORK
program=$1 data=$2 work=$3
rm -rf "$work" && mkdir -p "$work" || exit 1
status=0
fail() {
  echo "FAIL: $*"
  status=1
}

# The editor's output under locale $1; $2 and on are its arguments.
start() {
  locale=$1
  shift
  env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG="$locale" QT_QPA_PLATFORM=offscreen \
    NORVANE_EXIT_AFTER_START=texts XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work" \
    "$program" "$@" 2>"$work/errors"
}

for locale in C POSIX C.UTF-8 en_US.UTF-8 de_DE.UTF-8; do
  expected=$data/en.txt
  [ "$locale" = de_DE.UTF-8 ] && expected=$data/de.txt
  start $locale >"$work/$locale.txt" || fail "the editor failed under $locale"
  [ "${NORVANE_REGENERATE:-}" = 1 ] && cp "$work/$locale.txt" "$expected"
  diff -u "$expected" "$work/$locale.txt" || fail "the window's texts under $locale"
done

# Each group of texts that one key press reaches, as "<group> <key>": the items of each menu, and
# the menu bar with the captions of the main window's controls.
access_keys() {
  awk '
    / menu: / { group = $1; next }
    / item: / || (/ caption: / && $1 !~ /^(Label|Frame|dock|status|noOpenGL)/) {
      text = $0; sub(/^[^:]*: /, "", text); gsub(/&&/, "", text)
      if (!match(text, /&./)) next
      key = tolower(substr(text, RSTART + 1, 1))
      owner = / caption: / || group == "QMenuBar" ? "window" : group
      print owner " " key
    }
  ' "$1"
}
clashes=$(access_keys "$work/de_DE.UTF-8.txt" | sort | uniq -d)
[ -z "$clashes" ] || fail "access keys used twice (group, key): $clashes"

# Scene files that cannot be read, in German.
start de_DE.UTF-8 "$work/gone.NSC" >/dev/null || fail "the editor failed on a missing file"
grep -q "^Norvane: $work/gone.NSC kann nicht gelesen werden: " "$work/errors" ||
  fail "no German message for a missing file: $(cat "$work/errors")"
printf 'Tree\r\n1\r\n2\r\n' >"$work/short.NSC"
start de_DE.UTF-8 "$work/short.NSC" >/dev/null || fail "the editor failed on a short file"
grep -q "^Norvane: $work/short.NSC kann nicht geöffnet werden: Die Szenendatei endet mitten in einem Objekt: 3 Zeilen sind kein Vielfaches von 6$" \
  "$work/errors" || fail "no German message for a short file: $(cat "$work/errors")"

[ $status = 0 ] && echo "the window speaks English, and German under de_DE.UTF-8"
exit $status
