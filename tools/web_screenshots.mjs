// Saves the page as it looks at desktop width and on a phone held upright after a calculation
// (360×740 CSS px at two device pixels each, the whole page).
//   node tools/web_screenshots.mjs [DESKTOP.png] [PHONE.png]   (defaults docs/web.png, docs/web-phone.png)
//   node tools/web_screenshots.mjs --engines DIR   every engine at desktop, portrait and landscape
//                                                  size, into DIR/ENGINE-SIZE.png, to look at
//   node tools/web_screenshots.mjs --elements DIR  the problem window (elements.html) with bases 27
//                                                  and 13 and α 45° at desktop width and on a phone,
//                                                  and with two trapezoids, into DIR/elements-*.png
import { join } from "node:path";
import { engines, openTab, root, serveSite, until } from "./browser.mjs";

const sizes = { desktop: [800, 600], portrait: [360, 740], landscape: [740, 360] };
const { server, url } = await serveSite();

// Loads the page and lets its behaviour, fonts and scroll bars settle before the picture is taken.
async function show(tab) {
  await tab.open(url);
  await tab.run(() => import("./behaviour.js").then(() => document.fonts.ready).then(() => undefined));
  await new Promise((settle) => setTimeout(settle, 500));
}

async function readme(desktop = join(root, "docs/web.png"), phone = join(root, "docs/web-phone.png")) {
  const tab = await openTab("chromium");
  try {
    await tab.size(...sizes.desktop);
    await show(tab);
    await (await tab.page.$("#Tessorin")).screenshot({ path: desktop });
    // The phone after a calculation of the assignment's example, with its working under the buttons.
    await tab.size(...sizes.portrait, 2);
    await show(tab);
    for (const [i, value] of ["8", "5", "2"].entries()) await tab.type(`#Text2_${i}`, value);
    await tab.run(() => import("./core.js").then((core) => core.ready()));
    await tab.tap("#Command1_0");
    await tab.run(() => new Promise((settle) => setTimeout(settle, 100)));
    await tab.run(() => scrollTo(0, 0));
    await tab.page.screenshot({ path: phone, fullPage: true });
    console.log(`saved ${desktop} and ${phone}`);
  } finally {
    await tab.close();
  }
}

// Firefox takes a touch screen only at launch; WebKitGTK has none, so it shows no landscape phone.
async function everyEngine(dir) {
  for (const engine of engines) {
    for (const [name, size] of Object.entries(sizes)) {
      if (engine === "webkit" && name === "landscape") continue;
      const tab = await openTab(engine, { touch: name === "landscape" });
      try {
        await tab.size(...size);
        await show(tab);
        const path = join(dir, `${engine}-${name}.png`);
        await (tab.page ? tab.page.screenshot({ path, fullPage: true }) : tab.screenshot(path));
        console.log(`saved ${path}`);
      } finally {
        await tab.close();
      }
    }
  }
}

// The problem window with a problem its address names, once the page has answered it.
async function showProblem(tab, query) {
  await tab.open(`${url}elements.html${query}`);
  const answered = () => Number(document.getElementById("Elements")?.dataset.calculations ?? 0) > 0;
  await until(() => tab.run(answered), "the page's answer to the address's problem");
  await tab.run(() => import("./elements.js").then((page) => page.settled()).then(() => document.fonts.ready).then(() => undefined));
}

async function elements(dir) {
  const tab = await openTab("chromium");
  try {
    const save = async (name, full) => {
      const path = join(dir, `elements-${name}.png`);
      await tab.page.screenshot({ path, fullPage: full });
      console.log(`saved ${path}`);
    };
    await tab.size(760, 620);
    await showProblem(tab, "?a=27&c=13&alpha=45&locale=bg-BG");
    await save("desktop", false);
    await showProblem(tab, "?R=5&a=8&c=6&locale=bg-BG");
    await save("two", false);
    await tab.size(...sizes.portrait, 2);
    await showProblem(tab, "?a=27&c=13&alpha=45&locale=bg-BG");
    await save("phone", true);
  } finally {
    await tab.close();
  }
}

try {
  if (process.argv[2] === "--engines") await everyEngine(process.argv[3]);
  else if (process.argv[2] === "--elements") await elements(process.argv[3]);
  else await readme(...process.argv.slice(2));
} finally {
  server.close();
}
