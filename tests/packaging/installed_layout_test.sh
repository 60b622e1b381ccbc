#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed dorvik-query from there as a fresh user:
# the program folder is found relative to the executable, the price list through the system-wide settings.
# Then moves the whole installation and runs it again. Validates the desktop entry (and, through gio, the
# command it starts), the AppStream metadata and the man pages when their tools are present.
# Usage: installed_layout_test.sh CMAKE BUILD_DIR SOURCE_DIR
set -euo pipefail
cmake=$1
build=$2
source=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

prefix=$tmp/prefix
"$cmake" --install "$build" --prefix "$prefix" >"$tmp/install.log" || { cat "$tmp/install.log"; exit 1; }

app=example.veltrane.Dorvik
for file in bin/dorvik-query share/dorvik/Freq_TLine_Connectors.dat share/dorvik/xcngrate.dat \
  share/veltrane/common-files/M_lom.dat etc/xdg/Veltrane/registry.reg share/man/man1/dorvik-query.1.gz \
  share/mime/packages/$app.xml share/doc/dorvik/LICENSE; do
  [ -f "$prefix/$file" ] || fail "not installed: $file"
done
if [ -e "$build/src/app/dorvik" ]; then
  for file in bin/dorvik share/applications/$app.desktop share/metainfo/$app.metainfo.xml \
    share/icons/hicolor/scalable/apps/$app.svg share/icons/hicolor/48x48/apps/$app.png share/man/man1/dorvik.1.gz; do
    [ -f "$prefix/$file" ] || fail "not installed: $file"
  done
fi
# Every picture the programs show lies in the program folder with the catalogue.
for picture in "$source"/data/*.gif "$source"/data/*.png; do
  [ ! -e "$picture" ] || cmp -s "$picture" "$prefix/share/dorvik/$(basename "$picture")" ||
    fail "not installed in the program folder: $(basename "$picture")"
done
[ ! -e "$prefix/bin/dorvik-install" ] || fail "the build tree's installer is installed"
grep -qxF "\"Path\"=\"$prefix/share/veltrane/common-files\"" "$prefix/etc/xdg/Veltrane/registry.reg" ||
  fail "the system-wide settings do not name the installed price list: $(cat "$prefix/etc/xdg/Veltrane/registry.reg")"

# A fresh user: no settings of his own, nothing but the installation's.
run_installed() { # PREFIX ARGS...
  local at=$1
  shift
  (cd "$tmp" && env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$tmp/home" XDG_CONFIG_DIRS="$at/etc/xdg" LC_ALL=C \
    "$at/bin/dorvik-query" "$@")
}
mkdir -p "$tmp/home"
part=$(awk -F'|' 'NR == 2 { print $4 }' "$prefix/share/dorvik/Freq_TLine_Connectors.dat")
query=$prefix/share/doc/dorvik/example.dvk
own_files=(--catalogue "$prefix/share/dorvik/Freq_TLine_Connectors.dat"
  --prices "$prefix/share/veltrane/common-files/M_lom.dat" --rates "$prefix/share/dorvik/xcngrate.dat")
expected_part=$("$build/src/cli/dorvik-query" "${own_files[@]}" --format tsv --part "$part")
echo "$expected_part" | awk -F'\t' 'NR == 2' | grep -q '\$[0-9]' || fail "no price in the build tree's run: $expected_part"
expected_query=$("$build/src/cli/dorvik-query" "${own_files[@]}" --currency EUR "$query")
echo "$expected_query" | grep -q 'EUR [0-9]' || fail "no euro price in the build tree's run: $expected_query"
actual=$(run_installed "$prefix" --format tsv --part "$part" 2>"$tmp/err") ||
  fail "installed dorvik-query --part $part: exit $?: $(cat "$tmp/err")"
[ "$actual" = "$expected_part" ] || fail "installed run differs from the build tree's: $actual"
# The exchange rates are found in the program folder too.
actual=$(run_installed "$prefix" --currency EUR "$query" 2>"$tmp/err") ||
  fail "installed dorvik-query --currency EUR: exit $?: $(cat "$tmp/err")"
[ "$actual" = "$expected_query" ] || fail "installed query run differs from the build tree's: $actual"
[ ! -e "$tmp/home/.config" ] || fail "a query wrote the user's settings"

# Moved as a whole: the catalogue and the rates are still found (the price list is named, as the system-wide
# settings keep the old place).
mv "$prefix" "$tmp/moved"
actual=$(run_installed "$tmp/moved" --prices "$tmp/moved/share/veltrane/common-files/M_lom.dat" \
  --currency EUR "$tmp/moved/share/doc/dorvik/example.dvk" 2>"$tmp/err") ||
  fail "moved dorvik-query: exit $?: $(cat "$tmp/err")"
[ "$actual" = "$expected_query" ] || fail "moved run differs: $actual"
prefix=$tmp/moved

if [ -f "$prefix/share/applications/$app.desktop" ] && command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/$app.desktop" || fail "desktop entry"
fi
# The desktop entry's command: "dorvik FILE QUERY" for a query file (blanks and all), a plain start without.
desktop_launch() { # EXPECTED ARGS...
  local expected=$1
  shift
  rm -f "$tmp/launched"
  PATH="$tmp/fake:$PATH" gio launch "$prefix/share/applications/$app.desktop" "$@" >/dev/null 2>&1 ||
    fail "gio launch $*"
  for _ in $(seq 50); do [ -s "$tmp/launched" ] && break; sleep 0.1; done
  [ "$(cat "$tmp/launched" 2>/dev/null)" = "$expected" ] ||
    fail "the desktop entry started [$(cat "$tmp/launched" 2>/dev/null)], not [$expected]"
}
if [ -f "$prefix/share/applications/$app.desktop" ] && command -v gio >/dev/null; then
  mkdir -p "$tmp/fake"
  cat >"$tmp/fake/dorvik" <<FAKE
#!/bin/sh
{ printf dorvik; for a; do printf '<%s>' "\$a"; done; echo; } >"$tmp/launched.new"
mv "$tmp/launched.new" "$tmp/launched"
FAKE
  chmod +x "$tmp/fake/dorvik"
  touch "$tmp/my query \$1.dvk"
  desktop_launch "dorvik<FILE><$tmp/my query \$1.dvk>" "$tmp/my query \$1.dvk"
  desktop_launch "dorvik" # from the menu: no parameter at all
fi
if [ -f "$prefix/share/metainfo/$app.metainfo.xml" ] && command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml" >"$tmp/appstream" 2>&1 ||
    fail "AppStream metadata: $(cat "$tmp/appstream")"
fi
if command -v man >/dev/null; then
  for page in "$prefix"/share/man/man1/*.1.gz; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) || fail "man page $page"
    [ -z "$warnings" ] || fail "man page $page: $warnings"
  done
fi

[ $failures -eq 0 ]
