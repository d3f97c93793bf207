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
