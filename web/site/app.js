// Starts the page: the engine in its worker with the data files (the person's own, kept in this browser, or
// the site's sample data), the settings kept in the browser, and the query in the address when there is one. The
// page is a view: every rule runs in the engine (see view.js for how state is shown and events are sent).
import { engine } from './engine.js';
import { View } from './view.js';

// Site data may be blocked (a browser setting): then the settings are simply not kept.
function usableStorage() {
  try {
    const storage = window.localStorage;
    storage.getItem('dorvik.registry');
    return storage;
  } catch {
    return null;
  }
}

function registerOffline() {
  try {
    navigator.serviceWorker?.register('sw.js').catch(() => {});
  } catch {
    // No service worker where site data is blocked: the page works online only.
  }
}

async function start() {
  const storage = usableStorage();
  const storeKey = 'dorvik.registry';
  const loading = document.getElementById('loading');
  engine.onProgress = (progress, what) => {
    loading.textContent = what + (progress === null ? '' : ` ${Math.round(progress * 100)} %`);
  };
  // The worker reads the data files itself: the person's own, kept in this browser, or the site's sample.
  const first = await engine.request('start', { separator: View.separator(), fragment: location.hash,
    store: storage ? storage.getItem(storeKey) : null });
  loading.hidden = true;
  const view = new View(engine, (text) => {
    if (storage && text !== null && text !== storage.getItem(storeKey)) {
      try { storage.setItem(storeKey, text); } catch { /* full or blocked: not kept */ }
    }
  }, storage !== null);
  view.about = first.about;
  view.showData(first.data);
  await view.apply(first, true);
  document.body.dataset.pending = '0';
  addEventListener('hashchange', () => view.restart(location.hash));
  registerOffline();
}

start().catch((error) => {
  document.getElementById('loading').textContent = 'The calculator could not start: ' + error;
});
