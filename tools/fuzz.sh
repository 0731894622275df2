#!/usr/bin/env bash
# fuzz.sh SECONDS
# Builds the fuzzers with clang and runs each for SECONDS: the data-file
# fuzzer from the shipped data files, the help file fuzzer from the game's
# help file, the test help file, and help files with pictures and large
# directories (tests/fuzz/chm_fuzz_seeds.cpp). Exits non-zero when one finds
# a crash.
set -euo pipefail
seconds=${1:-60}
if ! [[ $seconds =~ ^[0-9]+$ ]]; then
  echo "usage: $0 SECONDS" >&2
  exit 2
fi
here=$(cd "$(dirname "$0")/.." && pwd)
build=$here/build-fuzz
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPOLKAMINA_FUZZ=ON -DPOLKAMINA_WERROR=ON >/dev/null
cmake --build "$build" --target data_files_fuzz chm_fuzz chm_fuzz_seeds polkamina_help_file \
  -j"$(nproc)"
corpus=$build/fuzz-corpus
mkdir -p "$corpus"
cp "$here"/assets/defaults/*.txt "$corpus/"
printf '"2026/12/07","12:00:00","\x83\x6d\x81\x5b\x83\x7d\x83\x8b","24\x89\xf1","01\x95\xaa23\x95\x62","","\x81\x9b"\r\n' \
  >"$corpus/history-row.txt"
help_corpus=$build/fuzz-help-corpus
mkdir -p "$help_corpus"
cp "$build"/help/pkHelp.chm "$build"/tests/help/test.chm "$here"/help/*.html "$here"/help/style.css \
  "$help_corpus/"
"$build/tests/fuzz/chm_fuzz_seeds" "$help_corpus"
cd "$build"
"$build/tests/fuzz/data_files_fuzz" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 "$corpus"
# A help file that takes longer than a few seconds over one input is a fault too.
"$build/tests/fuzz/chm_fuzz" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
  -print_final_stats=1 "$help_corpus"
