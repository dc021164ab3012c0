#!/bin/sh
# Builds everything and runs every test: the installable package, the score file fuzzer, and
# the whole suite under AddressSanitizer and UndefinedBehaviorSanitizer, whose summary ends
# the output.
set -eu
cd "$(dirname "$0")"
tools/install-deps.sh

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen

# The installable game: install rules, desktop entry, metainfo and the Debian package.
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DZAREDUZ_TESTS=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr
cmake --build build/package
tests/package/check-package.sh . build/package

# The score file fuzzer needs clang's libFuzzer, so it has a build of its own.
CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZAREDUZ_GUI=OFF \
    -DZAREDUZ_TESTS=OFF -DZAREDUZ_FUZZ=ON -DZAREDUZ_SANITIZE=ON
cmake --build build/fuzz
ctest --test-dir build/fuzz --output-on-failure

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZAREDUZ_SANITIZE=ON
cmake --build build/test
ctest --test-dir build/test --output-on-failure
