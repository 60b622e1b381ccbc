// Browser tests of the page as an application: site data blocked, links and pick lists, the keyboard, the
// person's own data files, menus and their keys, history, the clipboard, messages, the chart, the layout, the
// user's own lines, offline use, a new version and axe-core. Usage: node app_test.mjs SITE_FOLDER DATA_FOLDER [SCREENSHOT_FOLDER]
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';
import { serve } from './static_server.mjs';

const [site, data, shots] = process.argv.slice(2);
const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const scratch = mkdtempSync(join(tmpdir(), 'dorvik-app-test-'));
let failures = 0;
function check(ok, what) {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`);
  if (!ok) failures += 1;
}

const example = '#BegFreq=824&EndFreq=960&C1=N%20Male&C2=7-16%20DIN%20Male&MaxLoss=3&Length=30&VSWR=1.3&Units=M' +
  '&Foam=True&Air=False&Waveguide=False&ByFreq=True&ByLoss=True&ByC1=False&ByC2=False';
const server = await serve(site);
const base = () => `http://127.0.0.1:${server.address().port}/`;
const browser = await puppeteer.launch({
  executablePath: process.env.CHROME || '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run'],
});

async function newPage({ width = 1280, height = 800, context = null, before = null } = {}) {
  const page = await (context || await browser.createBrowserContext()).newPage();
  await page.setViewport({ width, height });
  page.errors = [];
  page.on('pageerror', (e) => page.errors.push(e.message));
  page.on('dialog', (d) => d.accept());
  if (before) await page.evaluateOnNewDocument(before);
  return page;
}
const idle = (page) => page.waitForFunction(() => document.body.dataset.pending === '0', { timeout: 20000 });
async function open(page, hash = '') {
  await page.goto(base() + hash);
  await page.waitForFunction(() => Number(document.body.dataset.answers) > 0, { timeout: 20000 });
  await idle(page);
}
const rows = (page) => page.$eval('#grdSpecs tbody', (b) => (b.closest('[hidden]') ? 0 : b.rows.length));
const messages = (page) => page.$$eval('#messageBox[open] .message', (els) => els.map((e) => e.dataset.text));
const currentRow = (page) => page.$eval('#grdSpecs tbody', (b) => [...b.rows].findIndex((r) => r.classList.contains('current')) + 1);
async function click(page, selector) {
  await page.$eval(selector, (e) => e.click());
  await idle(page);
}
async function axe(page) {
  await page.evaluate(axeSource);
  return page.evaluate(async () => (await window.axe.run(document, { resultTypes: ['violations'] })).violations
    .filter((v) => v.impact === 'serious' || v.impact === 'critical').map((v) => `${v.id}(${v.nodes.length})`));
}

try {
  // Site data blocked: the link still lists its lines; the page says settings are not kept.
  let page = await newPage({ before: () => {
    const blocked = () => { throw new DOMException('blocked', 'SecurityError'); };
    Object.defineProperty(window, 'localStorage', { get: blocked });
    Object.defineProperty(window, 'indexedDB', { get: blocked });
  } });
  await open(page, example);
  const linkLines = await rows(page);
  check(linkLines > 1 && await page.$eval('#notKept', (e) => !e.hidden) && page.errors.length === 0,
    `with site data blocked the link lists ${linkLines} lines and says nothing is kept (${page.errors})`);

  // The link's results page, then New Query: the pick lists hold the whole catalogue.
  page = await newPage();
  await open(page, example);
  check(await rows(page) === linkLines, 'the link lists its lines');
  check((await axe(page)).length === 0, 'axe: the results page ' + await axe(page));
  check(await page.evaluate(() => document.activeElement.id) === 'grdSpecs', 'the grid has the focus after a search');
  // Keys in the grid, each from the line the one before left current.
  const count = linkLines;
  for (const [key, want] of [['ArrowDown', 2], ['ArrowDown', 3], ['ArrowUp', 2], ['End', count], ['ArrowDown', count],
    ['Home', 1], ['ArrowUp', 1], ['PageDown', Math.min(count, 2)]]) {
    await page.focus('#grdSpecs');
    await page.keyboard.press(key);
    await idle(page);
    const row = await currentRow(page);
    check(key === 'PageDown' ? row >= want : row === want, `${key} in the grid makes line ${row} current (want ${want})`);
  }
  const connectorText = await page.$eval('#lstConnectors', (l) => l.options.length);
  check(connectorText > 0, 'the connector panes follow the current line');
  await click(page, '#btnNewQuery');
  const lists = await page.evaluate(() => ['cbxBeginningFrequency-items', 'cbxEndingFrequency-items', 'cbxConnector', 'cbxConnector2']
    .map((id) => document.getElementById(id).options.length));
  check(lists.every((n) => n > 5), 'after a link and New Query the pick lists hold the catalogue: ' + lists);
  // History: Back shows the query page (New Query's entry was pushed), Forward the results again.
  await click(page, '#btnSearch');
  await page.goBack();
  await idle(page);
  check(await rows(page) === 0 && await page.$eval('#tsQueryValues', (f) => !f.hidden), 'Back after a search shows the query page');
  await page.goForward();
  await idle(page);
  check(await rows(page) === linkLines, 'Forward shows the results again');

  // A heading sorts by its column and a second click reverses; the current line stays; a link may carry the sort.
  const column = (name) => page.$eval('#grdSpecs', (t, n) => {
    const i = [...t.tHead.rows[0].cells].findIndex((c) => c.textContent.startsWith(n));
    return { sort: t.tHead.rows[0].cells[i]?.getAttribute('aria-sort'),
      values: [...t.tBodies[0].rows].map((r) => r.cells[i]?.textContent) };
  }, name);
  const currentPart = () => page.$eval('#grdSpecs tbody tr.current', (r) => r.cells[0].textContent);
  check((await column('Cost Of Run (')).values.every((v) => /^USD [\d,.]+$|^N\/A$/.test(v)),
    'a query with a length shows the cost of the run');
  await click(page, '#grdSpecs tbody tr:nth-child(2) td');
  const held = await currentPart();
  for (const [want, sorted] of [['ascending', (a, b) => a <= b], ['descending', (a, b) => a >= b]]) {
    await page.$$eval('#grdSpecs thead button.sort', (bs) => bs.find((b) => b.textContent.startsWith('Insertion Loss')).click());
    await idle(page);
    const loss = await column('Insertion Loss');
    const numbers = loss.values.filter((v) => v !== 'N/A').map(Number);
    check(loss.sort === want && numbers.every((v, i) => i === 0 || sorted(numbers[i - 1], v)) && await currentPart() === held,
      `a click on Insertion Loss sorts ${want} (${loss.sort}) and keeps ${held} current (${await currentPart()})`);
  }
  await open(page, example + '&Sort=loss:desc');
  const linked = await column('Insertion Loss');
  check(linked.sort === 'descending' && Number(linked.values[0]) >= Number(linked.values.at(-1)),
    `a link with Sort=loss:desc lists the highest loss first (${linked.values[0]}, ${linked.values.at(-1)})`);

  // Links that do not read are refused with a message naming the pair; nothing is searched.
  for (const bad of ['#BegFreq=8%2G4&EndFreq=960&ByFreq=True&Foam=True', '#C1=%E0%A4%A&ByC1=True&Foam=True']) {
    page = await newPage();
    await open(page, bad);
    const said = await messages(page);
    const pair = bad.split('&')[0].slice(1);
    check(said.length === 1 && said[0].includes(pair) && await rows(page) === 0,
      `the link ${pair} is refused: ${said}`);
  }

  // A link without connectors: Connector #1 offers no empty entry.
  page = await newPage();
  await open(page, '#BegFreq=824&EndFreq=960&ByFreq=True&Foam=True');
  await click(page, '#btnNewQuery');
  check(await page.$eval('#cbxConnector', (s) => s.value !== '' && [...s.options].every((o) => o.textContent !== '')),
    'a link without C1 leaves Connector #1 on a connector of the catalogue');

  // A cold start: the query page's menu, every check box in the Tab order, no Exit, Ctrl+X cuts.
  page = await newPage();
  await open(page);
  check((await axe(page)).length === 0, 'axe: the query page ' + await axe(page));
  await click(page, '#menu-File1');
  const fileMenu = await page.$$eval('#menu-File1 + ul > li > button', (bs) => bs.filter((b) => b.offsetParent)
    .map((b) => b.children[1].textContent));
  check(!fileMenu.some((t) => /^(print|copy|export|chart|new query|exit)/i.test(t)) && fileMenu.length > 0,
    'the cold File menu offers the query page\'s commands only: ' + fileMenu.join(', '));
  await page.keyboard.press('Escape');
  await page.evaluate(() => { window.reached = new Set(); document.addEventListener('focusin', (e) => window.reached.add(e.target.id)); });
  for (let i = 0; i < 40; i += 1) await page.keyboard.press('Tab');
  const missed = await page.evaluate(() => [...document.querySelectorAll('#tsQueryValues input[type=checkbox]')]
    .map((b) => b.id).filter((id) => !window.reached.has(id)));
  check(missed.length === 0, 'Tab reaches every check box of the query page; missed: ' + missed);
  await page.focus('#edtVSWR');
  await page.$eval('#edtVSWR', (e) => e.select());
  await page.keyboard.down('Control');
  await page.keyboard.press('KeyX');
  await page.keyboard.up('Control');
  await idle(page);
  check(await page.$eval('#tsQueryValues', (f) => !f.hidden) && (await messages(page)).length === 0 &&
    !(await page.$$eval('button', (bs) => bs.some((b) => b.offsetParent && /^exit/i.test(b.textContent)))),
  'Ctrl+X cuts and the page has no Exit command');

  // Data files: those that cannot be used are refused with the reason, the data in use stays; the person's
  // own files are kept across a reload until the sample data is chosen again.
  const binary = Buffer.alloc(8192);
  for (let i = 0; i < binary.length; i += 1) binary[i] = (i * 7919 + 13) % 256;
  const catalogue = readFileSync(join(data, 'Freq_TLine_Connectors.dat'), 'latin1').split(/\r?\n/);
  const own = catalogue.slice(0, 6).join('\r\n') + '\r\n';
  const rates = readFileSync(join(data, 'xcngrate.dat'), 'latin1').split(/\r?\n/).filter((l) => !/EUR/.test(l)).join('\r\n');
  page = await newPage();
  await open(page, example);
  for (const [name, bytes] of [['empty', ''], ['binary', binary]]) {
    const folder = mkdtempSync(join(scratch, name));
    writeFileSync(join(folder, 'Freq_TLine_Connectors.dat'), bytes);
    await (await page.$('#openDataFiles')).uploadFile(join(folder, 'Freq_TLine_Connectors.dat'));
    await page.waitForSelector('#messageBox[open]', { timeout: 10000 });
    await idle(page);
    const said = await messages(page);
    if (name === 'empty') check((await axe(page)).length === 0, 'axe: the message dialog ' + await axe(page));
    await click(page, '#messageOk');
    await click(page, '#btnNewQuery');
    await click(page, '#btnSearch');
    check(said.some((m) => /not used/i.test(m)) && await rows(page) === linkLines && /^Sample data/.test(
      await page.$eval('#dataSource', (e) => e.textContent)) && page.errors.length === 0,
      `an ${name} catalogue is refused (${said.join(' / ')}) and the sample data stays, with no error on the page (${page.errors})`);
  }
  const folder = mkdtempSync(join(scratch, 'own'));
  writeFileSync(join(folder, 'Freq_TLine_Connectors.dat'), own, 'latin1');
  writeFileSync(join(folder, 'xcngrate.dat'), rates, 'latin1');
  await (await page.$('#openDataFiles')).uploadFile(join(folder, 'Freq_TLine_Connectors.dat'), join(folder, 'xcngrate.dat'));
  await page.waitForFunction(() => /^Your files/.test(document.getElementById('dataSource').textContent), { timeout: 10000 });
  // Kept while the page goes on: wait until the browser holds them.
  await page.waitForFunction(() => new Promise((resolve) => {
    const r = indexedDB.open('dorvik', 1);
    r.onsuccess = () => {
      const get = r.result.transaction('files').objectStore('files').get('set');
      get.onsuccess = () => { r.result.close(); resolve(get.result !== undefined); };
    };
  }), { timeout: 10000 });
  await page.reload();
  await page.waitForFunction(() => /^Your files/.test(document.getElementById('dataSource').textContent), { timeout: 20000 });
  check(await page.$eval('#dataSource', (e) => e.textContent.includes('Freq_TLine_Connectors.dat (6 lines)')),
    'the person\'s own files are kept across a reload: ' + await page.$eval('#dataSource', (e) => e.textContent));
  await idle(page);
  await page.$eval('#menu-Euro1', (b) => b.click());
  await page.waitForSelector('#messageBox[open]', { timeout: 5000 });
  const rateMessage = (await messages(page)).join(' ');
  check(rateMessage.includes('xcngrate.dat') && !rateMessage.includes('/dorvik'), 'a rate message names the file, not a path: ' + rateMessage);
  await click(page, '#messageOk');
  await click(page, '#useSample');
  await page.waitForFunction(() => /^Sample data/.test(document.getElementById('dataSource').textContent), { timeout: 10000 });
  check(true, 'Use the sample data goes back to the site\'s data');

  // The clipboard without the asynchronous API: the text is offered selected in a dialog.
  page = await newPage({ before: () => { Object.defineProperty(navigator, 'clipboard', { get: () => undefined }); } });
  await open(page, example);
  await click(page, '#btnClipboard');
  const offered = await page.$eval('#copyText', (t) => t.value);
  check(offered.includes('Part Number:'), 'without the clipboard API Copy still offers the lines: ' + offered.slice(0, 40));

  // The chart: a check box a line, the quantity, the read-out, the eleventh line refused, text large enough.
  page = await newPage({ width: 390, height: 844 });
  await open(page, '#BegFreq=30&EndFreq=5800&ByFreq=True&Foam=True&Air=True&Waveguide=True');
  await page.$eval('#menu-ChartOfLines1', (b) => b.click());
  await page.waitForSelector('#chartBox[open] svg');
  await idle(page);
  const boxes = await page.$$eval('#chartLines input', (bs) => bs.map((b) => b.checked));
  check(boxes.length === await rows(page) && boxes.filter(Boolean).length === Math.min(10, boxes.length),
    `the chart offers every line (${boxes.length}), ten at most chosen`);
  if (boxes.length > 10) {
    await page.click('#chartLines label:nth-of-type(11) input');
    await page.waitForSelector('#chartLines .refusal');
    check(await page.$eval('#chartLines .refusal', (p) => p.textContent.includes('At most 10')), 'an eleventh line is refused');
  }
  const smallest = await page.$$eval('#chartPicture svg text', (ts) => Math.min(...ts.map((t) => {
    const m = t.getScreenCTM();
    return parseFloat(getComputedStyle(t).fontSize) * Math.hypot(m.a, m.b);
  })));
  check(smallest >= 10.9, `on a phone the chart's text is ${smallest.toFixed(1)} px`);
  await page.click('#chartBox input[name=chartQuantity][value="1"]');
  await page.waitForFunction(() => /Average Power/.test(document.getElementById('chartTitle').textContent));
  const curve = await page.$$eval('#chartPicture svg path[fill=none]', (paths) => {
    const p = paths.filter((e) => (e.getAttribute('d').match(/L/g) || []).length > 4)[0];
    const pt = p.getPointAtLength(p.getTotalLength() / 2).matrixTransform(p.getScreenCTM());
    return { x: pt.x, y: pt.y };
  });
  await page.mouse.move(curve.x, curve.y);
  await page.waitForFunction(() => /kW/.test(document.getElementById('chartReadOut').textContent), { timeout: 5000 });
  check(true, 'the read-out names the curve under the pointer');
  check((await axe(page)).length === 0, 'axe: the chart ' + await axe(page));
  await page.evaluate(() => {
    window.saved = [];
    HTMLAnchorElement.prototype.click = function () {
      fetch(this.href).then((r) => r.text()).then((t) => window.saved.push([this.download, t.slice(0, 8)]));
    };
  });
  await page.click('#chartSaveSvg');
  await page.click('#chartSavePng');
  await page.waitForFunction(() => window.saved.length === 2, { timeout: 10000 });
  const saved = JSON.stringify(await page.evaluate(() => window.saved.sort()));
  check(saved === JSON.stringify([['chart.png', '\ufffdPNG\r\n\u001a\n'], ['chart.svg', '<?xml ve']]), 'the chart is saved as PNG and SVG: ' + saved);
  if (shots) await page.screenshot({ path: join(shots, 'chart-phone.png') });

  // Layout: the grid uses the window's height; on a phone the current line reads whole beside its headings.
  page = await newPage();
  await open(page, example);
  const shown = await page.$eval('.grid-scroll', (s) => Math.floor(parseFloat(getComputedStyle(s).maxHeight) /
    s.querySelector('tbody tr').offsetHeight));
  check(shown >= 15, `at 1280x800 the grid shows ${shown} lines`);
  await page.setViewport({ width: 390, height: 844 });
  const pinned = await page.$eval('.grid-scroll', (s) => {
    s.scrollLeft = 300;
    const cell = s.querySelector('tbody td');
    return Math.abs(cell.getBoundingClientRect().left - s.getBoundingClientRect().left) < 3;
  });
  const details = await page.$$eval('#lineDetails dt', (d) => d.length);
  const headings = await page.$$eval('#grdSpecs th', (h) => h.length);
  check(pinned && details === headings, `on a phone the part number stays in view (${pinned}) and the details list ${details} of ${headings} figures`);
  if (shots) await page.screenshot({ path: join(shots, 'results-phone.png'), fullPage: true });

  // The menu bar's keys on the results page, each from where the key before left the focus.
  page = await newPage();
  await open(page, example);
  const focused = () => page.evaluate(() => document.activeElement.id);
  const T = await page.$$eval('#MainMenu1 > .menu > button:not([disabled])', (bs) => bs.map((b) => b.id));
  const F = await page.$$eval('#menu-File1 + ul > li > button:not([disabled])', (bs) => bs.map((b) => b.id));
  const second = await page.$eval(`#${T[1]}`, (b) => b.nextElementSibling?.querySelector('button:not([disabled])')?.id || b.id);
  await page.focus('#menu-File1');
  for (const [key, want] of [['ArrowRight', T[1]], ['ArrowLeft', T[0]], ['End', T[T.length - 1]], ['Home', T[0]],
    ['ArrowLeft', T[T.length - 1]], ['ArrowRight', T[0]], ['ArrowDown', F[0]], ['ArrowUp', F[F.length - 1]],
    ['ArrowDown', F[0]], ['End', F[F.length - 1]], ['Home', F[0]], ['ArrowRight', second], ['Escape', T[1]],
    ['ArrowLeft', T[0]], ['ArrowDown', F[0]], ['Escape', T[0]]]) {
    const before = await focused();
    await page.keyboard.press(key);
    check(await focused() === want, `menu key ${key} from ${before}: ${await focused()}`);
  }
  const submenu = await page.$eval('#menu-File1 + ul li.submenu > button:not([disabled])', (b) => b.id);
  await page.keyboard.press('ArrowDown');
  for (let i = 0; i < F.length && await focused() !== submenu; i += 1) await page.keyboard.press('ArrowDown');
  await page.keyboard.press('ArrowRight');
  const inner = await focused();
  await page.keyboard.press('ArrowLeft');
  check(inner !== submenu && await focused() === submenu && await page.$eval('#' + submenu, (b) => b.nextElementSibling.offsetParent === null),
    `Right enters the submenu of ${submenu} (${inner}), Left leaves and closes it`);
  await page.keyboard.press('Escape');
  check(await page.$$eval('#MainMenu1 button', (bs) => bs.filter((b) => b.tabIndex === 0).length) === 1, 'the menu bar is one Tab stop');

  // The user's own lines: the datasheet table fitted as it is typed, whatever the separator.
  const fill = async (selector, value) => {
    await page.$eval(selector, (e, v) => { e.value = v; e.dispatchEvent(new Event(e.tagName === 'INPUT' && e.closest('table') ? 'change' : 'input', { bubbles: true })); }, value);
    await idle(page);
  };
  const menuCommand = async (name, box) => {
    await click(page, '#menu-File1');
    await click(page, '#menu-' + name);
    await page.waitForSelector(box + '[open]', { timeout: 10000 });
    await idle(page);
  };
  await click(page, '#btnNewQuery');
  await menuCommand('NewLineFromDatasheet1', '#datasheetBox');
  const example78 = readFileSync(join(data, 'examples', 'foam-7-8.csv'), 'utf8');
  const tabbed = example78.replace(/,/g, '\t');
  for (const [what, table, fit, points] of [
    ['a spreadsheet\'s cells (TABs)', tabbed, /^K1 .* average power constant .*Largest error/, 20],
    ['a PDF\'s text (blanks)', 'MHz dB/100m\n10 0.49\n100 1.6\n1000 5.6\n', /^K1 .*Largest error/, 3],
    ['one point', 'MHz,dB/100ft\n100,1.1\n', /^Cannot fit the table/, 0]]) {
    await fill('#memTable', table);
    const said = await page.$eval('#lblFit', (e) => e.textContent);
    const rowsShown = await page.$eval('#grdPoints tbody', (b) => b.rows.length);
    check(fit.test(said) && rowsShown === points, `the table of ${what} shows ${said} with ${rowsShown} points`);
  }
  await fill('#memTable', example78);
  check(await page.$$eval('#chtFit svg circle[fill="none"]', (c) => c.length) === 10, 'the chart marks the ten published attenuations');
  for (const [id, value] of [['#edtPartNumber', 'VF1-50'], ['#edtSize', '7/8 in'], ['#edtFamily', 'Foam Coax'],
    ['#edtLowFrequency', '1'], ['#edtHighFrequency', '3000'], ['#edtPeakPower', '40'], ['#edtListPrice', '5.5'],
    ['#dsConnectors input[data-col="1"]', 'N Male']])
    await fill(id, value);
  check((await axe(page)).length === 0, 'axe: the datasheet window ' + await axe(page));
  if (shots) await page.screenshot({ path: join(shots, 'datasheet.png') });
  await click(page, '#btnSave');
  const refusal = await messages(page);
  check(refusal.some((m) => /one of the maker's/.test(m)), 'a line with the maker\'s part number is refused: ' + refusal);
  await click(page, '#messageOk');
  await fill('#edtPartNumber', 'MY-78');
  await click(page, '#btnSave');
  check(!await page.$eval('#datasheetBox', (d) => d.open), 'Save closes the window');
  const userRows = () => page.$$eval('#grdSpecs tr.user', (r) => r.map((x) => x.cells[0].textContent));
  const ownQuery = '#BegFreq=824&EndFreq=960&C1=N%20Male&ByFreq=True&ByC1=True&Foam=True&Air=True&Waveguide=False';
  await page.goto(base() + ownQuery);
  await page.waitForFunction(() => Number(document.body.dataset.answers) > 0, { timeout: 20000 });
  await idle(page);
  check(JSON.stringify(await userRows()) === '["MY-78"]', 'after a reload the query finds the saved line, marked: ' + await userRows());
  await click(page, '#btnNewQuery');
  await menuCommand('UserLines1', '#userLinesBox');
  const listed = () => page.$$eval('#lstLines option', (o) => o.map((x) => x.textContent));
  check(JSON.stringify(await listed()) === '["MY-78"]' && (await axe(page)).length === 0, 'User Lines lists the line ' + await axe(page));
  await page.evaluate(() => {
    window.saved = {};
    HTMLAnchorElement.prototype.click = function () {
      fetch(this.href).then((r) => r.text()).then((t) => { window.saved[this.download] = t; });
    };
  });
  await page.select('#lstLines', 'MY-78');
  await idle(page);
  await click(page, '#btnEdit');
  check(await page.$eval('#datasheetTitle', (e) => e.textContent) === 'Edit MY-78' && await page.$eval('#edtPeakPower', (e) => e.value) === '40',
    'Edit opens the line with its figures');
  await click(page, '#btnCancel');
  await click(page, '#userFilesDownload');
  await page.waitForFunction(() => Object.keys(window.saved).length === 2, { timeout: 10000 });
  const files = await page.evaluate(() => window.saved);
  await click(page, '#btnRemove');
  check((await listed()).length === 0, 'Remove takes the line out after asking');
  const userFolder = mkdtempSync(join(scratch, 'user'));
  for (const [name, text] of Object.entries(files)) writeFileSync(join(userFolder, name), text);
  await (await page.$('#openUserFiles')).uploadFile(...Object.keys(files).map((name) => join(userFolder, name)));
  await page.waitForFunction(() => document.querySelectorAll('#lstLines option').length === 1, { timeout: 10000 });
  check(/MY-78/.test(files['User_TLine_Connectors.dat']) && /MY-78/.test(files['User_M_lom.dat']),
    'the user\'s two files are downloaded and uploaded again: ' + Object.keys(files));
  // Uploaded files are read as the desktop reads them: a line with the maker's part number is left out of the
  // search with its message (and listed, to be corrected or removed); a line that does not read is named.
  for (const [what, text, said, kept] of [
    ['the maker\'s part number', files['User_TLine_Connectors.dat'].replace(/MY-78/g, 'VF1-50'), /one of the maker's/, ['VF1-50']],
    ['a line that does not read', 'Low MHz|High MHz\r\nPK\u0003\u0004 not a line\r\n', /line 2/, []]]) {
    writeFileSync(join(userFolder, 'User_TLine_Connectors.dat'), text, 'latin1');
    await page.$eval('#openUserFiles', (input) => { input.value = ''; });
    await (await page.$('#openUserFiles')).uploadFile(join(userFolder, 'User_TLine_Connectors.dat'));
    await page.waitForSelector('#messageBox[open]', { timeout: 10000 });
    await idle(page);
    const told = await messages(page);
    await click(page, '#messageOk');
    check(told.some((m) => said.test(m)) && JSON.stringify(await listed()) === JSON.stringify(kept),
      `an upload with ${what} says so (${told.join(' / ')}) and lists ${await listed()}`);
  }
  await click(page, '#ulClose');
  check(page.errors.length === 0, 'the user\'s lines raise no error on the page: ' + page.errors);

  // A new version of the site is picked up on the next visit: the service worker's version is stamped anew,
  // and two reloads later the page is the new one, its old files dropped.
  const copy = mkdtempSync(join(scratch, 'site'));
  cpSync(site, copy, { recursive: true });
  const versioned = await serve(copy);
  page = await newPage();
  await page.goto(`http://127.0.0.1:${versioned.address().port}/`);
  await page.evaluate(() => navigator.serviceWorker.ready);
  const sw = readFileSync(join(copy, 'sw.js'), 'utf8');
  writeFileSync(join(copy, 'sw.js'), sw.replace(/const version = '[^']*'/, "const version = 'next-version'"));
  writeFileSync(join(copy, 'index.html'), readFileSync(join(copy, 'index.html'), 'utf8').replace('<head>', '<head><meta name="edition" content="next">'));
  await page.reload();
  // The new worker is active once it has dropped the old version's files.
  await page.waitForFunction(async () => JSON.stringify(await caches.keys()) === '["dorvik-next-version"]', { timeout: 20000 });
  await page.reload();
  const edition = await page.$eval('meta[name=edition]', (m) => m.content).catch(() => 'old');
  check(edition === 'next', `two visits after a new version the page is the new one (${edition})`);
  versioned.close();
  versioned.closeAllConnections();

  // Offline: after one visit the page opens and searches with the site gone (the browser's offline mode
  // does not reach the engine's worker here).
  const context = await browser.createBrowserContext();
  page = await newPage({ context });
  await open(page, example);
  await page.evaluate(() => navigator.serviceWorker.ready);
  check(await page.evaluate(async () => (await fetch(document.querySelector('link[rel=manifest]').href).then((r) => r.json())).name !== undefined),
    'the manifest is linked and names the application');
  server.close();
  server.closeAllConnections();
  await page.reload();
  await page.waitForFunction(() => Number(document.body.dataset.answers) > 0, { timeout: 20000 });
  await idle(page);
  check(await rows(page) === linkLines, 'offline, the link lists its lines again');
} finally {
  await browser.close();
  server.close();
  rmSync(scratch, { recursive: true, force: true });
}
process.exit(failures === 0 ? 0 : 1);
