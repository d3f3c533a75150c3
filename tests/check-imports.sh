#!/bin/sh
# Checks that an executable is a 32-bit GUI program that needs no toolchain DLL
# and imports only DLLs on Windows' KnownDLLs list, plus comctl32, which its
# manifest resolves side by side. A DLL outside that list would be searched for
# beside the executable first.
set -eu
exe="$1"
known="advapi32 comdlg32 gdi32 imagehlp imm32 kernel32 msctf msvcrt normaliz nsi ole32 oleaut32
psapi rpcrt4 sechost setupapi shcore shell32 shlwapi user32 wldap32 ws2_32 comctl32"

description=$(file -b "$exe")
case "$description" in
"PE32 executable (GUI) Intel 80386"*) ;;
*)
    echo "$exe is not a 32-bit GUI program: $description" >&2
    exit 1
    ;;
esac

status=0
for dll in $(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p'); do
    name=$(echo "$dll" | tr 'A-Z' 'a-z' | sed 's/\.dll$//')
    if ! echo " $known " | tr '\n' ' ' | grep -q " $name "; then
        echo "$exe imports $dll, which is not a known system DLL" >&2
        status=1
    fi
done
[ $status -eq 0 ] && echo "$exe: $description; imports only known system DLLs"
exit $status
