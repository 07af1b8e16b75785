#!/bin/sh
# Checks the Windows executable's headers: a 32-bit x86 console program,
# with no link time stamp, that needs no DLL but KERNEL32.dll and msvcrt.dll
# and takes its printf from msvcrt.dll.
#
#   executable.sh OBJDUMP EXECUTABLE
set -eu
headers=$("$1" -p "$2")
failed=0
expect() {
	if printf '%s\n' "$headers" | grep -Eq "$2"; then
		echo "ok: $1"
	else
		echo "FAIL: $1"
		failed=1
	fi
}
expect 'machine i386'            '^.*file format pei-i386$'
expect 'PE32, not PE32+'         '^Magic[[:space:]]+010b[[:space:]]+\(PE32\)$'
expect 'console subsystem'       '^Subsystem[[:space:]]+00000003[[:space:]]+\(Windows CUI\)$'
expect 'no link time stamp'      '^Time/Date[[:space:]]+Thu Jan  1 00:00:00 1970$'

dlls=$(printf '%s\n' "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p' | sort | tr '\n' ' ')
if [ "$dlls" = 'KERNEL32.dll msvcrt.dll ' ]; then
	echo "ok: imports only KERNEL32.dll and msvcrt.dll"
else
	echo "FAIL: imports $dlls"
	failed=1
fi
msvcrt=$(printf '%s\n' "$headers" | sed -n '/DLL Name: msvcrt.dll/,/^$/p' | awk 'NF == 3 { print $3 }')
if printf '%s\n' "$msvcrt" | grep -qx printf; then
	echo "ok: printf comes from msvcrt.dll"
else
	echo "FAIL: printf is not imported from msvcrt.dll"
	failed=1
fi
exit "$failed"
