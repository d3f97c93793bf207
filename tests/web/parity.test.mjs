// The WebAssembly core answers exactly as the native one: the same six texts with each box's
// working, the same silence for invalid input, the same error kind and Bulgarian message with its
// failing step; and the browser's number format for Bulgarian and English is the desktop's (the
// cases come from tests/parity_cases.cpp).
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { test } from "node:test";
import { root } from "../../tools/browser.mjs";
import { numberFormat } from "../../web/regional.js";
import { loadCore } from "./core.mjs";

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

test(`the WebAssembly core gives the native core's answer in all ${cases.length} cases`, () => {
  const differences = cases.filter((c) => {
    const rows = c.rows.map(([ticked, text]) => ({ ticked, text }));
    const got = written(core.calculate(c.index, rows, settings[c.settings]));
    return JSON.stringify(got) !== JSON.stringify(c.outcome);
  });
  assert.deepEqual(differences.slice(0, 3), [], `${differences.length} differences`);
});

test("the browser's number format is the desktop's for Bulgarian and English", () => {
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
