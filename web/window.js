// The window's controls, found by their object names, and the few things the page does to them
// beyond setting their properties: showing a message and the working of a calculation.
const byPrefix = (prefix) => [...document.querySelectorAll(`[id^="${prefix}_"]`)];

const Tessorin = document.getElementById("Tessorin");
export const List1 = byPrefix("List1");
export const Check1 = byPrefix("Check1");
export const Text2 = byPrefix("Text2");
export const Command1 = byPrefix("Command1");

// The quantity rows that combination `index` gives, from the list row's data; none for a row
// that does not exist.
export function givenRows(index) {
  const option = List1[0].options[index];
  return option ? option.dataset.given.split(" ").map(Number) : [];
}

// A modal message with an OK button; Enter or Escape closes it. The focus goes back to where it
// was by itself, in Chromium, Firefox and WebKit alike (the page tests check it in each).
export function showMessage(title, text) {
  const dialog = document.getElementById("Message");
  dialog.querySelector("#MessageTitle").textContent = title;
  dialog.querySelector("#MessageText").textContent = text;
  dialog.showModal();
}

// The message for a core that could not be loaded, as the page is written: title and text.
export function noCoreMessage() {
  const { noCoreTitle, noCore } = document.getElementById("Message").dataset;
  return [noCoreTitle, noCore];
}

// Each value box's own description, as the page is written; the working is added below it.
const ownDescription = Text2.map((box) => box.getAttribute("aria-description"));

// Each value box's working as its tooltip and after its description, from a calculation's
// explanations and descriptions; without them, the boxes go back to explaining nothing. A phone
// shows the whole solution (given, steps, answer) as text under the buttons, and so does paper;
// where the phone can share, a button hands the problem on.
export function showWorking(explanations = [], descriptions = [], solution = "") {
  const steps = document.getElementById("Steps");
  steps.textContent = solution;
  steps.hidden = !solution;
  document.getElementById("Share").hidden = !solution || !navigator.share;
  Text2.forEach((box, i) => {
    if (explanations[i]) box.title = explanations[i];
    else box.removeAttribute("title");
    const description = descriptions[i] || ownDescription[i];
    // spares screen readers a change that is none
    if (box.getAttribute("aria-description") !== description) box.setAttribute("aria-description", description);
  });
}

// The tooltip that F1 or a long press shows under a value box; made at its first use.
let tip;

export function showTip(box) {
  hideTip();
  if (!box.title) return;
  if (!tip) {
    tip = document.createElement("div");
    tip.id = "Working";
    tip.setAttribute("role", "tooltip");
    Tessorin.append(tip);
  }
  const place = box.getBoundingClientRect();
  tip.textContent = box.title;
  tip.dataset.box = box.id;
  tip.style.left = `${place.left}px`;
  tip.style.top = `${place.bottom}px`;
  tip.hidden = false;
}

// Hides the tooltip; with a box, only that box's.
export function hideTip(box) {
  if (tip && (!box || tip.dataset.box === box.id)) tip.hidden = true;
}
