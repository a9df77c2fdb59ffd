#!/bin/sh
# Fails when an executable imports a DLL that Windows does not ship, such as
# the compiler's own runtime (libstdc++, libgcc, libwinpthread).
set -eu
allowed='^(kernel32|user32|gdi32|ole32|oleaut32|advapi32|shell32|comctl32|version|msvcrt|ucrtbase|api-ms-win-[a-z0-9-]+)\.dll$'
status=0
for exe in "$@"; do
    [ -f "$exe" ] || { echo "$exe: missing"; status=1; continue; }
    dlls=$("${OBJDUMP:-objdump}" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
    [ -n "$dlls" ] || { echo "$exe: no imports found"; status=1; continue; }
    for dll in $dlls; do
        if ! echo "$dll" | grep -Eq "$allowed"; then
            echo "$exe imports $dll, which is not a Windows system DLL"
            status=1
        fi
    done
    echo "$exe: $(echo $dlls | tr '\n' ' ')"
done
exit $status
