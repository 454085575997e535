#!/usr/bin/env bash
# Creates the Wine prefix that tests and the sample host run in: 64-bit, the null graphics
# driver (headless) or the X11 one, no installer prompts, Wine's own fonts, and the Japanese UI
# faces mapped to installed faces that measure like the originals.
# Usage: make-prefix.sh PREFIX [null|x11]; KIV_DPI is the screen's pixel density (unless set: the
# density the prefix was made for, or 96 for a new one).
#
# Faces. Measured with the driver's "fit" over every dialog in both looks, templates unchanged:
# with "MS UI Gothic" mapped to IPAPGothic, 32 captions clip at 96 dpi and 16 at 144 dpi (the IPA
# faces draw Latin letters and digits wider than the original UI face); mapped to "Ume UI Gothic"
# (fonts-horai-umefont, drawn to the original's metrics) every caption fits at 96 and 144 dpi, and at
# 120 and 192 dpi too once the class framework lays templates out in proportion to their 96-dpi
# layout (platform/afx/DialogTemplate.h). So the UI, shell and proportional names go to the Ume
# proportional faces, the fixed names to "Ume Gothic", and the IPA faces stay linked behind them for
# any glyph Ume lacks (Ume covers every text of the module and the sample data; IPA adds about a
# thousand rarer letters and symbols).
#
# Everything that changes a picture is set here explicitly (faces, links, density, font
# smoothing, window metrics), so that two prefixes made from this script draw the same pixels.
# A prefix records a fingerprint of these settings and is brought up to date when they change.
set -euo pipefail
prefix=$1
driver=${2:-null}
dpi=${KIV_DPI:-$(cat "$prefix/.kiv-dpi" 2>/dev/null || echo 96)}
# The share \\localhost\C$ (drive C, as Windows offers it) for tests of UNC paths.
share_drive_c() {
  if [ -d "$prefix/dosdevices" ] && [ ! -e "$prefix/dosdevices/unc/localhost/C\$" ]; then
    mkdir -p "$prefix/dosdevices/unc/localhost"
    ln -sfn ../../c: "$prefix/dosdevices/unc/localhost/C\$"
  fi
}

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
# A REG_MULTI_SZ as a registry hex list (UTF-16LE strings, each ended by a NUL, then one more).
multi_sz() {
  local bytes
  bytes=$( { for s in "$@"; do printf '%s\0' "$s"; done; printf '\0'; } | iconv -f UTF-8 -t UTF-16LE | od -An -tx1 -v | tr -s ' \n' ',' | sed 's/^,//; s/,$//')
  echo "hex(7):$bytes"
}
ui_font=$(logfont "MS UI Gothic")
ipa_link=$(multi_sz "ipagp.ttf,IPAPGothic" "ipag.ttf,IPAGothic")
ipa_fixed_link=$(multi_sz "ipag.ttf,IPAGothic")

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
"MS UI Gothic"="Ume UI Gothic"
"ＭＳ Ｐゴシック"="Ume P Gothic"
"MS PGothic"="Ume P Gothic"
"ＭＳ ゴシック"="Ume Gothic"
"MS Gothic"="Ume Gothic"
"MS Shell Dlg"="Ume UI Gothic"
"MS Shell Dlg 2"="Ume UI Gothic"
"Tahoma"="Ume UI Gothic"

[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]
"Ume UI Gothic"=$ipa_link
"Ume P Gothic"=$ipa_link
"Ume Gothic"=$ipa_fixed_link

[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"LogPixels"=dword:$(printf '%08x' "$dpi")
"FontSmoothing"="2"
"FontSmoothingType"=dword:00000001
"FontSmoothingGamma"=dword:00000000
"FontSmoothingOrientation"=dword:00000001

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
fingerprint=$(printf '%s' "$reg_utf8" | md5sum | cut -c1-12)
share_drive_c
[ -f "$prefix/.kiv-ready-$fingerprint" ] && exit 0

export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINELOADER=/usr/lib/wine/wine64
wine=/usr/lib/wine/wine64

if [ ! -f "$prefix/.kiv-booted" ]; then
  rm -rf "$prefix"
  # A booted prefix beside this one (the build tree's first) is copied instead of booted again:
  # a copy takes a second, a boot ten; the settings below make it this prefix's own.
  seed=$(dirname "$prefix")/wineprefix
  if [ "$seed" != "$prefix" ] && [ -f "$seed/.kiv-booted" ]; then
    cp -a "$seed" "$prefix"
    rm -f "$prefix"/.kiv-ready-* "$prefix/.kiv-dpi"
  else
    mkdir -p "$prefix"
    "$wine" wineboot -i >/dev/null 2>&1
    fonts="$prefix/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    cp -n /usr/share/wine/fonts/* "$fonts/" 2>/dev/null || true
    touch "$prefix/.kiv-booted"
  fi
fi

regfile="$prefix/kiv-settings.reg"
{ printf '\xff\xfe'; printf '%s\r\n' "$reg_utf8" | iconv -f UTF-8 -t UTF-16LE; } > "$regfile"
"$wine" regedit /S "$(WINEPREFIX=$prefix "$wine" winepath -w "$regfile" 2>/dev/null)" >/dev/null 2>&1
/usr/lib/wine/wineserver -w
share_drive_c
rm -f "$prefix"/.kiv-ready-*
echo "$dpi" > "$prefix/.kiv-dpi"
touch "$prefix/.kiv-ready-$fingerprint"
