#!/bin/sh
# Makes the zip with CPack and compares the files it holds with the list of
# files it should hold.
#
#   zip.sh CMAKE CPACK CPACK-CONFIG EXPECTED-FILE...
set -eu
cmake=$1 cpack=$2 config=$3
shift 3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

"$cpack" --config "$config" -G ZIP -B "$tmp/out" >"$tmp/log" 2>&1 || { cat "$tmp/log"; exit 1; }
mkdir "$tmp/root"
(cd "$tmp/root" && "$cmake" -E tar xf "$tmp"/out/*.zip)
(cd "$tmp/root" && find . -type f | sort) >"$tmp/files"
printf '%s\n' "$@" | sort >"$tmp/want"
if ! cmp -s "$tmp/want" "$tmp/files"; then
	echo "the zip holds, then should hold:"
	cat "$tmp/files" "$tmp/want"
	exit 1
fi
echo "the zip holds the files it should"
