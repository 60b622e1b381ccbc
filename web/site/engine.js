// The page's side of the engine's worker: each request is answered in the order asked; the worker also
// reports the progress of reading files. The page loads this module ahead of its others, so that the engine
// starts (loads, reads the data files, runs the link) while they load.
export class Engine {
  constructor(worker) {
    this.worker = worker;
    this.next = 1;
    this.waiting = new Map();
    this.onProgress = () => {};
    const early = worker.early || [];
    worker.onmessage = (e) => {
      const { id, result, error, progress, what } = e.data;
      if (id === undefined) {
        this.onProgress(progress, what);
        return;
      }
      const w = this.waiting.get(id);
      this.waiting.delete(id);
      if (error !== undefined) w.reject(new Error(error));
      else w.resolve(result);
    };
    // What the worker said before this module was loaded.
    for (const e of early.splice(0)) worker.onmessage(e);
  }

  request(op, ...args) {
    const id = this.next++;
    return new Promise((resolve, reject) => {
      this.waiting.set(id, { resolve, reject });
      this.worker.postMessage({ id, op, args });
    });
  }
}

// Grid rows shown at a time: the engine sends the first of them with an answer that shows a grid anew.
export const rowsPerBatch = 60;

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

export const storage = usableStorage();
export const storeKey = 'dorvik.registry';
// The worker was started as the page was read (index.html).
export const engine = new Engine(window.engineWorker);
// The worker reads the data files itself: the person's own, kept in this browser, or the site's sample.
export const started = engine.request('start', { fragment: location.hash,
  store: storage ? storage.getItem(storeKey) : null, firstRows: rowsPerBatch });
