#!/usr/bin/env bash
# Installs what the program needs, builds it, makes sample books in a demo
# application folder the first time, and starts Pellam Accounts on them.
# Usage: ./run.sh   (DEMO_HOME overrides the demo folder)
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)" --target PellamAccount pellam

DEMO_HOME=${DEMO_HOME:-$PWD/demo-home}
export PELLAM_HOME="$DEMO_HOME"
# The demo keeps its settings beside its books, apart from the user's own.
export XDG_CONFIG_HOME="$DEMO_HOME/config"
if ! ls "$DEMO_HOME"/Data/account????.db >/dev/null 2>&1; then
  echo "Creating sample books in $DEMO_HOME ..."
  "$BUILD_DIR/bin/pellam" --home "$DEMO_HOME" demo
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat <<MSG
There is no display here, so the window cannot open.
The same books can be used without a window:
  $BUILD_DIR/bin/pellam --home "$DEMO_HOME" check
  $BUILD_DIR/bin/pellam --home "$DEMO_HOME" backup
  $BUILD_DIR/bin/pellam --help
Or start the program under a virtual display (Debian package xvfb):  xvfb-run ./run.sh
MSG
  exit 0
fi
exec "$BUILD_DIR/bin/PellamAccount"
