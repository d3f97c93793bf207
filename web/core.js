// The WebAssembly core, which decides everything the window does, in a worker (core_worker.js):
// started after the window is up, so that it does not hold the window up, or at the first event if
// that comes sooner. A start that fails is forgotten, so that a later call may try again.
let started;
let attempt = 0;
let failed = false;
// The window whose state the worker keeps, as the page names it (data-core-window); the design's
// where it names none.
const windowName = document.querySelector("[data-core-window]")?.dataset.coreWindow;

// The core as the page talks to it: the loaded state, the default number settings, and `run`,
// which hands the worker a list of events and resolves to the state they leave and its SVG. One
// list at a time: each caller awaits its answer before sending the next.
function start() {
  // A new worker on a new address, so that nothing of a failed start is reused.
  // Its name says which window's state it keeps: the address may not reach it (a service worker
  // answers every address of the file with the one it keeps).
  const url = attempt++ === 0 ? "./core_worker.js" : `./core_worker.js?attempt=${attempt}`;
  const worker = new Worker(url, { type: "module", name: windowName ?? "design" });
  let answer;
  let broken; // a worker that failed answers no more: every later list is refused at once
  const run = (events) =>
    new Promise((resolve, reject) => {
      if (broken) return reject(broken);
      answer = { resolve, reject };
      worker.postMessage(events);
    });
  return new Promise((resolve, reject) => {
    worker.onerror = (event) => {
      broken = new Error(event.message || "the core's worker failed");
      reject(broken);
      answer?.reject(broken);
    };
    worker.onmessage = ({ data }) => {
      if (data.failed) return reject(new Error(data.failed));
      worker.onmessage = ({ data: after }) => (after.error ? answer.reject(new Error(after.error)) : answer.resolve(after));
      resolve({ loaded: data.state, defaults: data.defaults, run });
    };
  }).catch((error) => {
    worker.terminate();
    started = undefined;
    failed = true;
    throw error;
  });
}

function load() {
  failed = false;
  started ??= start();
  return started;
}

// A failure here is told when the user next asks for a calculation. The page's modules start
// after its first paint, often once it has loaded already.
const early = () => load().catch(() => {});
if (document.readyState === "complete") early();
else addEventListener("load", early, { once: true });

// Settles once the core can calculate.
export const ready = () => load().then(() => undefined);

// The core, started or on its way. Rejects when it cannot be started; after a start that failed,
// only a call `again` tries anew (a press of Изчисли), so that every keystroke does not fetch it
// once more.
export const core = (again = false) => (failed && !again ? Promise.reject(new Error("no core")) : load());
