// Keeps the floor's files, as the calculator's worker keeps the page's.
const CACHE = 'floor';
const FILES = ['./', 'index.html', 'minimal_page.js', 'minimal_page.wasm'];

self.addEventListener('install', (event) => {
  const requests = FILES.map((file) => new Request(file, { cache: 'reload' }));
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(requests))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => event.waitUntil(self.clients.claim()));

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.match(event.request, { ignoreSearch: true })
    .then((cached) => cached || fetch(event.request)));
});
