#!/usr/bin/env bash
# fuzz/run-long.sh SECONDS -- every fuzz target for SECONDS each (e.g. 1800).
exec "$(dirname "$0")/run.sh" "${1:?usage: fuzz/run-long.sh SECONDS}"
