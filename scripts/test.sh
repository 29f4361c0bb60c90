#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/check-format.sh
bash scripts/check-layers.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZYNED_SANITIZE=ON -DZYNED_BENCH=ON \
  -DZYNED_WERROR=ON
cmake --build build/test
# CMake's default generator (Unix Makefiles) builds the project too: Ninja makes the folder of a
# command's output, Makefiles do not. A second tree of that generator writes every file the build
# writes into its tree (keyboard reference, manual pages, change log, icons), from nothing, with
# the programs this tree built.
env -u CMAKE_GENERATOR cmake -S . -B build/make -DZYNED_TESTS=OFF \
  -DZYNED_HOST_TOOLS="$PWD/build/test" >/dev/null
rm -rf build/make/handbook build/make/man build/make/doc build/make/icons build/make/drawn_icons
cmake --build build/make --target zyned-build-files >/dev/null
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build/test
ctest --output-on-failure -j2
