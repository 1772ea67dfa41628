#!/bin/sh
# The desktop entries and the AppStream metainfo of an installed tree pass the desktop's own
# validators, and every icon an entry names is there in each size of the icon theme.
# usage: check-desktop-files.sh <prefix>
set -eu
prefix=$1
status=0

for entry in "$prefix"/share/applications/*.desktop; do
    desktop-file-validate "$entry" || status=1
    icon=$(sed -n 's/^Icon=//p' "$entry")
    for size in 16 22 24 32 48 64 128 256 512; do
        picture="$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png"
        if ! file "$picture" | grep -q "PNG image data, $size x $size,"; then
            echo "$entry: no ${size}x${size} icon $picture" >&2
            status=1
        fi
    done
done
appstreamcli validate --no-net --explain "$prefix"/share/metainfo/*.metainfo.xml || status=1
exit $status
