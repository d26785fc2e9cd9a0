// Offline after the first visit: every file of the page is kept when the page is first
// loaded and served from that copy; a new build (another version) replaces the copy.
const VERSION = 'verbundo-@VERSION@';
const DATEIEN = [@DATEIEN@];

self.addEventListener('install', e => e.waitUntil(caches.open(VERSION).then(c => c.addAll(DATEIEN))));
self.addEventListener('activate', e => e.waitUntil(caches.keys().then(alle =>
  Promise.all(alle.filter(n => n.startsWith('verbundo-') && n !== VERSION).map(n => caches.delete(n))))));
self.addEventListener('fetch', e => {
  if (e.request.method !== 'GET') return;
  e.respondWith(caches.match(e.request, { ignoreSearch: true }).then(r => r ?? fetch(e.request)));
});
