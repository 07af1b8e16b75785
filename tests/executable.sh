#!/bin/sh
# Checks the Windows executable: a 32-bit x86 console program, with no link
# time stamp, that needs no DLL but KERNEL32.dll and msvcrt.dll, takes its
# printf from msvcrt.dll and carries a version resource of VERSION.
#
#   executable.sh OBJDUMP WINDRES VERSION EXECUTABLE
set -eu
objdump=$1 windres=$2 version=$3 executable=$4
headers=$("$objdump" -p "$executable")
resource=$("$windres" -i "$executable" -O rc | sed 's/^[[:space:]]*//')
dlls=$(printf '%s\n' "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p' | sort | paste -sd ' ' -)
msvcrt_imports=$(printf '%s\n' "$headers" | sed -n '/DLL Name: msvcrt.dll/,/^$/p' | awk 'NF == 3 { print $3 }')
. "$(dirname "$0")/check.sh"

has_header() { printf '%s\n' "$headers" | grep -Eq "$1"; }
has_resource() { printf '%s\n' "$resource" | grep -Fqx "$1"; }
imports_from_msvcrt() { printf '%s\n' "$msvcrt_imports" | grep -qx "$1"; }

check 'machine i386'        has_header '^.*file format pei-i386$'
check 'PE32, not PE32+'     has_header '^Magic[[:space:]]+010b[[:space:]]+\(PE32\)$'
check 'console subsystem'   has_header '^Subsystem[[:space:]]+00000003[[:space:]]+\(Windows CUI\)$'
check 'no link time stamp'  has_header '^Time/Date[[:space:]]+Thu Jan  1 00:00:00 1970$'
check "imports only KERNEL32.dll and msvcrt.dll (found: $dlls)" test "$dlls" = 'KERNEL32.dll msvcrt.dll'
check 'printf comes from msvcrt.dll' imports_from_msvcrt printf

numbers="$(echo "$version" | sed 's/\./, /g'), 0"
while IFS= read -r line; do
	check "version resource: $line" has_resource "$line"
done <<LINES
FILEVERSION $numbers
PRODUCTVERSION $numbers
FILETYPE 0x1
VALUE "FileVersion", "$version"
VALUE "ProductVersion", "$version"
VALUE "FileDescription", "Counts the negative numbers among seven built-in integers"
VALUE "ProductName", "negative-count"
VALUE "InternalName", "negative-count"
VALUE "OriginalFilename", "negative-count.exe"
VALUE "LegalCopyright", "Copyright (c) 2026 The negative-count developers"
LINES
exit "$failed"
