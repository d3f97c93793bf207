// The page in Debian's Chromium, served on localhost: the same window and the same behaviour as
// the desktop one. Where each control stands, its tab index and its words come from the window's
// tables (window.json, written with the page).
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { after, before, test } from "node:test";
import { launch, root, serveSite } from "../../tools/browser.mjs";
import { loadCore } from "./core.mjs";

const design = JSON.parse(readFileSync(join(root, "build-web", "web", "page", "window.json"), "utf8"));
const example = ["8", "5", "2", "4", "20", "20"]; // a, b, c, h, P, S of the assignment
const shown = ["8.00000", "5.00000", "2.00000", "4.00000", "20.0000", "20.0000"];

let browser, served, page;
const alerts = [];

before(async () => {
  served = await serveSite();
  browser = await launch();
  page = await browser.newPage();
  page.on("dialog", (dialog) => alerts.push(dialog.message()) && dialog.dismiss());
});
after(async () => {
  assert.deepEqual(alerts, [], "the page never uses alert()");
  await browser?.close();
  served?.server.close();
});

async function open(query = "", target = page, url = served.url) {
  await target.goto(url + query, { waitUntil: "load" });
  await target.evaluate(() => import("./core.js").then((core) => core.ready()));
}

// Every quantity row: tick, tick enabled, box text, box editable.
function rows(target = page) {
  return target.$$eval('[id^="Text2_"]', (boxes) =>
    boxes.map((box, i) => {
      const tick = document.getElementById(`Check1_${i}`);
      return { ticked: tick.checked, tickEnabled: !tick.disabled, text: box.value, editable: !box.readOnly };
    }),
  );
}
const texts = async (target = page) => (await rows(target)).map((r) => r.text);

// Types the example's value into every editable box and presses Calculate.
async function calculateExample(target = page) {
  for (const [i, row] of (await rows(target)).entries()) {
    if (row.editable) await target.type(`#Text2_${i}`, example[i]);
  }
  await press(target, "#Command1_0");
}

async function press(target, selector) {
  await target.click(selector);
  await target.evaluate(() => new Promise((settle) => setTimeout(settle))); // the calculation's await
}

async function typeRow(values) {
  for (const [i, value] of values.entries()) if (value !== undefined) await page.type(`#Text2_${i}`, value);
}

test("after load: a,b,c selected, its rows ticked and open, the rest read-only, all empty", async () => {
  await open();
  assert.equal(await page.$eval("#List1_0", (list) => list.selectedIndex), 0);
  assert.deepEqual(
    (await rows()).map((r) => [r.ticked, r.editable, r.tickEnabled, r.text]),
    [true, true, true, false, false, false].map((given) => [given, given, false, ""]),
  );
  assert.equal(await page.evaluate(() => document.activeElement.id), "Text1_0");
  assert.deepEqual(await page.$$eval("[maxlength]", (boxes) => boxes.map((b) => b.maxLength)), Array(6).fill(7));
  assert.equal(await page.$eval("#Text1_1", (aphorism) => getComputedStyle(aphorism).visibility), "hidden");
});

test("each combination, chosen by keyboard, solves the assignment's example", async () => {
  await open();
  const count = await page.$eval("#List1_0", (list) => list.options.length);
  for (let index = 0; index < count; ++index) {
    if (index > 0) {
      await page.focus("#List1_0");
      await page.keyboard.press("ArrowDown");
    }
    const state = await rows();
    assert.equal(state.filter((r) => r.ticked).length, 3, `combination ${index}`);
    assert.ok(state.every((r) => r.ticked === r.editable && r.text === ""), `combination ${index}`);
    await calculateExample();
    assert.deepEqual(await texts(), shown, `combination ${index}`);
  }
});

test("a click in the list applies that combination", async () => {
  await open();
  await calculateExample();
  await page.click('#List1_0 option[value="3"]');
  assert.deepEqual(
    (await rows()).map((r) => [r.ticked, r.text]),
    [false, true, true, true, false, false].map((given) => [given, ""]),
  );
});

test("invalid input changes nothing; Clear empties the six boxes only", async () => {
  await open();
  await press(page, "#Command1_0");
  assert.deepEqual(await texts(), Array(6).fill(""));
  await typeRow(["8", "0", "2"]);
  await press(page, "#Command1_0");
  assert.deepEqual(await texts(), ["8", "0", "2", "", "", ""]);

  await page.$eval("#Text2_1", (box) => (box.value = ""));
  await typeRow([undefined, "5"]);
  await press(page, "#Command1_0");
  const before = await rows();
  await press(page, "#Command1_1");
  assert.deepEqual(await rows(), before.map((r) => ({ ...r, text: "" })));
  assert.equal(await page.$eval("#List1_0", (list) => list.selectedIndex), 0);
});

test("a shape that cannot exist opens the message; Enter or Escape closes it, no box changes", async () => {
  await open();
  const given = ["8", "2", "2"];
  const core = await loadCore();
  const typed = given.concat("", "", "").map((text, i) => ({ ticked: i < 3, text }));
  const expected = core.calculate(0, typed, core.defaultSettings());
  await typeRow(given);
  for (const key of ["Enter", "Escape"]) {
    await press(page, "#Command1_0");
    const message = await page.$eval("#Message", (d) => [d.open, d.querySelector("h2").textContent, d.querySelector("p").textContent]);
    assert.deepEqual(message, [true, expected.title, expected.text]);
    assert.match(message[2], /\n\nh = √\(b² − x²\) = √\(2² − 3²\)\n√\(−5\) не съществува/);
    assert.deepEqual(await texts(), given.concat("", "", ""));
    await page.keyboard.press(key);
    assert.equal(await page.$eval("#Message", (d) => d.open), false, key);
    assert.equal(await page.evaluate(() => document.activeElement.id), "Command1_0", key);
  }
});

test("Tab visits the controls that take the focus, in the order of their tab indexes", async () => {
  await open();
  const order = [...design.controls].sort((x, y) => x.tabIndex - y.tabIndex).map((c) => c.id);
  const expected = await page.evaluate(
    (ids) =>
      ids.filter((id) => {
        const e = document.getElementById(id);
        return !/^(Label1|Frame1)/.test(id) && !e.disabled && !e.hidden;
      }),
    order,
  );
  const visited = [await page.evaluate(() => document.activeElement.id)];
  for (let i = 1; i < expected.length; ++i) {
    await page.keyboard.press("Tab");
    visited.push(await page.evaluate(() => document.activeElement.id));
  }
  assert.deepEqual(visited, expected);
});

test("under ?locale=bg-BG numbers are shown and read with a decimal comma", async () => {
  await open("?locale=bg-BG");
  await typeRow(["10,5", "5", "2,5"]);
  const expected = ["10,5000", "5,00000", "2,50000", "3,00000", "23,0000", "19,5000"];
  await press(page, "#Command1_0");
  assert.deepEqual(await texts(), expected);
  await press(page, "#Command1_0");
  assert.deepEqual(await texts(), expected);
});

test("each control stands at its place in the window; a phone's width scales the window down", async () => {
  await page.setViewport({ width: 800, height: 600 });
  await open();
  const places = await page.evaluate((controls) => {
    const origin = document.getElementById("Tessorin").getBoundingClientRect();
    return controls.map((c) => {
      const r = document.querySelector(c.box).getBoundingClientRect();
      return { id: c.id, left: r.left - origin.left, top: r.top - origin.top, width: r.width, height: r.height };
    });
  }, design.controls);
  assert.deepEqual(
    places,
    design.controls.map(({ id, left, top, width, height }) => ({ id, left, top, width, height })),
  );

  await page.setViewport({ width: 360, height: 640, isMobile: true, hasTouch: true });
  await open();
  const fit = await page.evaluate(() => [
    document.getElementById("Tessorin").getBoundingClientRect().width,
    document.documentElement.scrollWidth,
  ]);
  assert.ok(Math.abs(fit[0] - 360) < 1 && fit[1] <= 360, `window ${fit[0]} wide, page ${fit[1]}`);
  await page.setViewport({ width: 800, height: 600 });
});

test("Chromium's accessibility tree names and describes every shown control", async () => {
  await open();
  for (const c of design.controls.filter((c) => !c.id.startsWith("Text1_1"))) {
    const node = await page.accessibility.snapshot({ root: await page.$(`#${c.id}`), interestingOnly: false });
    assert.deepEqual([node?.name, node?.description], [c.name, c.description], c.id);
  }
});

test("after one visit the page opens and calculates with the network off", async () => {
  const offline = await serveSite();
  const context = await browser.createBrowserContext();
  const tab = await context.newPage();
  await open("", tab, offline.url);
  await tab.evaluate(() => navigator.serviceWorker.ready);
  await tab.waitForFunction(() => navigator.serviceWorker.controller !== null);
  offline.server.close();
  offline.server.closeAllConnections();
  await tab.setOfflineMode(true);
  await open("?locale=bg-BG", tab, offline.url);
  await calculateExample(tab);
  assert.deepEqual(await texts(tab), shown.map((t) => t.replace(".", ",")));
  await context.close();
});

// Each value box's tooltip and accessible description.
const working = () =>
  page.$$eval('[id^="Text2_"]', (boxes) => boxes.map((b) => [b.getAttribute("title"), b.getAttribute("aria-description")]));
const tip = () => page.$eval("#Working", (t) => (t.hidden ? null : t.textContent)).catch(() => null);

test("after a calculation each box explains its measure, shown by F1 or a long press; any change drops it", async () => {
  await open();
  const own = await working();
  const h =
    "x = (a − c) / 2 = (8 − 2) / 2 = 3 (x = AH, проекцията на бедрото върху голямата основа)\n" +
    "h = √(b² − x²) = √(5² − 3²) = √16 = 4";
  const changes = {
    typing: () => page.focus("#Text2_0").then(() => page.keyboard.press("Backspace")),
    Clear: () => press(page, "#Command1_1"),
    "another combination": () => page.click('#List1_0 option[value="3"]'),
  };
  for (const [change, make] of Object.entries(changes)) {
    await press(page, "#Command1_1");
    await calculateExample();
    const shown = await working();
    assert.deepEqual(shown[3], [h, `${own[3][1]}\n${h}`], change);
    assert.deepEqual(shown[0], ["a = 8 — дадено", `${own[0][1]}\na = 8 — дадено`], change);

    await page.focus("#Text2_3");
    await page.keyboard.press("F1");
    assert.equal(await tip(), h, `F1 ${change}`);
    await page.keyboard.press("Escape");
    assert.equal(await tip(), null, `Escape ${change}`);
    const { x, y } = await page.$eval("#Text2_3", (box) => box.getBoundingClientRect().toJSON());
    const touch = await page.touchscreen.touchStart(x + 5, y + 5);
    await new Promise((settle) => setTimeout(settle, 700));
    await touch.end();
    assert.equal(await tip(), h, `long press ${change}`);

    await make();
    assert.deepEqual(await working(), own, change);
  }
});
