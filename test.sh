#!/bin/sh
# Runs every Plexaro test (installing what is missing): unit and scripted tests, without a sound device
# and with a silent one, the media checks, a real window under Xvfb, and the sanitizer build.
set -e
cd "$(dirname "$0")"
tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2
(cd build && ctest --output-on-failure --timeout 600)
# The same scripted plays with AddressSanitizer and UndefinedBehaviorSanitizer, built with clang, and
# 30 seconds of libFuzzer on the file readers and the shifts.
CC=clang CXX=clang++ cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DPLEXARO_SANITIZE=ON -DPLEXARO_TOOLS=OFF >/dev/null
cmake --build build-sanitize -j2 --target plexaro_tests fuzz_files
(cd build-sanitize && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1 \
    ctest --output-on-failure --timeout 900 -R '^(scripted|fuzz)')
echo "all tests passed"
