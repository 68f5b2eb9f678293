#!/usr/bin/env bash
# Builds both presets and runs every test: the native unit tests, then under
# Wine the Win32 seam tests and the end-to-end scenarios of setup.exe (each
# in a throwaway prefix on a virtual display of its own). Ends with one
# "N passed, N failed" line over both.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
for preset in native windows; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done

passed=0
failed=0
status=0
for preset in native windows; do
    log=build/$preset/ctest.log
    ctest --preset "$preset" -j2 2>&1 | tee "$log" || status=1
    # ctest's summary: "100% tests passed, 0 tests failed out of 42"
    summary=$(grep -Eo '[0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1 || true)
    if [ -n "$summary" ]; then
        read -r failures _ _ _ _ total <<<"$summary"
        passed=$((passed + total - failures))
        failed=$((failed + failures))
    fi
done
echo "$passed passed, $failed failed"
exit "$status"
