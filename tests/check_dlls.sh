#!/usr/bin/env bash
# Checks the built DLLs of one or more bin folders: the module's four exports
# with their undecorated names and ordinals, its shared data section "Shared",
# and that every DLL needs at run time only Windows system DLLs and the
# maker's three libraries (the compiler's runtime is linked in).
#   check_dlls.sh <bin folder> [<bin folder> ...]
set -u
status=0
expected="1 QorThemeColorSettinsDlg
2 QorThemeGetCustWindowHandle
3 QorThemeReinit
4 QorThemeSystemSettinsDlg"

allowed='^(advapi32|comctl32|comdlg32|gdi32|kernel32|msvcrt|shell32|shlwapi|user32|qorrm|qortext|qorutil)\.dll$'

check_imports() {
    local dll=$1 name
    for name in $(objdump -p "$dll" | awk '/DLL Name:/ { print tolower($3) }'); do
        if ! grep -Eq "$allowed" <<<"$name"; then
            echo "FAIL: $dll needs $name"; status=1
        fi
    done
}

for folder in "$@"; do
    for dll in "$folder"/*.dll; do
        check_imports "$dll"
    done
    dll=$folder/qorthmcust.dll
    dump=$(objdump -p "$dll") || { echo "FAIL: cannot read $dll"; status=1; continue; }
    # Each name with its ordinal: the name table's index plus the ordinal base.
    table=$(awk '
        /^Export Address Table -- Ordinal Base/ { base = $NF; next }
        /^\[Ordinal\/Name Pointer\] Table/ { names = 1; next }
        names && /^\t\[/ { gsub(/[][]/, " "); print $1 + base, $2; next }
        names && NF == 0 { names = 0 }
    ' <<<"$dump" | sort -n)
    if [ "$table" != "$expected" ]; then
        echo "FAIL: $dll exports:"; echo "$table"; status=1
    fi
    flags=$(objdump -h "$dll" | awk '$2 == "Shared" { getline; print }')
    if ! grep -q SHARED <<<"$flags" || ! grep -q DATA <<<"$flags"; then
        echo "FAIL: $dll has no shared data section \"Shared\""; status=1
    fi
    [ $status -eq 0 ] && echo "ok: $dll"
done
exit $status
