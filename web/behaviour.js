// The window's behaviour: what the load, a choice in the list and the two buttons do. It keeps no
// state of its own; everything lives in the controls.
import { calculate } from "./core.js";
import { problemSearch, readProblem, typedForm } from "./link.js";
import { numberFormat, pageLocale } from "./regional.js";
import {
  Check1,
  Command1,
  List1,
  Text2,
  givenRows,
  hideTip,
  noCoreMessage,
  showMessage,
  showTip,
  showWorking,
} from "./window.js";

// Read at the first calculation: the language's number data need not hold up the window.
let settings;

function ApplyCombination() {
  Check1.forEach((tick, i) => {
    tick.disabled = true;
    tick.checked = false;
    Text2[i].value = "";
    Text2[i].readOnly = true;
  });
  showWorking();
  for (const row of givenRows(List1[0].selectedIndex)) {
    Check1[row].checked = true;
    Text2[row].readOnly = false;
  }
}

// Each press of «Изчисли» is answered (the core awaited, the boxes or the message written) in its
// own time; the window counts the answers, for whoever waits on one.
async function Calculate() {
  try {
    await Solve();
  } finally {
    const form = document.getElementById("Tessorin");
    form.dataset.calculations = Number(form.dataset.calculations ?? 0) + 1;
  }
}

async function Solve() {
  const index = List1[0].selectedIndex;
  const rows = Check1.map((tick, i) => ({ ticked: tick.checked, text: Text2[i].value }));
  settings ??= numberFormat(pageLocale());
  let outcome;
  try {
    outcome = await calculate(index, rows, settings);
  } catch {
    // The core could not be loaded; the next press tries again.
    showMessage(...noCoreMessage());
    return;
  }
  if (outcome.failed) {
    showMessage(outcome.title, outcome.text);
  } else if (outcome.solved) {
    // A box keeps as many characters of a written text as it lets the user type.
    Text2.forEach((box, i) => (box.value = outcome.texts[i].slice(0, box.maxLength)));
    showWorking(outcome.explanations, outcome.descriptions, outcome.solution);
    nameProblem(index, outcome.texts);
  }
}

// The combinations of the list as the address names them: label and given rows.
const combinations = () =>
  [...List1[0].options].map((option, index) => ({ label: option.textContent, rows: givenRows(index) }));

// The address names the problem just solved, so that copying it shares it (no reload, no history).
function nameProblem(index, texts) {
  const group = settings.grouping ? settings.groupSymbol : "";
  const values = Object.fromEntries(givenRows(index).map((row) => [row, typedForm(texts[row], group)]));
  history.replaceState(null, "", problemSearch(location.search, combinations()[index].label, values) + location.hash);
}

// A problem that the address names opens chosen and typed in, nothing calculated yet.
function OpenProblem() {
  const problem = readProblem(location.search, combinations());
  if (!problem) return;
  List1[0].selectedIndex = problem.index;
  List1_Click(0);
  for (const [row, text] of Object.entries(problem.values)) Text2[row].value = text;
}

// Where the phone can share, its share sheet takes the problem's address.
function Share() {
  navigator.share({ title: document.title, url: location.href }).catch(() => {});
}

function ClearValues() {
  for (const box of Text2) box.value = "";
  showWorking();
}

// Any change of a box (typing, Clear, another combination) drops the working, so that it never
// explains numbers the boxes no longer hold; Calculate shows it again after writing them. F1 in a
// box, or a long press on it, shows its working; any other key, a click or leaving that box hides
// it (another box's blur, which a finger lifted from this one brings, does not).
function ConnectWorking() {
  addEventListener("keydown", () => hideTip(), true);
  addEventListener("pointerdown", () => hideTip(), true);
  addEventListener("scroll", () => hideTip(), true); // the tooltip stands where the box was
  for (const box of Text2) {
    box.addEventListener("input", () => showWorking());
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

function List1_Click(index) {
  if (index === 0) ApplyCombination();
}

function Command1_Click(index) {
  if (index === 0) Calculate();
  if (index === 1) ClearValues();
}

// The page is written as the load leaves the window (each box's length limit included), and this
// behaviour arrives after its first paint. A reload or a step back in history may have kept the
// texts and the choice of the page before: then the load runs again. On a new visit what the
// pupil did in the meantime stays, a combination already chosen applied.
function Form_Load() {
  if (!restored()) {
    if (List1[0].selectedIndex !== 0) List1_Click(0);
    return;
  }
  ClearValues();
  List1[0].selectedIndex = 0;
  List1_Click(0);
  // Rows a and b are given in combination 0 already: this changes nothing, as the load always did.
  for (const row of [0, 1]) {
    Check1[row].checked = true;
    Text2[row].readOnly = false;
  }
}

// Whether the browser may have put back controls of an earlier visit of the page (when it cannot
// tell, it may have).
function restored() {
  const type = performance.getEntriesByType("navigation")[0]?.type ?? "reload";
  return type === "reload" || type === "back_forward";
}

List1.forEach((list, i) => list.addEventListener("change", () => List1_Click(i)));
Command1.forEach((button, i) => button.addEventListener("click", () => Command1_Click(i)));
document.getElementById("Share").addEventListener("click", Share);
ConnectWorking();
Form_Load();
OpenProblem();
// The window opens with the focus in the assignment, which a phone shows last: no scrolling to it.
// A pupil who has already gone into a box keeps it, and every key typed there.
if (!document.activeElement || document.activeElement === document.body) {
  document.getElementById("Text1_0").focus({ preventScroll: true });
}
