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

# The web preset of CMakePresets.json: emscripten's tool chain, and Debian's acorn module for its
# optimiser; the build also installs puppeteer-core (tools/package-lock.json) for the browser.
cmake --preset web >/dev/null
cmake --build --preset web

case "${1:-serve}" in
  build) ;;
  serve) exec node tools/serve.mjs build-web/site "${PORT:-8080}" ;;
  screenshots) exec node tools/web_screenshots.mjs ;;
  bench) exec node bench/web_bench.mjs ;;
  *) echo "usage: tools/web.sh [build|serve|screenshots|bench]" >&2 && exit 2 ;;
esac
