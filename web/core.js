// Loads the WebAssembly core once: after the window is up, so that it does not hold the window
// up, or at the first calculation if that comes sooner.
let core;

function load() {
  core ??= import("./trapezoid.js").then(({ default: createCore }) => createCore());
  return core;
}
addEventListener("load", load, { once: true });

// Settles once the core can calculate.
export const ready = () => load().then(() => undefined);

// The outcome of one press: {solved, texts, explanations, descriptions, working} for six texts with
// what each box explains, {failed, title, text} for an arithmetic error with the message to show,
// neither for invalid input.
export async function calculate(index, rows, numberFormat) {
  const module = await load();
  return module.calculate(index, rows, { ...module.defaultSettings(), ...numberFormat });
}
