#!/bin/sh
# scripts/write-machine-defaults: the machine key, the install folder in the settings item's path
# (also with characters that sed or a registry script treat specially), nothing left for HKCU.
set -eu
script=$1/scripts/write-machine-defaults
out=$("$script" --print 'D:\Tools & More|x\Suite\')
fail() { echo "machine-defaults-test: $*" >&2; exit 1; }
printf '%s\n' "$out" | grep -qxF '"Path"="D:\\Tools & More|x\\Suite\\Tallyset.exe"' || fail "settings path not rewritten"
printf '%s\n' "$out" | grep -q 'HKEY_CURRENT_USER' && fail "a key is left under HKEY_CURRENT_USER"
[ "$(printf '%s\n' "$out" | grep -c '^\[HKEY_LOCAL_MACHINE\\Software\\Brevant\\Corvela')" -ge 11 ] || fail "store key or items missing"
"$script" --print 'C:\Has"Quote' >/dev/null 2>&1 && fail "a folder with a double quote was accepted"
tmp=$(mktemp)
trap 'rm -f "$tmp"' EXIT
"$script" --script 'C:\Suite' "$tmp"
[ "$(head -c 2 "$tmp" | od -An -tx1 | tr -d ' ')" = "fffe" ] || fail "script has no UTF-16LE byte-order mark"
# The installer's form: every value of the script as an NSIS command, the folder the installer chose.
"$script" --nsis "$tmp"
grep -qxF '  WriteRegStr HKLM "Software\Brevant\Corvela\Corvela Setting" "Path" "$INSTDIR\Tallyset.exe"' "$tmp" ||
    fail "--nsis: settings path is not the installer's folder"
[ "$(grep -c '^  WriteReg\(Str\|DWORD\) HKLM "Software\\Brevant\\Corvela' "$tmp")" = "$(printf '%s\n' "$out" | grep -c '^"')" ] ||
    fail "--nsis: not one command per value"
grep -q 'HKCU\|HKEY_CURRENT_USER' "$tmp" && fail "--nsis: a value is left for the user's key"
echo "machine-defaults-test: ok"
