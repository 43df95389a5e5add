#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run.
# Idempotent: when everything is present it changes nothing and asks no
# package server.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  clang libclang-rt-14-dev            # libFuzzer and AddressSanitizer
  googletest libgtest-dev libbenchmark-dev
  libicu-dev zlib1g-dev
  qt6-base-dev libxcb1-dev libgl-dev  # desktop program
  xvfb xauth xdotool xclip x11-utils  # GUI tests under a virtual display
  fonts-dejavu-core
  libreoffice-writer-nogui            # RTF and Word document conversion
  hunspell-ru
  time
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

# Node.js and npm fetch test-time tools from the npm registry. Machines may
# carry their own Node.js build; Debian's packages only when there is none.
if ! command -v npm >/dev/null 2>&1; then
  missing+=(nodejs npm)
fi

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "setup: all packages present"
fi
