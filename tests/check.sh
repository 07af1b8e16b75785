# Sourced by the test scripts that make a list of checks.
#
# check WHAT COMMAND...: runs COMMAND and reports WHAT as ok or FAIL; a
# failure sets failed to 1, for the script to exit with.
failed=0
check() {
	what=$1
	shift
	if "$@"; then
		echo "ok: $what"
	else
		echo "FAIL: $what"
		failed=1
	fi
}
