#!/usr/bin/env bash
# Builds everything and runs every test:
#   native build (tests, tools, benchmarks), the same tests with AddressSanitizer and
#   UndefinedBehaviorSanitizer, the Windows builds (the tests under Wine in the build whose
#   programs this kernel runs, the other compiled warning-free), and the fuzz targets over their
#   seed corpora.
# Ends with one line: "N passed, N failed".
set -uo pipefail
build_target=
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh || { echo "setup failed"; echo "0 passed, 1 failed"; exit 1; }

jobs=${VARNELTA_JOBS:-$(nproc)}
logs=$root/build/logs
mkdir -p "$logs"
passed=0
failed=0
broken=()

configure_and_build() {  # NAME CMAKE-ARGS...
  local name=$1; shift
  echo "== $name: configure and build"
  if ! cmake -S . -B "build/$name" -DVARNELTA_WERROR=ON "$@" >"$logs/$name-configure.log" 2>&1; then
    tail -n 40 "$logs/$name-configure.log"; return 1
  fi
  if ! cmake --build "build/$name" -j "$jobs" ${build_target:+--target "$build_target"} \
      >"$logs/$name-build.log" 2>&1; then
    grep -E 'error|Error' "$logs/$name-build.log" | head -n 40; return 1
  fi
}

ctest_log() {  # NAME CTEST-ARGS...: runs a build's tests into its log
  local name=$1; shift
  ctest --test-dir "build/$name" --output-on-failure "$@" >"$logs/$name-test.log" 2>&1
}

count_tests() {  # NAME: shows the failures of a finished test log and adds up its summary
  local name=$1
  echo "== $name: tests"
  grep -E '^ *[0-9]+/[0-9]+ Test|tests passed|Failed|\*\*\*' "$logs/$name-test.log" | grep -vE ' Passed ' || true
  local summary
  summary=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$logs/$name-test.log" | tail -n1)
  if [ -z "$summary" ]; then broken+=("$name: no test summary"); failed=$((failed + 1)); return; fi
  local total fails
  fails=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$summary")
  total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$summary")
  passed=$((passed + total - fails))
  failed=$((failed + fails))
  [ "$fails" -eq 0 ] || broken+=("$name: $fails failed")
}

run_tests() {  # NAME CTEST-ARGS...
  ctest_log "$@"
  count_tests "$1"
}

stage() {  # NAME "CMAKE-ARGS" [CTEST-ARGS...]; empty CTEST-ARGS "-" means build only
  local name=$1 cmake_args=$2; shift 2
  # shellcheck disable=SC2086
  if ! configure_and_build "$name" $cmake_args; then
    broken+=("$name: build failed"); failed=$((failed + 1)); return
  fi
  if [ "${1:-}" = "-" ]; then echo "== $name: built"; return; fi
  run_tests "$name" "$@"
}

start=$(date +%s)
stage native "-DCMAKE_BUILD_TYPE=Release" -j "$jobs"
stage asan "-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNELTA_SANITIZE=ON -DVARNELTA_BENCH=OFF" -j "$jobs"
# The Windows tests run under Wine in the 32-bit build; on a kernel whose 32-bit support is
# switched off (the 32-bit Wine loader cannot start there) they run in the 64-bit build instead,
# and the 32-bit build is compiled only.
if bash cmake/wine-loader.sh 32 >/dev/null; then
  stage win32 "-DCMAKE_TOOLCHAIN_FILE=$root/cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release" -j "$jobs"
  stage win64 "-DCMAKE_TOOLCHAIN_FILE=$root/cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release -DVARNELTA_TESTS=OFF" -
else
  echo "== 32-bit programs do not run on this kernel: the Windows tests run in the 64-bit build"
  # The Windows tests spend most of their time waiting on Wine, one window test at a time: they
  # run in the background while the 32-bit build compiles and the fuzz targets build and run.
  wine_tests=
  if configure_and_build win64 "-DCMAKE_TOOLCHAIN_FILE=$root/cmake/mingw-x86_64.cmake" \
      -DCMAKE_BUILD_TYPE=Release; then
    echo "== win64: tests started"
    ctest_log win64 -j "$jobs" &
    wine_tests=$!
  else
    broken+=("win64: build failed"); failed=$((failed + 1))
  fi
  stage win32 "-DCMAKE_TOOLCHAIN_FILE=$root/cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release -DVARNELTA_TESTS=OFF" -
fi
build_target=varnelta_fuzzers stage fuzz "-DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNELTA_FUZZ=ON -DVARNELTA_BENCH=OFF" -R _smoke -j "$jobs"
if [ -n "${wine_tests:-}" ]; then
  wait "$wine_tests"
  count_tests win64
fi

echo "== done in $(( $(date +%s) - start )) s"
for b in "${broken[@]}"; do echo "broken: $b"; done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
