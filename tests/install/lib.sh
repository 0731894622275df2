# Helpers of the install's tests, sourced by each: a scratch folder $work
# that is removed at exit, and fail.
set -euo pipefail
work=$(mktemp -d "${TMPDIR:-/tmp}/polkamina-install-test.XXXXXX")
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
