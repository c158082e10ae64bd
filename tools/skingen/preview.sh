#!/bin/sh
# Draws a preview of the skin as a PNG: the generator composes the pictures, ImageMagick adds
# the texts of the main window (Tahoma for Latin text, a CJK font for Chinese).
#   tools/skingen/preview.sh GENERATOR SKIN_DIR OUT.png
set -eu
generator=$1
skin=$2
out=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$generator" --preview "$skin" "$tmp/preview.bmp"
latin=/usr/share/wine/fonts/tahoma.ttf
[ -f "$latin" ] || latin=DejaVu-Sans
cjk=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
[ -f "$cjk" ] || cjk=$latin
# Window origin (16, 16); client area from (20, 46).
convert "$tmp/preview.bmp" \
  -font "$latin" -pointsize 12 -fill '#1C2638' -annotate +58+36 'Varnelta V0.1 Bulid 09307' \
  -fill '#808998' -annotate +682+36 'Another window (inactive)' \
  -font "$cjk" -pointsize 15 -fill '#1F2937' -annotate +43+70 '专用链接：' -annotate +43+247 '普通链接：' \
  -pointsize 11 -annotate +51+416 '普2专' -annotate +139+416 '专2普' -annotate +227+418 '迅雷' \
  -annotate +336+418 '已复制到剪贴板！' \
  -annotate +28+443 '【Quillmere】' -annotate +174+443 'Varnelta (一款可以将迅雷、旋风、快车…' \
  -annotate +474+443 '2026年12月8日 03:10' \
  -font "$latin" -fill '#142440' -annotate +684+433 'Selected item' -fill '#1F2937' \
  -annotate +684+413 'Menu item' -annotate +684+461 'Last item' \
  "$out"
