#!/usr/bin/env bash
# What a user installs: `cmake --install` into a staging folder, then
# - the desktop entry and the AppStream metainfo validate;
# - every icon size of the hicolor theme is there, at its size;
# - the data files, the manual pages and the README are where they belong;
# - the installed program, started from another working directory, shows a
#   physical constant from its data files on the constants screen;
# and the Debian package built by CPack from the same rules holds those files
# and depends on the libraries the program links.
#   install_check.sh BUILD-FOLDER APPSTREAM-ID
set -euo pipefail
build=$(cd "$1" && pwd)
id=$2
. "$(dirname "$0")/x11.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

stage="$work/stage"
DESTDIR="$stage" cmake --install "$build" --prefix /usr >"$work/install.log" || { cat "$work/install.log"; fail "cmake --install"; }
usr="$stage/usr"

desktop="$usr/share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry names another icon"
grep -qx "Exec=kalkort" "$desktop" || fail "the desktop entry starts another program"
grep -qx "Categories=Education;Math;" "$desktop" || fail "the desktop entry is not in Education / Math"
for key in Name GenericName Comment; do
  grep -q "^$key=." "$desktop" && grep -q "^$key\[ru\]=." "$desktop" || fail "the desktop entry lacks an English or Russian $key"
done
metainfo="$usr/share/metainfo/$id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate $metainfo"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "the metainfo launches another entry"
echo "desktop entry and metainfo valid"

icons="$usr/share/icons/hicolor"
for size in 16 22 24 32 48 64 128 256; do
  png="$icons/${size}x${size}/apps/$id.png"
  [ -f "$png" ] || fail "no $size pixel icon"
  actual=$(identify -format "%wx%h" "$png")
  [ "$actual" = "${size}x${size}" ] || fail "the $size pixel icon is $actual"
done
svg="$icons/scalable/apps/$id.svg"
[ -f "$svg" ] || fail "no scalable icon"
xmllint --noout "$svg" || fail "the scalable icon is not well-formed"
grep -q 'viewBox="0 0 80 80"' "$svg" || fail "the scalable icon has no 80 x 80 view box"
echo "icons: 8 sizes and the SVG"

for position in $(seq 0 63); do
  [ -s "$usr/share/kalkort/DATA/$position.sch" ] || fail "no data file $position"
done
for page in "$usr/share/man/man1/kalkort.1" "$usr/share/man/ru/man1/kalkort.1"; do
  [ -f "$page" ] || fail "no manual page $page"
  warnings=$(groff -k -man -Tutf8 -ww -z "$page" 2>&1)
  [ -z "$warnings" ] || fail "$page: $warnings"
done
[ -f "$usr/share/doc/kalkort/README.md" ] || fail "no README in the doc folder"
echo "data files, manual pages and README installed"

# The installed program, from an empty working directory: "Разное" >
# "Основные константы", the first constant chosen; its symbol and value
# appear on RichEdit1.
mkdir "$work/elsewhere"
cd "$work/elsewhere"
export XDG_CONFIG_HOME="$work/config"
"$usr/bin/kalkort" &
pid=$!
main=$(wait_for_window "Калькорт 1.6.1 Pro") || { kill -9 "$pid"; fail "the main window did not appear"; }
welcome=$(wait_for_window "Здравствуй, Пользователь!") || { kill -9 "$pid"; fail "no first-run greeting"; }
sleep 0.3
xdotool mousemove --window "$welcome" 476 200 click 1   # "Закрыть"
for _ in $(seq 1 50); do window_id "Здравствуй, Пользователь!" >/dev/null || break; sleep 0.1; done
# The caption of "Разное", the last of six groups below "Площадь" and
# "Переводы" opened; once opened, the other groups close and its seventh item
# is "Основные константы".
xdotool mousemove --window "$main" 107 614 click 1
# The window shrinks to the six captions and the 228 pixels of "Разное".
for _ in $(seq 1 50); do
  [ "$(xwininfo -id "$main" | awk '/Height:/ {print $2}')" = 389 ] && break
  sleep 0.1
done
xdotool mousemove --window "$main" 107 302 click 1
constants=$(wait_for_window "Основные константы (постоянные) всего:64") || { kill -9 "$pid"; fail "no constants screen"; }
sleep 0.3
dark_pixels() {  # dark pixels in RichEdit1 (107, 150, 277 x 89)
  import -window "$constants" "$work/shot.png"
  convert "$work/shot.png" -crop 277x89+107+150 +repage -colorspace Gray -threshold 50% \
    -format "%[fx:round(w*h*(1-mean))]" info:
}
before=$(dark_pixels)
xdotool mousemove --window "$constants" 100 38 click 1   # the first constant
sleep 0.5
after=$(dark_pixels)
echo "RichEdit1: $before dark pixels before choosing, $after after"
[ "$before" -eq 0 ] && [ "$after" -ge 40 ] || { kill -9 "$pid"; fail "no constant shown from the installed data files"; }
stop "$pid" || fail "the program did not end cleanly"
cd "$work"

# The Debian package.
cpack -G DEB -B "$work/package" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
debs=("$work"/package/kalkort_1.6.1_*.deb)
[ -f "${debs[0]}" ] || fail "no kalkort_1.6.1_*.deb"
deb=${debs[0]}
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/files"
for path in /usr/bin/kalkort "/usr/share/applications/$id.desktop" "/usr/share/metainfo/$id.metainfo.xml" \
            "/usr/share/icons/hicolor/scalable/apps/$id.svg" /usr/share/man/man1/kalkort.1 \
            /usr/share/man/ru/man1/kalkort.1 /usr/share/doc/kalkort/README.md; do
  grep -qx "$path" "$work/files" || fail "the package lacks $path"
done
for size in 16 22 24 32 48 64 128 256; do
  grep -qx "/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" "$work/files" || fail "the package lacks the $size pixel icon"
done
data=$(grep -c '^/usr/share/kalkort/DATA/[0-9]*\.sch$' "$work/files" || true)
[ "$data" -eq 64 ] || fail "the package holds $data data files"
if grep -E '^/usr/local/|\.a$|/include/|/tests?/' "$work/files"; then fail "the package holds files it should not"; fi

dpkg-deb -I "$deb" >"$work/control"
field() { sed -n "s/^ $1: //p" "$work/control"; }
[ "$(field Package)" = kalkort ] || fail "package name $(field Package)"
[ "$(field Version)" = 1.6.1 ] || fail "version $(field Version)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture $(field Architecture)"
[ "$(field Section)" = math ] || fail "section $(field Section)"
field Maintainer | grep -q '<.*@.*>' || fail "no maintainer address"
depends=$(field Depends)
echo "Depends: $depends"
# The package names of the Depends field, one a line (alternatives too).
echo "$depends" | tr ',|' '\n\n' | awk '{print $1}' >"$work/depends"
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6openglwidgets6 libqt6charts6 \
               libjpeg62-turbo libopengl0 libglu1-mesa qt6-qpa-plugins libgl1-mesa-dri; do
  grep -qxF "$library" "$work/depends" || fail "the package does not depend on $library"
done
field Recommends | grep -q qt6-translations-l10n || fail "the package does not recommend Qt's translations"
echo "install check passed"
