// The regional number settings from the browser's language, as the core reads and writes numbers:
// decimal symbol, group symbol, whether digits are grouped, the minus sign. A query such as
// ?locale=bg-BG names the language instead.

// The language named in the address, if any, else the browser's.
export function pageLocale(search = globalThis.location?.search ?? "") {
  const named = new URLSearchParams(search).get("locale");
  if (named) {
    try {
      return Intl.getCanonicalLocales(named)[0];
    } catch {
      // not a language tag: fall back to the browser's
    }
  }
  return globalThis.navigator?.languages?.[0] ?? globalThis.navigator?.language;
}

// Grouping is decided on ten million, as some languages group only longer numbers.
export function numberFormat(locale) {
  const parts = new Intl.NumberFormat(locale, { minimumFractionDigits: 1 }).formatToParts(-10000000.5);
  const part = (type) => parts.find((p) => p.type === type)?.value;
  const settings = { grouping: part("group") !== undefined };
  if (part("decimal") !== undefined) settings.decimalSymbol = part("decimal");
  if (part("group") !== undefined) settings.groupSymbol = part("group");
  if (part("minusSign") !== undefined) settings.negativeSign = part("minusSign");
  return settings;
}
