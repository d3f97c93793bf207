// One press of «Изчисли» until its answer is painted, on the problem page against the calculator's
// page, in headless Chromium with the processor slowed four times: medians over many presses,
// each after the core has arrived (the first press of each page is left out).
//   node bench/elements_press.mjs [PRESSES]        (the site of build-web, or TRAPEZOID_SITE's)
import { launch, serveSite } from "../tools/browser.mjs";

const presses = Number(process.argv[2] ?? 40);
const median = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];

async function measure(page, url, type, pressId, module) {
  await page.goto(url, { waitUntil: "load" });
  await type(page);
  const times = [];
  for (let i = 0; i <= presses; ++i) {
    const ms = await page.evaluate(async (id, mod) => {
      const { settled } = await import(mod);
      const start = performance.now();
      document.getElementById(id).click();
      await settled();
      await new Promise((done) => requestAnimationFrame(() => done()));
      return performance.now() - start;
    }, pressId, module);
    if (i > 0) times.push(ms);
  }
  return median(times);
}

const { url, close } = await serveSite();
const browser = await launch("chromium");
try {
  const page = await browser.newPage();
  const cdp = await page.createCDPSession();
  await cdp.send("Emulation.setCPUThrottlingRate", { rate: 4 });
  const design = await measure(page, `${url}index.html?given=a,b,c&a=8&b=5&c=2`, async () => {}, "Command1_0", "./behaviour.js");
  const elements = await measure(page, `${url}elements.html?a=27&c=13&alpha=45`, async () => {}, "E_Calculate", "./elements.js");
  console.log(`press until painted, median of ${presses} (4x slower processor)`);
  console.log(`calculator's page ${design.toFixed(1)} ms`);
  console.log(`problem page      ${elements.toFixed(1)} ms`);
  console.log(`difference ${(elements - design).toFixed(1)} ms (a frame: 16.7 ms)`);
} finally {
  await browser.close();
  await close();
}
