// The regional number settings from the browser's language, as the core reads and writes numbers:
// decimal symbol, group symbol, whether digits are grouped, the minus sign. A query such as
// ?locale=bg-BG names the language instead.

const canonical = (tag) => {
  try {
    return Intl.getCanonicalLocales(tag)[0];
  } catch {
    return undefined; // not a language tag, such as bg_BG or the "C" of a machine without one
  }
};

// The language named in the address if it is a language tag, else the browser's if that is one;
// undefined leaves the default settings.
export function pageLocale(search = globalThis.location?.search ?? "") {
  const named = new URLSearchParams(search).get("locale");
  const browser = globalThis.navigator?.languages?.[0] ?? globalThis.navigator?.language;
  return (named && canonical(named)) || (browser && canonical(browser)) || undefined;
}

// Grouping is decided on ten million, as some languages group only longer numbers. A language
// without number data of its own gets the default settings.
export function numberFormat(locale) {
  if (!locale) return {};
  let parts;
  try {
    parts = new Intl.NumberFormat(locale, { minimumFractionDigits: 1 }).formatToParts(-10000000.5);
  } catch {
    return {};
  }
  const part = (type) => parts.find((p) => p.type === type)?.value;
  const settings = { grouping: part("group") !== undefined };
  if (part("decimal") !== undefined) settings.decimalSymbol = part("decimal");
  if (part("group") !== undefined) settings.groupSymbol = part("group");
  if (part("minusSign") !== undefined) settings.negativeSign = part("minusSign");
  return settings;
}
