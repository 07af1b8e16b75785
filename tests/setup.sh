#!/bin/sh
# Makes this machine ready to build negative-count and run all of its tests:
# installs the Debian packages they use where they are missing and, where the
# kernel runs no 32-bit programs, has qemu run wine's. Silent when all is
# there. Run by anyone but root, it changes nothing: it says what is missing
# and stops.
set -eu

packages='cmake g++ make valgrind clang-tidy clang-format cppcheck
	build-essential dpkg-dev debhelper lintian man-db
	g++-mingw-w64-i686 wine wine64 wine32:i386'
wine32=/usr/lib/wine/wine

# missing PACKAGE...: prints those of the packages that are not installed.
missing() {
	for package; do
		dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null |
			grep -qx 'install ok installed' || printf '%s ' "$package"
	done
}

# need_root PROBLEM REMEDY: unless this is root, says what is wrong and how to
# put it right, and stops.
need_root() {
	[ "$(id -u)" = 0 ] && return
	printf 'setup.sh: %s\n%s\n' "$1" "$2" >&2
	exit 1
}

# install PACKAGE...
install() {
	need_root "these packages are missing: $*" \
		"Run sh tests/setup.sh as root, or install them as root with:
  dpkg --add-architecture i386 && apt-get update && apt-get install $*"
	echo "installing $*"
	log=$(mktemp)
	if ! {
		dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
		apt-get update &&
			DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$@"
	} >"$log" 2>&1; then
		cat "$log" >&2
		rm -f "$log"
		exit 1
	fi
	rm -f "$log"
}

set -- $(missing $packages)
[ $# -eq 0 ] || install "$@"

# A kernel booted without 32-bit support refuses wine's 32-bit programs;
# binfmt_misc then hands them to qemu-i386.
if ! "$wine32" --version >/dev/null 2>&1; then
	need_root "this kernel runs no 32-bit programs, so wine cannot run the Windows build" \
		"Run sh tests/setup.sh as root: it installs qemu-user and has binfmt_misc hand 32-bit programs to qemu-i386."
	set -- $(missing qemu-user)
	[ $# -eq 0 ] || install "$@"
	binfmt=/proc/sys/fs/binfmt_misc
	[ -e "$binfmt/register" ] || mount -t binfmt_misc binfmt_misc "$binfmt"
	# The kernel reads the \x escapes: an i386 ELF header, and what of it to compare.
	magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
	mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
	if [ ! -e "$binfmt/qemu-i386" ]; then
		echo "this kernel runs no 32-bit programs: handing them to qemu-i386"
		printf '%s\n' ":qemu-i386:M::$magic:$mask:/usr/bin/qemu-i386:F" >"$binfmt/register"
	fi
	"$wine32" --version >/dev/null
fi
