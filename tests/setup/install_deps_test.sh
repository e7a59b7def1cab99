#!/usr/bin/env bash
# The helpers are called through check; the release comes from the machine's os-release.
# shellcheck disable=SC2317,SC1091
# Drives the real tools/install-deps against a fake apt-get, dpkg and dpkg-query on PATH:
# what it installs, how it rides out a registry in mid-sync, and that it never lets apt
# remove a package. Needs no network and changes nothing on the machine.
set -uo pipefail
script=$(cd "$(dirname "$0")/../.." && pwd)/tools/install-deps
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"

# dpkg-query -W -f=FORMAT PACKAGE...: a package is installed when it is listed in
# $work/installed; each is shown as dpkg shows it, NAME:ARCH and its status.
cat >"$work/bin/dpkg-query" <<'FAKE'
#!/usr/bin/env bash
for package in "${@:3}"; do
  name=${package%%:*} arch=amd64
  [[ $package != *:* ]] || arch=${package#*:}
  grep -qxF "$package" "$FAKE_DIR/installed" && echo "$name:$arch install ok installed"
done
exit 0
FAKE
# apt-get: logs each call; update exits $FAKE_UPDATE_STATUS; install fails
# $FAKE_INSTALL_FAILURES times, then installs what it was asked for.
cat >"$work/bin/apt-get" <<'FAKE'
#!/usr/bin/env bash
echo "apt-get $*" >>"$FAKE_DIR/log"
case "$1" in
update) exit "${FAKE_UPDATE_STATUS:-0}" ;;
install)
  failures=$(cat "$FAKE_DIR/failures" 2>/dev/null || echo "${FAKE_INSTALL_FAILURES:-0}")
  if ((failures > 0)); then
    echo $((failures - 1)) >"$FAKE_DIR/failures"
    echo "E: Unable to correct problems, you have held broken packages." >&2
    exit 100
  fi
  for arg in "$@"; do [[ $arg == -* || $arg == install ]] || echo "$arg" >>"$FAKE_DIR/installed"; done
  ;;
esac
FAKE
cat >"$work/bin/dpkg" <<'FAKE'
#!/usr/bin/env bash
case $1 in
--print-foreign-architectures) echo i386 ;;
--print-architecture) echo amd64 ;;
esac
FAKE
# debootstrap makes the root's folders, or exits $FAKE_DEBOOTSTRAP_STATUS; bwrap only logs
# the command it would run in the root.
cat >"$work/bin/debootstrap" <<'FAKE'
#!/usr/bin/env bash
echo "debootstrap $*" >>"$FAKE_DIR/log"
[ "${FAKE_DEBOOTSTRAP_STATUS:-0}" = 0 ] || exit "$FAKE_DEBOOTSTRAP_STATUS"
mkdir -p "${@: -1}/etc"
FAKE
cat >"$work/bin/bwrap" <<'FAKE'
#!/usr/bin/env bash
echo "bwrap $*" >>"$FAKE_DIR/log"
FAKE
chmod +x "$work/bin/"*
export LINKKIT_I386_ROOT=$work/root

failed=0
# run NAME EXPECTED_STATUS [install-deps args]: runs the script with the fakes first on PATH.
run() {
  local name=$1 expected=$2
  shift 2
  rm -f "$work/log" "$work/failures"
  touch "$work/log"
  FAKE_DIR=$work PATH="$work/bin:$PATH" bash "$script" "$@" >"$work/out" 2>"$work/err"
  status=$?
  if [ "$status" != "$expected" ]; then
    echo "FAIL $name: status $status, expected $expected; stderr:" && cat "$work/err"
    failed=1
  fi
}
check() { # check NAME CONDITION...: fails the case when the condition does not hold
  local name=$1
  shift
  "$@" || {
    echo "FAIL $name: $*" && echo "  log:" && sed 's/^/    /' "$work/log" &&
      echo "  stderr:" && sed 's/^/    /' "$work/err"
    failed=1
  }
}
installs() { grep -q "^apt-get install .* $1\( \|$\)" "$work/log"; }
says() { grep -qF "$1" "$work/err"; }
demo_packages=(cmake ninja-build g++ libgtest-dev googletest pkg-config binutils valgrind clang-tidy cppcheck)

# Nothing missing: not one apt-get call.
printf '%s\n' "${demo_packages[@]}" >"$work/installed"
run nothing_missing 0 demo
check nothing_missing test ! -s "$work/log"
check nothing_missing test ! -s "$work/err"

# One package missing, and an index that fails to download: the update's failure is said in
# one line and the install goes on, never allowing a removal.
printf '%s\n' "${demo_packages[@]}" | grep -vx cppcheck >"$work/installed"
FAKE_UPDATE_STATUS=100 run update_fails 0 demo
check update_fails grep -q '^apt-get update' "$work/log"
check update_fails installs cppcheck
check update_fails test "$(grep -c '^apt-get install' "$work/log")" = 1
check update_fails grep -q '^apt-get install .*--no-remove' "$work/log"
check update_fails test "$(grep -c '^install-deps: apt-get update failed' "$work/err")" = 1

# On a bare machine the demo asks for the default build's packages, and nothing else.
: >"$work/installed"
run demo_only 0 demo
check demo_only test "$(grep '^apt-get install' "$work/log")" = \
  "apt-get install -y -qq --no-install-recommends --no-remove ${demo_packages[*]}"

# A first install that fails is tried once more, with the release's own suite.
printf '%s\n' "${demo_packages[@]}" | grep -vx cppcheck >"$work/installed"
release=$(. /etc/os-release && echo "$VERSION_CODENAME")
FAKE_INSTALL_FAILURES=1 run retry_succeeds 0 demo
check retry_succeeds test "$(grep -c '^apt-get install' "$work/log")" = 2
check retry_succeeds grep -q "^apt-get install .*--no-remove.* -t $release .*cppcheck" "$work/log"
check retry_succeeds says "trying again with $release as the target release"

# Both fail: a clear message and a non-zero status.
printf '%s\n' "${demo_packages[@]}" | grep -vx cppcheck >"$work/installed"
FAKE_INSTALL_FAILURES=2 run retry_fails 1 demo
check retry_fails test "$(grep -c '^apt-get install' "$work/log")" = 2
check retry_fails says "install-deps: could not install cppcheck"

# The whole set-up asks for what the tests need too, each install without removals.
printf '%s\n' "${demo_packages[@]}" >"$work/installed"
run everything 0
check everything installs wine32:i386
check everything installs ghc
check everything installs g++-mingw-w64-i686
check everything test "$(grep '^apt-get install' "$work/log" | grep -vc -- --no-remove)" = 0
# The other Linux targets' C libraries and binutils, and never a gcc cross compiler: those
# take away the multilib compilers.
check everything installs libc6-dev-s390x-cross
check everything installs binutils-riscv64-linux-gnu
check everything installs libstdc++-12-dev-arm64-cross
check everything test "$(grep -cE '^apt-get install .* g(cc|\+\+|fortran)(-[0-9]+)?-[a-z0-9_]+-linux-gnu' "$work/log")" = 0
# ... and the i386 root: made once, for the i386 tools of the list, nothing removed in it.
root_packages=$("$(dirname "$script")/kitdata" root-packages | tr '\n' ' ')
check everything grep -q "^debootstrap --arch=i386 .*bookworm $work/root.new$" "$work/log"
check everything grep -qF "bwrap --bind $work/root / " "$work/log"
check everything grep -qE "^bwrap .* apt-get install -y -qq --no-install-recommends --no-remove ${root_packages% }$" "$work/log"
check everything test -d "$work/root" -a ! -e "$work/root.new"
run root_complete 0
check root_complete test "$(grep -c -e '^debootstrap' -e '^bwrap' "$work/log")" = 0

# A root whose packages changed gets them without being made again.
sed -i 1d "$work/root/etc/linkkit-packages"
run root_packages_changed 0
check root_packages_changed test "$(grep -c '^debootstrap' "$work/log")" = 0
check root_packages_changed grep -q "^bwrap .* apt-get install" "$work/log"

# debootstrap failing: a clear message, a non-zero status, and no root left that looks made.
rm -rf "$work/root"
FAKE_DEBOOTSTRAP_STATUS=1 run root_fails 1
check root_fails says "i386-root: debootstrap failed"
check root_fails test ! -e "$work/root"

# Running in a root that was never completed: one line that says what to do, and a failure.
LINKKIT_I386_ROOT=$work/none "$(dirname "$script")/i386-root" run "$work" -- true 2>"$work/err"
check run_without_root test $? = 1
check run_without_root test "$(cat "$work/err")" = \
  "i386-root: no complete root in $work/none: run tools/install-deps"

# One preset: its own packages and its languages' tools, nothing of the other presets, and
# no i386 root.
printf '%s\n' "${demo_packages[@]}" >"$work/installed"
rm -rf "$work/root"
run one_preset 0 s390x
check one_preset test "$(grep '^apt-get install' "$work/log")" = \
  "apt-get install -y -qq --no-install-recommends --no-remove clang-14 qemu-user libc6-dev-s390x-cross libgcc-12-dev-s390x-cross libstdc++-12-dev-s390x-cross binutils-s390x-linux-gnu golang-go"
check one_preset test "$(grep -c -e '^debootstrap' -e '^bwrap' "$work/log")" = 0

# One language: its tools on every preset that tests it, and the i386 root with its tool alone.
run one_language 0 --language rust
check one_language installs libstd-rust-dev-windows
check one_language eval '! installs ghc'
check one_language eval '! installs libc6-dev-s390x-cross'
check one_language grep -qE "^bwrap .* apt-get install -y -qq --no-install-recommends --no-remove rustc$" "$work/log"

# A wrong name or option: the cause and the usage on standard error, status 2, no install.
for wrong in nonesuch --nonesuch "--language nonesuch" "demo s390x"; do
  # shellcheck disable=SC2086
  run "wrong_$wrong" 2 $wrong
  check "wrong_$wrong" test ! -s "$work/log"
  check "wrong_$wrong" grep -q '^usage: tools/install-deps ' "$work/err"
  [ "$wrong" != nonesuch ] ||
    check wrong_nonesuch says "install-deps: no preset named 'nonesuch'; the presets are: default "
done

# A caller's tool: its package, unless the command that it gives is already on PATH (a
# Node.js or rustc from elsewhere, which Debian's package would conflict with).
printf '#!/bin/sh\n' >"$work/bin/node"
chmod +x "$work/bin/node"
printf '%s\n' "${demo_packages[@]}" >"$work/installed"
run tool_on_path 0
check tool_on_path installs ghc
check tool_on_path eval '! installs nodejs'
rm "$work/bin/node"

[ "$failed" = 0 ] && echo "install-deps: every case passed"
exit "$failed"
