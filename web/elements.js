// The browser's wiring of the window for a problem as the book gives it (window/elements.h): each
// control's event becomes that window's event in the core, in its worker, and the page paints the
// state that comes back. Besides it the page keeps only what the browser adds: the address, which
// names the problem after each calculation, and the clipboard.
import { core } from "./core.js";
import { elementsSearch, readElements } from "./link.js";
import { numberFormat, pageLocale } from "./regional.js";

const Elements = document.getElementById("Elements");
const Message = document.getElementById("Message");
// The boxes in the rows' order, the ticks in the conditions' order; each named as in an address.
const boxes = [...Elements.querySelectorAll("input.box")].filter((box) => box.id !== "E_bases_ratio_value");
const ticks = [...Elements.querySelectorAll('input[type="checkbox"]')];
const ratio = document.getElementById("E_bases_ratio_value");
const [calculateButton, clearButton, next, solution, picture] = ["E_Calculate", "E_Clear", "E_Next", "E_Solution", "E_Picture"].map(
  (id) => document.getElementById(id),
);
const nameOf = (control) => control.id.slice(2);
const typed = (box) => "typed" in box.dataset;
const names = boxes.filter(typed).map(nameOf);
const conditions = ticks.map(nameOf);
const ratioTick = conditions.indexOf("bases_ratio");
const described = new Map(boxes.map((box) => [box, box.getAttribute("aria-description")]));

// Read at the first calculation: the language's number data need not hold up the window.
let settings;
const numberSettings = (module) => (settings ??= { ...module.defaults, ...numberFormat(pageLocale()) });
// The state last painted, whose solution Ctrl+Shift+C copies.
let shown;
// The events in the order they came, each after the one before; painted once, after the last.
let events = Promise.resolve();
let waiting = 0;
let caughtUp = false;

// Settles once every event so far has been painted, or found the core missing.
export const settled = () => events;

// Hands the core the events that `list(core)` gives ([name, ...arguments]) and paints the state
// they leave, which `then` sees first; `unloaded` runs where the core cannot be loaded.
function dispatch(list, { unloaded = () => {}, again = false, then = () => {} } = {}) {
  ++waiting;
  events = events
    .then(() =>
      core(again).then(async (module) => {
        const before = caughtUp ? [] : arrived();
        caughtUp = true;
        const answer = await module.run([...before, ...list(module)]);
        then(answer.state);
        if (waiting === 1) paint(answer);
      }, unloaded),
    )
    .catch((error) => console.error(error))
    .finally(() => --waiting);
}

// What the pupil typed and ticked before the core arrived, as its events; nothing where the browser
// may have put back the controls of an earlier visit (the address then names the problem again).
function arrived() {
  const type = performance.getEntriesByType("navigation")[0]?.type ?? "reload";
  if (type === "reload" || type === "back_forward") return [];
  return [
    ...boxes.flatMap((box, row) => (typed(box) && box.value ? [["Elements_Type", row, box.value]] : [])),
    ...ticks.flatMap((tick, c) => (tick.checked ? [["Elements_Tick", c, true]] : [])),
    ...(ratio.value ? [["Elements_TypeRatio", ratio.value]] : []),
  ];
}

function showMessage(title, text) {
  Message.querySelector("#MessageTitle").textContent = title;
  Message.querySelector("#MessageText").textContent = text;
  Message.showModal();
}

// Paints the core's answer: each box with its text, found ones apart and read-only with what
// their tooltip says (a phone shows it under the box), the ticks and the ratio, the switch where
// there are two trapezoids or more, the notebook solution, the drawing and the message.
function paint({ state, svg, switchText }) {
  shown = state;
  state.rows.forEach((row, i) => {
    const box = boxes[i];
    if (box.value !== row.text) box.value = row.text;
    box.readOnly = row.found || !typed(box);
    box.classList.toggle("found", row.found);
    if (row.tooltip) box.title = row.tooltip;
    else box.removeAttribute("title");
    const description = row.tooltip ? `${row.tooltip} ${described.get(box)}` : described.get(box);
    if (box.getAttribute("aria-description") !== description) box.setAttribute("aria-description", description);
    const why = document.getElementById(`${box.id}_why`);
    if (why.textContent !== row.tooltip) why.textContent = row.tooltip;
    why.hidden = !row.tooltip;
  });
  ticks.forEach((tick, c) => (tick.checked = state.ticks[c]));
  if (ratio.value !== state.ratio) ratio.value = state.ratio;
  ratio.disabled = !state.ticks[ratioTick];
  next.hidden = state.solutions < 2;
  next.textContent = switchText ?? "";
  if (solution.textContent !== state.working) solution.textContent = state.working;
  if (svg !== undefined) picture.innerHTML = svg.slice(svg.indexOf(">") + 1, svg.lastIndexOf("</svg>"));
  if (state.message.title && !Message.open) showMessage(state.message.title, state.message.text);
}

// The problem as the boxes the pupil typed, the ticks and the ratio name it.
function problemOf(state) {
  const values = {};
  state.rows.forEach((row, i) => {
    if (typed(boxes[i]) && !row.found && row.text.trim()) values[nameOf(boxes[i])] = row.text.trim();
  });
  return { values, ticks: conditions.filter((_, c) => state.ticks[c]), ratio: state.ratio };
}

// Each press of «Изчисли» is counted once answered, for whoever waits on one; a solved problem is
// named by the address (no reload, no history), so that copying it shares it.
function calculate() {
  const unloaded = () => showMessage(Message.dataset.noCoreTitle, Message.dataset.noCore);
  const then = (state) => {
    if (!state.working) return;
    const search = elementsSearch(location.search, problemOf(state), names, conditions);
    history.replaceState(null, "", `${location.pathname}${search}${location.hash}`);
  };
  dispatch((module) => [["Elements_Calculate", numberSettings(module)]], { unloaded, again: true, then });
  events = events.then(() => {
    Elements.dataset.calculations = Number(Elements.dataset.calculations ?? 0) + 1;
  });
}

// A problem that the address names opens typed in and calculated.
function openProblem() {
  const problem = readElements(location.search, names, conditions);
  if (!problem) return;
  const rowOf = (name) => boxes.findIndex((box) => nameOf(box) === name);
  dispatch(() => [
    ...Object.entries(problem.values).map(([name, text]) => ["Elements_Type", rowOf(name), text]),
    ...problem.ticks.map((name) => ["Elements_Tick", conditions.indexOf(name), true]),
    ...(problem.ratio ? [["Elements_TypeRatio", problem.ratio]] : []),
  ]);
  calculate();
}

// Ctrl+Shift+C copies the solution as text, as in the calculator's window.
function copySolution(event) {
  if (!(event.ctrlKey && event.shiftKey && event.code === "KeyC")) return;
  event.preventDefault();
  const text = shown?.working ?? "";
  if (!text) return;
  // Where the page may not write to the clipboard itself (an address that is not secure), the
  // browser's own copy of the solution, selected.
  const byCopy = () => {
    getSelection().selectAllChildren(solution);
    document.execCommand("copy");
  };
  if (navigator.clipboard) navigator.clipboard.writeText(text).catch(byCopy);
  else byCopy();
}

boxes.forEach((box, row) =>
  box.addEventListener("input", () => {
    const text = box.value;
    dispatch(() => [["Elements_Type", row, text]]);
  }),
);
ticks.forEach((tick, c) =>
  tick.addEventListener("change", () => {
    const on = tick.checked;
    if (c === ratioTick) ratio.disabled = !on; // the ratio's box opens with its tick, before the core answers
    dispatch(() => [["Elements_Tick", c, on]]);
  }),
);
ratio.addEventListener("input", () => {
  const text = ratio.value;
  dispatch(() => [["Elements_TypeRatio", text]]);
});
calculateButton.addEventListener("click", calculate);
clearButton.addEventListener("click", () => dispatch(() => [["Elements_Clear"]]));
next.addEventListener("click", () => dispatch((module) => [["Elements_Next", numberSettings(module)]]));
Message.addEventListener("close", () => dispatch(() => [["Elements_CloseMessage"]]));
addEventListener("keydown", copySolution);
dispatch(() => []);
openProblem();
