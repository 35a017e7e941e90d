#!/usr/bin/env bash
# Checks a release package: exactly the expected files; a 32-bit DLL with the
# module's exports, imports and shared section (check_dlls.sh) that carries
# the build files' version; checksums that match; the settings that the
# generator writes.
#   check_package.sh <zip> <version> <settings generator>
set -u
zip=$1 version=$2 generator=$3
here=$(cd "$(dirname "$0")" && pwd)
status=0
fail() { echo "FAIL: $*"; status=1; }

expected="INSTALL.txt
SHA256SUMS
Themes/
Themes/HighContrast/
Themes/Standard/
Themes/Tideway/
appearance.reg
qorthmcust.dll"
listed=$(unzip -Z1 "$zip" | sort) || { echo "FAIL: cannot read $zip"; exit 1; }
[ "$listed" = "$expected" ] || fail "the package holds:"$'\n'"$listed"

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
unzip -q "$zip" -d "$dir"
dll=$dir/qorthmcust.dll

objdump -f "$dll" | grep -q 'file format pei-i386' || fail "qorthmcust.dll is not a 32-bit DLL"
objdump -h "$dll" | grep -q '\.debug' && fail "qorthmcust.dll carries debug sections"
"$here/check_dlls.sh" "$dir" >/dev/null || fail "qorthmcust.dll: $("$here/check_dlls.sh" "$dir")"

# The version resource: its text, and the numbers of its fixed part, which
# follows the signature 0xFEEF04BD (file version: major.minor, then patch.build).
[ "$(strings -el "$dll" | grep -A1 -x FileVersion | tail -1)" = "$version.0" ] \
    || fail "FileVersion is not $version.0"
offset=$(LC_ALL=C grep -obUaP '\xbd\x04\xef\xfe' "$dll" | head -1 | cut -d: -f1)
read -r minor major build patch < <(od -An -tu2 -j $((offset + 8)) -N 8 "$dll")
[ "$major.$minor.$patch.$build" = "$version.0" ] || fail "the fixed file version is $major.$minor.$patch.$build"
grep -q "qorthmcust $version" "$dir/INSTALL.txt" || fail "INSTALL.txt does not name version $version"

(cd "$dir" && sha256sum --quiet -c SHA256SUMS) || fail "the checksums do not match"
[ "$(grep -c '  ' "$dir/SHA256SUMS")" -eq 3 ] || fail "SHA256SUMS does not list the three files"
"$generator" | cmp -s - "$dir/appearance.reg" || fail "appearance.reg is not what the settings generator writes"

[ $status -eq 0 ] && echo "ok: $zip"
exit $status
