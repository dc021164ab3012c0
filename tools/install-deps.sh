#!/bin/sh
# Installs the Debian packages that building, testing and playing need, when any is missing.
set -eu
packages="cmake ninja-build g++ pkg-config libgtest-dev libbenchmark-dev qt6-base-dev libgl-dev
clang libclang-rt-14-dev fonts-dejavu-core desktop-file-utils appstream dpkg-dev file $*"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo apt-get install -y -qq --no-install-recommends $missing
