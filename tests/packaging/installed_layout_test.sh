#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed dorvik-query from there as a fresh user:
# the program folder is found relative to the executable, the price list through the system-wide settings.
# Then moves the whole installation and runs it again without naming the price list. Validates the desktop
# entries (and, through gio and xdg-open, the command they start), the AppStream metadata, the man pages and
# the shell completion when their tools are present.
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
  share/mime/packages/$app.xml share/doc/dorvik/LICENSE share/doc/dorvik/examples/example.dvk \
  share/dorvik/dorvik-query-output.schema.json share/bash-completion/completions/dorvik-query \
  share/zsh/vendor-completions/_dorvik-query; do
  [ -f "$prefix/$file" ] || fail "not installed: $file"
done
if [ -e "$build/src/app/dorvik" ]; then
  for file in bin/dorvik share/applications/$app.desktop share/applications/$app-open.desktop \
    share/metainfo/$app.metainfo.xml \
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
query=$prefix/share/doc/dorvik/examples/example.dvk
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

# Moved as a whole: the catalogue, the rates and the price list are still found, the price list beside the
# programs although the system-wide settings name its old place, or when no settings name one at all.
mv "$prefix" "$tmp/moved"
actual=$(run_installed "$tmp/moved" --currency EUR "$tmp/moved/share/doc/dorvik/examples/example.dvk" 2>"$tmp/err") ||
  fail "moved dorvik-query: exit $?: $(cat "$tmp/err")"
[ "$actual" = "$expected_query" ] || fail "moved run differs: $actual"
mkdir -p "$tmp/no-config"
actual=$(cd "$tmp" && env -u XDG_CONFIG_HOME -u XDG_DATA_HOME \
  HOME="$tmp/home" XDG_CONFIG_DIRS="$tmp/no-config" LC_ALL=C "$tmp/moved/bin/dorvik-query" --currency EUR \
  "$tmp/moved/share/doc/dorvik/examples/example.dvk" 2>"$tmp/err") ||
  fail "moved dorvik-query without system settings: exit $?: $(cat "$tmp/err")"
[ "$actual" = "$expected_query" ] || fail "moved run without system settings differs: $actual"
prefix=$tmp/moved

if [ -f "$prefix/share/applications/$app.desktop" ] && command -v desktop-file-validate >/dev/null; then
  for entry in "$prefix"/share/applications/*.desktop; do
    desktop-file-validate "$entry" || fail "desktop entry $entry"
    ! grep -q '^Exec=.*sh -c' "$entry" || fail "$entry runs a shell"
  done
fi
# What a launcher started, by the fake dorvik below.
launched() { # EXPECTED WHAT
  for _ in $(seq 50); do [ -s "$tmp/launched" ] && break; sleep 0.1; done
  [ "$(cat "$tmp/launched" 2>/dev/null)" = "$1" ] || fail "$2 started [$(cat "$tmp/launched" 2>/dev/null)], not [$1]"
  rm -f "$tmp/launched"
}
# The desktop entries' commands: "dorvik FILE QUERY" for a query file (blanks and all), a plain start from the
# menu.
desktop_launch() { # EXPECTED ENTRY ARGS...
  local expected=$1 entry=$2
  shift 2
  PATH="$tmp/fake:$PATH" gio launch "$prefix/share/applications/$entry" "$@" >/dev/null 2>&1 ||
    fail "gio launch $entry $*"
  launched "$expected" "gio launch $entry"
}
if [ -f "$prefix/share/applications/$app.desktop" ] && command -v gio >/dev/null; then
  mkdir -p "$tmp/fake"
  cat >"$tmp/fake/dorvik" <<FAKE
#!/bin/sh
{ printf dorvik; for a; do printf '<%s>' "\$a"; done; echo; } >"$tmp/launched.new"
mv "$tmp/launched.new" "$tmp/launched"
FAKE
  chmod +x "$tmp/fake/dorvik"
  echo "[data]" >"$tmp/my query \$1.dvk" # not empty: an empty file is guessed to be plain text
  desktop_launch "dorvik<FILE><$tmp/my query \$1.dvk>" "$app-open.desktop" "$tmp/my query \$1.dvk"
  desktop_launch "dorvik" "$app.desktop" # from the menu: no parameter at all
  # xdg-open outside a known desktop (its own launcher) and through gio, with the file type installed.
  if command -v xdg-open >/dev/null && command -v update-mime-database >/dev/null &&
    command -v update-desktop-database >/dev/null; then
    update-mime-database "$prefix/share/mime" >/dev/null 2>&1
    update-desktop-database "$prefix/share/applications" >/dev/null 2>&1
    for desktop in "" GNOME; do
      rm -f "$tmp/launched"
      (cd "$tmp" && env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID \
        ${desktop:+XDG_CURRENT_DESKTOP=$desktop} PATH="$tmp/fake:$PATH" DISPLAY=:0 HOME="$tmp/home" \
        XDG_CONFIG_HOME="$tmp/home/.config" XDG_DATA_HOME="$tmp/home/.local/share" \
        XDG_DATA_DIRS="$prefix/share:/usr/share" xdg-open "$tmp/my query \$1.dvk" >"$tmp/xdg-open.log" 2>&1) ||
        fail "xdg-open (desktop '${desktop:-none}'): $(cat "$tmp/xdg-open.log")"
      launched "dorvik<FILE><$tmp/my query \$1.dvk>" "xdg-open (desktop '${desktop:-none}')"
    done
  fi
fi
if [ -f "$prefix/share/metainfo/$app.metainfo.xml" ] && command -v appstreamcli >/dev/null; then
  appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/$app.metainfo.xml" >"$tmp/appstream" 2>&1 ||
    fail "AppStream metadata: $(cat "$tmp/appstream")"
fi
if command -v man >/dev/null; then
  for page in "$prefix"/share/man/man1/*.1.gz; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) || fail "man page $page"
    [ -z "$warnings" ] || fail "man page $page: $warnings"
  done
fi
# Completion: the options of --help, the formats, the currency codes in the case typed, and query files.
completion=$prefix/share/bash-completion/completions/dorvik-query
if [ -f /usr/share/bash-completion/bash_completion ]; then
  complete_words() { # WORDS... (the last one is being completed)
    (cd "$tmp" && bash -c '. /usr/share/bash-completion/bash_completion; . "$0"
      COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
      _dorvik_query dorvik-query "${COMP_WORDS[-1]}" "${COMP_WORDS[-2]}"; printf "%s\n" "${COMPREPLY[@]}" | sort' \
      "$completion" "$@")
  }
  options=$("$prefix/bin/dorvik-query" --help | grep -o -- '--[a-z][a-z-]*[a-z]' | sort -u)
  offered=$(complete_words dorvik-query --)
  for option in $options; do
    grep -qx -- "$option" <<<"$offered" || fail "completion does not offer $option"
  done
  [ "$(complete_words dorvik-query --format '' | tr '\n' ' ')" = "html json text tsv xlsx " ] ||
    fail "completion of --format: $(complete_words dorvik-query --format '')"
  [ "$(complete_words dorvik-query --currency e | tr '\n' ' ')" = "esp eur " ] ||
    fail "completion of --currency e: $(complete_words dorvik-query --currency e)"
  [ "$(complete_words dorvik-query --currency '' | wc -l)" = 36 ] || fail "completion does not offer the 36 codes"
  echo "[data]" >"$tmp/my query \$1.dvk"
  [ "$(complete_words dorvik-query my)" = "my query \$1.dvk" ] ||
    fail "completion of the query file: $(complete_words dorvik-query my)"
fi

[ $failures -eq 0 ]
