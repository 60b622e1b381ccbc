// The engine in a worker, so that reading a large catalogue or searching it never holds up the page. The page
// asks with {id, op, args}; every answer to an action carries the window's state, the outbox (the files
// written for download read out as bytes) and the settings as they stand now.
import { dataNames, sampleFiles, userNames } from './data_files.js';
import { keptFiles } from './kept_files.js';

// Everything the start needs is asked for at once, before the page asks: the engine's code (compiled as it
// arrives) and its JavaScript, and the data files, the person's kept in this browser or else the site's sample.
const engineReady = startEngine();
const keptReady = Promise.all([keptFiles.load(), keptFiles.load('user')]);
// The sample is fetched while the browser's store is asked: it is small, and the person's own files are rare.
const sampleReady = sampleFiles();
sampleReady.catch(() => {}); // not needed when the person's own files are kept
const dataReady = keptReady.then(async ([own]) => (own ? { files: own, source: 'own' }
  : { files: await sampleReady, source: 'sample' }));
let engine = null;
let app = null;
let folder = '';
let lineCounts = {}; // the lines of each data file in the folder, counted as the file was written
let folders = 0;
// The decimal separator of the browser's language, found while the engine loads (the first use of the
// browser's number formats takes a while).
const separator = decimalSeparator();
let firstRows = 0; // the rows of each grid sent with an answer that shows the grid anew
let source = '';
let given = {}; // the files of the set in use as they were given: the person's as files, the sample's as bytes

function decimalSeparator() {
  const parts = new Intl.NumberFormat(undefined).formatToParts(1.5);
  const decimal = parts.find((p) => p.type === 'decimal');
  return decimal && decimal.value.length === 1 ? decimal.value : '.';
}

async function compileEngine() {
  const url = new URL('dorvik.wasm', import.meta.url);
  try {
    return await WebAssembly.compileStreaming(fetch(url));
  } catch {
    // A host that does not serve .wasm as application/wasm: compiled once it is all here.
    const response = await fetch(url);
    if (!response.ok) throw new Error(`${url.pathname}: ${response.status} ${response.statusText}`);
    return WebAssembly.compile(await response.arrayBuffer());
  }
}

async function startEngine() {
  const [compiled, { default: createDorvik }] = await Promise.all([compileEngine(), import('./dorvik.mjs')]);
  return createDorvik({
    instantiateWasm(imports, done) {
      WebAssembly.instantiate(compiled, imports).then((instance) => done(instance, compiled));
      return {};
    },
  });
}

function baseName(path) {
  return path.substring(path.lastIndexOf('/') + 1);
}

function countLines(bytes) {
  let n = 0;
  for (let i = bytes.indexOf(10); i !== -1; i = bytes.indexOf(10, i + 1)) n += 1;
  return bytes.length > 0 && bytes[bytes.length - 1] !== 10 ? n + 1 : n;
}

// A set of data files in a folder of its own; the names not given are taken from the set in use. The file
// system keeps the bytes given rather than a copy of them (the engine only reads them).
function writeSet(files) {
  const FS = engine.FS;
  folders += 1;
  const next = engine.dataFolder + '/' + folders;
  const counts = {};
  FS.mkdirTree(next);
  for (const name of dataNames) {
    const bytes = files[name] || (folder && exists(name) ? FS.readFile(folder + '/' + name) : null);
    if (!bytes) continue;
    const stream = FS.open(next + '/' + name, 'w');
    try {
      FS.write(stream, bytes, 0, bytes.length, 0, true);
    } finally {
      FS.close(stream);
    }
    counts[name] = files[name] ? countLines(bytes) : lineCounts[name];
  }
  return { path: next, counts };
}

function removeSet(path) {
  const FS = engine.FS;
  for (const name of FS.readdir(path)) if (name !== '.' && name !== '..') FS.unlink(path + '/' + name);
  FS.rmdir(path);
}

// The files given, {name: File or bytes}, read here rather than in the page, each whole and all at once (a
// large file read piece by piece takes many times as long), with the progress posted as each is in.
async function readFiles(chosen) {
  const total = Object.values(chosen).reduce((sum, f) => sum + (f.size || f.length || 0), 0);
  let done = 0;
  const read = async ([name, file]) => {
    if (!(file instanceof Blob)) return [name, file];
    const bytes = new Uint8Array(await file.arrayBuffer());
    done += file.size;
    postMessage({ progress: total > 0 ? done / total : 1, what: 'Reading the files…' });
    return [name, bytes];
  };
  const files = Object.fromEntries(await Promise.all(Object.entries(chosen).map(read)));
  if (total > 0) postMessage({ progress: null, what: 'Checking the files…' });
  return files;
}

function exists(name) {
  return engine.FS.analyzePath(folder + '/' + name).exists;
}

function dataInUse() {
  return { source, files: dataNames.filter(exists).map((name) => ({ name, lines: lineCounts[name] })) };
}

// The user's own lines, {name: bytes}, as the engine's files hold them now.
function userFiles() {
  const files = {};
  for (const name of userNames) {
    const path = engine.userFolder + '/' + name;
    if (engine.FS.analyzePath(path).exists) files[name] = engine.FS.readFile(path);
  }
  return files;
}

function writeUserFiles(files) {
  for (const name of userNames) {
    const path = engine.userFolder + '/' + name;
    if (files[name]) engine.FS.writeFile(path, files[name]);
    else if (engine.FS.analyzePath(path).exists) engine.FS.unlink(path);
  }
}

// save: false where nothing can have changed the settings since they were read.
function snapshot(save = true) {
  if (save) app.saveSettings();
  const FS = engine.FS;
  const outbox = JSON.parse(app.takeOutbox());
  // Where the browser keeps nothing, the lines last for the session only.
  if (outbox.userFilesChanged) keptFiles.save(userFiles(), 'user');
  outbox.files = outbox.downloads.map((path) => {
    const bytes = FS.readFile(path);
    FS.unlink(path);
    return { name: baseName(path), bytes };
  });
  let store = null;
  try {
    store = FS.readFile(engine.storeFile, { encoding: 'utf8' });
  } catch {
    // Nothing stored yet.
  }
  return { state: app.state(), outbox, store };
}

// The answer with the first rows of each grid it shows, so that the page shows them without asking again.
function withFirstRows(result) {
  const rows = {};
  for (const [name, control] of Object.entries(JSON.parse(result.state).controls))
    if (control.rowCount > 0) rows[name] = app.rows(name, 1, firstRows);
  return { ...result, rows };
}

function replaceApp(next) {
  if (app) {
    app.close();
    app.delete();
  }
  app = next;
}

const ops = {
  async start(options) {
    engine = await engineReady;
    firstRows = options.firstRows;
    const storeFolder = engine.storeFile.substring(0, engine.storeFile.lastIndexOf('/'));
    engine.FS.mkdirTree(storeFolder);
    if (options.store !== null) engine.FS.writeFile(engine.storeFile, options.store);
    engine.FS.mkdirTree(engine.userFolder);
    writeUserFiles((await keptReady)[1] || {});
    const data = await dataReady;
    given = data.files;
    ({ path: folder, counts: lineCounts } = writeSet(await readFiles(data.files)));
    source = data.source;
    app = new engine.WebApp(options.fragment, separator, folder);
    return withFirstRows({ ...snapshot(false), data: dataInUse(), about: JSON.parse(engine.aboutBox()) });
  },
  event(name, action, value) {
    app.event(name, action, value);
    return snapshot();
  },
  print(choice, answer) {
    app.print(choice, answer);
    return snapshot();
  },
  openQueryFile(name, bytes) {
    engine.FS.mkdirTree(engine.inputFolder);
    const path = engine.inputFolder + '/' + name.replace(/[/\\]/g, '_');
    engine.FS.writeFile(path, bytes);
    app.openQueryFile(path);
    return snapshot();
  },
  rows(grid, first, count) {
    return app.rows(grid, first, count);
  },
  chart(width, height) {
    return app.chart(width, height);
  },
  chartChoose(index, chosen) {
    app.chartChoose(index, chosen);
  },
  chartQuantity(quantity) {
    app.chartQuantity(quantity);
  },
  chartReadOut(x, y, tolerance) {
    return app.chartReadOut(x, y, tolerance);
  },
  chartSvg() {
    return app.chartSvg();
  },
  dialog(width, height) {
    return app.dialog(width, height);
  },
  dialogEvent(control, action, value, answer) {
    app.dialogEvent(control, action, value, answer);
    return snapshot();
  },
  closeDialogs() {
    app.closeDialogs();
  },
  userFiles() {
    return userFiles();
  },
  // The user's files from disk, {name: File}: the catalogue is read again with them (and they are kept, see
  // snapshot); when it cannot be used, the files before stay.
  async useUserFiles(chosen) {
    const before = userFiles();
    writeUserFiles({ ...before, ...(await readFiles(chosen)) });
    app.reloadUserLines();
    if (!app.usable()) {
      const refused = JSON.parse(app.takeOutbox()).messages;
      writeUserFiles(before);
      app.reloadUserLines();
      return { accepted: false, refused, ...snapshot() };
    }
    return { accepted: true, ...snapshot() };
  },
  // The program again, with the query of a link.
  restart(fragment) {
    replaceApp(new engine.WebApp(fragment, separator, folder));
    return snapshot();
  },
  // Data files the person chose: tried beside the ones in use, which stay when the new ones cannot be used.
  // The person's own files are kept in the browser; choosing the sample data forgets them.
  async useData(chosen, newSource, fragment) {
    const files = await readFiles(chosen);
    app.saveSettings();
    const { path: trialFolder, counts } = writeSet(files);
    const trial = new engine.WebApp('', separator, trialFolder);
    if (!trial.usable()) {
      const refused = JSON.parse(trial.takeOutbox()).messages;
      trial.discard();
      trial.delete();
      removeSet(trialFolder);
      return { accepted: false, refused, data: dataInUse(), ...snapshot() };
    }
    replaceApp(trial);
    app.runLink(fragment);
    removeSet(folder);
    folder = trialFolder;
    lineCounts = counts;
    source = newSource;
    // The person's files are kept as the files they chose, which the browser stores without reading them here.
    given = { ...given, ...chosen };
    if (newSource === 'own') keptFiles.save(given);
    else keptFiles.forget();
    return withFirstRows({ accepted: true, data: dataInUse(), ...snapshot() });
  },
};

async function answer({ id, op, args }) {
  try {
    const result = await ops[op](...args);
    const transfer = result && result.outbox ? result.outbox.files.map((f) => f.bytes.buffer) : [];
    postMessage({ id, result }, transfer);
  } catch (error) {
    postMessage({ id, error: String(error && error.message || error) });
  }
}

// One request at a time, in the order asked: one that waits (for the engine, for files) holds the rest back.
let answered = Promise.resolve();
onmessage = (e) => {
  answered = answered.then(() => answer(e.data));
};
