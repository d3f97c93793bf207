// Loads the WebAssembly core, which decides everything the window does: after the window is up,
// so that it does not hold the window up, or at the first event if that comes sooner. A load that
// fails is forgotten, so that the next event tries again.
let module;
let attempt = 0;
let failed = false;

function load() {
  if (module) return module;
  failed = false;
  // A failed import stays failed under its address, so a new attempt asks under a new one.
  const address = attempt++ === 0 ? "./trapezoid.js" : `./trapezoid.js?attempt=${attempt}`;
  module = import(address)
    .then(({ default: createCore }) => createCore())
    .catch((error) => {
      module = undefined;
      failed = true;
      throw error;
    });
  return module;
}
// A failure here is told when the user next asks for a calculation. The page's modules start
// after its first paint, often once it has loaded already.
const early = () => load().catch(() => {});
if (document.readyState === "complete") early();
else addEventListener("load", early, { once: true });

// Settles once the core can calculate.
export const ready = () => load().then(() => undefined);

// The core: the window's state and events (Form_Load, List1_Click, Text2_Change, Command1_Click,
// Message_Close) and defaultSettings, loaded or on its way. Rejects when it cannot be loaded; after
// a load that failed, only a call `again` tries anew (a press of Изчисли), so that every keystroke
// does not fetch it once more.
export const core = (again = false) => (failed && !again ? Promise.reject(new Error("no core")) : load());
