#!/usr/bin/env bash
# Installs whatever the build and the tests need and this machine lacks.
# Sourced by tools/run and tools/test; safe to run again.

lf_packages=(
  cmake ninja-build python3 openssl curl
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  clang libclang-rt-14-dev googletest libgtest-dev
  wine wine64 fonts-wine
  xvfb xauth xdotool imagemagick
  locales fonts-wqy-zenhei
  lynx
  # Real documentation pages that the end-to-end tests search
  # (DEBIAN_PAGES in tests/e2e/e2e.py): pages the project did not write.
  debian-reference-zh-cn bash-doc
)

lf_install_missing() {
  local missing=() p
  for p in "${lf_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "installing: ${missing[*]}"
    [ "$(id -u)" = 0 ] || { echo "need root to install packages" >&2; return 1; }
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
  # Wine's ANSI code page follows the locale: zh_CN.UTF-8 gives code page 936.
  if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
    sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null
  fi
}
