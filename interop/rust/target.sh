# shellcheck shell=sh
# Sourced by routines and module-foo, with CC: the rustc and its options for CC's target.

# For Windows (CC a MinGW-w64 compiler) the target is <processor>-pc-windows-gnu, and the
# rustc the first that has that target's libraries: rustup's often has none, Debian's has
# them for x86_64 with libstd-rust-dev-windows. A no_std object needs the target's core.
rustc=rustc target_options=
machine=$(${CC:-cc} -dumpmachine)
case $machine in
*-w64-mingw32)
  target=${machine%%-*}-pc-windows-gnu
  for rustc in rustc /usr/bin/rustc; do
    [ ! -d "$($rustc --print sysroot)/lib/rustlib/$target/lib" ] || break
  done
  target_options="--target $target"
  ;;
esac
