// After one visit the page opens and calculates with the network off: the service worker keeps
// every file of the site.
if ("serviceWorker" in navigator) {
  navigator.serviceWorker.register("sw.js").catch((error) => console.warn("no offline copy:", error));
}
