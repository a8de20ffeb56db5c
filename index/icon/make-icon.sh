#!/bin/sh
# Draws the program's icon, a 32 x 32 picture in 24-bit colour: a white key
# with a red Kai character on the index window's light orange, and the
# yellow code tip at its corner. Needs ImageMagick and the Kai font.
set -e
cd "$(dirname "$0")"
kai=/usr/share/fonts/truetype/arphic-gkai00mp/gkai00mp.ttf
convert -size 32x32 xc:'#FFE0C0' \
  -fill white -stroke '#808080' -draw 'rectangle 1,1 24,24' \
  -fill '#D00000' -stroke '#D00000' -strokewidth 1 -font "$kai" -pointsize 22 -draw "text 2,21 '五'" \
  -fill '#FFFF80' -stroke '#404040' -draw 'rectangle 14,20 31,31' \
  -stroke none -fill black -font DejaVu-Sans-Bold -pointsize 9 -draw "text 15,30 'GG'" \
  -type TrueColor -depth 8 -define png:color-type=2 -strip tovrik.png
