#!/usr/bin/env bash
# Cross-builds Debian's libjpeg-turbo source package as a static i686 Windows library
# into $DEPS_DIR/libjpeg-turbo (Debian ships no mingw build). Does nothing when it is there.
set -euo pipefail
. "$(dirname "$0")/common.sh"

prefix=$DEPS_DIR/libjpeg-turbo
[ -f "$prefix/lib/libjpeg.a" ] && exit 0

if ! apt-get source --print-uris libjpeg-turbo >/dev/null 2>&1; then
  log "adding Debian source entries"
  as_root tee /etc/apt/sources.list.d/wallpaper-deb-src.sources >/dev/null <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  as_root apt-get update -qq
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
log "building libjpeg-turbo for i686-w64-mingw32"
(cd "$work" && apt-get source -qq libjpeg-turbo >/dev/null 2>&1)
src=$(find "$work" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
cmake -S "$src" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON \
  -DREQUIRE_SIMD=ON >/dev/null
cmake --build "$work/build" --target jpeg-static -j "$JOBS" >/dev/null
mkdir -p "$prefix/lib" "$prefix/include"
cp "$work/build/libjpeg.a" "$prefix/lib/"
cp "$work/build/jconfig.h" "$src/jpeglib.h" "$src/jmorecfg.h" "$src/jerror.h" "$prefix/include/"
log "libjpeg-turbo installed in $prefix"
