#!/usr/bin/env bash
# The helpers are called through check; the release comes from the machine's os-release.
# shellcheck disable=SC2317,SC1091
# Drives the real tools/install-deps against a fake apt-get, dpkg, dpkg-query, dpkg-deb and
# bwrap on PATH, a folder standing for binfmt_misc and one for qemu: what it installs, how it
# rides out a registry in mid-sync, that it never lets apt remove a package, and how it makes
# and completes the targets' roots. Needs no network and changes nothing on the machine.
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
# apt-get: logs each call. For the machine: update exits $FAKE_UPDATE_STATUS; install fails
# $FAKE_INSTALL_FAILURES times, then installs what it was asked for. For a target's root (an
# APT::Architecture of its own): install --print-uris lists a .deb a package, the essential
# set standing as base-files; download makes the .deb files, or exits
# $FAKE_DOWNLOAD_STATUS.
cat >"$work/bin/apt-get" <<'FAKE'
#!/usr/bin/env bash
echo "apt-get $*" >>"$FAKE_DIR/log"
arch=
while [ "${1:-}" = -o ]; do
  [[ $2 != APT::Architecture=* ]] || arch=${2#*=}
  shift 2
done
case "$1" in
indextargets) echo "http://deb.debian.org/debian bookworm" ;;
update) [ -n "$arch" ] || exit "${FAKE_UPDATE_STATUS:-0}" ;;
install)
  if [ -n "$arch" ]; then
    for arg in "${@:2}"; do
      [[ $arg == -* ]] && continue
      [ "$arg" = '?essential' ] && arg=base-files
      echo "'http://deb.debian.org/debian/pool/${arg}_1.0_$arch.deb' ${arg}_1.0_$arch.deb 10 SHA256:0"
    done
    exit
  fi
  failures=$(cat "$FAKE_DIR/failures" 2>/dev/null || echo "${FAKE_INSTALL_FAILURES:-0}")
  if ((failures > 0)); then
    echo $((failures - 1)) >"$FAKE_DIR/failures"
    echo "E: Unable to correct problems, you have held broken packages." >&2
    exit 100
  fi
  for arg in "$@"; do [[ $arg == -* || $arg == install ]] || echo "$arg" >>"$FAKE_DIR/installed"; done
  ;;
download)
  [ "${FAKE_DOWNLOAD_STATUS:-0}" = 0 ] || exit "$FAKE_DOWNLOAD_STATUS"
  for arg in "${@:2}"; do
    [[ $arg == -* ]] || [[ ! $arg =~ ^(.+):(.+)=(.+)$ ]] ||
      touch "${BASH_REMATCH[1]}_${BASH_REMATCH[3]}_${BASH_REMATCH[2]}.deb"
  done
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
# dpkg-deb --fsys-tarfile NAME_VERSION_ARCH.deb: a package of one file, /bin/NAME.
cat >"$work/bin/dpkg-deb" <<'FAKE'
#!/usr/bin/env bash
name=$(basename "$2")
tree=$(mktemp -d)
mkdir "$tree/bin" && touch "$tree/bin/${name%%_*}"
tar -c -C "$tree" .
rm -rf "$tree"
FAKE
# bwrap only logs the command it would run in a root.
cat >"$work/bin/bwrap" <<'FAKE'
#!/usr/bin/env bash
echo "bwrap $*" >>"$FAKE_DIR/log"
FAKE
chmod +x "$work/bin/"*
export LINKKIT_ROOTS=$work/roots LINKKIT_BINFMT=$work/binfmt LINKKIT_QEMU_DIR=$work/qemu
# Debian 13's emulators, as tools/qemu-user leaves them, and binfmt_misc's register file.
mkdir -p "$work/binfmt" "$work/qemu/usr/bin" "$work/qemu/usr/share/qemu/binfmt.d"
echo 10.0 >"$work/qemu/version"
for processor in i386 aarch64 arm riscv64 ppc64le s390x; do
  touch "$work/qemu/usr/bin/qemu-$processor"
  chmod +x "$work/qemu/usr/bin/qemu-$processor"
  printf '%s\n' ":qemu-$processor:M::\x7fELF:\xff\xff:/usr/libexec/qemu-binfmt/$processor-binfmt-P:OPF" \
    >"$work/qemu/usr/share/qemu/binfmt.d/qemu-$processor.conf"
done
touch "$work/binfmt/register"

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
# ... and a root for each target that has one: qemu registered for its processor (argv[0]
# kept, the emulator opened once), the target's own packages fetched for its architecture and
# release and unpacked into a merged /usr; apt of the machine never asked to install them.
for processor in aarch64 arm riscv64 ppc64le s390x; do
  # The kernel takes one registration a write, without a line end.
  check everything grep -q ":qemu-$processor:M::[^:]*:[^:]*:$work/qemu/usr/bin/qemu-$processor:PF" \
    "$work/binfmt/register"
done
stamp() { head -n 1 "$work/roots/$1-root/etc/linkkit-packages"; }
check everything test "$(stamp aarch64)" = "arm64 bookworm"
check everything test "$(stamp riscv64)" = "riscv64 trixie"
check everything test "$(stamp i386)" = "i386 bookworm"
check everything grep -qx ghc "$work/roots/s390x-root/etc/linkkit-packages"
check everything test -f "$work/roots/s390x-root/usr/bin/ghc" -a -L "$work/roots/s390x-root/bin"
check everything test -f "$work/roots/s390x-root/usr/bin/base-files"
# A new root is made beside the old one's place, then moved there.
check everything grep -qF "bwrap --bind $work/roots/s390x-root.new / " "$work/log"
check everything test "$(grep 'APT::Architecture=' "$work/log" | grep -c ' install ')" = \
  "$(grep 'APT::Architecture=' "$work/log" | grep -c ' install --print-uris ')"
check everything test ! -e "$work/roots/aarch64-root.new" -a ! -e "$work/roots/aarch64-root.apt"
run roots_complete 0
check roots_complete test "$(grep -c 'APT::Architecture=' "$work/log")" = 0
check roots_complete test "$(grep -c '^bwrap' "$work/log")" = 0

# A root that lacks a package gets it, and only it, without being made again.
touch "$work/roots/aarch64-root/kept"
sed -i /^ghc$/d "$work/roots/aarch64-root/etc/linkkit-packages"
sed -i /^ghc_/d "$work/roots/aarch64-root/etc/linkkit-unpacked"
run root_grows 0 aarch64
check root_grows grep -qE "download -qq ghc:arm64=1.0$" "$work/log"
check root_grows test -e "$work/roots/aarch64-root/kept"
check root_grows grep -qx ghc "$work/roots/aarch64-root/etc/linkkit-packages"
# A language's root-setup that changed runs again in the root.
setups=("$(dirname "$script")"/../interop/*/root-setup)
setup=$(basename "$(dirname "${setups[0]}")")
check root_setup test -n "$setup"
sed -i "s/^$setup .*/$setup 0/" "$work/roots/aarch64-root/etc/linkkit-set-up"
run root_setup 0 aarch64
check root_setup grep -qE "^bwrap --bind $work/roots/aarch64-root / .* sh [^ ]*/interop/$setup/root-setup aarch64$" "$work/log"
check root_setup test "$(grep -c ' download ' "$work/log")" = 0
# A root of another release is made anew.
sed -i 1s/bookworm/bullseye/ "$work/roots/aarch64-root/etc/linkkit-packages"
run root_of_another_release 0 aarch64
check root_of_another_release test ! -e "$work/roots/aarch64-root/kept"
check root_of_another_release test "$(stamp aarch64)" = "arm64 bookworm"

# Packages that cannot be fetched: a clear message, a non-zero status, the root as it was.
rm -rf "$work/roots/s390x-root"
FAKE_DOWNLOAD_STATUS=100 run root_fails 1 s390x
check root_fails says "target-root: could not download the packages of $work/roots/s390x-root"
check root_fails test ! -e "$work/roots/s390x-root"

# Running in a root that was never completed: one line that says what to do, and a failure.
"$(dirname "$script")/target-root" run s390x "$work" -- true 2>"$work/err"
check run_without_root test $? = 1
check run_without_root test "$(cat "$work/err")" = \
  "target-root: no complete root in $work/roots/s390x-root: run tools/install-deps s390x"
# ... and a preset without a root, or no command: the usage, status 2.
"$(dirname "$script")/target-root" run default "$work" -- true 2>"$work/err"
check run_no_root_preset test $? = 2
check run_no_root_preset says "target-root: default has no root of its own"
"$(dirname "$script")/target-root" run aarch64 "$work" 2>"$work/err"
check run_no_command test $? = 2
check run_no_command grep -q '^usage: tools/target-root ' "$work/err"

# One preset: its own packages and its languages' tools, nothing of the other presets, and
# its own root alone. The host holds the tools of the languages whose callers the host
# builds for the root too (C#'s mcs, Java's javac), not those that the root builds.
printf '%s\n' "${demo_packages[@]}" >"$work/installed"
rm -rf "$work/roots"
run one_preset 0 s390x
check one_preset test "$(grep '^apt-get install' "$work/log")" = \
  "apt-get install -y -qq --no-install-recommends --no-remove clang-14 qemu-user libc6-dev-s390x-cross libgcc-12-dev-s390x-cross libstdc++-12-dev-s390x-cross binutils-s390x-linux-gnu bubblewrap mono-mcs mono-runtime golang-go openjdk-17-jdk-headless libjna-java"
check one_preset test "$(ls "$work/roots")" = "$(printf 's390x-root\ns390x-root.lock')"

# One language: its tools on every preset that tests it, and the roots with its tool alone.
rm -rf "$work/roots"
run one_language 0 --language rust
check one_language installs libstd-rust-dev-windows
check one_language eval '! installs ghc'
check one_language eval '! installs libc6-dev-s390x-cross'
check one_language test "$(tail -n +2 "$work/roots/i386-root/etc/linkkit-packages")" = rustc
check one_language test "$(tail -n +2 "$work/roots/riscv64-root/etc/linkkit-packages")" = rustc

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
run tool_on_path 0 default
check tool_on_path installs ghc
check tool_on_path eval '! installs nodejs'
rm "$work/bin/node"

[ "$failed" = 0 ] && echo "install-deps: every case passed"
exit "$failed"
