#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (only the missing ones).
set -euo pipefail
# Tests: the Spanish locale (comma as decimal point), clang for the fuzz targets
# and poppler-utils (pdftoppm) to look at printed pages.
PKGS_PRUEBAS="locales clang libclang-rt-dev poppler-utils"
PKGS="cmake ninja-build g++ qt6-base-dev libglpk-dev libuemf-dev fonts-liberation2 xdg-utils
      libgtest-dev libgmock-dev emf2svg libbenchmark-dev ccache"
# Qt's own file, page-setup and print dialogs in Spanish.
PKGS="$PKGS qt6-translations-l10n"
PKGS="$PKGS qt6-svg-dev chromium"
missing=()
for p in $PKGS $PKGS_PRUEBAS; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi

# The tests run a second time under es_ES.UTF-8: generate it when missing.
if ! locale -a 2>/dev/null | grep -qix 'es_ES\.utf-\?8'; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  if [ -f /etc/locale.gen ]; then
    grep -q '^es_ES.UTF-8 UTF-8' /etc/locale.gen || echo 'es_ES.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    $SUDO locale-gen >/dev/null
  else
    $SUDO localedef -i es_ES -f UTF-8 es_ES.UTF-8
  fi
fi
