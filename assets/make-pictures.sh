#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Regenerates every picture in this folder with ImageMagick 6 (and the icon's
# larger sizes with rsvg-convert, from librsvg2-bin).
#
# The pictures are checked in, so building Benchlist never needs ImageMagick;
# run this only after changing a picture here:
#
#     assets/make-pictures.sh
#
# Output is deterministic: metadata and timestamps are stripped, and the one
# random textures are drawn from fixed seeds. Set KEEP_WORK=1 to keep the
# intermediate files (the script prints where they are).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# Call the real ImageMagick binary, never a wrapper earlier on PATH.
IM=${IM:-/usr/bin/convert}
[ -x "$IM" ] || IM=$(command -v convert)

FONTS=/usr/share/fonts/truetype
SERIF_BOLD=$FONTS/liberation/LiberationSerif-Bold.ttf
SANS=$FONTS/liberation/LiberationSans-Regular.ttf
SANS_BOLD=$FONTS/liberation/LiberationSans-Bold.ttf
SANS_ITALIC=$FONTS/liberation/LiberationSans-Italic.ttf
WIDE_BOLD=$FONTS/dejavu/DejaVuSans-Bold.ttf
SERIF_HEAVY=$FONTS/dejavu/DejaVuSerif-Bold.ttf
for font in "$SERIF_BOLD" "$SANS" "$SANS_BOLD" "$SANS_ITALIC" "$WIDE_BOLD" "$SERIF_HEAVY"; do
    [ -r "$font" ] || { echo "missing font: $font (install fonts-liberation and fonts-dejavu)" >&2; exit 1; }
done

work=$(mktemp -d)
if [ -n "${KEEP_WORK:-}" ]; then
    echo "intermediate files: $work"
else
    trap 'rm -rf "$work"' EXIT
fi

# Settings shared by every written file: no metadata, no time stamps.
CLEAN=(-strip +set date:create +set date:modify +set date:timestamp)
PNG_CLEAN=(-define 'png:exclude-chunks=date,time')

im() { "$IM" "$@"; }

# Writes a GIF with a palette of at most $2 colours and no dithering noise.
gif_out() { # in colours out
    im "$1" +dither -colors "$2" "${CLEAN[@]}" "$3"
}

jpg_out() { # in out
    im "$1" -background white -alpha remove -alpha off "${CLEAN[@]}" \
        -sampling-factor 1x1 -quality 90 -interlace none "$2"
}

# --------------------------------------------------------------------------
# The auction site's logo, of its own design: "auctions" in teal over a bar
# of three bids rising from teal through amber to plum. It names no company:
# the catalogue's maker has the logo of its own beside the title.
AUCTION_TEAL='#0f8b8d'
AUCTION_AMBER='#f29e1f'
AUCTION_PLUM='#7a3b8f'

auction_logo() { # pointsize out.png
    local ps=$1 out=$2
    im -background none -font "$SANS_BOLD" -pointsize "$(( ps * 11 / 20 ))" \
        -fill "$AUCTION_TEAL" label:auctions -trim +repage "$work/auction-word.png"
    local w h bar gap
    read -r w h < <(im "$work/auction-word.png" -format '%w %h\n' info:)
    bar=$(( (ps + 5) / 6 )) gap=$(( (ps + 14) / 15 ))
    im -size "${w}x$(( gap + bar ))" xc:none \
        -fill "$AUCTION_TEAL" -draw "rectangle 0,$(( gap + bar / 2 )) $(( w / 3 - 2 )),$(( gap + bar - 1 ))" \
        -fill "$AUCTION_AMBER" -draw "rectangle $(( w / 3 )),$(( gap + bar / 4 )) $(( 2 * w / 3 - 2 )),$(( gap + bar - 1 ))" \
        -fill "$AUCTION_PLUM" -draw "rectangle $(( 2 * w / 3 )),$gap $(( w - 1 )),$(( gap + bar - 1 ))" \
        "$work/auction-bar.png"
    im -background none "$work/auction-word.png" "$work/auction-bar.png" -gravity west \
        -append +repage "${PNG_CLEAN[@]}" "PNG32:$out"
}

# --------------------------------------------------------------------------
# "Benchlist" in red, dark-edged letters with a soft red/orange glow, on white.
benchlist_title() { # width height out
    local w=$1 h=$2 out=$3
    local margin=$(( (h + 9) / 10 ))
    local tw th
    read -r tw th < <(im -background white -fill black -font "$SERIF_BOLD" \
        -pointsize 100 label:Benchlist -trim -format '%w %h\n' info:)
    local px=$(( 100 * (w - 2 * margin) / tw ))
    local py=$(( 100 * (h - 2 * margin) / th ))
    local ps=$(( px < py ? px : py ))
    local stroke=$(( h / 40 + 1 ))
    local glow=$(( h / 14 + 1 ))

    im -size "$((w * 2))x$((h * 2))" xc:none -font "$SERIF_BOLD" -pointsize "$ps" \
        -gravity center -fill '#e4140c' -stroke '#3a0402' -strokewidth "$stroke" \
        -annotate +0+0 Benchlist -trim +repage \
        -background none -extent "${w}x${h}" "PNG32:$work/title-text.png"

    # Two glows: a wide, faint orange haze and a tighter red halo.
    im -size "${w}x${h}" xc:white \
        \( -size "${w}x${h}" xc:'#ff9a3c' \
           \( "$work/title-text.png" -alpha extract \
              -morphology Dilate "Disk:$glow" -blur "0x$((glow + 2))" +level 0,75% \) \
           -alpha off -compose CopyOpacity -composite \) \
        -compose Over -composite \
        \( -size "${w}x${h}" xc:'#ff4020' \
           \( "$work/title-text.png" -alpha extract \
              -blur "0x$(( glow / 2 + 1 ))" +level 0,70% \) \
           -alpha off -compose CopyOpacity -composite \) \
        -compose Over -composite \
        "$work/title-text.png" -compose Over -composite \
        -alpha off "PNG24:$out"
}

# 1, 8, 10: the product's title in three sizes.
benchlist_title 389 69 "$work/title-389.png"
gif_out "$work/title-389.png" 128 "$here/title.gif"
jpg_out "$work/title-389.png" "$here/exit-title.jpg"
benchlist_title 469 85 "$work/title-469.png"
jpg_out "$work/title-469.png" "$here/instructions-title.jpg"

# --------------------------------------------------------------------------
# 2. The maker's logo: VELDMARK in dark blue capitals over a blue swoosh.
im -size 144x59 xc:white \
    -fill '#2f6fd6' -stroke none \
    -draw "path 'M 8,47 Q 72,26 138,38 Q 72,33 8,47 Z'" \
    -fill '#7fb0ff' \
    -draw "path 'M 14,50 Q 76,36 134,41 Q 76,40 14,50 Z'" \
    -font "$SANS_BOLD" -pointsize 22 -fill '#0f2a6b' -gravity north \
    -annotate +0+6 VELDMARK \
    -alpha off "PNG24:$work/logo.png"
gif_out "$work/logo.png" 32 "$here/logo.gif"

# --------------------------------------------------------------------------
# 3, 4. Button faces: a pink bar with a soft grey band through the middle.
button_face() { # edge band out
    local edge=$1 band=$2 out=$3
    im \( -size 1x14 "xc:$edge" \) \
       \( -size 1x16 "gradient:$edge-$band" \) \
       \( -size 1x16 "gradient:$band-$edge" \) \
       \( -size 1x14 "xc:$edge" \) \
       -append -scale '368x60!' \
       -alpha off "PNG24:$work/face.png"
    jpg_out "$work/face.png" "$out"
}
button_face '#ffd3df' '#d9d2d5' "$here/button-face.jpg"
button_face '#f48fae' '#c7a3ae' "$here/button-face-down.jpg"

# --------------------------------------------------------------------------
# 5. The auction site's banner: logo, headline, a mock brand list box with a
#    "click here" tag, and a GO button. Its words come in each language.
auction_logo 30 "$work/auction-logo-30.png"
auction_banner() { # headline pick-a-brand click-here out
    im -size 400x60 xc:'#f4f8ff' \
        -fill white -stroke '#9aa8c0' -strokewidth 1 -draw 'rectangle 0,0 399,59' \
        "$work/auction-logo-30.png" -gravity west -geometry +8+0 -compose Over -composite \
        -gravity northwest -stroke none \
        -fill '#b8c4d8' -draw 'rectangle 88,8 88,51' \
        -font "$SANS_BOLD" -pointsize 12 -fill '#1a2a55' \
        -annotate +98+5 "$1" \
        -fill white -stroke '#7a869a' -draw 'rectangle 170,24 280,40' \
        -fill '#d4dbe8' -draw 'rectangle 265,25 279,39' \
        -stroke none -fill '#1a2a55' -draw 'polygon 268,30 276,30 272,35' \
        -font "$SANS" -pointsize 11 -fill black -annotate +175+26 'Dell' \
        -font "$SANS_BOLD" -pointsize 9 -fill '#44506a' -annotate +99+27 "$2" \
        -fill '#ffe680' -stroke '#c9a400' -draw 'roundrectangle 198,44 252,55 3,3' \
        -stroke none -font "$SANS_ITALIC" -pointsize 9 -fill '#6a4a00' -annotate +203+44 "$3" \
        -fill "$AUCTION_TEAL" -stroke '#0a5c5e' -draw 'roundrectangle 314,21 366,45 5,5' \
        -stroke none -font "$SANS_BOLD" -pointsize 14 -fill white -annotate +329+25 'GO' \
        -alpha off "PNG24:$work/banner-auction.png"
    gif_out "$work/banner-auction.png" 64 "$4"
}

# --------------------------------------------------------------------------
# 6. The gift certificate banner: logo over "gift certificates", a wrapped
#    present, and a dark blue strip reading "The perfect gift".
auction_logo 22 "$work/auction-logo-22.png"
gift_banner() { # gift-certificates the-perfect-gift out
    im -size 230x58 xc:white \
        "$work/auction-logo-22.png" -gravity northwest -geometry +10+3 -compose Over -composite \
        -font "$SANS_BOLD" -pointsize 13 -fill '#1a2a55' -annotate +10+25 "$1" \
        -fill '#1c2f7a' -draw 'rectangle 0,44 229,57' \
        -font "$SANS_BOLD" -pointsize 10 -fill white -gravity south -annotate +0+1 "$2" \
        -gravity northwest \
        -fill '#e53238' -stroke '#8a1014' -strokewidth 1 -draw 'rectangle 170,16 208,41' \
        -fill '#f2505a' -draw 'rectangle 167,11 211,18' \
        -stroke none -fill '#f5c400' -draw 'rectangle 186,11 192,41' -draw 'rectangle 170,25 208,30' \
        -fill '#f5c400' -stroke '#b08a00' \
        -draw 'polygon 189,10 178,3 176,9 ' -draw 'polygon 189,10 200,3 202,9' \
        -fill '#ffd21a' -draw 'circle 189,9 189,11' \
        -alpha off "PNG24:$work/banner-gift.png"
    jpg_out "$work/banner-gift.png" "$3"
}

# English in this folder; each translation in a folder named by its language,
# which the program shows in that language.
auction_banner 'Brand-name computers at auction prices' 'Pick a brand:' 'click here' \
    "$here/banner-auction.gif"
gift_banner 'gift certificates' 'The perfect gift' "$here/banner-gift.jpg"
mkdir -p "$here/de" "$here/fr" "$here/es"
auction_banner 'Markencomputer zu Auktionspreisen' 'Marke wählen:' 'hier klicken' \
    "$here/de/banner-auction.gif"
gift_banner 'Geschenkgutscheine' 'Das perfekte Geschenk' "$here/de/banner-gift.jpg"
auction_banner 'Ordinateurs de marque aux enchères' 'Marque :' 'cliquez ici' \
    "$here/fr/banner-auction.gif"
gift_banner 'chèques-cadeaux' 'Le cadeau parfait' "$here/fr/banner-gift.jpg"
auction_banner 'Ordenadores de marca a precio de subasta' 'Elija marca:' 'haga clic' \
    "$here/es/banner-auction.gif"
gift_banner 'cheques regalo' 'El regalo perfecto' "$here/es/banner-gift.jpg"

# --------------------------------------------------------------------------
# 7. The auction site's marketplace logo on a transparent ground: "shop"
#    above the logo and a "marketplace" tag below it.
auction_logo 30 "$work/auction-logo-30.png"
im -size 144x59 xc:none \
    -font "$SANS_BOLD" -pointsize 10 -fill '#555555' -gravity north -annotate +0+0 'shop' \
    "$work/auction-logo-30.png" -gravity center -geometry +0-1 -compose Over -composite \
    -gravity northwest -fill "$AUCTION_TEAL" -draw 'roundrectangle 36,45 108,58 4,4' \
    -font "$SANS_BOLD" -pointsize 10 -fill white -gravity south -annotate +0+1 'marketplace' \
    "PNG32:$work/marketplace.png"
# GIF transparency is on/off, so settle every edge pixel one way or the other.
im "$work/marketplace.png" -channel A -threshold 50% +channel \
    +dither -colors 32 "${CLEAN[@]}" "$here/marketplace-logo.gif"

# --------------------------------------------------------------------------
# 9. The sibling product's title: WISHTRAIL in grey-red stone letters in
#    front of a bright red burst.
sibling_title() { # width height out
    local w=$1 h=$2 out=$3
    local margin=7
    local tw th
    read -r tw th < <(im -background white -fill black -font "$SERIF_HEAVY" \
        -pointsize 100 label:WISHTRAIL -trim -format '%w %h\n' info:)
    local px=$(( 100 * (w - 2 * margin) / tw ))
    local py=$(( 100 * (h - 2 * margin) / th ))
    local ps=$(( px < py ? px : py ))

    # Letter shapes, white on black.
    im -size "$((w * 2))x$((h * 2))" xc:black -font "$SERIF_HEAVY" -pointsize "$ps" \
        -gravity center -fill white -annotate +0+0 WISHTRAIL -trim +repage \
        -background black -extent "${w}x${h}" -alpha off "$work/sib-mask.png"

    # Stone: coarse plasma mottling plus fine grain, lit from the top left,
    # tinted grey-red.
    im -seed 1977 -size "${w}x${h}" plasma:grey55-grey45 -colorspace Gray \
        \( -size "${w}x${h}" xc:grey50 -seed 1978 +noise Gaussian -colorspace Gray -blur 0x0.6 \) \
        -compose Overlay -composite \
        \( "$work/sib-mask.png" -blur 0x1.2 -shade 135x40 -auto-level \) \
        -compose Overlay -composite \
        -auto-level +level-colors '#3e2624,#d2b4b0' \
        "$work/sib-stone.png"

    # The burst: soft rays fading out from the middle.
    im \( -size 400x400 xc: -fx '0.55+0.45*cos(2*pi*16*i/w)' \
          -virtual-pixel tile -distort Polar 0 \) \
       \( -size 400x400 radial-gradient:white-black \) \
       -compose Multiply -composite -resize "$((w * 5 / 6))x${h}!" \
       -alpha off -level 0,45% -compose Over -background black -gravity center -extent "${w}x${h}" \
       "$work/sib-burst.png"

    im -size "${w}x${h}" xc:white \
        \( -size "${w}x${h}" xc:'#ff1800' "$work/sib-burst.png" \
           -alpha off -compose CopyOpacity -composite \) \
        -compose Over -composite \
        \( "$work/sib-mask.png" -morphology Dilate Disk:1.5 -blur 0x1 -negate +level 20%,100% \) \
        -compose Multiply -composite \
        \( "$work/sib-stone.png" "$work/sib-mask.png" \
           -alpha off -compose CopyOpacity -composite \) \
        -compose Over -composite \
        -alpha off "PNG24:$out"
}
sibling_title 319 67 "$work/sibling-title.png"
jpg_out "$work/sibling-title.png" "$here/sibling-title.jpg"

# --------------------------------------------------------------------------
# 11. The application icon: a white-framed monitor with a light blue screen
#     on a flat blue desktop case. Drawn without anti-aliasing so every pixel
#     is placed on purpose.
im -size 32x32 xc:none +antialias -strokewidth 1 \
    -fill '#606870' -stroke '#303438' -draw 'rectangle 13,22 18,25' \
    -fill white -stroke '#2a3038' -draw 'roundrectangle 3,1 28,22 2,2' \
    -fill '#a6d8ff' -stroke '#5f86a8' -draw 'rectangle 6,4 25,19' \
    \( -size 18x14 gradient:'#c4e8ff-#7ab8ec' \) -geometry +7+5 -compose Over -composite \
    -stroke none -fill '#e2f4ff' -draw 'polygon 8,6 14,6 8,12' \
    -fill '#2a5fd0' -stroke '#10285e' -draw 'rectangle 2,24 29,30' \
    -stroke none -fill '#6f98ea' -draw 'line 3,25 28,25' \
    -fill '#10285e' -draw 'line 17,27 26,27' \
    -fill '#4be06a' -draw 'rectangle 5,27 6,27' \
    "PNG32:$work/icon.png"
im "$work/icon.png" "${CLEAN[@]}" "${PNG_CLEAN[@]}" "PNG32:$here/benchlist.png"
# The screen's shading gives the icon well over 16 colours, so the icon
# file gets an 8-bit (256 colour) palette rather than a 4-bit one.
im "$work/icon.png" -channel A -threshold 50% +channel +dither -colors 256 \
    "${CLEAN[@]}" "ICO:$here/benchlist.ico"

# The same icon as a drawing, for the desktop's larger sizes: each pixel
# above is a unit square here, a one-pixel line a stroke along pixel centres.
cat >"$here/benchlist.svg" <<'SVG'
<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">
  <defs>
    <linearGradient id="screen" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#c4e8ff"/>
      <stop offset="1" stop-color="#7ab8ec"/>
    </linearGradient>
  </defs>
  <rect x="13.5" y="22.5" width="5" height="3" fill="#606870" stroke="#303438"/>
  <rect x="3.5" y="1.5" width="25" height="21" rx="1.5" fill="#ffffff" stroke="#2a3038"/>
  <rect x="6.5" y="4.5" width="19" height="15" fill="#a6d8ff" stroke="#5f86a8"/>
  <rect x="7" y="5" width="18" height="14" fill="url(#screen)"/>
  <polygon points="8,6 15,6 8,13" fill="#e2f4ff"/>
  <rect x="2.5" y="24.5" width="27" height="6" fill="#2a5fd0" stroke="#10285e"/>
  <rect x="3" y="25" width="26" height="1" fill="#6f98ea"/>
  <rect x="17" y="27" width="10" height="1" fill="#10285e"/>
  <rect x="5" y="27" width="2" height="1" fill="#4be06a"/>
</svg>
SVG
# The desktop's icon sizes, drawn from it with rsvg-convert (librsvg2-bin);
# at 32 x 32 the desktop has the pixel icon above.
mkdir -p "$here/icons"
for size in 16 22 24 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" "$here/benchlist.svg" -o "$work/icon-$size.png"
    im "$work/icon-$size.png" "${CLEAN[@]}" "${PNG_CLEAN[@]}" "PNG32:$here/icons/benchlist-$size.png"
done

# --------------------------------------------------------------------------
# 12. The link cursor: a pointing hand, black outline and white fill, on a
#     transparent ground. The index fingertip is the hot spot at (6,0), so
#     the hand is laid out pixel by pixel: one rectangle per row (x0..x1 on
#     row y), no anti-aliasing.
hand_rows=(
    # y  x0 x1 (more x0 x1 pairs where a row has gaps)
    "0 5 7"
    "1 4 8" "2 4 8" "3 4 8" "4 4 8" "5 4 8"
    "6 4 11"
    "7 4 15"
    "8 4 16"
    "9 4 18"
    "10 4 19"
    "11 1 2 4 19"
    "12 0 19" "13 0 19"
    "14 1 19" "15 1 19"
    "16 2 19" "17 2 19"
    "18 3 19" "19 3 19"
    "20 4 19"
    "21 4 18"
    "22 5 18"
    "23 6 17"
)
hand_draw=()
for row in "${hand_rows[@]}"; do
    read -r -a cells <<<"$row"
    y=${cells[0]}
    for (( i = 1; i < ${#cells[@]}; i += 2 )); do
        hand_draw+=(-draw "rectangle ${cells[i]},$y ${cells[i + 1]},$y")
    done
done
# Creases between the folded fingers.
hand_creases=(-draw 'line 8,6 8,10' -draw 'line 12,7 12,10' -draw 'line 16,9 16,11')

# Silhouette: white hand on black.
im -size 32x32 xc:black +antialias -stroke none -fill white "${hand_draw[@]}" \
    -alpha off "$work/hand-mask.png"
# Fill: the silhouette less its one-pixel rim (border first, so the rim also
# runs along row 0), then the creases.
im "$work/hand-mask.png" -bordercolor black -border 1 \
    -morphology Erode Diamond:1 -shave 1x1 +repage \
    +antialias -stroke none -fill black "${hand_creases[@]}" \
    -alpha off "$work/hand-fill.png"
im "$work/hand-fill.png" "$work/hand-mask.png" -alpha off \
    -compose CopyOpacity -composite \
    "${CLEAN[@]}" "${PNG_CLEAN[@]}" "PNG8:$here/hand-cursor.png"
