#!/bin/sh
# Regenerates the dialogs' pictures with ImageMagick 6. The generated files are committed; the
# build does not run this script.
set -e
cd "$(dirname "$0")"
FONT=/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf
FONT_ITALIC=/usr/share/fonts/truetype/liberation2/LiberationSerif-Italic.ttf

# About box logo banner, 420 x 60, baseline JPEG with 4:2:0 chroma subsampling.
convert -size 420x60 gradient:'#1d3f72'-'#5f9ed1' \
  -fill '#f2c14e' -draw 'rectangle 0,52 420,60' \
  -font "$FONT" -pointsize 22 -fill white -annotate +62+32 'Quillmore Financial Software' \
  -font "$FONT_ITALIC" -pointsize 12 -fill '#e8eef7' -annotate +64+47 'Calculators for careful home buyers' \
  -fill '#7a3b69' -stroke white -strokewidth 2 -draw 'circle 30,28 30,10' \
  -stroke none -fill white -font "$FONT" -pointsize 20 -annotate +23+35 'Q' \
  -sampling-factor 2x2 -quality 90 -strip logo.jpg

# About box icon, 32 x 32 with a transparent background: a plum.
convert -size 32x32 xc:none \
  -fill '#6b2d5c' -stroke '#3d1533' -strokewidth 1 -draw 'ellipse 16,19 11,11 0,360' \
  -fill '#b56aa0' -stroke none -draw 'ellipse 12,15 3,4 0,360' \
  -stroke '#5a3a1a' -strokewidth 2 -draw 'line 16,8 18,3' \
  -fill '#3f8f3a' -stroke none -draw 'ellipse 22,6 5,2 0,360' \
  -strip PNG32:about_icon.png

# 16 x 16 button pictures: a green tick (OK) and a page of text (licence); greyed copies for
# the disabled state of the disclaimer's speed button.
convert -size 16x16 xc:none -stroke '#1f8a2b' -strokewidth 3 -fill none \
  -draw 'line 3,8 6,11' -draw 'line 6,11 13,3' -strip PNG32:ok.png
convert ok.png -colorspace Gray -channel RGB -level 0%,100%,0.5 +channel -fill '#a0a0a0' \
  -colorize 60% -strip PNG32:ok_disabled.png
convert -size 16x16 xc:none -fill white -stroke '#404040' -strokewidth 1 \
  -draw 'rectangle 3,1 12,14' -stroke '#3a6ea5' \
  -draw 'line 5,4 10,4' -draw 'line 5,7 10,7' -draw 'line 5,10 10,10' -strip PNG32:license.png
