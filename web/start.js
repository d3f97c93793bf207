// Written into the page as its only script: the window is drawn from the page alone, and its
// behaviour comes after that first paint, so that fetching and running scripts never hold it up.
// Every module of the page (the build lists them on this script's element) is asked for at once,
// so that they arrive together, not one level of imports after another.
const modules = document.querySelector("script[data-modules]").dataset.modules.split(" ");
let started = false;

function start() {
  if (started) return;
  started = true;
  // Each request a task of its own, so that none is long enough to keep a touch waiting on a slow
  // phone; they still all leave at once.
  for (const name of modules) setTimeout(() => import(`./${name}`));
}

if (document.hidden || !PerformanceObserver.supportedEntryTypes?.includes("paint")) {
  start(); // nothing is painted in a hidden tab, or nothing says when
} else {
  new PerformanceObserver(start).observe({ type: "paint", buffered: true });
  setTimeout(start, 1000); // no paint reported by then: the behaviour waits no longer
}
