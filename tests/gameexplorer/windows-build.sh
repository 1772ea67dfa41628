#!/bin/sh
# Builds the Windows registration library and the game's resource script with Debian's
# mingw-w64 cross compiler, with the project's warnings as errors, and checks that the DLL
# exports exactly the four registration functions. (It cannot run here.)
set -eu
source_dir="$1"
out="$2"
mkdir -p "$out"
x86_64-w64-mingw32-g++ -std=c++20 -O2 -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor \
    -Woverloaded-virtual -Werror -shared -static-libgcc -static-libstdc++ \
    -I"$source_dir" -o "$out/Ludexa.dll" "$source_dir/LudexaWindows.cpp" "$source_dir/Ludexa.def" \
    -lole32 -loleaut32 -luuid -lshell32 -ladvapi32
x86_64-w64-mingw32-windres -I"$source_dir" "$source_dir/QueltaBrovel.rc" -O coff \
    -o "$out/QueltaBrovel.res.o"

exports="$(x86_64-w64-mingw32-objdump -p "$out/Ludexa.dll" |
    sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk 'NR > 1 && NF {print $NF}' | sort |
    tr '\n' ' ')"
expected="GameExplorerAdd GameExplorerCreateTask GameExplorerRemove GameExplorerUpdate "
if [ "$exports" != "$expected" ]; then
    echo "DLL exports: $exports"
    exit 1
fi
# The resource really holds the definition file under its name and type.
resource="$(x86_64-w64-mingw32-windres -i "$out/QueltaBrovel.res.o" -O rc)"
case "$resource" in
*'Type: "DATA"'*'Name: "__GDF_XML"'*'LANGUAGE 0, 0'*) ;;
*)
    echo "resource: $resource" | head -20
    exit 1
    ;;
esac
