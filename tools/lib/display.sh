# Display and Wine prefix helpers, sourced by the tools.

# Uses $DISPLAY when set; otherwise starts an Xvfb on a free display
# (1920x1080, 24 bits) and sets DISPLAY. lf_release_display stops it.
lf_need_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local fd_file
  fd_file=$(mktemp)
  Xvfb -displayfd 1 -screen 0 1920x1080x24 -nolisten tcp >"$fd_file" 2>/dev/null &
  LF_XVFB_PID=$!
  local i
  for i in $(seq 1 100); do
    [ -s "$fd_file" ] && break
    sleep 0.05
  done
  if [ ! -s "$fd_file" ]; then
    echo "Xvfb did not start" >&2
    rm -f "$fd_file"
    return 1
  fi
  export DISPLAY=:$(head -n1 "$fd_file")
  rm -f "$fd_file"
}

lf_release_display() {
  if [ -n "${LF_XVFB_PID:-}" ]; then
    # Wine's server holds the display; let it go first.
    WINEPREFIX=${WINEPREFIX:-} wineserver -k 2>/dev/null
    kill "$LF_XVFB_PID" 2>/dev/null
    wait "$LF_XVFB_PID" 2>/dev/null
    LF_XVFB_PID=
  fi
}

# Gives the prefix at $1 a face that draws every text of the window whole.
# The GUI font (MS Shell Dlg, which is SimSun in this locale), Tahoma and
# 宋体 would all fall to WenQuanYi Zen Hei, which draws 查找 and 网址 at 12
# pixels with strokes missing; WenQuanYi Micro Hei draws them whole.
# regedit reads the non-ASCII name only from a UTF-16 file.
lf_prefix_fonts() {
  local prefix=$1 reg face='"WenQuanYi Micro Hei"'
  reg=$(mktemp --suffix=.reg)
  {
    printf '\xff\xfe'
    {
      printf 'Windows Registry Editor Version 5.00\r\n\r\n'
      printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
      printf '"SimSun"=%s\r\n"NSimSun"=%s\r\n"Tahoma"=%s\r\n"宋体"=%s\r\n' "$face" "$face" "$face" "$face"
    } | iconv -f UTF-8 -t UTF-16LE
  } >"$reg"
  WINEPREFIX=$prefix /usr/lib/wine/wine64 regedit /S "$(WINEPREFIX=$prefix winepath -w "$reg" 2>/dev/null)"
  WINEPREFIX=$prefix wineserver -w
  rm -f "$reg"
  # This Wine loads none of the fonts of its own data folder, and without
  # Marlett the caption buttons show the letters 0, 1 and r.
  local marlett=/usr/share/wine/fonts/marlett.ttf
  [ -f "$marlett" ] && ln -sf "$marlett" "$prefix/drive_c/windows/Fonts/marlett.ttf"
  return 0
}

# Whether the prefix at $1 is made and has every half this Wine has: one
# made before the 32-bit half was installed lacks its system folder for
# good (its 32-bit programs fail to load kernel32.dll) and is made anew.
lf_prefix_ready() {
  [ -f "$1/.linkfinder-ready-2" ] || return 1
  [ ! -x /usr/lib/wine/wine ] || [ -f "$1/drive_c/windows/syswow64/kernel32.dll" ]
}

# Makes the Wine prefix at $1 unless it is ready; one maker at a time.
# Its programs run in one virtual desktop of the screen's size: windows get
# Wine's frames and captions, and closing a window does not wait two
# seconds for a window manager that is not there.
lf_wine_prefix() {
  local prefix=$1
  lf_prefix_ready "$prefix" && return 0
  mkdir -p "$(dirname "$prefix")"
  (
    flock 9
    if ! lf_prefix_ready "$prefix"; then
      if [ -e "$prefix" ]; then
        WINEPREFIX=$prefix wineserver -k 2>/dev/null
        rm -rf "$prefix"
      fi
      WINEPREFIX=$prefix wineboot -i >/dev/null 2>&1
      local reg
      reg=$(mktemp --suffix=.reg)
      printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\n"Desktop"="Default"\n\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\n"Default"="1920x1080"\n' >"$reg"
      WINEPREFIX=$prefix /usr/lib/wine/wine64 regedit /S "$(WINEPREFIX=$prefix winepath -w "$reg" 2>/dev/null)"
      WINEPREFIX=$prefix wineserver -w
      rm -f "$reg"
      lf_prefix_fonts "$prefix"
      touch "$prefix/.linkfinder-ready-2"
    fi
  ) 9>"$prefix.lock"
  lf_prefix_ready "$prefix" || { echo "could not make the Wine prefix $prefix" >&2; return 1; }
}
