#!/bin/sh
# Renders the artwork in art/*.svg into the pictures the program carries.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert; the fonts
# "WenQuanYi Micro Hei" and "DejaVu Sans" must be installed for the splash text.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
art="$here/art"
# ImageMagick's own binary; a wrapper of the same name earlier in PATH is not trusted.
convert=${CONVERT:-/usr/bin/convert}
identify=${IDENTIFY:-/usr/bin/identify}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

png() { # svg width height output
    rsvg-convert -w "$2" -h "$3" "$art/$1" -o "$4"
}

mkdir -p "$here/icons" "$here/about" "$here/splash"

# The list's three status icons and the window icon.
png person-offline.svg 32 32 "$here/icons/offline.png"
png person-online.svg 32 32 "$here/icons/online.png"
png person-checking.svg 32 32 "$here/icons/checking.png"
png lantern.svg 32 32 "$here/icons/window.png"
png lantern.svg 256 256 "$here/icons/lanternix.png"
# The Windows program file's icon, at the sizes Explorer and the taskbar ask for.
"$convert" "$here/icons/lanternix.png" -define icon:auto-resize=256,48,32,16 "$here/icons/lanternix.ico"

# The about box: the logo and the legend of the two status figures. The online
# figure's frame is one pixel taller; the figure stands on its lower edge.
png lantern.svg 120 120 "$here/about/logo.png"
png person-online.svg 32 32 "$tmp/online.png"
"$convert" "$tmp/online.png" -background none -gravity south -extent 32x33 -strip \
    "PNG32:$here/about/online.png"
png person-offline.svg 32 32 "$here/about/offline.png"

# The splash photograph: flattened onto black, baseline JPEG. Its drawn words come in the
# program's two scripts: Simplified, and Traditional for users in Taiwan, Hong Kong and Macau.
splash() { # svg output
    rsvg-convert -w 600 -h 395 "$1" -o "$tmp/splash.png"
    "$convert" "$tmp/splash.png" -background black -alpha remove -alpha off -strip \
        -sampling-factor 4:2:0 -quality 90 "$2"
}
splash "$art/splash.svg" "$here/splash/splash.jpg"
sed 's/>Zeph系列软件</>Zeph系列軟體</' "$art/splash.svg" >"$tmp/splash_zh_TW.svg"
splash "$tmp/splash_zh_TW.svg" "$here/splash/splash_zh_TW.jpg"

for f in icons/offline.png icons/online.png icons/checking.png icons/window.png \
    icons/lanternix.png about/logo.png about/online.png about/offline.png splash/splash.jpg \
    splash/splash_zh_TW.jpg; do
    printf '%-22s %s\n' "$f" "$("$identify" -format '%wx%h %[channels] %b' "$here/$f")"
done
