# Sourced by the tools that build before they run (stress.sh, readme_pictures.sh): quietly CMD...
# runs a configure or build step without its chatter; when the step fails its whole output goes to
# the terminal (the compiler's errors), with the command that failed, and the tool ends with 1.
quietly() {
  local out
  out=$(mktemp)
  if ! "$@" >"$out" 2>&1; then
    cat "$out" >&2
    rm -f "$out"
    echo "$(basename "$0"): failed: $*" >&2
    exit 1
  fi
  rm -f "$out"
}
