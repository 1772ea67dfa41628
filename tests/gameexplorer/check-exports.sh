#!/bin/sh
# The library exports exactly the four registration functions and needs nothing but the C and
# C++ runtimes (and, in the sanitizer build, the sanitizer runtimes).
set -eu
library="$1"
exports="$(nm -D --defined-only "$library" | awk '{print $3}' | sort | tr '\n' ' ')"
expected="GameExplorerAdd GameExplorerCreateTask GameExplorerRemove GameExplorerUpdate "
if [ "$exports" != "$expected" ]; then
    echo "exports: $exports"
    echo "expected: $expected"
    exit 1
fi
status=0
for needed in $(readelf -d "$library" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
    case "$needed" in
    libc.so.* | libm.so.* | libgcc_s.so.* | libstdc++.so.* | libasan.so.* | libubsan.so.*) ;;
    *)
        echo "needs $needed"
        status=1
        ;;
    esac
done
exit $status
