// Keeps every file of one build (FILES, under the cache named CACHE; both written above by the
// build) and answers from them, so the page works offline. A new build has a new cache name: it
// is fetched whole on the next visit and the old one is dropped.
self.addEventListener("install", (event) => {
  event.waitUntil(
    caches
      .open(CACHE)
      .then((cache) => cache.addAll(FILES))
      .then(() => self.skipWaiting()),
  );
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) => Promise.all(names.filter((name) => name !== CACHE).map((name) => caches.delete(name))))
      .then(() => self.clients.claim()),
  );
});

// The page's own address (with or without index.html, with any query such as ?locale=bg-BG)
// is the one cached index.html.
function cachedAddress(request) {
  const url = new URL(request.url);
  url.search = "";
  url.hash = "";
  if (url.pathname.endsWith("/")) url.pathname += "index.html";
  return url.href;
}

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(
    caches
      .open(CACHE)
      .then((cache) => cache.match(cachedAddress(event.request)))
      .then((cached) => cached ?? fetch(event.request)),
  );
});
