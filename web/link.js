// A problem that travels by link: ?given=P,b,h&P=20&b=5&h=4 names the combination by its list
// text and the given measures' values as a pupil types them (8,5 or 8.5). Anything else in the
// address is ignored: it chooses no other combination and puts nothing but a plain number into a box.
// A measure is named by its letter, `letters` in row order, as the window's ticks show them.
// At most seven characters, as a box holds: digits, then perhaps a decimal point or comma and more.
const plainNumber = /^(?=.{1,7}$)\d+(?:[.,]\d+)?$/;

// The combination and the values that `search` names, from `combinations` ({label, rows} in list
// order): {index, values: {row: text}}, or null where it names no combination of the list.
export function readProblem(search, combinations, letters) {
  const query = new URLSearchParams(search);
  const index = combinations.findIndex((c) => c.label === query.get("given"));
  if (index < 0) return null;
  const values = {};
  for (const row of combinations[index].rows) {
    const text = query.get(letters[row]);
    if (text !== null && plainNumber.test(text)) values[row] = text;
  }
  return { index, values };
}

// The address's query naming a problem: its combination's label and the given values, each as a
// plain number (a value that is none is left out); other parameters of `search` stay.
export function problemSearch(search, label, values, letters) {
  const query = new URLSearchParams(search);
  for (const name of ["given", ...letters]) query.delete(name);
  const kept = query.toString();
  const named = Object.entries(values)
    .filter(([, text]) => plainNumber.test(text))
    .map(([row, text]) => `${letters[row]}=${text}`);
  return `?${[`given=${label}`, ...named, ...(kept ? [kept] : [])].join("&")}`;
}

// A number written by the window ("20,0000", "1 000,5") as a pupil would type it: no digit
// groups, no trailing zeros after the decimal symbol.
export function typedForm(text, groupSymbol = "") {
  let plain = groupSymbol ? text.split(groupSymbol).join("") : text;
  if (/[.,]/.test(plain)) plain = plain.replace(/0+$/, "").replace(/[.,]$/, "");
  return plain;
}

// The window for a problem as the book gives it travels by link too:
// ?a=27&c=13&alpha=45&incircle&bases_ratio=7:3 names the given elements by the command line's
// names, with values as a pupil types them (the α box also «sin 0,6», «cos 0,6», «tg 0,75»), and
// the conditions ticked, the ratio with its value. Anything else is ignored, so that a hostile link
// puts nothing but such numbers into the boxes.
const elementNumber = /^(?=.{1,12}$)\d+(?:[.,]\d+)?$/;
const angleForm = /^(?:(?:sin|cos|tg) ?)?(?=.{1,12}$)\d+(?:[.,]\d+)?$/;
const ratioForm = /^(?=.{3,15}$)\d+(?:[.,]\d+)?:\d+(?:[.,]\d+)?$/;
const valueFits = (name, text) => (name === "alpha" ? angleForm : elementNumber).test(text);

// The problem that `search` names, of the boxes `names` and the ticks `conditions` (each by its
// address name; the ratio's tick is "bases_ratio"): {values: {name: text}, ticks: [name], ratio},
// or null where it names nothing.
export function readElements(search, names, conditions) {
  const query = new URLSearchParams(search);
  const values = {};
  for (const name of names) {
    const text = query.get(name)?.trim();
    if (text && valueFits(name, text)) values[name] = text;
  }
  const ticks = conditions.filter((name) => query.has(name) && name !== "bases_ratio");
  let ratio;
  const asked = query.get("bases_ratio");
  if (conditions.includes("bases_ratio") && asked !== null && ratioForm.test(asked)) {
    ticks.push("bases_ratio");
    ratio = asked;
  }
  if (!Object.keys(values).length && !ticks.length) return null;
  return ratio === undefined ? { values, ticks } : { values, ticks, ratio };
}

// The address's query naming a problem: the given values (only those that are plain numbers or
// angle forms), the ticked conditions, the ratio; other parameters of `search` stay.
export function elementsSearch(search, problem, names, conditions) {
  const query = new URLSearchParams(search);
  for (const name of [...names, ...conditions]) query.delete(name);
  const kept = query.toString();
  const given = names
    .filter((name) => problem.values[name] !== undefined && valueFits(name, problem.values[name]))
    .map((name) => `${name}=${problem.values[name].replace(/ /g, "+")}`);
  const ticked = conditions
    .filter((name) => problem.ticks.includes(name))
    .map((name) => (name === "bases_ratio" ? ratioForm.test(problem.ratio ?? "") && `${name}=${problem.ratio}` : name))
    .filter(Boolean);
  const all = [...given, ...ticked, ...(kept ? [kept] : [])];
  return all.length ? `?${all.join("&")}` : "";
}
