#!/bin/sh
# Runs a fuzzer for a bounded time on a copy of its seed corpus, so that the
# source tree is never written. A crash, a sanitizer report or a hang makes
# the fuzzer exit non-zero and fails the test; the input that did it stays
# in fuzz-artifacts/ next to the fuzzer.
#   run_fuzzer.sh FUZZER SEED_DIR SECONDS DICT
set -u
fuzzer=$1 seeds=$2 seconds=$3 dict=$4
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
cp -R "$seeds" "$work/corpus" || exit 1
artifacts=$(dirname "$fuzzer")/fuzz-artifacts/
mkdir -p "$artifacts" || exit 1
"$fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
  -artifact_prefix="$artifacts" -dict="$dict" "$work/corpus"
