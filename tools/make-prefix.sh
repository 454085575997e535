#!/usr/bin/env bash
# Creates the Wine prefix that tests and the sample host run in: 64-bit, the null graphics
# driver (headless), no installer prompts, Wine's own fonts, and the Japanese UI faces mapped to
# the IPA Gothic fonts so that dialog captions and messages render.
# Usage: make-prefix.sh PREFIX [null|x11]; KIV_DPI (96 unless set) is the screen's pixel density.
set -euo pipefail
prefix=$1
driver=${2:-null}
dpi=${KIV_DPI:-96}
# The share \\localhost\C$ (drive C, as Windows offers it) for tests of UNC paths.
share_drive_c() {
  if [ -d "$prefix/dosdevices" ] && [ ! -e "$prefix/dosdevices/unc/localhost/C\$" ]; then
    mkdir -p "$prefix/dosdevices/unc/localhost"
    ln -sfn ../../c: "$prefix/dosdevices/unc/localhost/C\$"
  fi
}
share_drive_c
[ -f "$prefix/.kiv-ready-$driver-$dpi" ] && exit 0

export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINELOADER=/usr/lib/wine/wine64
wine=/usr/lib/wine/wine64

if [ ! -f "$prefix/.kiv-booted" ]; then
  rm -rf "$prefix"
  mkdir -p "$prefix"
  "$wine" wineboot -i >/dev/null 2>&1
  fonts="$prefix/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  cp -n /usr/share/wine/fonts/* "$fonts/" 2>/dev/null || true
  touch "$prefix/.kiv-booted"
fi

# A LOGFONTW as a registry hex list: 9 pt at the screen's density (height -12 at 96 dpi),
# weight 400, Shift-JIS, the face.
logfont() {
  local face=$1 height=$(( (1 << 32) - (12 * dpi + 48) / 96 ))
  local bytes
  bytes=$(printf '%02x,%02x,%02x,%02x' $((height & 255)) $(((height >> 8) & 255)) $(((height >> 16) & 255)) $(((height >> 24) & 255)))
  bytes+=",00,00,00,00,00,00,00,00,00,00,00,00,90,01,00,00,00,00,00,80,00,00,00,00"
  local i code
  for ((i = 0; i < 32; i++)); do
    if [ $i -lt ${#face} ]; then code=$(printf '%d' "'${face:i:1}"); else code=0; fi
    bytes+=$(printf ',%02x,%02x' $((code & 255)) $((code >> 8)))
  done
  echo "hex:$bytes"
}
ui_font=$(logfont "MS UI Gothic")

reg_utf8=$(cat <<REG
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]
"Graphics"="$driver"

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Managed"="N"
"Decorated"="Y"

[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\\Software\\Wine\\DllOverrides]
"mscoree"=""
"mshtml"=""
"winemenubuilder.exe"=""

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
"MS UI Gothic"="IPAPGothic"
"ＭＳ Ｐゴシック"="IPAPGothic"
"MS PGothic"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"MS Gothic"="IPAGothic"
"MS Shell Dlg"="IPAPGothic"
"MS Shell Dlg 2"="IPAPGothic"
"Tahoma"="IPAPGothic"

[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"LogPixels"=dword:$(printf '%08x' "$dpi")

[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts]
"LogPixels"=dword:$(printf '%08x' "$dpi")

[HKEY_CURRENT_USER\\Control Panel\\Desktop\\WindowMetrics]
"CaptionFont"=$ui_font
"SmCaptionFont"=$ui_font
"MenuFont"=$ui_font
"StatusFont"=$ui_font
"MessageFont"=$ui_font
"IconFont"=$ui_font
REG
)
regfile="$prefix/kiv-settings.reg"
{ printf '\xff\xfe'; printf '%s\r\n' "$reg_utf8" | iconv -f UTF-8 -t UTF-16LE; } > "$regfile"
"$wine" regedit /S "$(WINEPREFIX=$prefix "$wine" winepath -w "$regfile" 2>/dev/null)" >/dev/null 2>&1
/usr/lib/wine/wineserver -w
share_drive_c
rm -f "$prefix"/.kiv-ready-*
touch "$prefix/.kiv-ready-$driver-$dpi"
