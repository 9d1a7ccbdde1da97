// Keeps every file of the page, so that Vardolin opens offline after the first visit. The cache
// is named after the files' contents: a rebuilt page comes with a new worker, which fills a new
// cache from the network and drops the old one, so the next visit shows the new page.
const CACHE = 'vardolin-@VARDOLIN_PAGE_HASH@';
const FILES = [@VARDOLIN_PAGE_FILES@];

self.addEventListener('install', (event) => {
  // 'reload': from the server, never from the browser's HTTP cache, which may hold old files.
  const requests = FILES.map((file) => new Request(file, { cache: 'reload' }));
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(requests))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== CACHE).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.match(event.request, { ignoreSearch: true })
    .then((cached) => cached || fetch(event.request)));
});
