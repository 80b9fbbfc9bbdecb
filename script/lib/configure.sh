# shellcheck shell=bash
# Configures a build folder that a script keeps for itself. Sourced, not run.
#
# configure_build DIR CMAKE_ARG...
#   Configures DIR for Ninja with exactly these arguments, and only when DIR
#   was last configured with others (or never). Then the cache starts afresh:
#   an option dropped from the list, or a compiler changed, would otherwise
#   linger in it. Objects whose compile commands stay the same are not rebuilt.

configure_build() {
  local dir=$1
  shift
  local stamp=$dir/.configured-with wanted
  wanted=$(printf '%s\n' "$@")
  if [ -f "$dir/build.ninja" ] && [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$wanted" ]; then
    return 0
  fi
  # Gone first, so that a configure that fails is tried again next time.
  rm -f "$stamp"
  cmake --fresh -S . -B "$dir" -G Ninja "$@" >/dev/null
  printf '%s\n' "$wanted" >"$stamp"
}
