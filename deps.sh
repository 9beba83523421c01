#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (only the missing ones).
set -euo pipefail
PKGS="cmake ninja-build g++ qt6-base-dev libglpk-dev libuemf-dev fonts-liberation2 xdg-utils
      libgtest-dev libgmock-dev emf2svg libbenchmark-dev ccache"
# Qt's own file, page-setup and print dialogs in Spanish.
PKGS="$PKGS qt6-translations-l10n"
PKGS="$PKGS qt6-svg-dev chromium"
missing=()
for p in $PKGS; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
