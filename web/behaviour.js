// The browser's wiring of the window: each control's event becomes the window's event in the
// core (window/form.h), whose state the page paints. Besides that state it keeps only what the
// browser adds: the address, sharing, the tooltip on F1 or a long press, the focus.
import { core } from "./core.js";
import { problemSearch, readProblem, typedForm } from "./link.js";
import { numberFormat, pageLocale } from "./regional.js";
import { Check1, Command1, List1, Text2, givenRows, hideTip, noCoreMessage, paint, showMessage, showTip } from "./window.js";

// Whether the core has been told what happened on the page before it arrived.
let caughtUp = false;
// Read at the first calculation: the language's number data need not hold up the window.
let settings;
// The events in the order they came: each waits for the core and for the one before it. Events
// that wait together are painted once, after the last of them.
let events = Promise.resolve();
let waiting = 0;

// A choice in the list and «Изчисти» show at once the state the core gives them: the chosen
// combination, fresh, its boxes open or read-only before the next key, whether the core is still
// on its way, could not be fetched, or is working in its worker. The page's generator wrote those
// states with the core itself; the core's own answer follows.
const chosen = JSON.parse(document.getElementById("Chosen").textContent);
function answerEarly(combination) {
  if (chosen[combination]) paint(chosen[combination]);
}

// Settles once every event so far has been painted, or found the core missing.
export const settled = () => events;

// Hands the core, once it is here, the events that `list(core)` gives ([name, ...arguments], as
// window/form.h names them), and paints the state they leave, which `then` sees first; when the
// core cannot be loaded, `unloaded` runs instead. After a failed load only a calculation (`again`)
// tries anew.
function dispatch(list, { unloaded = () => {}, again = false, then = () => {} } = {}) {
  ++waiting;
  events = events
    .then(() =>
      core(again).then(async (module) => {
        const before = caughtUp ? [] : arrived(module.loaded);
        caughtUp = true;
        const { state, svg } = await module.run([...before, ...list(module)]);
        then(state);
        if (waiting === 1) paint(state, svg);
      }, unloaded),
    )
    .catch((error) => console.error(error))
    .finally(() => --waiting);
}

// What happened before the core arrived, as its events. The page is written as the load leaves
// the window (`loaded`), and this behaviour arrives after its first paint. A reload or a step back
// in history may have kept the texts and the choice of the page before: then the load stands. On a
// new visit what the pupil did in the meantime stays, a combination already chosen applied.
function arrived(loaded) {
  if (restored()) return [];
  const chosen = List1[0].selectedIndex;
  if (chosen !== loaded.combination) return [["List1_Click", chosen]];
  return Text2.map((box, i) => ["Text2_Change", i, box.value]);
}

// Whether the browser may have put back controls of an earlier visit of the page (when it cannot
// tell, it may have).
function restored() {
  const type = performance.getEntriesByType("navigation")[0]?.type ?? "reload";
  return type === "reload" || type === "back_forward";
}

// The number settings: the core's defaults under the browser's language.
const numberSettings = (module) => (settings ??= { ...module.defaults, ...numberFormat(pageLocale()) });

// Each press of «Изчисли» is answered (the core awaited, the boxes or the message written) in its
// own time; the window counts the answers, for whoever waits on one.
function answered() {
  const form = document.getElementById("Tessorin");
  form.dataset.calculations = Number(form.dataset.calculations ?? 0) + 1;
}

// The combinations of the list as the address names them: label and given rows; and the measures'
// letters as the ticks show them.
const combinations = () =>
  [...List1[0].options].map((option, index) => ({ label: option.textContent, rows: givenRows(index) }));
const letters = () => Check1.map((tick) => tick.labels[0].textContent.trim());

// The address names the problem just solved, so that copying it shares it (no reload, no history).
function nameProblem(solved) {
  const group = settings.grouping ? settings.groupSymbol : "";
  const index = solved.combination;
  const values = Object.fromEntries(givenRows(index).map((row) => [row, typedForm(solved.rows[row].text, group)]));
  history.replaceState(null, "", problemSearch(location.search, combinations()[index].label, values, letters()) + location.hash);
}

// A problem that the address names opens chosen and typed in, nothing calculated yet.
function OpenProblem() {
  const problem = readProblem(location.search, combinations(), letters());
  if (!problem) return;
  const typed = Object.entries(problem.values).map(([row, text]) => ["Text2_Change", Number(row), text]);
  dispatch(() => [["List1_Click", problem.index], ...typed]);
}

// Where the phone can share, its share sheet takes the problem's address.
function Share() {
  navigator.share({ title: document.title, url: location.href }).catch(() => {});
}

// F1 in a box, or a long press on it, shows its working; any other key, a click or leaving that
// box hides it (another box's blur, which a finger lifted from this one brings, does not).
function ConnectWorking() {
  addEventListener("keydown", () => hideTip(), true);
  addEventListener("pointerdown", () => hideTip(), true);
  addEventListener("scroll", () => hideTip(), true); // the tooltip stands where the box was
  for (const box of Text2) {
    box.addEventListener("blur", () => hideTip(box));
    box.addEventListener("keydown", (event) => {
      if (event.key !== "F1") return;
      event.preventDefault(); // not the browser's help
      showTip(box);
    });
    let press;
    box.addEventListener("pointerdown", (event) => {
      if (event.pointerType !== "mouse") press = setTimeout(() => showTip(box), 500);
    });
    for (const end of ["pointerup", "pointercancel", "pointerleave"]) {
      box.addEventListener(end, () => clearTimeout(press));
    }
  }
}

List1[0].addEventListener("change", () => {
  const row = List1[0].selectedIndex;
  answerEarly(row);
  dispatch(() => [["List1_Click", row]]);
});
Text2.forEach((box, i) =>
  box.addEventListener("input", () => {
    const text = box.value;
    dispatch(() => [["Text2_Change", i, text]]);
  }),
);
Command1[0].addEventListener("click", () => {
  // The core could not be loaded; the next press tries again.
  const unloaded = () => showMessage(...noCoreMessage());
  const then = (solved) => solved.solution && nameProblem(solved);
  dispatch((module) => [["Command1_Click", 0, numberSettings(module)]], { unloaded, again: true, then });
  events = events.then(answered);
});
Command1[1].addEventListener("click", () => {
  answerEarly(List1[0].selectedIndex);
  dispatch((module) => [["Command1_Click", 1, numberSettings(module)]]);
});
document.getElementById("Message").addEventListener("close", () => dispatch(() => [["Message_Close"]]));
document.getElementById("Share").addEventListener("click", Share);
ConnectWorking();
dispatch(() => []);
OpenProblem();
// The window opens with the focus in the assignment, which a phone shows last: no scrolling to it.
// A pupil who has already gone into a box keeps it, and every key typed there.
if (!document.activeElement || document.activeElement === document.body) {
  document.getElementById("Text1_0").focus({ preventScroll: true });
}
