#!/usr/bin/env bash
# Builds the web page (the core compiled to WebAssembly with emscripten, and the page generated
# from the window's tables) into build-web/site/, then:
#   tools/web.sh              serves it on http://localhost:8080 (PORT=... for another port)
#   tools/web.sh build        nothing more
#   tools/web.sh screenshots  saves docs/web.png and docs/web-phone.png
#   tools/web.sh bench        prints its sizes and timings
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh --web

# Emscripten's optimiser needs Debian's acorn module, which a node from elsewhere does not find.
NODE_PATH=$(dirname "$(dpkg -L node-acorn | grep -m1 '/acorn$')")
export NODE_PATH

emcmake cmake -S . -B build-web -G Ninja -DTRAPEZOID_WEB=ON -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build build-web -j "$(nproc)"

# puppeteer-core, to drive Debian's Chromium; it never downloads a browser of its own.
browser_tools() {
  (cd tools && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
}

case "${1:-serve}" in
  build) ;;
  serve) exec node tools/serve.mjs build-web/site "${PORT:-8080}" ;;
  screenshots) browser_tools && exec node tools/web_screenshots.mjs ;;
  bench) browser_tools && exec node bench/web_bench.mjs ;;
  *) echo "usage: tools/web.sh [build|serve|screenshots|bench]" >&2 && exit 2 ;;
esac
