#!/bin/sh
# Makes a fresh wine prefix, with wine's first-run set-up done.
#
#   wine-prefix.sh PREFIX WINE
set -eu
prefix=$1 wine=$2
rm -rf "$prefix" "$prefix.log"
if ! WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' \
	"$wine" wineboot --init >"$prefix.log" 2>&1; then
	cat "$prefix.log"
	exit 1
fi
echo "made $prefix"
