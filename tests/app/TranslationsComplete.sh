#!/bin/sh
# Checks every translation of the editor against the texts of its sources: lupdate reads the
# windows (src/app) and the 3D view (src/render) of ROOT into a copy of each
# ROOT/translations/norvane_<language>.ts, and the check fails, naming each text, when
#   - a text has no finished translation (new in the sources, or left unfinished),
#   - a translation's text has gone from the sources (the file is out of date),
#   - a translation lacks a placeholder (%1, %n) of its text or adds one.
# norvane_en.ts holds only the English plural forms, so it is read with -pluralonly.
# Usage: TranslationsComplete.sh LUPDATE ROOT WORK
lupdate=$1 root=$2 work=$3
rm -rf "$work" && mkdir -p "$work" || exit 1

sources=
for file in "$root"/src/app/*.cpp "$root"/src/app/*.h "$root"/src/render/*.cpp \
  "$root"/src/render/*.qml "$root"/src/app/*.qml; do
  [ -f "$file" ] && sources="$sources $file"
done

# One line per fault of the lupdate-made file $1: "<fault>: <context> | <text>", the text's line
# breaks shown as "\n". lupdate writes each tag of a message on a line of its own.
faults() {
  sed -e 's/&lt;/</g; s/&gt;/>/g; s/&quot;/"/g; s/&apos;/'"'"'/g' "$1" | awk '
    /<name>/ { sub(/.*<name>/, ""); sub(/<\/name>.*/, ""); context = $0; next }
    /<message/ { inmessage = 1; kind = "" }
    inmessage { block = block $0 "\n" }
    /<\/message>/ {
      inmessage = 0
      source = between(block, "<source>", "</source>")
      head = between(block, "<translation", ">")
      body = between(block, "<translation" head ">", "</translation>")
      if (head ~ /type="unfinished"/) kind = "unfinished"
      else if (head ~ /type="(vanished|obsolete)"/) kind = "gone"
      if (index(body, "<numerusform>")) {
        rest = body
        while ((at = index(rest, "<numerusform>"))) {
          rest = substr(rest, at + 13); form = substr(rest, 1, index(rest, "</numerusform>") - 1)
          if (kind == "" && form == "") kind = "unfinished"
          if (kind == "" && marks(source) != marks(form)) kind = "placeholders"
        }
      } else if (kind == "" && body == "") kind = "unfinished"
      else if (kind == "" && marks(source) != marks(body)) kind = "placeholders"
      text = source; gsub(/\n/, "\\n", text); gsub(/&amp;/, "\\&", text)
      if (kind != "") print kind ": " context " | " text
      block = ""
    }
    function between(s, from, to,   at) {
      at = index(s, from); if (!at) return ""
      s = substr(s, at + length(from))
      return substr(s, 1, index(s, to) - 1)
    }
    function marks(s,   n, found, list, i, j, t) {
      n = 0; split("", found)
      while (match(s, /%[0-9n]/)) {
        t = substr(s, RSTART, 2); s = substr(s, RSTART + 2)
        if (!(t in found)) { found[t] = 1; list[++n] = t }
      }
      for (i = 2; i <= n; i++)
        for (j = i; j > 1 && list[j - 1] > list[j]; j--) { t = list[j]; list[j] = list[j - 1]; list[j - 1] = t }
      t = ""; for (i = 1; i <= n; i++) t = t list[i]
      return t
    }
  '
}

status=0
for ts in "$root"/translations/norvane_*.ts; do
  name=${ts##*/}
  cp "$ts" "$work/$name" || exit 1
  only=
  [ "$name" = norvane_en.ts ] && only=-pluralonly
  # shellcheck disable=SC2086 # the sources are separate words
  "$lupdate" $only -locations none $sources -ts "$work/$name" >"$work/$name.log" 2>&1 || {
    cat "$work/$name.log"
    exit 1
  }
  found=$(faults "$work/$name")
  if [ -n "$found" ]; then
    printf '%s\n' "$found" | sed "s|^|$name: |"
    status=1
  fi
done
[ $status = 0 ] && echo "every text of the sources has a finished translation"
exit $status
