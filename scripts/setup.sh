#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12, skipping what is
# there, and prepares the project's own Wine prefix. Safe to run again; quick when
# nothing is missing.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/scripts/env.sh"

packages=(
  cmake make g++ clang-14 libclang-rt-14-dev zlib1g-dev git
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  mingw-w64-x86-64-dev libz-mingw-w64-dev googletest
  wine wine64 fonts-wine xvfb xauth xdotool imagemagick fonts-wqy-microhei locales chromium
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# Node.js may come from elsewhere than Debian; only a missing command is installed.
command -v node >/dev/null 2>&1 || missing+=(nodejs)
command -v npm >/dev/null 2>&1 || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  echo "setup: generating the zh_CN.UTF-8 locale"
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
  if [ -f /etc/locale.gen ] && grep -q '^# *zh_CN.UTF-8' /etc/locale.gen; then
    $SUDO sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  else
    echo 'zh_CN.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  fi
  $SUDO locale-gen >/dev/null
fi

# The prefix is made once; a marker says it is complete, so an interrupted setup
# starts over instead of leaving a half-made prefix for the tests.
if [ ! -f "$WINEPREFIX/.project-ready" ]; then
  echo "setup: creating the Wine prefix in $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineboot --init >/dev/null 2>&1 || true
  wineserver -w
  touch "$WINEPREFIX/.project-ready"
fi

# Windows are not handed to an X window manager: the program draws its own frame,
# and without a manager (Xvfb) Wine would wait seconds on every hide for one.
if [ ! -f "$WINEPREFIX/.unmanaged-windows" ]; then
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.unmanaged-windows"
fi

# The window's Chinese fonts are named "宋体" (SimSun), which Wine does not have:
# without a substitute a request for it in the ANSI character set falls to a
# Latin font with no Chinese glyphs.
if [ ! -f "$WINEPREFIX/.chinese-font-substitutes" ]; then
  key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
  for face in 宋体 SimSun 新宋体 NSimSun; do
    wine reg add "$key" /v "$face" /t REG_SZ /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
  done
  wineserver -w
  touch "$WINEPREFIX/.chinese-font-substitutes"
fi

# The program carries no manifest for the version 6 common controls, so on Windows
# its platform controls (the code view's scroll bars, the edits' borders) are drawn
# unthemed. Wine themes every program with its default theme instead, and paints
# each themed scroll bar some forty times slower than a plain one.
if [ ! -f "$WINEPREFIX/.unthemed" ]; then
  key='HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager'
  wine reg add "$key" /v ThemeActive /t REG_SZ /d 0 /f >/dev/null 2>&1
  wine reg add "$key" /v DllName /t REG_SZ /d '' /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.unthemed"
fi
