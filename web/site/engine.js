// The page's side of the engine's worker: each request is answered in the order asked; the worker also
// reports the progress of reading files.
export class Engine {
  constructor(worker) {
    this.worker = worker;
    this.next = 1;
    this.waiting = new Map();
    this.onProgress = () => {};
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
  }

  request(op, ...args) {
    const id = this.next++;
    return new Promise((resolve, reject) => {
      this.waiting.set(id, { resolve, reject });
      this.worker.postMessage({ id, op, args });
    });
  }
}

// The one engine of the page. Its worker starts as soon as this module runs: the page loads it on its own,
// ahead of the modules of the view, so that the engine loads while they do.
export const engine = new Engine(new Worker(new URL('engine_worker.js', import.meta.url), { type: 'module' }));
