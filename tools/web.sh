#!/usr/bin/env bash
# Builds the web page (the core compiled to WebAssembly with emscripten, and the page generated
# from the window's tables) into build-web/site/, and serves it on http://localhost:8080.
#   tools/web.sh            build, then serve (PORT=... for another port)
#   tools/web.sh build      build only
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh --web

# Emscripten's optimiser needs Debian's acorn module, which a node from elsewhere does not find.
NODE_PATH=$(dirname "$(dpkg -L node-acorn | grep -m1 '/acorn$')")
export NODE_PATH

emcmake cmake -S . -B build-web -G Ninja -DTRAPEZOID_WEB=ON -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build build-web -j "$(nproc)"

if [ "${1:-}" != build ]; then
  exec node tools/serve.mjs build-web/site "${PORT:-8080}"
fi
