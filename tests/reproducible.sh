#!/bin/sh
# Builds the program once more from scratch, in a directory of another name,
# and compares the result with the build under test byte for byte.
#
#   reproducible.sh CMAKE SOURCE-DIR BUILT-EXECUTABLE CONFIGURE-ARGUMENT...
set -eu
cmake=$1 source_dir=$2 built=$3
shift 3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
if ! { "$cmake" -S "$source_dir" -B "$tmp/rebuilt" -DBUILD_TESTING=OFF "$@" &&
	"$cmake" --build "$tmp/rebuilt"; } >"$tmp/log" 2>&1; then
	cat "$tmp/log"
	exit 1
fi
cmp "$built" "$tmp/rebuilt/${built##*/}"
echo "identical: ${built##*/}"
