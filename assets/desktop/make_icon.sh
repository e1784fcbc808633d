#!/usr/bin/env bash
# Makes the desktop icon from the game's own black-ball picture: the ball's
# face cut out as a disc with a soft highlight, 128 x 128 with transparency.
# Run by hand (needs ImageMagick); the result, quorvil.png, is committed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
convert "$here/../images/ID_BITMAP5.bmp" \
  \( -size 128x128 xc:none -fill white -draw "circle 63.5,63.5 63.5,2" \) \
  -alpha off -compose CopyOpacity -composite \
  \( -size 128x128 radial-gradient:'rgba(255,255,255,0.45)-rgba(255,255,255,0)' -roll -22-22 \) \
  -compose Over -composite \
  \( -size 128x128 xc:none -fill white -draw "circle 63.5,63.5 63.5,2" \) \
  -compose DstIn -composite \
  -strip "PNG32:$here/quorvil.png"
