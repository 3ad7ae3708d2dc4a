#!/usr/bin/env bash
# Runs every fuzz target of the fuzz preset's build for SECONDS each (default
# 30), starting from the seed corpus that build wrote. Inputs found along the
# way stay in build-fuzz/fuzz/found/; a crash leaves its input in
# build-fuzz/fuzz/crashes/ and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
fuzz=build-fuzz/fuzz
for target in rdctjpeg pageblocks pagesetjournal photometadata; do
  mkdir -p "$fuzz/found/$target" "$fuzz/crashes"
  "$fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=3072 -print_final_stats=1 \
    -artifact_prefix="$fuzz/crashes/$target-" "$fuzz/found/$target" "$fuzz/corpus/$target"
done
