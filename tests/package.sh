#!/bin/sh
# Makes a package with CPack and compares the files it holds with the list
# of files it should hold.
#
#   package.sh CMAKE CPACK CPACK-CONFIG DEB|ZIP EXPECTED-FILE...
set -eu
cmake=$1 cpack=$2 config=$3 generator=$4
shift 4
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

"$cpack" --config "$config" -G "$generator" -B "$tmp/out" >"$tmp/log" 2>&1 || { cat "$tmp/log"; exit 1; }
mkdir "$tmp/root"
case $generator in
DEB) dpkg-deb -x "$tmp"/out/*.deb "$tmp/root" ;;
ZIP) (cd "$tmp/root" && "$cmake" -E tar xf "$tmp"/out/*.zip) ;;
esac

(cd "$tmp/root" && find . -type f | sort) >"$tmp/files"
printf '%s\n' "$@" | sort >"$tmp/want"
if ! cmp -s "$tmp/want" "$tmp/files"; then
	echo "the $generator package holds, then should hold:"
	cat "$tmp/files" "$tmp/want"
	exit 1
fi
echo "the $generator package holds the files it should"
