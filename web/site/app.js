// Starts the page: the engine in its worker with the data files (the person's own, kept in this browser, or
// the site's sample data), the settings kept in the browser, and the query in the address when there is one. The
// page is a view: every rule runs in the engine (see view.js for how state is shown and events are sent).
import { engine, started, storage, storeKey } from './engine.js';
import { View } from './view.js';

function registerOffline() {
  try {
    navigator.serviceWorker?.register('sw.js').catch(() => {});
  } catch {
    // No service worker where site data is blocked: the page works online only.
  }
}

async function start() {
  const loading = document.getElementById('loading');
  engine.onProgress = (progress, what) => {
    loading.textContent = what + (progress === null ? '' : ` ${Math.round(progress * 100)} %`);
  };
  // The view is made ready while the engine starts.
  const view = new View(engine, (text) => {
    if (storage && text !== null && text !== storage.getItem(storeKey)) {
      try { storage.setItem(storeKey, text); } catch { /* full or blocked: not kept */ }
    }
  }, storage !== null);
  const first = await started;
  loading.hidden = true;
  view.about = first.about;
  view.showData(first.data);
  // What the person does before the first answer is shown waits for it, as every answer waits for the one before.
  view.queue = view.apply(first, true);
  await view.queue;
  document.body.dataset.pending = String(view.pending);
  addEventListener('hashchange', () => view.restart(location.hash));
  // Kept for use offline once the first answer is on screen: keeping the site fetches its files again, which
  // would hold up the drawing of that answer.
  setTimeout(registerOffline, 1000);
}

start().catch((error) => {
  document.getElementById('loading').textContent = 'The calculator could not start: ' + error;
});
