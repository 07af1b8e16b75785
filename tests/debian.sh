#!/bin/sh
# Makes the Debian package from copies of the source tree in two directories
# and checks it: the two packages are the same bytes, the version is VERSION,
# lintian reports no error, no warning and no missing hardening, the package
# holds the files it should, the program in it passes the cases and starts at
# no more than 1.05 times the instructions of /bin/true, and its manual page
# renders without a warning.
#
#   debian.sh SOURCE-DIR VERSION VALGRIND
set -eu
source_dir=$1 version=$2 valgrind=$3
tests=$(dirname "$0")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
. "$tests/check.sh"

for copy in first second; do
	mkdir -p "$tmp/$copy/negative-count"
	tar -C "$source_dir" --exclude=./build --exclude=./.git -cf - . | tar -C "$tmp/$copy/negative-count" -xf -
	if ! (cd "$tmp/$copy/negative-count" && dpkg-buildpackage -b -us -uc) >"$tmp/$copy.log" 2>&1; then
		cat "$tmp/$copy.log"
		exit 1
	fi
done
deb=negative-count_${version}_$(dpkg --print-architecture).deb
if [ ! -f "$tmp/first/$deb" ]; then
	echo "FAIL: no $deb; the packages made are:"
	ls "$tmp/first"
	exit 1
fi
check "made $deb twice, the same bytes both times" cmp "$tmp/first/$deb" "$tmp/second/$deb"

lintian_passes() {
	lintian --fail-on error,warning --display-info "$tmp"/first/*.changes >"$tmp/lintian" 2>&1 || {
		cat "$tmp/lintian"
		return 1
	}
	! grep hardening-no- "$tmp/lintian"
}
check 'lintian: no error, no warning, no missing hardening' lintian_passes

root=$tmp/root
dpkg-deb -x "$tmp/first/$deb" "$root"
(cd "$root" && find . ! -type d | sort) >"$tmp/files"
cat >"$tmp/want" <<FILES
./usr/bin/negative-count
./usr/share/doc/negative-count/changelog.gz
./usr/share/doc/negative-count/copyright
./usr/share/man/man1/negative-count.1.gz
FILES
check 'the package holds the files it should' diff "$tmp/want" "$tmp/files"

program=$root/usr/bin/negative-count
check 'the packaged program passes the cases' sh "$tests/cases.sh" "$program"

instructions() {
	"$valgrind" --tool=callgrind --callgrind-out-file=/dev/null "$1" 2>&1 >/dev/null |
		sed -n 's/^==[0-9]*== Collected : //p'
}
baseline=$(instructions /bin/true)
cost=$(instructions "$program")
check "start-up: $cost instructions, /bin/true $baseline; at most 1.05 times" \
	test "$((cost * 100))" -le "$((baseline * 105))"

manual_renders_cleanly() {
	LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/negative-count.1.gz" \
		>"$tmp/manual" 2>"$tmp/warnings"
	cat "$tmp/warnings"
	[ ! -s "$tmp/warnings" ] &&
		grep -qx '  *Avem 3 numere negative' "$tmp/manual" &&
		grep -qx 'EXIT STATUS' "$tmp/manual"
}
check 'the manual page renders without a warning, with the output and the exit status' \
	manual_renders_cleanly
exit "$failed"
