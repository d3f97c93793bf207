// Saves the page as it looks at desktop width and on a phone 360 pixels wide.
//   node tools/web_screenshots.mjs [DESKTOP.png] [PHONE.png]   (defaults docs/web.png, docs/web-phone.png)
import { join } from "node:path";
import { launch, root, serveSite } from "./browser.mjs";

const [desktop = join(root, "docs/web.png"), phone = join(root, "docs/web-phone.png")] = process.argv.slice(2);
const { server, url } = await serveSite();
const browser = await launch();
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 800, height: 600 });
  await page.goto(url, { waitUntil: "load" });
  const window = await page.$("#Tessorin");
  await window.screenshot({ path: desktop });

  await page.setViewport({ width: 360, height: 640, isMobile: true, hasTouch: true });
  await page.goto(url, { waitUntil: "load" });
  await page.screenshot({ path: phone, clip: { x: 0, y: 0, width: 360, height: 360 } });
  console.log(`saved ${desktop} and ${phone}`);
} finally {
  await browser.close();
  server.close();
}
