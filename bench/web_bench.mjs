// Figures of the web page (a benchmark, not a test):
// - the size of every file of the site, plain and gzip-compressed;
// - from navigation to a usable window (list selected, boxes editable, its behaviour run, a frame
//   drawn) in headless Chromium on localhost, against an empty page measured in the same run
//   (medians of fresh visits);
// - one Calculate through the bindings, in node.
//   node bench/web_bench.mjs [VISITS]     (needs a built site: bash tools/web.sh build)
import { mkdtempSync, readFileSync, readdirSync, statSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join, relative } from "node:path";
import { gzipSync } from "node:zlib";
import { launch, serveSite, site } from "../tools/browser.mjs";
import { loadCore } from "../tests/web/core.mjs";

const visits = Number(process.argv[2] ?? 20);
const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;
const median = (values) => [...values].sort((x, y) => x - y)[Math.floor(values.length / 2)];

function sizes() {
  const files = [];
  const walk = (dir) =>
    readdirSync(dir).forEach((name) => (statSync(join(dir, name)).isDirectory() ? walk(join(dir, name)) : files.push(join(dir, name))));
  walk(site);
  let plain = 0;
  let packed = 0;
  for (const file of files.sort()) {
    const bytes = readFileSync(file);
    const gz = gzipSync(bytes, { level: 9 }).length;
    plain += bytes.length;
    packed += gz;
    console.log(`  ${relative(site, file).padEnd(22)} ${kb(bytes.length).padStart(9)} ${kb(gz).padStart(9)} gzip`);
  }
  console.log(`site: ${files.length} files, ${kb(plain)}, ${kb(packed)} gzip (budget 150 KB)`);
  console.log(`wasm: ${kb(statSync(join(site, "trapezoid.wasm")).size)} (budget 100 KB)`);
}

// Milliseconds from navigation to the first frame in which the window can be used.
async function usableAfter(browser, url) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  // Looked at in every frame from the start of the document; the behaviour has run once the page
  // has asked for it and an import of it settles.
  await page.evaluateOnNewDocument(() => {
    const asked = () => performance.getEntriesByName(new URL("behaviour.js", location.href).href).length > 0;
    const usable = () => {
      const list = document.getElementById("List1_0");
      const box = document.getElementById("Text2_0");
      return document.title === "empty" || (list?.selectedIndex === 0 && box?.readOnly === false && asked());
    };
    const live = () => (document.title === "empty" ? Promise.resolve() : import("./behaviour.js"));
    const drawn = () => requestAnimationFrame(() => (window.usableAt = performance.now()));
    const check = () => (usable() ? live().then(drawn) : requestAnimationFrame(check));
    requestAnimationFrame(check);
  });
  await page.goto(url, { waitUntil: "load" });
  const at = await (await page.waitForFunction(() => window.usableAt)).jsonValue();
  await context.close();
  return at;
}

async function startup() {
  const empty = mkdtempSync(join(tmpdir(), "trapezoid-empty-"));
  writeFileSync(join(empty, "index.html"), "<!doctype html><title>empty</title>\n");
  const servers = [await serveSite(), await serveSite(empty)];
  const browser = await launch();
  const times = [[], []];
  for (let i = 0; i < visits; ++i) {
    for (const k of [0, 1]) times[k].push(await usableAfter(browser, servers[k].url));
  }
  await browser.close();
  servers.forEach(({ server }) => server.close());
  const [page, blank] = times.map(median);
  console.log(
    `usable window: ${page.toFixed(1)} ms, empty page: ${blank.toFixed(1)} ms, ratio ${(page / blank).toFixed(2)} (budget 1.5; medians of ${visits})`,
  );
}

async function calculation() {
  const core = await loadCore();
  const settings = core.defaultSettings();
  const typed = ["8", "5", "2"].reduce((state, text, i) => core.Text2_Change(state, i, text), core.Form_Load());
  const runs = 100000;
  for (let i = 0; i < 1000; ++i) core.Command1_Click(typed, 0, settings);
  const start = process.hrtime.bigint();
  for (let i = 0; i < runs; ++i) core.Command1_Click(typed, 0, settings);
  const micros = Number(process.hrtime.bigint() - start) / 1000 / runs;
  console.log(`one Calculate through the bindings, its working included: ${micros.toFixed(2)} µs (budget 20 µs)`);
}

sizes();
await calculation();
await startup();
