#!/usr/bin/env bash
# Fuzzes the builder's archive reading with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, built with clang into build-fuzz/.
#   scripts/fuzz.sh [seconds]    (300 unless given)
# Starts from small archives of every kind (build-fuzz/corpus, kept between
# runs) and stops at the first fault, leaving the input that made it in
# build-fuzz/ (crash-*, oom-*, timeout-*): a crash or a sanitizer's report, an
# allocation of more than 300 MB, more than 1 GB in all, an input read for more
# than 10 s.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh clang
seconds=${1:-300}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DROMWEAVER_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz -j"$(nproc)"
mkdir -p build-fuzz/corpus
build-fuzz/tools/fuzz/fuzz_seeds build-fuzz/corpus
build-fuzz/tools/fuzz/fuzz_archive build-fuzz/corpus -max_total_time="$seconds" -timeout=10 \
    -malloc_limit_mb=300 -rss_limit_mb=1024 -max_len=4194304 -print_final_stats=1 \
    -artifact_prefix=build-fuzz/
