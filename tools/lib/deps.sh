#!/usr/bin/env bash
# Installs whatever the build and the tests need and this machine lacks.
# Sourced by tools/run and tools/test; safe to run again.

lf_packages=(
  cmake ninja-build python3 openssl curl
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  clang libclang-rt-14-dev googletest libgtest-dev
  # wine32:i386 is the loader of the 32-bit build, the program users get.
  wine wine64 wine32:i386 fonts-wine
  xvfb xauth xdotool imagemagick
  locales fonts-wqy-zenhei
  # The face that the Wine prefix draws its GUI fonts with (display.sh).
  fonts-wqy-microhei
  # Reads the X clipboard, which is Wine's, in the end-to-end tests.
  xclip
  lynx
  # Real documentation pages that the end-to-end tests search
  # (DEBIAN_PAGES in tests/e2e/e2e.py): pages the project did not write.
  debian-reference-zh-cn bash-doc
)

lf_install_missing() {
  local missing=() p update=
  # The i386 packages are found only once the architecture is known to dpkg.
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    [ "$(id -u)" = 0 ] || { echo "need root to add the i386 architecture" >&2; return 1; }
    echo "adding the i386 architecture"
    dpkg --add-architecture i386
    update=1
  fi
  for p in "${lf_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "installing: ${missing[*]}"
    [ "$(id -u)" = 0 ] || { echo "need root to install packages" >&2; return 1; }
    update=1
  fi
  if [ -n "$update" ]; then
    apt-get update -qq || return 1
  fi
  if ((${#missing[@]})); then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null || return 1
  fi
  # Wine's ANSI code page follows the locale: zh_CN.UTF-8 gives code page 936.
  if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
    sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null
  fi
}
