#!/usr/bin/env bash
# Installs the Debian packages tolv needs to build, test, fuzz and run, when any is missing.
set -euo pipefail
pkgs=(cmake ninja-build g++ clang libgtest-dev libgmock-dev libbenchmark-dev
      libgl-dev libgl1-mesa-dev libglu1-mesa-dev libegl-dev libegl-mesa0 libgl1-mesa-dri
      libx11-dev libxtst-dev libxdamage-dev libfreetype-dev fonts-dejavu-core xvfb x11-utils x11-xkb-utils xclip
      zenity openbox clang-format universal-ctags
      zlib1g-dev)
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
updated=0
apt_install() {
  [ $updated -eq 1 ] || { $SUDO apt-get update -qq; updated=1; }
  echo "installing: $*"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "$@" >/dev/null
}
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] || apt_install "${missing[@]}"

# libFuzzer's runtime comes with clang's own version: libclang-rt-<major>-dev on newer releases,
# inside libclang-common-<major>-dev on older ones. A one-line fuzzer that links says it is there.
fuzzer_links() {
  echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' |
    clang++ -fsanitize=fuzzer,address,undefined -x c++ - -o /dev/null 2>/dev/null
}
if ! fuzzer_links; then
  major=$(clang -dumpversion | cut -d. -f1)
  if apt-cache show "libclang-rt-$major-dev" >/dev/null 2>&1 ||
     { [ $updated -eq 0 ] && $SUDO apt-get update -qq && updated=1 &&
       apt-cache show "libclang-rt-$major-dev" >/dev/null 2>&1; }; then
    apt_install "libclang-rt-$major-dev"
  else
    apt_install "libclang-common-$major-dev"
  fi
  fuzzer_links || { echo "deps.sh: clang++ -fsanitize=fuzzer does not link" >&2; exit 1; }
fi
