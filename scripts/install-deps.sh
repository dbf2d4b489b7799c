#!/usr/bin/env bash
# Installs the Debian packages Kavalto builds, tests and runs with.
# Idempotent: silent when everything is present; refreshes the package
# index only when something must be installed.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-image-formats-plugins
  libhpdf-dev libssl-dev libcurl4-openssl-dev
  fonts-liberation2
  libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
  python3-aiosmtpd poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
echo "Installerer: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
