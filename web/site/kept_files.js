// The person's own files, kept in this browser (IndexedDB): under 'set' the data files until they choose the
// site's data again, under 'user' their own lines. Where the browser keeps no site data, nothing is kept and
// nothing fails.
const dbName = 'dorvik';
const storeName = 'files';

function openDb() {
  return new Promise((resolve, reject) => {
    const request = indexedDB.open(dbName, 1);
    request.onupgradeneeded = () => request.result.createObjectStore(storeName);
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

async function transact(mode, work) {
  const db = await openDb();
  try {
    return await new Promise((resolve, reject) => {
      const tx = db.transaction(storeName, mode);
      const request = work(tx.objectStore(storeName));
      tx.oncomplete = () => resolve(request && request.result);
      tx.onerror = () => reject(tx.error);
      tx.onabort = () => reject(tx.error);
    });
  } finally {
    db.close();
  }
}

export const keptFiles = {
  // {name: bytes} or null.
  async load(key = 'set') {
    try {
      return (await transact('readonly', (s) => s.get(key))) || null;
    } catch {
      return null;
    }
  },
  async save(files, key = 'set') {
    try {
      await transact('readwrite', (s) => s.put(files, key));
      return true;
    } catch {
      return false;
    }
  },
  async forget() {
    try {
      await transact('readwrite', (s) => s.delete('set'));
    } catch {
      // Nothing was kept.
    }
  },
};
