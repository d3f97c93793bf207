// After one visit the page opens and calculates with the network off: the service worker keeps
// every file of the site. It is registered once the page has loaded, so that fetching those
// files does not compete with the window's own (often it has, when this module starts).
function register() {
  navigator.serviceWorker.register("sw.js").catch((error) => console.warn("no offline copy:", error));
}

if ("serviceWorker" in navigator) {
  if (document.readyState === "complete") register();
  else addEventListener("load", register, { once: true });
}
