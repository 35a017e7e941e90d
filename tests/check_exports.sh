#!/usr/bin/env bash
# Checks the export tables of the module DLLs: the four exports with their
# undecorated names and ordinals, and the shared data section "Shared".
#   check_exports.sh <dll> [<dll> ...]
set -u
status=0
expected="1 QorThemeColorSettinsDlg
2 QorThemeGetCustWindowHandle
3 QorThemeReinit
4 QorThemeSystemSettinsDlg"

for dll in "$@"; do
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
