// Loads the WebAssembly core: after the window is up, so that it does not hold the window up, or
// at the first calculation if that comes sooner. A load that fails is forgotten, so that the next
// calculation tries again.
let core;
let attempt = 0;

function load() {
  if (core) return core;
  // A failed import stays failed under its address, so a new attempt asks under a new one.
  const address = attempt++ === 0 ? "./trapezoid.js" : `./trapezoid.js?attempt=${attempt}`;
  core = import(address)
    .then(({ default: createCore }) => createCore())
    .catch((error) => {
      core = undefined;
      throw error;
    });
  return core;
}
// A failure here is told when the user first asks for a calculation. The page's modules start
// after its first paint, often once it has loaded already.
const early = () => load().catch(() => {});
if (document.readyState === "complete") early();
else addEventListener("load", early, { once: true });

// Settles once the core can calculate.
export const ready = () => load().then(() => undefined);

// The outcome of one press: {solved, texts, explanations, descriptions, working} for six texts with
// what each box explains, {failed, title, text} for an arithmetic error with the message to show,
// neither for invalid input. Rejects when the core cannot be loaded.
export async function calculate(index, rows, numberFormat) {
  const module = await load();
  return module.calculate(index, rows, { ...module.defaultSettings(), ...numberFormat });
}
