// The WebAssembly core answers a press of «Изчисли» exactly as the native one: the same six texts
// with each box's working, the same silence for invalid input, the same Bulgarian message with its
// failing step, the same solution, copied text and picture; and the browser's number format for Bulgarian and English is the desktop's (the
// cases come from tests/parity_cases.cpp).
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { test } from "node:test";
import { root } from "../../tools/browser.mjs";
import { numberFormat, pageLocale } from "../../web/regional.js";
import { loadCore } from "./core.mjs";

const limit = { timeout: 60_000 }; // no test waits longer

const { settings, cases } = JSON.parse(
  readFileSync(process.env.PARITY_CASES ?? join(root, "build-web", "parity_cases.json"), "utf8"),
);
const core = await loadCore();

// A case's rows as the window's state, its boxes long enough for every text the core writes.
const stateOf = (c) => ({
  combination: c.index,
  maxLength: 1000,
  rows: c.rows.map(([ticked, text], i) => ({ ticked, readOnly: !ticked, text, working: "", description: before[i] })),
  solution: "",
  copy: "",
  message: { title: "", text: "" },
  picture: core.Form_Load().picture,
});
const before = ["", "", "", "", "", ""];

// The press's outcome, in the shape the native tool writes it: six texts with the working, the
// message of an arithmetic error (whose kind the message names), or nothing; and what else the
// state then holds: the solution, what copying copies and Picture1.
function written(from, to) {
  const svg = core.Picture1_Svg(to);
  if (to.message.title) return { title: to.message.title, text: to.message.text, copy: to.copy, svg };
  if (JSON.stringify(to) === JSON.stringify(from)) return {};
  const six = (field) => to.rows.map((row) => row[field]);
  return {
    texts: six("text"),
    explanations: six("working"),
    descriptions: six("description"),
    solution: to.solution,
    copy: to.copy,
    svg,
    printWidth: to.picture.printWidth,
    printScale: to.picture.printScale,
  };
}

test(`the WebAssembly core gives the native core's answer in all ${cases.length} cases`, limit, () => {
  const differences = cases.filter((c) => {
    const from = stateOf(c);
    const got = written(from, core.Command1_Click(from, 0, settings[c.settings]));
    const { kind, ...expected } = c.outcome;
    return JSON.stringify(got) !== JSON.stringify(expected);
  });
  assert.deepEqual(differences.slice(0, 3), [], `${differences.length} differences`);
});

test("the browser's number format is the desktop's for Bulgarian and English", limit, () => {
  for (const [locale, name] of [
    ["bg-BG", "bg"],
    ["en-US", "en"],
  ]) {
    const browser = numberFormat(locale);
    for (const key of ["decimalSymbol", "groupSymbol", "grouping", "negativeSign"]) {
      assert.equal(browser[key], settings[name][key], `${locale} ${key}`);
    }
  }
});

test("a language that is no language tag leaves the browser's, or else the default settings", limit, () => {
  const cases = [
    // address, browser's languages, language used
    ["?locale=bg-BG", ["en-US"], "bg-BG"],
    ["?locale=bg_BG", ["en-US"], "en-US"],
    ["", ["C"], undefined],
    ["?locale=bg_BG", ["C"], undefined],
    ["", [], undefined],
  ];
  const real = Object.getOwnPropertyDescriptor(globalThis, "navigator");
  try {
    for (const [search, languages, expected] of cases) {
      Object.defineProperty(globalThis, "navigator", { value: { languages }, configurable: true });
      assert.equal(pageLocale(search), expected, `${search} ${languages}`);
    }
  } finally {
    if (real) Object.defineProperty(globalThis, "navigator", real);
  }
  assert.deepEqual(numberFormat(undefined), {});
  assert.deepEqual(numberFormat("C"), {});
});
