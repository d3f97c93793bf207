// The page's start-up under Lighthouse's mobile simulation (slow 4G, a slowed processor), against
// an empty page on the same server: time to interactive, blocking time, largest paint and the
// performance score, each run of the page followed by one of the empty page (a benchmark, not a
// test). Lighthouse is no dependency of the project: install it anywhere outside the tree,
//   npm install --prefix /tmp/lh lighthouse@12.2.3
//   node bench/lighthouse.mjs /tmp/lh/node_modules/lighthouse [RUNS]   (default 3 runs)
// It drives Debian's Chromium (CHROME_PATH, default /usr/bin/chromium) over tools/serve.mjs,
// which compresses what it sends; it needs a built site (bash tools/web.sh build).
import { execFile } from "node:child_process";
import { mkdtempSync, readFileSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { promisify } from "node:util";
import { serveSite } from "../tools/browser.mjs";

const [lighthouse, runs = "3"] = process.argv.slice(2);
if (!lighthouse) {
  console.error("usage: node bench/lighthouse.mjs LIGHTHOUSE_DIR [RUNS]");
  process.exit(2);
}
const median = (values) => [...values].sort((x, y) => x - y)[Math.floor(values.length / 2)];
const work = mkdtempSync(join(tmpdir(), "trapezoid-lighthouse-"));

// One Lighthouse run of `url`: its figures in milliseconds and its score out of 100. The run is
// a process of its own, so that this one's server answers meanwhile.
async function measure(url) {
  const report = join(work, "report.json");
  await promisify(execFile)(
    process.execPath,
    [
      join(lighthouse, "cli", "index.js"),
      url,
      "--only-categories=performance",
      "--output=json",
      `--output-path=${report}`,
      "--quiet",
      "--chrome-flags=--headless=new --no-sandbox",
    ],
    { env: { ...process.env, CHROME_PATH: process.env.CHROME_PATH ?? "/usr/bin/chromium" } },
  );
  const { audits, categories } = JSON.parse(readFileSync(report, "utf8"));
  return {
    interactive: audits.interactive.numericValue,
    blocking: audits["total-blocking-time"].numericValue,
    paint: audits["largest-contentful-paint"].numericValue,
    shift: audits["cumulative-layout-shift"].numericValue,
    score: Math.round(categories.performance.score * 100),
  };
}

const empty = mkdtempSync(join(tmpdir(), "trapezoid-empty-"));
// One word, so that there is a paint to measure.
writeFileSync(join(empty, "index.html"), "<!doctype html><title>empty</title><p>empty</p>\n");
const servers = [await serveSite(), await serveSite(empty)];
const results = [[], []];
try {
  for (let run = 0; run < Number(runs); ++run) {
    for (const k of [0, 1]) {
      const r = await measure(servers[k].url);
      results[k].push(r);
      // each run on its own line, so that a low score shows which figure brought it down
      const figures = `interactive ${r.interactive.toFixed(0)} ms, blocking ${r.blocking.toFixed(0)} ms, largest paint ${r.paint.toFixed(0)} ms, layout shift ${r.shift.toFixed(3)}`;
      console.log(`run ${run + 1}, ${k ? "empty page" : "page"}: ${figures}, performance ${r.score}`);
    }
  }
} finally {
  servers.forEach(({ server }) => server.close());
}

const figures = (list, key) => list.map((r) => r[key]);
const range = (values) => `${Math.min(...values).toFixed(0)}–${Math.max(...values).toFixed(0)} (median ${median(values).toFixed(0)})`;
const [page, blank] = results;
for (const [name, key] of [["time to interactive, ms", "interactive"], ["blocking time, ms", "blocking"], ["largest paint, ms", "paint"]]) {
  console.log(`${name}: page ${range(figures(page, key))}, empty page ${range(figures(blank, key))}`);
}
console.log(`performance: page ${figures(page, "score").join(", ")}; empty page ${figures(blank, "score").join(", ")}`);
const ratio = median(figures(page, "interactive")) / median(figures(blank, "interactive"));
console.log(`time to interactive against the empty page: ${ratio.toFixed(2)}× (budget 1.5×); blocking time budget 50 ms`);
