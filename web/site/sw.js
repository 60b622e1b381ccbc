// Keeps the site (the page, the engine, the sample data) for use offline: every file is kept on the first
// visit and answered from the cache after it. A new build has a new version here, so the browser installs
// it beside the old one on the next visit and the old files are dropped once it is active.
const version = '@SITE_VERSION@';
const files = [@SITE_FILES@];
const cacheName = 'dorvik-' + version;

self.addEventListener('install', (e) => {
  e.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(['./', ...files])).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (e) => {
  e.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((k) => k.startsWith('dorvik-') && k !== cacheName).map((k) => caches.delete(k))))
    .then(() => self.clients.claim()));
});

let cacheOpened = null; // opened once for every request while this worker runs

self.addEventListener('fetch', (e) => {
  const request = e.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== location.origin) return;
  cacheOpened ||= caches.open(cacheName);
  e.respondWith(cacheOpened.then(async (cache) => {
    const kept = await cache.match(request, { ignoreSearch: true }) ||
      (request.mode === 'navigate' ? await cache.match('./') : undefined);
    return kept || fetch(request);
  }));
});
