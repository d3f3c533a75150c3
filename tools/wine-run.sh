#!/bin/sh
# Runs one Windows program under Wine in a private copy of a 32-bit prefix, so
# no test sees another's registry values or files. The template prefix is made
# once, inside the build tree ($SETUP_WINE_ROOT), never in ~/.wine.
#   SETUP_WINE_ROOT   folder holding the template and the per-run copies (required)
#   SETUP_WINE_KEEP   when set, the run's prefix is kept and its path printed
set -eu

root="${SETUP_WINE_ROOT:?SETUP_WINE_ROOT must name a folder in the build tree}"
template="$root/template"
mkdir -p "$root"

# One template for all concurrent runs: the first run builds it, the others wait.
(
    flock 9
    if [ ! -f "$template/.ready" ]; then
        rm -rf "$template"
        # Mono and Gecko are left out: their installers would ask on screen.
        WINEARCH=win32 WINEPREFIX="$template" WINEDEBUG=-all \
            WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
        WINEPREFIX="$template" wineserver -w
        touch "$template/.ready"
    fi
) 9>"$root/.lock"

prefix=$(mktemp -d "$root/run.XXXXXX")
cleanup() {
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    WINEPREFIX="$prefix" wineserver -w 2>/dev/null || true
    if [ -n "${SETUP_WINE_KEEP:-}" ]; then
        echo "prefix kept: $prefix" >&2
    else
        rm -rf "$prefix"
    fi
}
trap cleanup EXIT INT TERM
cp -a "$template/." "$prefix/"
rm -f "$prefix/.ready"

set +e
WINEARCH=win32 WINEPREFIX="$prefix" WINEDEBUG="${WINEDEBUG:--all}" \
    WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}" wine "$@"
rc=$?
set -e
exit $rc
