// The page served on localhost, in the engine BROWSER names (chromium, firefox or webkit): the
// same window and the same behaviour as the desktop one, and the same answers in every engine.
// Where each control stands, its tab index and its words come from the window's tables
// (window.json, written with the page).
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { after, before, test as nodeTest } from "node:test";
import { openTab, pageTest, root, serveSite, site, until } from "../../tools/browser.mjs";
import { loadCore } from "./core.mjs";

const engine = process.env.BROWSER ?? "chromium";
const design = JSON.parse(readFileSync(join(site, "..", "web", "page", "window.json"), "utf8"));
// The window as its design draws it, written down by hand: places and tab order are held to it.
const designed = JSON.parse(readFileSync(join(root, "tests", "design", "window.json"), "utf8"));
const example = ["8", "5", "2", "4", "20", "20"]; // a, b, c, h, P, S of the assignment
const shown = ["8.00000", "5.00000", "2.00000", "4.00000", "20.0000", "20.0000"];
const desktop = [800, 600];

// No test or hook waits longer than this: a page that never answers fails here, saying where.
const limit = { timeout: 90_000 };

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

// Something the page is to show, waited for in the tab; `what` says what when it never comes.
const waitFor = (check, what, arg) => until(() => tab.run(check, arg), what);

// The page's behaviour starts after its first paint: once the page has asked for it, waits until it
// has run (an import of the same module settles then) and has painted the window's state.
async function live() {
  const asked = () => performance.getEntriesByName(new URL("behaviour.js", location.href).href).length > 0;
  await waitFor(asked, "the page to ask for its behaviour");
  await tab.run(() => import("./behaviour.js").then((behaviour) => behaviour.settled()).then(() => true));
}

async function open(query = "", url = served.url) {
  await tab.open(url + query);
  await live();
  await tab.run(() => import("./core.js").then((core) => core.ready()).then(() => true));
}

// How many presses of Изчисли the page has answered: a calculation awaits the core, and a test
// reads the boxes once the answer is in.
const answered = () => tab.run(() => Number(document.getElementById("Tessorin").dataset.calculations ?? 0));
async function calculate(pressIt = () => tab.click("#Command1_0")) {
  const before = await answered();
  await pressIt();
  await waitFor((n) => Number(document.getElementById("Tessorin").dataset.calculations ?? 0) > n, "the answer to Изчисли", before);
}

// Two frames drawn: what the last event changed is on the screen.
const drawn = () => tab.run(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(() => done(true)))));

// Every quantity row as the window shows it now: tick, tick enabled, box text, box editable.
const shownRows = () =>
  tab.run(() =>
    [...document.querySelectorAll('[id^="Text2_"]')].map((box, i) => {
      const tick = document.getElementById(`Check1_${i}`);
      return { ticked: tick.checked, tickEnabled: !tick.disabled, text: box.value, editable: !box.readOnly };
    }),
  );
// Once the page has answered every event so far (when its behaviour has arrived: the core works
// in a worker and answers in its own time), the page's idea of the window.
const answeredAll = () =>
  tab.run(() => {
    const arrived = performance.getEntriesByName(new URL("behaviour.js", location.href).href).length > 0;
    return arrived ? import("./behaviour.js").then((behaviour) => behaviour.settled()).then(() => true) : true;
  });
// `check` run in the page once it has answered.
const read = (check) => answeredAll().then(() => tab.run(check));
// Every quantity row once the page has answered.
const rows = async () => {
  await answeredAll();
  return shownRows();
};
const texts = async () => (await rows()).map((r) => r.text);
const focused = () => tab.run(() => document.activeElement.id);

// A press of either button, answered.
const press = (selector) => (selector === "#Command1_0" ? calculate() : tab.click(selector));

async function typeRow(values) {
  for (const [i, value] of values.entries()) if (value !== undefined) await tab.type(`#Text2_${i}`, value);
}

// Types the example's value into every editable box and presses Calculate.
async function calculateExample() {
  await typeRow((await rows()).map((row, i) => (row.editable ? example[i] : undefined)));
  await press("#Command1_0");
}

test("after load: a,b,c selected, its rows ticked and open, the rest read-only, all empty", limit, async () => {
  await open();
  assert.equal(await tab.run(() => document.getElementById("List1_0").selectedIndex), 0);
  assert.deepEqual(
    (await rows()).map((r) => [r.ticked, r.editable, r.tickEnabled, r.text]),
    [true, true, true, false, false, false].map((given) => [given, given, false, ""]),
  );
  assert.equal(await focused(), "Text1_0");
  assert.deepEqual(await tab.run(() => [...document.querySelectorAll("[maxlength]")].map((b) => b.maxLength)), Array(6).fill(7));
  assert.equal(await tab.run(() => getComputedStyle(document.getElementById("Text1_1")).visibility), "hidden");
});

test("the window paints before the page asks for a script, with the drawing in it; the core runs in a worker", limit, async () => {
  await open();
  const [painted, asked] = await tab.run(() => [
    performance.getEntriesByType("paint").map((p) => p.startTime),
    performance
      .getEntriesByType("resource")
      .map((r) => ({ name: r.name.replace(/.*\//, ""), start: r.startTime }))
      .filter((r) => r.name.startsWith("trapezoid.") || r.name.endsWith(".js")),
  ]);
  assert.deepEqual(asked.filter((r) => !/\.(js|wasm)$/.test(r.name)), [], "the drawing is no file of its own");
  assert.ok(asked.some((r) => r.name === "behaviour.js"));
  // The core is fetched, compiled and run by its worker, never by the page's own thread.
  assert.deepEqual(asked.filter((r) => r.name.startsWith("trapezoid.")), [], "the core in the page's own thread");
  // WebKitGTK reports no paint: its behaviour starts at once.
  for (const r of painted.length ? asked : []) assert.ok(r.start >= Math.min(...painted), `${r.name} before the first paint`);
  assert.equal(await tab.run(() => getComputedStyle(document.querySelector("#Picture1 text")).fontStyle), "italic");
});

test("what is typed before the behaviour arrives stays, focus included; a reload starts afresh, or with the address's problem", limit, async () => {
  let arrive;
  const late = new Promise((resolve) => (arrive = resolve));
  const slow = await serveSite(undefined, { hold: (path) => path === "/behaviour.js" && late });
  const afterLoad = [true, true, true, false, false, false].map((given) => [given, given, ""]);
  const state = async () => [
    await tab.run(() => document.getElementById("List1_0").selectedIndex),
    (await rows()).map((r) => [r.ticked, r.editable, r.text]),
  ];
  try {
    await tab.open(slow.url);
    await typeRow(["8", "5"]);
    arrive();
    await live();
    await tab.key("0"); // the focus stayed in b: its arrival took no key
    assert.deepEqual((await texts()).slice(0, 2), ["8", "50"]);

    await tab.click('#List1_0 option[value="3"]');
    await typeRow([undefined, "5", "2", "4"]);
    await tab.reload();
    await live();
    assert.deepEqual(await state(), [0, afterLoad]);

    await typeRow(["8", "5", "2"]);
    await press("#Command1_0");
    assert.deepEqual(await texts(), shown);
    await tab.reload(); // the address now names the problem solved: a,b,c with 8, 5 and 2
    await live();
    assert.deepEqual(await state(), [0, ["8", "5", "2", "", "", ""].map((text) => [text !== "", text !== "", text])]);
  } finally {
    arrive();
    await slow.close();
  }
});

test("before the core arrives, a choice in the list and Изчисти answer at once", limit, async () => {
  let arrive;
  const late = new Promise((resolve) => (arrive = resolve));
  const slow = await serveSite(undefined, { hold: (path) => path.startsWith("/trapezoid.") && late });
  try {
    await tab.open(slow.url);
    await waitFor(() => performance.getEntriesByName(new URL("behaviour.js", location.href).href).length > 0, "the behaviour");
    await tab.run(() => import("./behaviour.js").then(() => true));
    await tab.click('#List1_0 option[value="3"]'); // b,c,h
    const fresh = [false, true, true, true, false, false].map((given) => [given, given, ""]);
    assert.deepEqual((await shownRows()).map((r) => [r.ticked, r.editable, r.text]), fresh);
    await typeRow([undefined, "5", "2"]);
    await tab.click("#Command1_1");
    assert.deepEqual((await shownRows()).map((r) => [r.ticked, r.editable, r.text]), fresh);
    arrive();
    await live(); // the core's own answer is the same
    assert.deepEqual((await rows()).map((r) => [r.ticked, r.editable, r.text]), fresh);
  } finally {
    arrive();
    await slow.close();
  }
});

// The page asks for its behaviour at its first paint, or a second after its script ran where the
// engine never says that it painted.
test("an engine that reports no paint still gets the behaviour, a second later", { ...limit, skip: engine === "webkit" && "WebKitGTK reports no paint and starts at once" }, async () => {
  const { identifier } = await tab.page.evaluateOnNewDocument(() => {
    PerformanceObserver.prototype.observe = function () {};
  });
  try {
    await open();
    const asked = await tab.run(() => performance.getEntriesByName(new URL("behaviour.js", location.href).href)[0].startTime);
    assert.ok(asked >= 900 && asked < 5000, `the behaviour asked for at ${asked} ms`);
    await calculateExample();
    assert.deepEqual(await texts(), shown);
  } finally {
    await tab.page.removeScriptToEvaluateOnNewDocument(identifier);
  }
});

test("each combination, chosen by keyboard, solves the assignment's example", limit, async () => {
  await open();
  const count = await tab.run(() => document.getElementById("List1_0").options.length);
  for (let index = 0; index < count; ++index) {
    if (index > 0) {
      await tab.focus("#List1_0");
      await tab.key("ArrowDown");
    }
    const state = await rows();
    assert.equal(state.filter((r) => r.ticked).length, 3, `combination ${index}`);
    assert.ok(state.every((r) => r.ticked === r.editable && r.text === ""), `combination ${index}`);
    await calculateExample();
    assert.deepEqual(await texts(), shown, `combination ${index}`);
  }
});

test("a click in the list applies that combination", limit, async () => {
  await open();
  await calculateExample();
  await tab.click('#List1_0 option[value="3"]');
  assert.deepEqual(
    (await rows()).map((r) => [r.ticked, r.text]),
    [false, true, true, true, false, false].map((given) => [given, ""]),
  );
});

test("invalid input changes nothing; Clear empties the six boxes only", limit, async () => {
  await open();
  await press("#Command1_0");
  assert.deepEqual(await texts(), Array(6).fill(""));
  await typeRow(["8", "0", "2"]);
  await press("#Command1_0");
  assert.deepEqual(await texts(), ["8", "0", "2", "", "", ""]);

  await tab.run(() => (document.getElementById("Text2_1").value = ""));
  await typeRow([undefined, "5"]);
  await press("#Command1_0");
  const before = await rows();
  await press("#Command1_1");
  assert.deepEqual(await rows(), before.map((r) => ({ ...r, text: "" })));
  assert.equal(await tab.run(() => document.getElementById("List1_0").selectedIndex), 0);
});

const message = () =>
  read(() => {
    const dialog = document.getElementById("Message");
    return [dialog.open, dialog.querySelector("h2").textContent, dialog.querySelector("p").textContent];
  });

test("a shape that cannot exist opens the message; Enter, Escape or its button closes it for good, no box changes", limit, async () => {
  await open();
  const given = ["8", "2", "2"];
  const core = await loadCore();
  const typed = given.reduce((state, text, i) => core.Text2_Change(state, i, text), core.Form_Load());
  const expected = core.Command1_Click(typed, 0, core.defaultSettings()).message;
  for (const close of ["Enter", "Escape", "button"]) {
    await typeRow(given);
    await press("#Command1_0");
    const [open, title, text] = await message();
    assert.deepEqual([open, title, text], [true, expected.title, expected.text]);
    assert.match(text, /\n\nh = √\(b² − x²\) = √\(2² − 3²\)\n√\(−5\) не съществува/);
    assert.equal(await focused(), "", "the message's button has the focus");
    assert.deepEqual(await texts(), given.concat("", "", ""));
    if (close === "button") await tab.click("#Message button");
    else await tab.key(close);
    assert.equal((await message())[0], false, close);
    if (close !== "button") assert.equal(await focused(), "Command1_0", `${close}: the focus is back on Изчисли`);
    // Whatever comes next, once the page has answered it, leaves the message closed.
    await tab.type("#Text2_0", "1");
    await tab.click('#List1_0 option[value="3"]');
    assert.equal((await message())[0], false, `${close}, then typing and another combination`);
    await tab.click('#List1_0 option[value="0"]');
    assert.deepEqual(await texts(), ["", "", "", "", "", ""]);
  }
});

test("a core that cannot be fetched is told at Изчисли and fetched again at the next press", limit, async () => {
  for (const file of ["/trapezoid.wasm", "/trapezoid.js"]) {
    let down = true;
    const flaky = await serveSite(undefined, { refuse: (path) => down && path === file });
    try {
      // Typed while the behaviour may still be arriving: no key is lost to it.
      await tab.open(flaky.url);
      await typeRow(["8", "5", "2"]);
      await live();
      await press("#Command1_0");
      const [open, title, text] = await message();
      assert.ok(open && /[а-я]/.test(title) && /Изчисли/.test(text), `${file}: ${title} ${text}`);
      assert.deepEqual(await texts(), ["8", "5", "2", "", "", ""], file);
      await tab.key("Enter");
      down = false;
      await press("#Command1_0");
      assert.deepEqual(await texts(), shown, file);
    } finally {
      await flaky.close();
    }
  }
});

test("Tab visits the controls that take the focus, in the design's order", limit, async () => {
  await open();
  const expected = designed.focus;
  const visited = [await focused()];
  for (let i = 1; i < expected.length; ++i) {
    await tab.key("Tab");
    visited.push(await focused());
  }
  assert.deepEqual(visited, expected);
});

test("every control that takes the focus shows it, read-only boxes included", limit, async () => {
  await open();
  const rings = [];
  for (let i = 0; i < 11; ++i) {
    rings.push(
      await tab.run(() => {
        const style = getComputedStyle(document.activeElement);
        return `${document.activeElement.id} ${style.outlineStyle} ${parseFloat(style.outlineWidth) >= 2}`;
      }),
    );
    if (i < 10) await tab.key("Tab");
  }
  assert.deepEqual(rings.filter((ring) => !/ solid true$/.test(ring)), []);
  assert.ok(rings.some((ring) => ring.startsWith("Text2_5")), rings.join(", "));
});

test("?locale=bg-BG reads and shows a decimal comma; a name that is no language tag is passed over", limit, async () => {
  await open("?locale=bg-BG");
  await typeRow(["10,5", "5", "2,5"]);
  const expected = ["10,5000", "5,00000", "2,50000", "3,00000", "23,0000", "19,5000"];
  await press("#Command1_0");
  assert.deepEqual(await texts(), expected);
  await press("#Command1_0");
  assert.deepEqual(await texts(), expected);

  // The browsers here speak en-US, and WebKit's "C" leaves the default settings: a decimal point.
  await open("?locale=bg_BG");
  await calculateExample();
  assert.deepEqual(await texts(), shown);
});

test("each control stands at its place in the window", limit, async () => {
  await open();
  const places = await tab.run((controls) => {
    const origin = document.getElementById("Tessorin").getBoundingClientRect();
    return controls.map((c) => {
      const r = document.querySelector(c.box).getBoundingClientRect();
      return { id: c.id, left: r.left - origin.left, top: r.top - origin.top, width: r.width, height: r.height };
    });
  }, design.controls);
  const frame = designed.controls.find((c) => c.id === "Frame1").rect;
  const expected = designed.controls.map(({ id, in: container, rect: [left, top, width, height] }) =>
    container ? { id, left: left + frame[0], top: top + frame[1], width, height } : { id, left, top, width, height },
  );
  const order = (list) => [...list].sort((x, y) => x.id.localeCompare(y.id));
  assert.deepEqual(order(places), order(expected));
});

test("Chromium's accessibility tree names and describes every shown control", { ...limit, skip: engine !== "chromium" }, async () => {
  await open();
  for (const c of design.controls.filter((c) => !c.id.startsWith("Text1_1"))) {
    const node = await tab.page.accessibility.snapshot({ root: await tab.page.$(`#${c.id}`), interestingOnly: false });
    assert.deepEqual([node?.name, node?.description], [c.name, c.description], c.id);
  }
});

test("after one visit the page opens and calculates with the server gone", limit, async () => {
  const offline = await serveSite();
  try {
    await open("", offline.url);
    await tab.run(() => navigator.serviceWorker.ready.then(() => true));
    await waitFor(() => navigator.serviceWorker.controller !== null, "the service worker to take the page");
  } finally {
    await offline.close();
  }
  await open("?locale=bg-BG", offline.url);
  await calculateExample();
  assert.deepEqual(await texts(), shown.map((t) => t.replace(".", ",")));
});

// Each value box's tooltip and accessible description, and the tooltip shown.
// Each box's working and description, then the picture's tooltip (its SVG title) and description.
const working = () =>
  read(() => [
    ...[...document.querySelectorAll('[id^="Text2_"]')].map((b) => [b.getAttribute("title"), b.getAttribute("aria-description")]),
    [document.querySelector("#Picture1 > title")?.textContent, document.getElementById("Picture1").getAttribute("aria-description")],
  ]);
const tip = () =>
  tab.run(() => {
    const tip = document.getElementById("Working");
    return tip && !tip.hidden ? tip.textContent : null;
  });

// The tooltip stands right under its box, left edges aligned.
async function tipUnder(id) {
  const [box, under] = await tab.run(
    (id) => [id, "Working"].map((e) => document.getElementById(e).getBoundingClientRect().toJSON()),
    id,
  );
  assert.ok(Math.abs(under.left - box.left) < 1 && Math.abs(under.top - box.bottom) < 1, `tooltip ${JSON.stringify([under, box])}`);
}

test("after a calculation each box and the picture explain their measures, a box's shown by F1; any change drops it", limit, async () => {
  await open();
  const own = await working();
  const h =
    "x = (a − c) / 2 = (8 − 2) / 2 = 3 (x = AH, проекцията на бедрото върху голямата основа)\n" +
    "h = √(b² − x²) = √(5² − 3²) = √16 = 4";
  const changes = {
    typing: () => tab.focus("#Text2_0").then(() => tab.key("Backspace")),
    Clear: () => press("#Command1_1"),
    "another combination": () => tab.click('#List1_0 option[value="3"]'),
  };
  for (const [change, make] of Object.entries(changes)) {
    await press("#Command1_1");
    await calculateExample();
    const shown = await working();
    assert.deepEqual(shown[3], [h, `${own[3][1]}\n${h}`], change);
    assert.deepEqual(shown[0], ["a = 8 — дадено", `${own[0][1]}\na = 8 — дадено`], change);
    // The picture says what it shows, then explains the measures it shows beyond the six, exact
    // forms included.
    const [tooltip, said] = shown[6];
    assert.equal(tooltip, said);
    assert.match(said, /\nОще елементи на трапеца:\nm = \(a \+ c\) \/ 2 = \(8 \+ 2\) \/ 2 = 5\nd = √\(h² \+ m²\) = √\(4² \+ 5²\) = √41 ≈ 6/);

    await tab.focus("#Text2_3");
    await tab.key("F1");
    assert.equal(await tip(), h, `F1 ${change}`);
    await tipUnder("Text2_3");
    await tab.key("Escape");
    assert.equal(await tip(), null, `Escape ${change}`);

    await make();
    assert.deepEqual(await working(), own, change);
  }
});

test("a long press on a box shows its working, which stays when the finger lifts", { ...limit, skip: engine !== "chromium" }, async () => {
  await tab.size(360, 740);
  await open();
  await calculateExample();
  await tab.focus("#Text2_0");
  const { x, y } = await tab.run(() => {
    const box = document.getElementById("Text2_3");
    box.scrollIntoView();
    return box.getBoundingClientRect().toJSON();
  });
  const touch = await tab.page.touchscreen.touchStart(x + 5, y + 5);
  try {
    await until(tip, "the working under a long press");
  } finally {
    await touch.end();
  }
  await drawn();
  assert.match((await tip()) ?? "", /^x = /);
  await tipUnder("Text2_3");
  await tab.size(...desktop);
});

// A phone in each orientation that the engine can be: WebKitGTK has no touch screen, so a phone
// held sideways (wider than 480 px) is the desktop window there; Firefox takes a touch screen
// only at launch, in a browser of its own.
const phones = { portrait: [360, 740], landscape: [740, 360] };

async function onPhone(orientation, check) {
  if (orientation === "landscape" && engine === "webkit") return;
  const own = orientation === "landscape" && engine === "firefox";
  const saved = tab;
  if (own) tab = await openTab(engine, { touch: true });
  try {
    await tab.size(...phones[orientation]);
    await check();
  } finally {
    if (own) await tab.close();
    tab = saved;
    await tab.size(...desktop);
  }
}

// What a finger meets: each target's size, the text size in the boxes, the page's width.
const phoneFacts = () =>
  tab.run(() => {
    const size = (e) => {
      const r = e.getBoundingClientRect();
      return [Math.round(r.width), Math.round(r.height)];
    };
    const targets = Object.fromEntries(
      [...document.querySelectorAll('[id^="Text2_"], [id^="Command1_"], #List1_0')].map((e) => [e.id, size(e)]),
    );
    // An engine that draws the list itself gives its rows no boxes of their own.
    const rows = [...document.querySelectorAll("#List1_0 option")].map((o) => size(o)[1]).filter((h) => h > 0);
    const fonts = [...document.querySelectorAll('[id^="Text2_"], #Text1_0')].map((b) => parseFloat(getComputedStyle(b).fontSize));
    const viewport = document.querySelector('meta[name="viewport"]').content;
    return { targets, rows, fonts, viewport, sideways: document.documentElement.scrollWidth - document.documentElement.clientWidth };
  });

for (const orientation of Object.keys(phones)) {
  const sideways = orientation === "landscape" && engine === "webkit" && "WebKitGTK has no touch screen";
  test(`a phone held ${orientation}: 44 px targets, 16 px text, no sideways scrolling, a calculation by touch`, { ...limit, skip: sideways }, async () => {
    await onPhone(orientation, async () => {
      await open();
      const facts = await phoneFacts();
      for (const [id, [width, height]] of Object.entries(facts.targets)) {
        assert.ok(width >= 44 && height >= 44, `${id} is ${width}×${height}`);
      }
      // WebKitGTK draws the list's rows itself at the height of its font, whatever their CSS; on
      // an iPhone, WebKit shows its own picker for any <select>.
      if (engine !== "webkit") assert.ok(facts.rows.every((h) => h >= 44), `list rows ${facts.rows}`);
      assert.ok(facts.fonts.every((f) => f >= 16), `text ${facts.fonts}`);
      assert.equal(facts.sideways, 0, "sideways scrolling");
      assert.doesNotMatch(facts.viewport, /user-scalable|maximum-scale/, "pinch-zoom");

      // S,a,h by touch: the working stands under the results as text until anything changes.
      await tab.tap('#List1_0 option[value="9"]');
      for (const i of [0, 3, 5]) {
        await tab.tap(`#Text2_${i}`);
        await tab.type(`#Text2_${i}`, example[i]);
      }
      await calculate(() => tab.tap("#Command1_0"));
      assert.deepEqual(await texts(), shown);
      const steps = () => read(() => {
        const steps = document.getElementById("Steps");
        const shown = steps.getBoundingClientRect().height > 0;
        return shown ? steps.textContent.split("\n") : [];
      });
      // the solution as in a notebook: the given, every step once (c, then x and b, then P), the
      // measures that follow (r too, as a + c = 2·b), the answer with all twelve
      const lines = await steps();
      const [given, solution, more, answer] = ["Дадено:", "Решение:", "Още елементи на трапеца:", "Отговор:"].map((title) => lines.indexOf(title));
      assert.deepEqual([given, lines.slice(given + 1, solution).length, lines.length - answer - 1], [0, 3, 12], lines.join(" | "));
      const stepLines = lines.slice(solution + 1, answer).map((line) => line.slice(0, 4));
      assert.deepEqual(stepLines, ["c = ", "x = ", "b = ", "P = ", "Още ", "m = ", "d = ", "tg α", "β = ", "R = ", "r = "], lines.join(" | "));
      assert.equal(more, solution + 5);
      await tab.tap("#Command1_1");
      assert.deepEqual(await steps(), []);
      assert.deepEqual(await texts(), Array(6).fill(""));

      // The message's button is a target too.
      await tab.tap('#List1_0 option[value="0"]');
      await typeRow(["8", "2", "2"]);
      await calculate(() => tab.tap("#Command1_0"));
      const button = await tab.run(() => {
        const r = document.querySelector("#Message button").getBoundingClientRect();
        return document.getElementById("Message").open ? [r.width, r.height] : null;
      });
      assert.ok(button && button[0] >= 44 && button[1] >= 44, `message button ${button}`);
      await tab.key("Enter");
    });
  });
}

test("an address names a problem: it opens chosen and typed in, and names the one solved; a hostile one does nothing", limit, async () => {
  await open("?locale=bg-BG&given=P,b,h&P=20&b=5&h=4,5");
  assert.equal(await tab.run(() => document.getElementById("List1_0").selectedIndex), 7);
  assert.deepEqual(await texts(), ["", "5", "", "4,5", "20", ""]);
  await press("#Command1_0");
  assert.equal((await texts())[0], "7,17944");
  assert.equal(await tab.run(() => location.search), "?given=P,b,h&b=5&h=4,5&P=20&locale=bg-BG");

  await open("?given=%3Cimg%20src=x%20onerror=document.title=1%3E&a=1e99999&b=%3Cb%3E5");
  assert.equal(await tab.run(() => document.getElementById("List1_0").selectedIndex), 0);
  assert.deepEqual(await texts(), Array(6).fill(""));
  assert.deepEqual(await tab.run(() => [document.images.length, document.title.length > 1]), [0, true]); // no <img> came in
  await open("?given=a,b,c&a=1e99999&b=%3Cb%3E5&c=2");
  assert.deepEqual(await texts(), ["", "", "2", "", "", ""]);
});

test("paper shows the window's values and the solution on white", { ...limit, skip: engine !== "chromium" && "only Chromium's tab emulates paper here" }, async () => {
  await open();
  await calculateExample();
  await tab.page.emulateMediaType("print");
  try {
    const printed = await tab.run(() => {
      const shown = (id) => getComputedStyle(document.getElementById(id)).display !== "none";
      return {
        background: getComputedStyle(document.documentElement).backgroundColor,
        shown: ["Text2_0", "Text2_5", "Picture1", "Steps", "List1_0", "Command1_0", "Text1_0"].filter(shown),
        solution: document.getElementById("Steps").innerText.split("\n")[0],
      };
    });
    assert.deepEqual(printed, { background: "rgb(255, 255, 255)", shown: ["Text2_0", "Text2_5", "Picture1", "Steps"], solution: "Дадено:" });
  } finally {
    await tab.page.emulateMediaType(null);
  }
});

// Picture1's SVG as the page shows it: its lines' ends, its first texts and its description.
const picture = () =>
  read(() => {
    const svg = document.getElementById("Picture1");
    return {
      lines: [...svg.querySelectorAll("line")].map((l) => ["x1", "y1", "x2", "y2"].map((a) => Number(l.getAttribute(a)))),
      texts: [...svg.querySelectorAll("text")].map((t) => t.textContent.replace(/\u00a0/g, " ")),
      description: svg.getAttribute("aria-description"),
    };
  });
// AB of the default drawing, from A (15, 156) to B (170, 156).
const defaultBase = [15, 156, 170, 156];

test("after Изчисли the drawing shows the trapezoid computed, to scale; any change brings back the default drawing", limit, async () => {
  await open();
  assert.deepEqual((await picture()).lines[0], defaultBase);
  const changes = {
    typing: () => tab.focus("#Text2_0").then(() => tab.key("Backspace")),
    Clear: () => tab.click("#Command1_1"),
    "another combination": () => tab.click('#List1_0 option[value="3"]'),
  };
  for (const [change, make] of Object.entries(changes)) {
    await tab.click('#List1_0 option[value="0"]');
    await press("#Command1_1");
    await calculateExample(); // a = 8, c = 2, h = 4
    const [ab, dc, ad] = (await picture()).lines;
    assert.notDeepEqual(ab, defaultBase, change);
    assert.ok(ab[1] === ab[3] && dc[1] === dc[3] && ab[1] > dc[1], `both bases level, AB below: ${ab} ${dc}`);
    const width = ab[2] - ab[0];
    assert.ok(Math.abs((dc[2] - dc[0]) / width - 2 / 8) <= 2 / width, `c : a = 2 : 8 (${dc}, ${ab})`);
    assert.ok(Math.abs((ad[1] - ad[3]) / width - 4 / 8) <= 2 / width, `h : a = 4 : 8 (${ad}, ${ab})`);
    assert.match((await picture()).description, /a = 8.*c = 2.*h = 4.*d ≈ 6.403/);
    await make();
    await waitFor((base) => document.querySelector("#Picture1 line")?.getAttribute("x2") === String(base), `the default drawing after ${change}`, defaultBase[2]);
    assert.deepEqual((await picture()).lines[0], defaultBase, change);
  }
});

test("a,b,h with 4, 5, 4 is no trapezoid: the drawing says so in words, the boxes show c = -2 without a message", limit, async () => {
  await open();
  await tab.click('#List1_0 option[value="1"]');
  await typeRow(["4", "5", undefined, "4"]);
  await press("#Command1_0");
  assert.equal((await texts())[2], "-2.0000");
  const shown = await picture();
  assert.deepEqual(shown.lines, []);
  assert.equal(shown.texts[0], "Няма такъв трапец:");
  assert.equal(shown.description, "Няма такъв трапец: c = −2 < 0");
  assert.ok((await tab.run(() => document.getElementById("Steps").textContent)).endsWith("\nНяма такъв трапец: c = −2 < 0"));
  assert.equal(await tab.run(() => document.getElementById("Message").open), false);
});

test("paper shows a drawing to scale at its print scale, written under it", { ...limit, skip: engine !== "chromium" && "only Chromium's tab emulates paper here" }, async () => {
  // a = 8 fits an A4 page at true size, a = 80 at 1:10: either way AB is 8 cm on paper.
  const cases = [
    { given: ["8", "5", "2"], scale: "М 1:1" },
    { given: ["80", "50", "20"], scale: "М 1:10" },
  ];
  await open();
  for (const { given, scale } of cases) {
    await press("#Command1_1");
    await typeRow(given);
    await press("#Command1_0");
    await tab.page.emulateMediaType("print");
    try {
      const printed = await tab.run(() => ({
        base: document.querySelector("#Picture1 line").getBoundingClientRect().width,
        scale: document.getElementById("PrintScale").innerText,
        under: document.getElementById("PrintScale").getBoundingClientRect().top >= document.getElementById("Picture1").getBoundingClientRect().bottom,
        afterSolution: document.getElementById("Picture1").getBoundingClientRect().top >= document.getElementById("Steps").getBoundingClientRect().bottom,
      }));
      const cm = 96 / 2.54;
      assert.ok(Math.abs(printed.base - 8 * cm) < 2, `AB is ${printed.base} px, not 8 cm`);
      assert.deepEqual({ ...printed, base: 0 }, { base: 0, scale, under: true, afterSolution: true });
    } finally {
      await tab.page.emulateMediaType(null);
    }
    assert.equal(await tab.run(() => getComputedStyle(document.getElementById("PrintScale")).display), "none");
  }
});

test("the page does not move after its first paint", { ...limit, skip: engine !== "chromium" && "only Chromium reports layout shifts" }, async () => {
  for (const orientation of Object.keys(phones).concat("desktop")) {
    // Every shift since the page opened, read once its fonts are in and two frames are drawn
    // after its behaviour and core arrived.
    const measure = async () => {
      await open();
      await tab.run(() => document.fonts.ready.then(() => true));
      await drawn();
      // The entries buffered so far reach the observer, through its callback or takeRecords().
      return tab.run(
        () =>
          new Promise((done) => {
            let shift = 0;
            const add = (entries) => entries.forEach((e) => (shift += e.value));
            const observer = new PerformanceObserver((list) => add(list.getEntries()));
            observer.observe({ type: "layout-shift", buffered: true });
            requestAnimationFrame(() =>
              setTimeout(() => {
                add(observer.takeRecords());
                observer.disconnect();
                done(shift);
              }),
            );
          }),
      );
    };
    let shift;
    if (orientation === "desktop") shift = await measure();
    else await onPhone(orientation, async () => (shift = await measure()));
    assert.ok(shift < 0.01, `${orientation}: layout shift ${shift}`);
  }
});

// axe-core in the page, at the state the page is in.
const axeSource = readFileSync(join(root, "tools", "node_modules", "axe-core", "axe.min.js"), "utf8");
const violations = () =>
  tab.run(async (source) => {
    if (!window.axe) (0, eval)(source);
    const { violations } = await window.axe.run(document, { resultTypes: ["violations"] });
    return violations.map((v) => `${v.id} (${v.impact}): ${v.nodes.map((n) => n.target.join(" ")).join(", ")}`);
  }, axeSource);

for (const size of ["desktop", "portrait"]) {
  test(`axe-core finds nothing at ${size} size: after load, after a calculation, with the working, with the message`, limit, async () => {
    const check = async () => {
      await open();
      const found = { load: await violations() };
      await calculateExample();
      found.calculation = await violations();
      await tab.focus("#Text2_3");
      await tab.key("F1");
      found.working = await violations();
      await press("#Command1_1");
      await typeRow(["8", "2", "2"]);
      await press("#Command1_0");
      found.message = await violations();
      await tab.key("Escape");
      assert.deepEqual(found, { load: [], calculation: [], working: [], message: [] });
    };
    if (size === "desktop") await check();
    else await onPhone(size, check);
  });
}
