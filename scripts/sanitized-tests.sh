#!/usr/bin/env bash
# Builds the unit suites with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs them once; the slow tests that drive LibreOffice or the whole
# program under an X server run only in the ordinary build.
set -euo pipefail
cd "$(dirname "$0")/.."
# Each suite as its test folder and its program name.
suites="shell:shell entry:entry generator:generator preview:preview engines/builtin:engine"
export PARVOLIN_TARGETS=""
for suite in $suites; do PARVOLIN_TARGETS+="${suite#*:}_tests "; done
bash scripts/setup.sh build-sanitized -DPARVOLIN_SANITIZE=ON -DPARVOLIN_BENCHMARKS=OFF \
  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1"
# Qt and fontconfig keep caches for the life of the process; leaks are not
# what this run looks for.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1
export QT_QPA_PLATFORM=offscreen
for suite in $suites; do
  echo "== ${suite#*:}, sanitized"
  "build-sanitized/tests/${suite%%:*}/${suite#*:}_tests" --gtest_brief=1 --gtest_filter='-*LibreOffice*:*libreoffice*:Office*'
done
