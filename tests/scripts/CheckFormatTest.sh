#!/usr/bin/env bash
# Runs scripts/check-format on small trees of its own, each a row below: with and without git
# metadata or inside a repository that does not track it, with drift in a source, a header, an
# untracked file or a build folder's generated source. Checks the exit code and that the message
# names exactly the drifting files and the command that formats them.
#
#   CheckFormatTest.sh SOURCE_DIR      (exit 0 when every row passes, 1 otherwise, 77 to skip)
set -uo pipefail

source_dir="$1"
if ! command -v clang-format >/dev/null; then
    echo "clang-format is missing; run scripts/setup"
    exit 77
fi

work="$(mktemp -d "${TMPDIR:-/tmp}/corkwise-format.XXXXXX")"
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

formatted=$'int answer() {\n    return 42;\n}\n'
drifted=$'int   answer( ) { return 42 ; }\n'

# A tree with the project's script and style, one formatted source and one formatted header.
make_tree() {
    local tree="$1"
    mkdir -p "$tree/scripts" "$tree/src"
    cp "$source_dir/scripts/check-format" "$tree/scripts/"
    cp "$source_dir/.clang-format" "$tree/"
    printf '%s' "$formatted" >"$tree/src/a.cpp"
    printf '#pragma once\n%s' "$formatted" >"$tree/src/a.h"
}

# Rows: name | git (a repository of its own), outer (inside a repository that tracks none of it)
# or plain | what to do to the tree | expected exit code | files the message names
rows=(
    "formatted|plain|true|0|"
    "formatted-git|git|true|0|"
    "source-drift|plain|printf '%s' \"\$drifted\" >src/a.cpp|1|src/a.cpp"
    "header-and-source-drift-git|git|printf '%s' \"\$drifted\" >src/a.cpp; printf '%s' \"\$drifted\" >src/a.h; git add -A|1|src/a.cpp src/a.h"
    "build-folder-generated|plain|mkdir -p build-x out/gen; printf '%s' \"\$drifted\" >build-x/moc.cpp; touch out/CMakeCache.txt; printf '%s' \"\$drifted\" >out/gen/ui.h|0|"
    "untracked-git|git|printf '%s' \"\$drifted\" >src/scratch.cpp|0|"
    "inside-another-repository|outer|printf '%s' \"\$drifted\" >src/a.h|1|src/a.h"
)

for row in "${rows[@]}"; do
    IFS='|' read -r name kind change code names <<<"$row"
    tree="$work/$name/corkwise"  # its own parent, for a repository around it
    make_tree "$tree"
    (
        cd "$tree" || exit 1
        if [ "$kind" = git ]; then
            git init -q . && git add -A && git -c user.name=t -c user.email=t@t commit -qm t
        elif [ "$kind" = outer ]; then
            git init -q .. # a repository around the tree that tracks none of it
        fi
        eval "$change"
    ) || { fail "$name: could not set the tree up"; continue; }
    output="$("$tree/scripts/check-format" 2>&1)"
    status=$?
    [ "$status" -eq "$code" ] || fail "$name: exit code $status, expected $code: $output"
    if [ -n "$names" ]; then
        grep -qF "clang-format -i $names" <<<"$output" ||
            fail "$name: no 'clang-format -i $names' in: $output"
        for file in $names; do
            grep -qx "    $file" <<<"$output" || fail "$name: $file not listed in: $output"
        done
        listed=$(grep -c '^    [^ ]*$' <<<"$output")
        [ "$listed" -eq "$(wc -w <<<"$names")" ] || fail "$name: other files listed: $output"
    fi
done

[ "$failures" -eq 0 ] && echo "check-format: ${#rows[@]} cases pass"
[ "$failures" -eq 0 ]
