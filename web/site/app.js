// Starts the page: loads the engine and the data files beside the page, restores the settings kept in the
// browser, and runs the query in the address when there is one. The page is a view: every rule runs in the
// engine (see view.js for how state is shown and events are sent).
import createDorvik from './dorvik.mjs';
import { View } from './view.js';

const dataFiles = ['Freq_TLine_Connectors.dat', 'M_lom.dat', 'xcngrate.dat'];
const storeKey = 'dorvik.registry';

async function fetchBytes(url) {
  const response = await fetch(url);
  // A missing file is left out: the engine reports it as the desktop program does.
  if (!response.ok) return null;
  return new Uint8Array(await response.arrayBuffer());
}

async function start() {
  const [engine, ...files] = await Promise.all([createDorvik(), ...dataFiles.map((f) => fetchBytes('data/' + f))]);
  const FS = engine.FS;
  FS.mkdirTree(engine.dataFolder);
  files.forEach((bytes, i) => { if (bytes) FS.writeFile(engine.dataFolder + '/' + dataFiles[i], bytes); });
  const storeFolder = engine.storeFile.substring(0, engine.storeFile.lastIndexOf('/'));
  FS.mkdirTree(storeFolder);
  const stored = localStorage.getItem(storeKey);
  if (stored !== null) FS.writeFile(engine.storeFile, stored);

  const saveSettings = () => {
    try {
      const text = FS.readFile(engine.storeFile, { encoding: 'utf8' });
      if (text !== localStorage.getItem(storeKey)) localStorage.setItem(storeKey, text);
    } catch {
      // Nothing stored yet.
    }
  };
  document.getElementById('loading').hidden = true;
  const view = new View(engine, saveSettings);
  view.open(location.hash);
  addEventListener('hashchange', () => view.open(location.hash));
  addEventListener('pagehide', () => view.leave());
  // Back from the browser's page cache after pagehide closed the program: it starts again.
  addEventListener('pageshow', (e) => { if (e.persisted) view.open(location.hash); });
}

start().catch((error) => {
  document.getElementById('loading').textContent = 'The calculator could not start: ' + error;
});
