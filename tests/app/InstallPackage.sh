#!/bin/sh
# Installs the Debian package of a build tree as a user would, uses what it installed, and
# removes it again:
# - cpack makes the .deb; lintian finds no error and no warning in it;
# - apt-get installs it; the installed norvane-cli and norvane print the package's version; the
#   dpkg triggers have put the scene type and the desktop entry into the MIME, desktop (and, where
#   GTK's tool is, icon) databases; man finds both manual pages;
# - the thumbnailer's Exec line, run as the desktop runs it, writes a PNG of the asked size;
# - the editor, started by an ordinary user under Xvfb with a template, opens it, prints nothing
#   on standard error (a missing QML module or OpenGL driver would show there) and makes that
#   user's folder with a copy of each texture; under a German locale its window is German;
# - apt-get purge leaves no file of the package and takes it out of the databases again.
# Needs root or sudo without a password; exits 77 (skipped) without, and also when a norvane
# package is installed already, which it leaves alone.
# Usage: InstallPackage.sh BUILD WORK
build=$1 work=$2
user=norvane-test

if [ "$(id -u)" = 0 ]; then
  as_root=
elif sudo -n true 2>/dev/null; then
  as_root="sudo -n"
else
  echo "skipped: installing a package needs root or sudo without a password"
  exit 77
fi
if dpkg-query -W -f='${Status}\n' norvane 2>/dev/null | grep -q ' installed$'; then
  echo "skipped: a norvane package is installed already"
  exit 77
fi

status=0
fail() {
  echo "FAIL: $*"
  status=1
}
apt() {
  $as_root env DEBIAN_FRONTEND=noninteractive apt-get -q -y -o DPkg::Lock::Timeout=300 "$@"
}
installed() {
  dpkg-query -W -f='${Status}\n' norvane 2>/dev/null | grep -q ' installed$'
}
made_user=
cleanup() {
  installed && apt purge norvane >/dev/null
  [ -n "$made_user" ] && $as_root userdel "$user"
  [ -n "${home:-}" ] && $as_root rm -rf "$home"
}
trap cleanup EXIT

# The package, and lintian's verdict on it.
rm -rf "$work" && mkdir -p "$work" || exit 1
(cd "$build" && cpack -G DEB -B "$work/deb" >"$work/cpack.log" 2>&1) || {
  cat "$work/cpack.log"
  exit 1
}
deb=$(ls "$work"/deb/norvane_*.deb) || exit 1
version=$(dpkg-deb -f "$deb" Version)
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || fail "lintian finds faults"
grep -v 'root privileges' "$work/lintian.log"

# Installed, the programs are on the PATH and the desktop knows them.
apt install --no-install-recommends "$deb" >"$work/install.log" 2>&1 || {
  cat "$work/install.log"
  exit 1
}
dpkg -L norvane >"$work/files" || exit 1
for program in norvane-cli norvane; do
  [ "$(command -v $program)" = /usr/bin/$program ] || fail "$program is not /usr/bin/$program"
  [ "$(/usr/bin/$program --version)" = "norvane $version" ] || fail "$program --version"
done
mime=application/x-norvane-scene
entry=org.norvane.Norvane.desktop
grep -qx "[0-9]*:$mime:\*\.nsc" /usr/share/mime/globs2 || fail "no *.nsc in the MIME database"
[ -f /usr/share/mime/$mime.xml ] || fail "the MIME database has no $mime.xml"
grep -q "^$mime=.*$entry" /usr/share/applications/mimeinfo.cache ||
  fail "the desktop database does not open $mime with $entry"
icon_cache=/usr/share/icons/hicolor/icon-theme.cache
if command -v gtk-update-icon-cache >/dev/null && [ -f $icon_cache ]; then
  grep -q org.norvane.Norvane $icon_cache || fail "the icon cache lacks org.norvane.Norvane"
fi
for page in norvane norvane-cli; do
  [ "$(man -w $page)" = /usr/share/man/man1/$page.1.gz ] || fail "man -w $page: $(man -w $page)"
done

# An ordinary user with a home of its own in the system's temporary folder.
if ! id "$user" >/dev/null 2>&1; then
  $as_root useradd --system --no-create-home --shell /usr/sbin/nologin "$user" || exit 1
  made_user=1
fi
home=$(mktemp -d /tmp/norvane-home-XXXXXX) || exit 1
mkdir -m 700 "$home/runtime" && $as_root chown -R "$user:" "$home" || exit 1
as_user() {
  $as_root runuser -u "$user" -- env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_CACHE_HOME \
    HOME="$home" XDG_RUNTIME_DIR="$home/runtime" "$@"
}
template=/usr/share/norvane/templates/street.NSC

# The thumbnailer, as a file manager runs it for that user.
thumbnailer=/usr/share/thumbnailers/norvane.thumbnailer
exec_line=$(sed -n 's/^Exec=//p' $thumbnailer)
command=$(printf '%s\n' "$exec_line" | sed "s|%i|$template|; s|%o|$home/thumbnail.png|; s|%s|128|")
# shellcheck disable=SC2086 # the Exec line is split into words as the desktop splits it
as_user $command || fail "thumbnailer: $command"
file "$home/thumbnail.png" | grep -q 'PNG image data, 128 x 128' ||
  fail "thumbnailer: $(file "$home/thumbnail.png")"

# The editor, started by that user from the menu's command under Xvfb with the 3D view.
objects=$(($(wc -l <$template) / 6))
as_user xvfb-run -a env QT_QPA_PLATFORM=xcb NORVANE_EXIT_AFTER_START=1 timeout 120 \
  /usr/bin/norvane $template >"$work/editor.out" 2>"$work/editor.err" || fail "the editor failed"
printf 'title: Norvane (%s)\nobjects: %s\n' $template $objects | cmp -s - "$work/editor.out" ||
  fail "the editor printed: $(cat "$work/editor.out")"
[ -s "$work/editor.err" ] && fail "the editor complained: $(cat "$work/editor.err")"
for texture in /usr/share/norvane/source*.jpg; do
  cmp -s "$texture" "$home/.local/share/norvane/${texture##*/}" ||
    fail "no copy of $texture in the user's folder"
done

# In German, the installed editor finds its own translation and Qt's (which the package
# depends on): the File menu and the dock's close button speak German.
as_user env -u LANGUAGE -u LC_ALL LANG=de_DE.UTF-8 QT_QPA_PLATFORM=offscreen \
  NORVANE_EXIT_AFTER_START=texts timeout 120 /usr/bin/norvane >"$work/german.out" 2>/dev/null ||
  fail "the editor failed in German"
for text in 'title: Norvane (Neu)' 'mnuFileItem menu: &Datei' 'qt_dockwidget_closebutton name: Schließen'; do
  grep -qxF "$text" "$work/german.out" || fail "the German editor lacks \"$text\""
done

# Purged, nothing of the package is left but the folders other packages hold, and the databases
# have forgotten it.
apt purge norvane >"$work/purge.log" 2>&1 || {
  cat "$work/purge.log"
  exit 1
}
while read -r path; do
  [ -e "$path" ] || continue
  [ -d "$path" ] && dpkg -S "$path" >/dev/null 2>&1 && continue
  fail "left after purge: $path"
done <"$work/files"
grep -q "$mime" /usr/share/mime/globs2 && fail "the MIME database still has $mime"
grep -q "$entry" /usr/share/applications/mimeinfo.cache && fail "the desktop database has $entry"
[ $status = 0 ] && echo "installed, used and purged $deb"
exit $status
