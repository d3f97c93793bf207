// The window for a problem as the book gives it, elements.html, served on localhost in the engine
// BROWSER names: a problem from its address, found boxes apart and read-only, two trapezoids and
// the switch, the message, a phone's touch layout, and nothing for axe-core to find.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { after, before, test as nodeTest } from "node:test";
import { openTab, pageTest, root, serveSite, site, until } from "../../tools/browser.mjs";

const engine = process.env.BROWSER ?? "chromium";
const limit = { timeout: 90_000 }; // a page that never answers fails here, saying where
const desktop = [800, 700];
const phone = [360, 740];

let tab, served;
const test = pageTest(nodeTest, () => tab);

before(async () => {
  served = await serveSite();
  tab = await openTab(engine);
  await tab.size(...desktop);
}, limit);
after(async () => {
  try {
    assert.deepEqual(tab?.dialogs ?? [], [], "the page never uses alert()");
  } finally {
    await Promise.allSettled([tab?.close(), served?.close()]);
  }
}, limit);

const waitFor = (check, what, arg) => until(() => tab.run(check, arg), what);

// Once the page's behaviour has run and painted what the core answered to everything so far.
const settled = () => tab.run(() => import("./elements.js").then((page) => page.settled()).then(() => true));
const answered = () => tab.run(() => Number(document.getElementById("Elements").dataset.calculations ?? 0));

// Opens elements.html with `query` and waits for the behaviour; with `calculations`, for that many
// answers to Изчисли (an address that names a problem calculates it).
async function open(query = "", calculations = 0) {
  await tab.open(`${served.url}elements.html${query}`);
  const asked = () => performance.getEntriesByName(new URL("elements.js", location.href).href).length > 0;
  await waitFor(asked, "the page to ask for its behaviour");
  await settled();
  await waitFor((n) => Number(document.getElementById("Elements").dataset.calculations ?? 0) >= n, "the answer to the address's problem", calculations);
  await settled();
}

async function calculate() {
  const before = await answered();
  await tab.click("#E_Calculate");
  await waitFor((n) => Number(document.getElementById("Elements").dataset.calculations ?? 0) > n, "the answer to Изчисли", before);
  await settled();
}

// Each box as the page shows it: text, editable, shown as found, its tooltip.
const boxes = () =>
  tab.run(() =>
    Object.fromEntries(
      [...document.querySelectorAll("#Elements input.box")].map((b) => [
        b.id.slice(2),
        { text: b.value, editable: !b.readOnly && !b.disabled, found: b.classList.contains("found"), tip: b.title },
      ]),
    ),
  );

const axeSource = readFileSync(join(root, "tools", "node_modules", "axe-core", "axe.min.js"), "utf8");
const violations = () =>
  tab.run(async (source) => {
    if (!window.axe) (0, eval)(source);
    const { violations } = await window.axe.run(document, { resultTypes: ["violations"] });
    return violations.map((v) => `${v.id} (${v.impact}): ${v.nodes.map((n) => n.target.join(" ")).join(", ")}`);
  }, axeSource);

test("the address's problem opens typed and calculated: found boxes apart and read-only, «—» with its reason, the working, the drawing; the address names it; a change drops it all", limit, async () => {
  await open("?a=27&c=13&alpha=45&locale=bg-BG", 1);
  const shown = await boxes();
  assert.deepEqual(shown.a, { text: "27", editable: true, found: false, tip: "" });
  assert.deepEqual(shown.alpha, { text: "45", editable: true, found: false, tip: "" });
  assert.deepEqual([shown.b.text, shown.b.editable, shown.b.found], ["9,8994949", false, true]);
  assert.match(shown.b.tip, /7√2/);
  assert.deepEqual([shown.h.text, shown.S.text, shown.beta.text], ["7,0000000", "140,0000000", "135,0000000°"]);
  // no circle fits in this one: «—», and why, in its tooltip and under it
  assert.deepEqual([shown.r.text, shown.r.editable, shown.r.found], ["—", false, true]);
  assert.ok(shown.r.tip.length > 0, "r's tooltip says why");
  const page = await tab.run(() => ({
    working: document.getElementById("E_Solution").textContent,
    switchHidden: document.getElementById("E_Next").hidden,
    drawing: document.querySelector("#E_Picture title")?.textContent ?? "",
    search: location.search,
    labels: [...document.querySelectorAll("#E_Picture text")].map((t) => t.textContent).join(" "),
  }));
  assert.match(page.working, /^Дадено:[^]*Решение:[^]*Отговор:/);
  assert.equal(page.switchHidden, true, "one trapezoid: no switch");
  assert.match(page.labels, /27/);
  assert.equal(page.search, "?a=27&c=13&alpha=45&locale=bg-BG");
  // Ctrl+Shift+C hands the clipboard the solution as text
  const copied = await tab.run(() => {
    let text;
    Object.defineProperty(navigator, "clipboard", { value: { writeText: (t) => Promise.resolve(void (text = t)) } });
    document.getElementById("E_a").dispatchEvent(
      new KeyboardEvent("keydown", { key: "C", code: "KeyC", ctrlKey: true, shiftKey: true, bubbles: true }),
    );
    return text;
  });
  assert.equal(copied, page.working);

  // a tick changes the problem: every found box empties and opens, the working and drawing go
  await tab.click("#E_incircle");
  await settled();
  const changed = await boxes();
  assert.deepEqual(changed.b, { text: "", editable: true, found: false, tip: "" });
  assert.equal(await tab.run(() => document.getElementById("E_Solution").textContent), "");
  // the ratio's box opens with its tick; the address names what was calculated
  await tab.click("#E_incircle");
  await tab.click("#E_bases_ratio");
  await tab.type("#E_bases_ratio_value", "27:13");
  await calculate();
  assert.equal(await tab.run(() => location.search), "?a=27&c=13&alpha=45&bases_ratio=27:13&locale=bg-BG");
  assert.deepEqual(await violations(), [], "axe-core after a calculation");
});

test("the address's conditions are ticked, the ratio typed in its box, and calculated with the givens", limit, async () => {
  await open("?a=8&incircle&bases_ratio=4:1", 1);
  const shown = await boxes();
  assert.deepEqual([shown.c.text, shown.b.text, shown.bases_ratio_value.text], ["2.0000000", "5.0000000", "4:1"]);
  assert.equal(shown.bases_ratio_value.editable, true);
  const ticked = await tab.run(() => [...document.querySelectorAll('#Elements input[type="checkbox"]')].filter((t) => t.checked).map((t) => t.id));
  assert.deepEqual(ticked, ["E_incircle", "E_bases_ratio"]);
});

test("two trapezoids: «Решение 1 от 2» switches the boxes, the working and the drawing; givens that disagree are said in a message, nothing lost", limit, async () => {
  await open();
  for (const [id, text] of [["E_R", "5"], ["E_a", "8"], ["E_c", "6"]]) await tab.type(`#${id}`, text);
  await calculate();
  const state = () =>
    tab.run(() => ({
      next: document.getElementById("E_Next").hidden ? null : document.getElementById("E_Next").textContent,
      h: document.getElementById("E_h").value,
      working: document.getElementById("E_Solution").textContent,
      drawing: document.getElementById("E_Picture").innerHTML,
    }));
  const first = await state();
  assert.equal(first.next, "Решение 1 от 2");
  assert.equal((await boxes()).h.found, true);
  await tab.click("#E_Next");
  await settled();
  const second = await state();
  assert.equal(second.next, "Решение 2 от 2");
  assert.notEqual(second.h, first.h);
  assert.notEqual(second.drawing, first.drawing);
  await tab.click("#E_Next");
  await settled();
  assert.equal((await state()).h, first.h, "the first after the last");

  // givens that disagree: the message, every box as it was
  await tab.click("#E_Clear");
  await settled();
  for (const [id, text] of [["E_a", "10"], ["E_c", "4"], ["E_m", "8"]]) await tab.type(`#${id}`, text);
  await calculate();
  const said = await tab.run(() => [document.getElementById("Message").open, document.getElementById("MessageText").textContent]);
  assert.equal(said[0], true, "the message is shown");
  assert.match(said[1], /m/);
  assert.deepEqual(await violations(), [], "axe-core with the message");
  await tab.key("Escape");
  await settled();
  const kept = await boxes();
  assert.deepEqual([kept.a.text, kept.c.text, kept.m.text, kept.b.text], ["10", "4", "8", ""]);
});

test("on a phone: one column, 44 px targets, 16 px text, no sideways scrolling, the solution on the screen", limit, async () => {
  await tab.size(...phone);
  try {
    await open("?a=27&c=13&alpha=45", 1);
    const facts = await tab.run(() => {
      const size = (e) => {
        const r = e.getBoundingClientRect();
        return [Math.round(r.width), Math.round(r.height)];
      };
      const targets = [...document.querySelectorAll("#Elements input.box, #Elements .tick, #Elements button:not([hidden])")];
      const solution = document.getElementById("E_Solution").getBoundingClientRect();
      return {
        small: targets.map((e) => [e.id || e.htmlFor, ...size(e)]).filter(([, w, h]) => w < 44 || h < 44),
        fonts: [...document.querySelectorAll("#Elements input.box")].map((b) => parseFloat(getComputedStyle(b).fontSize)),
        sideways: document.documentElement.scrollWidth - document.documentElement.clientWidth,
        solution: [solution.height, document.getElementById("E_Solution").scrollHeight],
        why: getComputedStyle(document.getElementById("E_r_why")).display,
        columns: new Set(targets.map((e) => Math.round(e.getBoundingClientRect().right))).size,
      };
    });
    assert.deepEqual(facts.small, [], "targets under 44 px");
    assert.ok(facts.fonts.every((f) => f >= 16), `text ${facts.fonts}`);
    assert.equal(facts.sideways, 0, "sideways scrolling");
    assert.ok(facts.solution[0] > 100 && facts.solution[0] >= facts.solution[1] - 1, `the whole solution shows: ${facts.solution}`);
    assert.notEqual(facts.why, "none", "why r is not fixed, as text");
    assert.deepEqual(await violations(), [], "axe-core on a phone");
  } finally {
    await tab.size(...desktop);
  }
});

test("the design's page links to it, the manifest's shortcuts name it and the service worker keeps it", limit, async () => {
  const index = readFileSync(join(site, "index.html"), "utf8");
  assert.match(index, /<a id="ElementsLink" href="elements.html">/);
  const manifest = JSON.parse(readFileSync(join(site, "manifest.webmanifest"), "utf8"));
  assert.deepEqual(manifest.shortcuts.map((s) => s.url), ["elements.html"]);
  assert.match(readFileSync(join(site, "sw.js"), "utf8"), /"elements\.html"/);
});
