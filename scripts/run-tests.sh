#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test, then runs
# each libFuzzer target for a bounded time in a separate clang build.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$(nproc)"

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DRADIO_FUZZ=ON
corpus="$(mktemp -d)"
trap 'rm -rf "$corpus"' EXIT
for source in tests/fuzz/*.cpp; do
  target="$(basename "$source" .cpp)"
  cmake --build build-fuzz --target "$target"
  mkdir -p "$corpus/$target"
  # A target's seeds are its own folder, tests/data/<name without fuzz_>
  # (tests/data/radio_replies), or else the fixture files in tests/data
  # itself, without its folders.
  seeds="tests/data/${target#fuzz_}"
  if [ ! -d "$seeds" ]; then
    seeds="$corpus/$target-seeds"
    mkdir -p "$seeds"
    find tests/data -maxdepth 1 -type f ! -name '.*' -exec cp {} "$seeds" \;
  fi
  # New inputs go to the scratch corpus; the seeds are only read.
  ./build-fuzz/tests/"$target" -max_total_time=15 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix=build-fuzz/ \
    "$corpus/$target" "$seeds"
done
