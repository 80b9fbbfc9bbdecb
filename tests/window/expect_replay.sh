#!/bin/sh
# expect_replay.sh [--stdin FILE] STATUS PATTERN COMMAND [ARG...]
# Runs quantivex-replay (COMMAND) and passes when it exits with STATUS and, if
# PATTERN is not empty, a line of its output (standard output and error
# together) matches the extended regular expression PATTERN. --stdin gives it
# FILE as standard input. An ARG of @FIFO@ or @OVERSIZED@ becomes a named pipe,
# or a sparse file one byte over the tool's 16 MiB limit, made for the run.
set -u
input=/dev/null
if [ "$1" = --stdin ]; then input=$2; shift 2; fi
status=$1 pattern=$2 command=$3
shift 3

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for arg in "$@"; do
  case $arg in
    @FIFO@) arg=$scratch/pipe; mkfifo "$arg" ;;
    @OVERSIZED@) arg=$scratch/oversized.scn; truncate -s $((16 * 1024 * 1024 + 1)) "$arg" ;;
  esac
  set -- "$@" "$arg"
  shift
done

output=$("$command" "$@" <"$input" 2>&1)
got=$?
if [ "$got" -ne "$status" ]; then
  echo "exit status $got, expected $status; output:"
  printf '%s\n' "$output"
  exit 1
fi
if [ -n "$pattern" ] && ! printf '%s\n' "$output" | grep -Eq -- "$pattern"; then
  echo "no line of the output matches: $pattern; output:"
  printf '%s\n' "$output"
  exit 1
fi
