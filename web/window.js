// The window's controls, found by their object names, and the painting of the window's state (as
// the core returns it) onto them: ticks, boxes, the working, the solution and the message.
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

// The SVG that Picture1 shows, as the core last wrote it; the page's own at first.
let drawn;

// Paints the state's picture, which the core writes as `svg`: its lines and letters, its words for
// screen readers and, for paper, its width at the scale written under it.
function paintPicture(svg, picture) {
  const box = document.getElementById("Picture1");
  if (svg !== undefined && svg !== drawn) {
    box.innerHTML = svg.slice(svg.indexOf(">") + 1, svg.lastIndexOf("</svg>"));
    drawn = svg;
  }
  if (box.getAttribute("aria-description") !== picture.description) box.setAttribute("aria-description", picture.description);
  if (picture.printWidth > 0) box.style.setProperty("--print-width", `${picture.printWidth}cm`);
  else box.style.removeProperty("--print-width");
  const scale = document.getElementById("PrintScale");
  if (scale.textContent !== picture.printScale) scale.textContent = picture.printScale;
}

// Paints `state` (window/form.h): the list's choice, each row's tick and box with its working as
// its tooltip and after its description, the whole solution that a phone shows as text under the
// buttons (and paper too), the picture (`svg`, as the core writes it; none leaves the one shown)
// and the message. Where the phone can share, a button hands the problem on.
export function paint(state, svg) {
  if (List1[0].selectedIndex !== state.combination) List1[0].selectedIndex = state.combination;
  state.rows.forEach((row, i) => {
    const box = Text2[i];
    Check1[i].checked = row.ticked;
    box.maxLength = state.maxLength;
    box.readOnly = row.readOnly;
    if (box.value !== row.text) box.value = row.text;
    if (row.working) box.title = row.working;
    else box.removeAttribute("title");
    // spares screen readers a change that is none
    if (box.getAttribute("aria-description") !== row.description) box.setAttribute("aria-description", row.description);
  });
  const steps = document.getElementById("Steps");
  if (steps.textContent !== state.solution) steps.textContent = state.solution;
  steps.hidden = !state.solution;
  document.getElementById("Share").hidden = !state.solution || !navigator.share;
  paintPicture(svg, state.picture);
  if (state.message.title && !document.getElementById("Message").open) showMessage(state.message.title, state.message.text);
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
