#!/bin/sh
# The main job: builds Setup.exe and runs it under Wine in a prefix of its own.
# With a display the user clicks through the wizard. Without one, the wizard is
# driven through its steps on a private Xvfb and each step is photographed into
# build/demo/.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc 2>/dev/null || echo 2)

tools/install-deps.sh
cmake -S . -B build/win32 -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
cmake --build build/win32 -j "$jobs" --target Setup uidrive

demo="$root/build/demo"
prefix="$demo/prefix"
mkdir -p "$demo"
export WINEARCH=win32 WINEPREFIX="$prefix" WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$prefix/.ready" ]; then
    rm -rf "$prefix"
    wineboot -i >/dev/null 2>&1
    # Every program of the prefix shares one virtual desktop: it draws window
    # frames without a window manager, and the driver sees the wizard on it.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 800x600 /f >/dev/null 2>&1
    wineserver -w
    touch "$prefix/.ready"
fi
stop_wine() { wineserver -k 2>/dev/null || true; wineserver -w 2>/dev/null || true; }
trap stop_wine EXIT INT TERM

# The log is only written to a file that exists.
log="$prefix/drive_c/windows/Snapharbor_Setup.log.tmp"
: >"$log"
setup="$root/build/win32/Setup.exe"

report() {
    folder=$(sed -n 's/.*>Creating temp folder "\(.*\)"<\/info>.*/\1/p' "$log" | tail -n1)
    extracted=$(grep -c '>Resource written to disk<' "$log" || true)
    printf "Working folder: %s\n" "$folder"
    echo "Payload files written into it: $extracted"
    unix=$(winepath -u "$folder" 2>/dev/null || true)
    if [ -n "$unix" ] && [ ! -e "$unix" ]; then
        echo "Working folder removed at the end: yes"
    else
        echo "Working folder removed at the end: NO ($unix)"
    fi
    echo "Session log: $log"
}

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    wine "$setup"
    report
    exit 0
fi

# No display: drive the wizard on a private Xvfb inside Wine's virtual desktop.
tools/with-xvfb.sh sh -eu -c '
    demo="$1"; setup="$2"; uidrive="$3"; log="$4"
    drive() { wine "$uidrive" "$@"; }
    shot() { import -window root "$demo/$1.png"; echo "screenshot: $demo/$1.png"; }
    wine "$setup" &
    drive wait-window "Snapharbor Setup" 30000 >/dev/null
    sleep 1
    files=$(ls "$(winepath -u "$(sed -n "s/.*>Creating temp folder \"\(.*\)\"<\/info>.*/\1/p" "$log" | tail -n1)")" | wc -l)
    echo "While the wizard is open the working folder holds $files files"
    shot 1-welcome
    drive click "Snapharbor Setup" 1
    drive wait-text "Snapharbor Setup" 1003 "The Microsoft .Net Framework is required." 10000 >/dev/null
    shot 2-framework-required
    drive wait-enabled "Snapharbor Setup" 1013 1 10000 >/dev/null
    sleep 1
    shot 3-licence
    drive click "Snapharbor Setup" 1012
    drive wait-enabled "Snapharbor Setup" 1 1 10000 >/dev/null
    shot 4-licence-accepted
    drive click "Snapharbor Setup" 1
    drive wait-text "Snapharbor Setup" 1003 "An error occurred while installing Snapharbor Beta." 10000 >/dev/null
    sleep 0.5
    shot 5-error
    drive click "Snapharbor Setup" 2
    drive wait-gone "Snapharbor Setup" 10000
    wait
' demo "$demo" "$setup" "$root/build/win32/tests/ui/uidrive.exe" "$log"
stop_wine
report
