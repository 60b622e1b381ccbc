#!/usr/bin/env bash
# Every include points down the layers:
#   core: text < catalogue, store < engine < chart, output, fit < forms;  core < report < gui, cli, web < app
# Layers on one level (catalogue and store; chart, output and fit; gui, cli and web) include none of each
# other, and the core builds without Qt. Prints each include that points up or sideways and fails when there is one.
set -u
src=${1:?usage: include_direction_test.sh SOURCE_DIR}/src

# Sets layer and level for a path below src/ ("core/engine/search.h": core/engine, 2); level is empty for a
# path outside the layers (a system header, a generated file).
classify() {
    layer="" level=""
    case "$1" in
    core/text/*) layer=core/text level=0 ;;
    core/catalogue/*) layer=core/catalogue level=1 ;;
    core/store/*) layer=core/store level=1 ;;
    core/engine/*) layer=core/engine level=2 ;;
    core/chart/*) layer=core/chart level=3 ;;
    core/output/*) layer=core/output level=3 ;;
    core/fit/*) layer=core/fit level=3 ;;
    core/forms/*) layer=core/forms level=4 ;;
    core/*/*) ;; # a folder of the core outside the order: named here when one is added
    core/*) layer=core/text level=0 ;; # errors.h, beside the folders
    report/*) layer=report level=5 ;;
    gui/*) layer=gui level=6 ;;
    cli/*) layer=cli level=6 ;;
    web/*) layer=web level=6 ;;
    app/*) layer=app level=7 ;;
    esac
}

found=0
# FILE:LINE:#include "TARGET" for every quoted include of the tree, read in one pass.
while IFS= read -r hit; do
    file=${hit%%:*}
    rest=${hit#*:}
    number=${rest%%:*}
    target=${rest#*\"}
    target=${target%%\"*}
    rel=${file#"$src"/}
    classify "$rel"
    from=$layer from_level=$level
    [ -n "$from_level" ] || continue
    classify "$target"
    [ -n "$level" ] || continue
    if [ "$level" -gt "$from_level" ] || { [ "$level" -eq "$from_level" ] && [ "$layer" != "$from" ]; }; then
        echo "src/$rel:$number: includes $target   <- $from may not include $layer"
        found=1
    fi
done < <(grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$src")

if grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$src/core"; then
    echo "   <- the core builds without Qt"
    found=1
fi
exit $found
