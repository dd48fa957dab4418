# Builds and runs one libFuzzer target. Source it from a fuzz/run-* script.
set -euo pipefail
FUZZ_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

ensure_clang() {
  local missing=()
  for package in clang libclang-rt-14-dev; do
    [ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" = "install ok installed" ] || missing+=("$package")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    local sudo=""; [ "$(id -u)" = 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
}

# fuzz_target name seconds sources...
fuzz_target() {
  local name=$1 seconds=$2
  shift 2
  ensure_clang
  local out="$FUZZ_ROOT/build/fuzz"
  mkdir -p "$out/$name-corpus"
  local sources=()
  for source in "$@"; do sources+=("$FUZZ_ROOT/$source"); done
  # clang cannot encode literals in GBK; for crash-hunting that does not matter.
  clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -DTOOLBOX_ALLOW_UTF8_LITERALS -I"$FUZZ_ROOT" "${sources[@]}" -o "$out/$name"
  "$out/$name" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 "$out/$name-corpus"
}
