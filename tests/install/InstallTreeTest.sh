#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks it as a desktop would use it: exactly the
# expected files, the three programs, the catalogue, every icon size, a valid menu entry and
# metainfo, manual pages that render and cover every option the programs list in --help, and the
# installed program finding its catalogue under the prefix and drawing its window headless.
#
#   InstallTreeTest.sh BUILD_DIR APP_ID VERSION      (CMAKE names the cmake to install with)
#
# Needs no network. Exit 0 when every check passes, 1 otherwise (each failure is printed).
set -uo pipefail

build="$1"
id="$2"
version="$3"

prefix="$(mktemp -d "${TMPDIR:-/tmp}/corkwise-install.XXXXXX")"
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

for tool in desktop-file-validate appstreamcli man groff; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing; run scripts/setup" >&2; exit 1; }
done

if ! "${CMAKE:-cmake}" --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
    cat "$prefix.log" >&2
    rm -f "$prefix.log"
    echo "FAIL: cmake --install" >&2
    exit 1
fi
rm -f "$prefix.log"

# --- exactly these files, nothing else (no tests, benchmarks or build tools)
expected=(
    bin/corkwise bin/corkwise-catalog bin/corkwise-notes
    share/corkwise/wcat.res share/corkwise/food_rules.csv
    "share/applications/$id.desktop"
    "share/metainfo/$id.metainfo.xml"
    "share/icons/hicolor/scalable/apps/$id.svg"
    share/man/man1/corkwise.1.gz share/man/man1/corkwise-catalog.1.gz
    share/man/man1/corkwise-notes.1.gz
    share/doc/corkwise/copyright share/doc/corkwise/changelog.gz
)
sizes=(16 32 48 64 128 256)
for size in "${sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
actual="$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)"
wanted="$(printf '%s\n' "${expected[@]}" | sort)"
if [ "$actual" != "$wanted" ]; then
    fail "installed files differ from the expected list:"
    diff <(echo "$wanted") <(echo "$actual") | sed 's/^/    /' >&2
fi

# --- the Debian documents: a machine-readable copyright and a changelog of this version
doc="$prefix/share/doc/corkwise"
head -1 "$doc/copyright" 2>/dev/null | grep -qF "copyright-format/1.0" ||
    fail "share/doc/corkwise/copyright is not in the machine-readable format"
[ "$(gzip -dc "$doc/changelog.gz" 2>/dev/null | head -1)" = "corkwise ($version) unstable; urgency=medium" ] ||
    fail "share/doc/corkwise/changelog.gz does not start with version $version"

# --- programs
for program in corkwise corkwise-catalog corkwise-notes; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not executable"
done
got="$("$prefix/bin/corkwise" --version 2>&1)"
[ "$got" = "Corkwise $version" ] || fail "corkwise --version says '$got', not 'Corkwise $version'"
"$prefix/bin/corkwise-catalog" check "$prefix/share/corkwise/wcat.res" >/dev/null ||
    fail "the installed catalogue does not check clean"

# --- icons: PNG signature and a square of the directory's size
png_size() {  # prints "WIDTH HEIGHT" of the PNG $1, or nothing when it is not a PNG
    local signature
    signature="$(od -An -tx1 -N8 "$1" | tr -d ' \n')"
    [ "$signature" = "89504e470d0a1a0a" ] || return
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}
for size in "${sizes[@]}"; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ -f "$png" ] || continue
    got="$(png_size "$png")"
    [ "$got" = "$size $size" ] || fail "icon ${size}x${size} is '${got:-not a PNG}'"
done
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$id.svg" 2>/dev/null ||
    fail "the scalable icon is not an SVG"

# --- menu entry and metainfo
desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
if out="$(desktop-file-validate "$desktop" 2>&1)"; [ -n "$out" ]; then
    fail "desktop-file-validate: $out"
fi
grep -qx "Icon=$id" "$desktop" || fail "the desktop file does not name the icon $id"
exec_line="$(sed -n 's/^Exec=//p' "$desktop")"
[ -x "$prefix/bin/${exec_line%% *}" ] || fail "the desktop file starts '$exec_line', not an installed program"
if ! out="$(appstreamcli validate --no-net "$metainfo" 2>&1)"; then
    fail "appstreamcli validate: $out"
elif grep -qE '^[EW]:' <<<"$out"; then
    fail "appstreamcli validate: $out"
fi
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"

# --- manual pages: groff finds nothing to warn about, man renders them, and each page covers
# every option and command the program itself lists.
# man drops bold and underline when its output is not a terminal.
render() { MANWIDTH=100 man -l "$1" 2>/dev/null; }
covers() {  # covers PAGE-TEXT WORD...: fails for every WORD the page does not mention
    local text="$1" page="$2"
    shift 2
    for word in "$@"; do
        grep -qF -- "$word" <<<"$text" || fail "man page $page does not mention $word"
    done
}
for program in corkwise corkwise-catalog corkwise-notes; do
    page="$prefix/share/man/man1/$program.1.gz"
    [ -f "$page" ] || continue
    warnings="$(zcat "$page" | groff -man -Tutf8 -ww -z 2>&1)"
    [ -z "$warnings" ] || fail "groff warns about $program.1: $warnings"
    text="$(render "$page")"
    for section in NAME SYNOPSIS DESCRIPTION "EXIT STATUS" EXAMPLES "SEE ALSO"; do
        grep -q "^$section" <<<"$text" || fail "man page $program.1 has no $section"
    done
    case "$program" in
    corkwise)
        mapfile -t words < <("$prefix/bin/corkwise" --help | grep -oE -- '--[a-z-]+' | sort -u) ;;
    corkwise-catalog)
        mapfile -t words < <("$prefix/bin/corkwise-catalog" --help |
            sed -nE 's/^  ([a-z]+) (.*)$/\1 \2/p') ;;
    corkwise-notes)
        mapfile -t words < <("$prefix/bin/corkwise-notes" 2>&1 |
            sed -nE 's/^ *(usage: )?(corkwise-notes .*)$/\2/p') ;;
    esac
    [ "${#words[@]}" -gt 0 ] || fail "$program lists no options or commands"
    covers "$text" "$program.1" "${words[@]}"
done

# --- the installed program, started from the prefix, reads the catalogue installed there: with
# it the window is drawn, and without it the program says it cannot read its data.
home="$prefix/home"
mkdir -p "$home"
run_installed() {  # run_installed PICTURE: the program's output; its exit code is returned
    (cd / && HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" \
        QT_QPA_PLATFORM=offscreen "$prefix/bin/corkwise" --screenshot "$1" 2>&1)
}
out="$(run_installed "$prefix/shot.png")" || fail "the installed corkwise failed: $out"
got="$(png_size "$prefix/shot.png" 2>/dev/null)"
case "$got" in
240\ 2[6-9][0-9] | 240\ 3[0-9][0-9]) ;;  # the 240 x 268 view and its command bar
*) fail "the installed corkwise drew '${got:-no picture}' ($out)" ;;
esac
# Its own files go to the user's data directory, never into bin (which root could write to).
extra="$(ls "$prefix/bin" | grep -vxE 'corkwise|corkwise-catalog|corkwise-notes')"
[ -z "$extra" ] && [ -f "$home/.local/share/corkwise/Error.log" ] ||
    fail "the installed corkwise wrote '$extra' into bin instead of the user's data directory"
mv "$prefix/share/corkwise/wcat.res" "$prefix/wcat.res.away"
out="$(run_installed "$prefix/shot2.png")"
[ ! -e "$prefix/shot2.png" ] && grep -qF "Problem reading wines data." <<<"$out" ||
    fail "without the installed catalogue the program still started ($out)"
mv "$prefix/wcat.res.away" "$prefix/share/corkwise/wcat.res"

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "install tree under a temporary prefix: all checks passed"
