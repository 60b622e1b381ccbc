#!/usr/bin/env bash
# Every include points down the layers: core < report < gui, cli, app; the outputs below the window models.
# Prints each include that points up and fails when there is one.
set -u
src=${1:?usage: include_direction_test.sh SOURCE_DIR}/src
found=0

# forbid FOLDER REGEX WHY: an include in FOLDER matching REGEX points up.
forbid() {
    [ -d "$1" ] || return 0
    local hits
    hits=$(grep -rnE --include='*.h' --include='*.cpp' "^[[:space:]]*#[[:space:]]*include[[:space:]]*$2" "$1")
    if [ -n "$hits" ]; then
        printf '%s\n' "$hits" | sed "s|^$src/|src/|; s|\$|   <- $3|"
        found=1
    fi
}

forbid "$src/core" '"(report|gui|cli|app|web)/' "the core includes no layer above it"
forbid "$src/core" '<Q' "the core builds without Qt"
forbid "$src/core/output" '"core/forms/' "outputs read plain tables, not window models"
forbid "$src/core/chart" '"core/forms/' "the chart scene reads no window model"
forbid "$src/report" '"(gui|cli|app|web)/' "the report library sits below the programs"
forbid "$src/report/chart" '"core/forms/' "the chart painter reads no window model"
exit $found
