#!/usr/bin/env bash
# Builds everything a second time with AddressSanitizer and
# UndefinedBehaviorSanitizer, in its own build directory, and runs the whole
# test suite there. Any report fails the run.
#
#   bash scripts/sanitize.sh          address + undefined, every test
#   bash scripts/sanitize.sh thread   ThreadSanitizer, the tests that use threads
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
kind="${1:-address}"

bash "$root/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software

if [ "$kind" = thread ]; then
    build="${HOPLIX_TSAN_BUILD_DIR:-$root/build-tsan}"
    flags="-fsanitize=thread -fno-omit-frame-pointer -g"
    # Debian's Qt is not instrumented: its own locking is invisible to
    # ThreadSanitizer, see scripts/tsan.supp for what that hides.
    export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$root/scripts/tsan.supp"
    tests='tst_badinput|tst_applicationcore|tst_brokenenvironment'
else
    build="${HOPLIX_ASAN_BUILD_DIR:-$root/build-asan}"
    flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined -g"
    # Full stacks: the suppressions match frames deep inside Qt.
    export ASAN_OPTIONS="detect_leaks=1:fast_unwind_on_malloc=0"
    export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
    export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
    tests='.'
fi

# The instrumented build runs the same paths several times slower; a quarter
# of the reliability loops keeps the whole run within CI's budget.
export HOPLIX_STRESS="${HOPLIX_STRESS:-0.25}"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DHOPLIX_BUILD_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
cd "$build"
ctest --output-on-failure --parallel "$(nproc)" --timeout 900 -R "$tests"
