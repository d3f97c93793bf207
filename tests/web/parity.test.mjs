// The WebAssembly core answers exactly as the native one: the same six texts with each box's
// working, the same silence for invalid input, the same error kind and Bulgarian message with its
// failing step; and the browser's number format for Bulgarian and English is the desktop's (the
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

// The outcome, with the working where six texts were made, in the shape the native tool writes it.
function written(outcome) {
  if (outcome.solved) {
    const { texts, explanations, descriptions } = outcome;
    return { texts, explanations, descriptions };
  }
  if (outcome.failed) return { kind: outcome.kind.value, title: outcome.title, text: outcome.text };
  return {};
}

test(`the WebAssembly core gives the native core's answer in all ${cases.length} cases`, limit, () => {
  const differences = cases.filter((c) => {
    const rows = c.rows.map(([ticked, text]) => ({ ticked, text }));
    const got = written(core.calculate(c.index, rows, settings[c.settings]));
    return JSON.stringify(got) !== JSON.stringify(c.outcome);
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
