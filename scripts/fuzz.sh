#!/usr/bin/env bash
# Runs the fuzz targets built in BUILD (default build-fuzz) for SECONDS each
# (default 60), one after the other. New inputs that add coverage go to
# BUILD/corpus/NAME (the seeds in fuzz/corpus/NAME stay untouched); a crash, a
# hang or a leak is written to BUILD/findings/NAME/ and ends the run with
# status 1. Usage: scripts/fuzz.sh [BUILD] [SECONDS] [NAME...]
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build-fuzz}
seconds=${2:-60}
shift $(($# < 2 ? $# : 2))
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
    names=(csv statements database feed official onefile)
fi

# Qt's plugin loader keeps what it loads for the life of the process.
export LSAN_OPTIONS="suppressions=$PWD/tests/support/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# ASan keeps freed memory aside (256 MB by default), which -rss_limit_mb would count.
export ASAN_OPTIONS="quarantine_size_mb=64"

status=0
for name in "${names[@]}"; do
    options=(-max_total_time="$seconds" -timeout=5 -rss_limit_mb=512 -print_final_stats=1)
    case "$name" in
    csv) options+=(-dict=fuzz/csv.dict -max_len=4096) ;;
    statements) options+=(-max_len=1024) ;;
    database) options+=(-max_len=8192) ;;
    feed) options+=(-dict=fuzz/feed.dict -max_len=16384) ;;
    official) options+=(-max_len=4096) ;;
    onefile) options+=(-dict=fuzz/feed.dict -max_len=16384) ;;
    *) echo "unknown fuzz target: $name (csv, statements, database, feed, official or onefile)" >&2; exit 2 ;;
    esac
    corpus="$build/corpus/$name"
    findings="$build/findings/$name"
    mkdir -p "$corpus" "$findings"
    echo "== $name: ${seconds}s"
    if ! "$build/bin/zelpo_fuzz_$name" "${options[@]}" -artifact_prefix="$findings/" "$corpus" "fuzz/corpus/$name"; then
        echo "== $name: a finding is in $findings/" >&2
        status=1
    fi
done
exit $status
