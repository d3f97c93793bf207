// The window's controls, found by their object names, and the few things the page does to them
// beyond setting their properties: showing a message and fitting a narrow screen.
const byPrefix = (prefix) => [...document.querySelectorAll(`[id^="${prefix}_"]`)];

export const Tessorin = document.getElementById("Tessorin");
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

// A modal message with an OK button; Enter or Escape closes it and the focus goes back to where
// it was.
export function showMessage(title, text) {
  const dialog = document.getElementById("Message");
  const returnTo = document.activeElement;
  dialog.querySelector("#MessageTitle").textContent = title;
  dialog.querySelector("#MessageText").textContent = text;
  dialog.addEventListener("close", () => returnTo?.focus(), { once: true });
  dialog.showModal();
}

// On a screen narrower than the window the whole window is scaled down to fit; never up.
export function fitToScreen() {
  const scale = Math.min(1, document.documentElement.clientWidth / Tessorin.offsetWidth);
  document.documentElement.style.setProperty("--scale", String(scale));
}
