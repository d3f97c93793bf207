// Loads the WebAssembly core once, without holding up the window; a calculation waits for it if
// it is still on its way.
const core = import("./trapezoid.js").then(({ default: createCore }) => createCore());

// Settles once the core can calculate.
export const ready = core.then(() => undefined);

// The outcome of one calculation: {solved, texts} for six texts, {failed, title, text} for an
// arithmetic error with the message to show, neither for invalid input.
export async function calculate(index, rows, numberFormat) {
  const module = await core;
  return module.calculate(index, rows, { ...module.defaultSettings(), ...numberFormat });
}
