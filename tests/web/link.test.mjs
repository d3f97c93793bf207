// A problem that travels by link: the address names a combination and its given values, and
// anything else in it, however hostile, is ignored.
import assert from "node:assert/strict";
import { test } from "node:test";
import { elementsSearch, problemSearch, readElements, readProblem, typedForm } from "../../web/link.js";
import { numberFormat, pageLocale } from "../../web/regional.js";

const limit = { timeout: 60_000 }; // no test waits longer

// The list's combinations: label and the rows it gives, as the page's list holds them.
const combinations = [
  { label: "a,b,c", rows: [0, 1, 2] },
  { label: "P,b,h", rows: [1, 3, 4] },
  { label: "S,c,h", rows: [2, 3, 5] },
];
const letters = ["a", "b", "c", "h", "P", "S"];

test("an address names a combination by its list text and the values as a pupil types them", limit, () => {
  const cases = [
    ["?given=P,b,h&P=20&b=5&h=4", { index: 1, values: { 1: "5", 3: "4", 4: "20" } }],
    ["?given=P%2Cb%2Ch&b=8,5&h=4.25", { index: 1, values: { 1: "8,5", 3: "4.25" } }],
    ["?locale=bg-BG&given=a,b,c&a=8&c=2", { index: 0, values: { 0: "8", 2: "2" } }],
    // values of measures the combination does not give, and values that are no plain number
    ["?given=S,c,h&a=8&c=1e99999&h=-4&S=12345678&P=3", { index: 2, values: {} }],
    ["?given=S,c,h&c=<img src=x onerror=alert(1)>&h=1;2&S=0x10", { index: 2, values: {} }],
    ["?given=S,c,h&c=%E2%80%AE5&h= 4&S=٣", { index: 2, values: {} }],
    // no combination of the list
    ["?given=<img src=x onerror=alert(1)>&a=1e99999", null],
    ["?given=a,b,h&a=8", null],
    ["?given=&a=8", null],
    ["?a=8&b=5&c=2", null],
    ["", null],
  ];
  for (const [search, expected] of cases) assert.deepEqual(readProblem(search, combinations, letters), expected, search);
});

test("the address written after a calculation reads back as the same problem", limit, () => {
  const values = { 1: "5", 3: "4,5", 4: "20" };
  const search = problemSearch("?locale=bg-BG&given=a,b,c&a=1", "P,b,h", values, letters);
  assert.equal(search, "?given=P,b,h&b=5&h=4,5&P=20&locale=bg-BG");
  assert.deepEqual(readProblem(search, combinations, letters), { index: 1, values });
  assert.equal(problemSearch("", "a,b,c", { 0: "5cm", 1: "5" }, letters), "?given=a,b,c&b=5");
});

test("a number the window wrote is named as a pupil types it", limit, () => {
  const cases = [
    ["20,0000", "", "20"],
    ["8.50000", "", "8.5"],
    ["1\u00A0000,0000000", "\u00A0", "1000"],
    ["1,000.50", ",", "1000.5"],
    ["0,00000", "", "0"],
    ["12", "", "12"],
  ];
  for (const [written, group, typed] of cases) assert.equal(typedForm(written, group), typed, written);
});

test("?locale= names the number format's language; a name that is no language tag leaves the browser's", limit, () => {
  Object.defineProperty(globalThis, "navigator", { value: { languages: ["bg-BG"] }, configurable: true });
  const cases = [
    ["?locale=de-DE", "de-DE"],
    ["?locale=bg_BG", "bg-BG"], // an underscore, an easy slip
    ["?locale=<b>", "bg-BG"],
    ["", "bg-BG"],
  ];
  for (const [search, locale] of cases) assert.equal(pageLocale(search), locale, search);
  assert.equal(numberFormat(pageLocale("?locale=bg_BG")).decimalSymbol, ",");
});

// The problem window's address: its boxes and ticks by the command line's names.
const names = ["a", "c", "b", "h", "P", "S", "m", "d", "alpha", "beta", "R", "r"];
const conditions = ["incircle", "perpendicular_diagonals", "diagonal_perpendicular_to_leg", "diagonal_bisects_angle", "bases_ratio"];

test("a problem window's address: givens, α's sin/cos/tg forms, ticks and the ratio; nothing else", limit, () => {
  const cases = [
    ["?a=27&c=13&alpha=45&incircle&bases_ratio=7:3", { values: { a: "27", c: "13", alpha: "45" }, ticks: ["incircle", "bases_ratio"], ratio: "7:3" }],
    ["?alpha=sin+0,6&b=4.5&locale=bg-BG", { values: { b: "4.5", alpha: "sin 0,6" }, ticks: [] }],
    ["?alpha=tg%200.75&R=5", { values: { R: "5", alpha: "tg 0.75" }, ticks: [] }],
    // forms a box must not take: β and the lengths are plain numbers; found-only elements and
    // unknown conditions are no givens; a ratio that is no ratio ticks nothing
    [
      "?a=-4&c=1e9&b=<img src=x onerror=alert(1)>&beta=sin 0,6&phi=30&O_to_AB=2&h=1;2&m=12345678901234&bases_ratio=7&square",
      null,
    ],
    ["?bases_ratio=7:3:1&perpendicular_diagonals=", { values: {}, ticks: ["perpendicular_diagonals"] }],
    ["?locale=bg-BG", null],
  ];
  for (const [search, expected] of cases) assert.deepEqual(readElements(search, names, conditions), expected, search);
});

test("after a calculation the address names the problem solved, other parameters kept", limit, () => {
  const solved = { values: { c: "13", a: "27", alpha: "sin 0,6" }, ticks: ["bases_ratio", "incircle"], ratio: "7:3" };
  const search = elementsSearch("?a=1&locale=bg-BG&r=2", solved, names, conditions);
  assert.equal(search, "?a=27&c=13&alpha=sin+0,6&incircle&bases_ratio=7:3&locale=bg-BG");
  // it reads back as the same problem
  assert.deepEqual(readElements(search, names, conditions), { ...solved, ticks: ["incircle", "bases_ratio"] });
  // a value that no link could carry is left out, as is a ratio ticked without a readable ratio
  assert.equal(elementsSearch("", { values: { a: "8<b>", c: "6" }, ticks: ["bases_ratio"], ratio: "x" }, names, conditions), "?c=6");
  assert.equal(elementsSearch("?locale=bg-BG", { values: {}, ticks: [] }, names, conditions), "?locale=bg-BG");
});
