#!/bin/sh
# Builds a release build of the game and starts it; the scores are kept in the current folder.
set -eu
root=$(cd "$(dirname "$0")" && pwd)
"$root/tools/install-deps.sh"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZAREDUZ_TESTS=OFF
cmake --build "$root/build/release" --target zareduz
exec "$root/build/release/zareduz"
