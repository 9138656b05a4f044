#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds, and prints the benchmarks: the model's
# operations, then start-up and memory against the floor program and the time
# from a click to the repainted ranking.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
scripts/deps.sh xvfb xauth
cmake --preset default
cmake --build --preset default
build/default/bench/ranking_benchmark --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true
cmake --build --preset default --target bench_qt
