// Saves the page as it looks at desktop width and on a phone 360 pixels wide.
//   node tools/web_screenshots.mjs [DESKTOP.png] [PHONE.png]   (defaults docs/web.png, docs/web-phone.png)
import { join } from "node:path";
import { launch, root, serveSite } from "./browser.mjs";

const [desktop = join(root, "docs/web.png"), phone = join(root, "docs/web-phone.png")] = process.argv.slice(2);
const { server, url } = await serveSite();

// Loads the page and lets its fonts and scroll bars settle before the picture is taken.
async function show(page) {
  await page.goto(url, { waitUntil: "load" });
  await page.evaluate(() => document.fonts.ready);
  await new Promise((settle) => setTimeout(settle, 500));
}

const browser = await launch();
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 800, height: 600 });
  await show(page);
  const window = await page.$("#Tessorin");
  await window.screenshot({ path: desktop });

  // A phone's screen: 360 CSS pixels wide at two device pixels each; the whole width is shown.
  await page.setViewport({ width: 360, height: 640, deviceScaleFactor: 2, isMobile: true, hasTouch: true });
  await show(page);
  const height = await page.$eval("#Tessorin", (w) => Math.ceil(w.getBoundingClientRect().bottom));
  await page.screenshot({ path: phone, clip: { x: 0, y: 0, width: 360, height } });
  console.log(`saved ${desktop} and ${phone}`);
} finally {
  await browser.close();
  server.close();
}
