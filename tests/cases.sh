#!/bin/sh
# Runs negative-count through a table of cases and compares, byte for byte,
# its standard output, its standard error and its exit status.
#
#   cases.sh [--on wine] COMMAND...
#
# COMMAND runs the program: its path, or a runner followed by the path.
# --on wine says the program is a Windows build under wine, which cannot give
# the cases marked linux; those are listed as such rather than run. There,
# standard error is a text stream, whose lines end in CR LF.
set -eu

platform=linux
line_end='\n'
if [ "${1-}" = --on ]; then
	platform=$2
	shift 2
	line_end='\r\n'
fi
[ $# -gt 0 ] || { echo "usage: cases.sh [--on wine] COMMAND..." >&2; exit 2; }

program=
for word in "$@"; do
	program="$program '$(printf '%s' "$word" | sed "s/'/'\\\\''/g")'"
done
limit=${TIME_LIMIT:-30}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkfifo "$tmp/fifo"
message='Avem 3 numere negative'
input='one line of input
and another
'
printf '%s' "$input" >"$tmp/input"
passed=0
failed=0

# run [ARG...]: the program, ended if it takes longer than $limit seconds.
run() { eval "timeout $limit $program \"\$@\""; }

# run_with_empty_environment [ARG...]: run, with no environment variables.
run_with_empty_environment() { eval "timeout $limit env -i $program \"\$@\""; }

# run_into_pipe: run, with standard output on a pipe; its status is run's.
run_into_pipe() {
	{
		status=0
		run || status=$?
		echo "$status" >"$tmp/status"
	} | cat
	return "$(cat "$tmp/status")"
}

# run_into_closed_pipe: run, with standard output on a pipe nobody reads.
run_into_closed_pipe() {
	exec 3<>"$tmp/fifo" 4>"$tmp/fifo" 3<&-
	status=0
	run >&4 4>&- || status=$?
	exec 4>&-
	return "$status"
}

# check ON STATUS STDOUT ERROR COMMAND: runs COMMAND, shell code in which
# `run` is the program, with standard input from /dev/null and standard
# output to a file unless COMMAND redirects them, and compares. ERROR is the
# reason the program must give in "negative-count: write error: ERROR", or
# empty for no standard error.
check() {
	case=$5
	if [ "$1" = linux ] && [ "$platform" != linux ]; then
		printf 'linux only, not run under wine: %s\n' "$case"
		return
	fi
	printf '%s' "$3" >"$tmp/want-out"
	if [ -n "$4" ]; then
		printf "negative-count: write error: %s$line_end" "$4" >"$tmp/want-err"
	else
		: >"$tmp/want-err"
	fi

	set +e
	eval "$case" <"/dev/null" >"$tmp/out" 2>"$tmp/err"
	status=$?
	set -e

	verdict=ok
	if [ "$status" != "$2" ]; then
		verdict=FAIL
		printf 'FAIL: %s: exit status %s, wanted %s\n' "$case" "$status" "$2"
	fi
	for stream in out err; do
		if ! cmp -s "$tmp/want-$stream" "$tmp/$stream"; then
			verdict=FAIL
			printf 'FAIL: %s: std%s differs; got, then wanted:\n' "$case" "$stream"
			od -An -c "$tmp/$stream"
			od -An -c "$tmp/want-$stream"
		fi
	done
	if [ "$verdict" = ok ]; then
		passed=$((passed + 1))
		printf 'ok: %s\n' "$case"
	else
		failed=$((failed + 1))
	fi
}

#     on     status  stdout                           write error                 command
check all    0       "$message"                       ''                          'run'
check all    0       "$message"                       ''                          'run_into_pipe'
check all    0       "$message$message"               ''                          'run && run'
check all    0       "$message"                       ''                          'run one two three'
check all    0       "$message"                       ''                          "run ''"
check all    0       "$message"                       ''                          "run --help -h '/?' --version"
check all    0       "$message"                       ''                          "run \"\$(printf '\\377\\376')\""
check all    0       "$message"                       ''                          'run_with_empty_environment'
check all    0       "$message"                       ''                          'run <&-'
# A reader would block here for ever: the fifo is open for writing too.
check all    0       "$message"                       ''                          'run <>"$tmp/fifo"'
# Whatever the program read would be missing from what cat prints after it.
check all    0       "$message$input"                 ''                          '{ run && cat; } <"$tmp/input"'
check all    1       ''                               'No space left on device'   'run >/dev/full'
# Not under wine: a closed descriptor 1 reaches the program as a handle whose
# writes fail (ERROR_INVALID_HANDLE), and wine's msvcrt.dll tells the program
# nothing of it: printf and fclose report success.
check linux  1       ''                               'Bad file descriptor'       'run >&-'
# SIGPIPE ends the program, as it ends any tool, unless it is ignored.
# Not under wine: Windows has no SIGPIPE, and wine's msvcrt.dll tells the
# program nothing of the failed write (ERROR_PIPE_NOT_CONNECTED).
check linux  141     ''                               ''                          'run_into_closed_pipe'
check linux  1       ''                               'Broken pipe'               "(trap '' PIPE; run_into_closed_pipe)"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
