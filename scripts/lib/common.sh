# Shared paths and helpers for the project's scripts; sourced, not run.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
NATIVE_DIR=$BUILD_DIR/native
CROSS_DIR=$BUILD_DIR/cross
WIN32_DIR=$BUILD_DIR/win32
# Third-party libraries cross-built for Windows live outside the repo.
DEPS_DIR=${WALLPAPER_DEPS_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/wallpaper-deps}
JOBS=$(nproc 2>/dev/null || echo 2)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

log() { printf '== %s\n' "$*" >&2; }
