#!/bin/bash
# Installs the Debian packages of packages.txt; returns at once when all of them are there.
# Sourced by play.sh and test.sh.

qb_missing_packages() {
    local list="$1" pkg
    grep -Ev '^[[:space:]]*(#|$)' "$list" | while read -r pkg; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            echo "$pkg"
        fi
    done
}

qb_install_dependencies() {
    local root="$1" missing
    missing=$(qb_missing_packages "$root/scripts/packages.txt")
    if [ -z "$missing" ]; then
        return 0
    fi
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    echo "Installing: $(echo $missing | tr '\n' ' ')"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update
    # shellcheck disable=SC2086
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
}
