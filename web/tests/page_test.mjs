// Browser tests of the web page in headless Chromium: the example query from a link, the page's rules and
// messages, and a differential of the spreadsheet export against `dorvik-query --format tsv` for generated
// queries. Usage: node page_test.mjs SITE_FOLDER DORVIK_QUERY DATA_FOLDER [SCREENSHOT_FOLDER]
import { execFileSync, spawnSync } from 'node:child_process';
import { mkdtempSync, mkdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';
import { serve } from './static_server.mjs';

const [site, tool, data, shots] = process.argv.slice(2);
const scratch = mkdtempSync(join(tmpdir(), 'dorvik-web-test-'));
let failures = 0;
function check(ok, what) {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`);
  if (!ok) failures += 1;
}

// The tool with the page's data and settings of its own, never the user's.
function runTool(queryText, ...options) {
  const file = join(scratch, 'query.dvk');
  writeFileSync(file, queryText, 'latin1');
  const result = spawnSync(tool, ['--catalogue', join(data, 'Freq_TLine_Connectors.dat'), '--prices',
    join(data, 'M_lom.dat'), '--rates', join(data, 'xcngrate.dat'), '--format', 'tsv', ...options, file], {
    env: { ...process.env, LC_ALL: 'C', XDG_CONFIG_HOME: scratch, XDG_DATA_HOME: scratch, XDG_CONFIG_DIRS: scratch },
  });
  return { status: result.status, tsv: result.stdout };
}

function fragmentOf(queryText) {
  return queryText.split(/\r?\n/).filter((l) => l.includes('=') && !l.startsWith('['))
    .map((l) => { const i = l.indexOf('='); return encodeURIComponent(l.slice(0, i)) + '=' + encodeURIComponent(l.slice(i + 1)); })
    .join('&');
}

// The grid's cells as the spreadsheet export's cells: TAB after each cell, CR CR LF after the headings.
function cellsOfTsv(bytes) {
  const text = Buffer.from(bytes).toString('latin1').replace(/\r\r\n/g, '\n').replace(/\r\n/g, '\n');
  return text.split('\n').filter((l) => l !== '').map((l) => l.replace(/\t$/, '').split('\t'));
}

// A small deterministic generator, so that a failure can be run again.
function generator(seed) {
  let s = seed >>> 0;
  return () => { s = (s * 1664525 + 1013904223) >>> 0; return s / 4294967296; };
}

function generatedQueries(count) {
  const random = generator(20261209);
  const pick = (list) => list[Math.floor(random() * list.length)];
  const lines = readFileSync(join(data, 'Freq_TLine_Connectors.dat'), 'latin1').split(/\r?\n/).filter(Boolean);
  const connectors = [...new Set(lines.slice(1).map((l) => l.split('|')[11]).filter(Boolean))];
  const frequencies = [30, 88, 150, 450, 800, 824, 960, 1700, 2100, 2400, 3500, 5800];
  const queries = [];
  for (let i = 0; i < count; i += 1) {
    const a = pick(frequencies);
    const b = pick(frequencies.filter((f) => f >= a));
    const byLoss = random() < 0.5;
    queries.push(['[data]', `BegFreq=${a}`, `EndFreq=${b}`, `C1=${pick(connectors) || ''}`,
      `C2=${pick(connectors) || ''}`, `MaxLoss=${byLoss ? pick([1, 2.5, 3, 6]) : 0}`,
      `Length=${byLoss ? pick([10, 33.3, 50, 120]) : 0}`, `VSWR=${pick(['1.1', '1.3', '1.5'])}`,
      `Units=${pick(['M', 'F'])}`, `Foam=${random() < 0.8 ? 'True' : 'False'}`,
      `Air=${random() < 0.5 ? 'True' : 'False'}`, `Waveguide=${random() < 0.5 ? 'True' : 'False'}`,
      'ByFreq=True', `ByLoss=${byLoss ? 'True' : 'False'}`, `ByC1=${random() < 0.3 ? 'True' : 'False'}`,
      'ByC2=False'].join('\r\n') + '\r\n');
  }
  return queries;
}

const server = await serve(site);
const base = `http://127.0.0.1:${server.address().port}/`;
const browser = await puppeteer.launch({
  executablePath: process.env.CHROME || '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run'],
});

// A fresh page that records the messages shown and the files offered for download.
async function newPage(width = 1280, height = 800) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ width, height });
  page.messages = [];
  page.on('dialog', async (d) => { page.messages.push(d.message()); await d.accept(); });
  page.on('pageerror', (e) => page.messages.push('page error: ' + e.message));
  await page.evaluateOnNewDocument(() => {
    window.downloads = [];
    const click = HTMLAnchorElement.prototype.click;
    HTMLAnchorElement.prototype.click = function () {
      if (!this.download) return click.call(this);
      const name = this.download;
      fetch(this.href).then((r) => r.arrayBuffer()).then((b) => window.downloads.push({ name, bytes: [...new Uint8Array(b)] }));
    };
  });
  return page;
}

// The texts of the engine's messages the page shows.
async function messagesOf(page) {
  return page.$$eval('#messageBox[open] .message', (els) => els.map((e) => e.dataset.text));
}

async function gridCells(page) {
  return page.evaluate(() => {
    const t = document.querySelector('table#grdSpecs');
    const cells = (tr) => [...tr.querySelectorAll('th,td')].map((c) => c.textContent);
    return [...t.tHead.rows].map(cells).concat([...t.tBodies[0].rows].map(cells));
  });
}

async function exported(page) {
  await page.waitForFunction(() => document.body.dataset.pending === '0');
  await page.evaluate(() => { window.downloads = []; });
  await page.click('#menu-File1');
  await page.hover('#menu-ExportData1');
  await page.click('#menu-ToAMicrosoftExcelFile1');
  await page.waitForFunction(() => window.downloads.length > 0, { timeout: 5000 });
  return page.evaluate(() => window.downloads[0]);
}

try {
  // The example query from a link: the grid and the export equal the tool's.
  const example = readFileSync(join(data, 'example.dvk'), 'latin1');
  const expected = runTool(example);
  let page = await newPage();
  await page.goto(base + '#' + fragmentOf(example));
  await page.waitForSelector('table#grdSpecs tbody tr', { timeout: 15000 });
  // The grid's fourteen columns are the export's; the cost of the run comes after them.
  const shown = await gridCells(page);
  check(JSON.stringify(shown.map((r) => r.slice(0, 14))) === JSON.stringify(cellsOfTsv(expected.tsv)) &&
    shown[0][14] === 'Cost Of Run (USD)', 'the example link shows the lines of dorvik-query, then their cost');
  const download = await exported(page);
  check(Buffer.from(download.bytes).equals(expected.tsv), `the example's spreadsheet export (${download.name}) equals the tool's TSV`);
  const onTheWay = [...page.messages, ...await messagesOf(page)];
  check(onTheWay.length === 0, 'no message on the way: ' + onTheWay.join(' | '));
  if (shots) {
    await page.screenshot({ path: join(shots, 'results.png'), fullPage: true });
    await page.setViewport({ width: 390, height: 844 });
    await page.screenshot({ path: join(shots, 'results-phone.png'), fullPage: true });
    await page.setViewport({ width: 1280, height: 800 });
    await page.pdf({ path: join(shots, 'print.pdf'), format: 'letter', landscape: true });
  }

  // The currency menu: prices in euros, as the tool's; the choice is kept in the browser for the next visit.
  const euros = runTool(example, '--currency', 'EUR');
  await page.$eval('#menu-Euro1', (b) => b.click());
  check(Buffer.from((await exported(page)).bytes).equals(euros.tsv), 'in euros the export equals the tool\'s --currency EUR');
  await page.reload();
  await page.waitForSelector('table#grdSpecs tbody tr', { timeout: 15000 });
  check(Buffer.from((await exported(page)).bytes).equals(euros.tsv), 'the currency is restored on the next visit');
  await page.$eval('#menu-US1', (b) => b.click());

  // The clipboard, a saved query file, the about box.
  await page.browserContext().overridePermissions(base, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
  await page.click('#btnClipboard');
  await page.waitForFunction(() => document.body.dataset.pending === '0');
  const copied = await page.evaluate(() => navigator.clipboard.readText());
  check(copied.includes('VF45-50') && copied.includes('5/8 in foam'), 'Copy to Clipboard puts the lines on the clipboard');
  await page.evaluate(() => { window.downloads = []; });
  await page.$eval('#menu-SaveQuerySettingsToFile1', (b) => b.click());
  await page.waitForFunction(() => window.downloads.length > 0, { timeout: 5000 });
  const saved = await page.evaluate(() => window.downloads[0]);
  const savedText = Buffer.from(saved.bytes).toString('latin1');
  check(saved.name.endsWith('.dvk') && ['BegFreq=824', 'C2=7-16 DIN Male', 'Units=M', 'ByC2=False'].every((l) => savedText.includes(l)),
    `the query is saved as a download (${saved.name})`);
  await page.$eval('#menu-About1', (b) => b.click());
  check(await page.waitForFunction(() => { const d = document.getElementById('aboutBox'); return d.open && d.textContent.includes('DORVIK'); },
    { timeout: 5000 }).then(() => true, () => false), 'About shows the about box');
  if (shots) await page.screenshot({ path: join(shots, 'about.png') });
  await page.click('#aboutOk');
  // The chart of lines is the core's drawing, with the legend naming the lines charted.
  await page.$eval('#menu-ChartOfLines1', (b) => b.click());
  await page.waitForSelector('#chartBox[open] svg');
  check(await page.$eval('#chartBox', (d) => d.open && d.querySelector('svg') !== null && d.textContent.includes('VF45-50')),
    'Chart Of Lines shows the chart as SVG');
  if (shots) await page.screenshot({ path: join(shots, 'chart.png') });
  await page.$eval('#chartBox', (d) => d.close());

  // Print Results: the print options window's choices, then the report laid out for the browser's print
  // dialog: the entire list at seven lines a page, the data sheet of the current line.
  await page.evaluate(() => { window.printed = 0; window.print = () => { window.printed += 1; window.dispatchEvent(new Event('afterprint')); }; });
  const printWith = async (choice) => {
    await page.click('#btnPrint');
    await page.waitForSelector('#printBox[open]');
    await page.click(`#printChoices input[value="${choice}"]`);
    await page.click('#printGo');
    await page.waitForFunction((n) => window.printed === n, { timeout: 5000 }, choice === 2 ? 1 : 2);
  };
  await printWith(2);
  const list = await page.$$eval('#printArea .report-page', (pages) => pages.map((p) =>
    [...p.querySelectorAll('.report-record .part')].map((e) => e.textContent)));
  const gridParts = (await gridCells(page)).slice(1).map((r) => r[0]);
  check(JSON.stringify(list.flat()) === JSON.stringify(gridParts) && list.every((p) => p.length <= 7) && list.length === Math.ceil(gridParts.length / 7),
    `the entire list prints ${gridParts.length} lines on ${list.length} pages, seven a page`);
  if (shots) {
    await page.emulateMediaType('print');
    await page.pdf({ path: join(shots, 'print-list.pdf'), format: 'letter', preferCSSPageSize: true });
    await page.emulateMediaType('screen');
  }
  await printWith(0);
  const sheet = await page.$eval('#printArea', (a) => [a.dataset.kind, a.querySelectorAll('.report-page').length, a.textContent]);
  const cost = shownGrid => shownGrid[1][14];
  check(sheet[0] === 'datasheet' && sheet[1] === 1 && sheet[2].includes('VF45-50') && sheet[2].includes('Connector #2:') &&
    sheet[2].includes('Cost Of Run:' + cost(await gridCells(page))),
    'Current Selection prints the data sheet of the current line, with its cost of the run');
  if (shots) {
    await page.emulateMediaType('print');
    await page.pdf({ path: join(shots, 'print-sheet.pdf'), format: 'letter', preferCSSPageSize: true });
    await page.emulateMediaType('screen');
  }

  // New Query, a row of the grid, the connectors follow the row.
  // The engine answers from its worker: each check waits for the page to show the answer, and a click waits
  // for the print window to have closed and every answer before it to be shown.
  // Polled by time: a page in the background gets no animation frames to poll on.
  const shows = (test, arg) => page.waitForFunction(test, { timeout: 5000, polling: 100 }, arg).then(() => true, () => false);
  await page.waitForFunction(() => document.body.dataset.pending === '0' && !document.querySelector('dialog[open]'),
    { timeout: 5000 });
  await page.$eval('#grdSpecs tbody tr:nth-child(2) td', (td) => td.click());
  // The grid's rows are made anew as it is filled: the row may be missing for a moment.
  check(await shows(() => document.querySelector('#grdSpecs tbody tr:nth-child(2).current') !== null),
    'a click makes a row current');
  await page.click('#btnNewQuery');
  check(await shows(() => !document.getElementById('tsQueryValues').hidden), 'New Query shows the query page');

  // The query page's rules, with the sample data and no query in the address.
  page = await newPage();
  await page.goto(base);
  await page.waitForFunction(() => document.querySelector('#cbxConnector').options.length > 0, { timeout: 15000 });
  if (shots) await page.screenshot({ path: join(shots, 'query.png'), fullPage: true });
  await page.hover('#edtVSWR');
  check(await page.waitForFunction(() => document.getElementById('StatusBar1').textContent ===
    'Enter VSWR for Derated Power Calculation', { timeout: 5000 }).then(() => true, () => false),
    'the status line shows the hint of the field under the pointer');
  await page.click('#edtMaxLoss', { clickCount: 3 });
  await page.keyboard.type('xyz');
  await page.waitForSelector('#messageBox[open]');
  await page.waitForFunction(() => document.body.dataset.pending === '0', { timeout: 5000 });
  const typed = await messagesOf(page);
  check(typed.length === 1 && typed[0].includes('This field must contain a numeric value.'),
    'a word typed into a number field is refused with one message: ' + typed.join(' | '));
  check(await page.$eval('#edtMaxLoss', (e) => e.value) === '0', 'the refused field reads 0 again');
  await page.click('#messageOk');
  // A query file opened from disk fills the page (File > Open File; the browser's file picker).
  const opened = join(scratch, 'opened.dvk');
  writeFileSync(opened, '[data]\r\nBegFreq=824\r\nEndFreq=960\r\nMaxLoss=2.5\r\nLength=40\r\nVSWR=1.5\r\nUnits=M\r\n' +
    'Foam=True\r\nAir=False\r\nWaveguide=False\r\nByFreq=True\r\nByLoss=True\r\n', 'latin1');
  const [chooser] = await Promise.all([page.waitForFileChooser(), page.$eval('#menu-OpenFile1', (b) => b.click())]);
  await chooser.accept([opened]);
  await page.waitForFunction(() => document.getElementById('edtLength').value === '40', { timeout: 5000 });
  check(JSON.stringify(await page.evaluate(() => ['edtMaxLoss', 'edtVSWR', 'rbMeters', 'chkInsertionLoss', 'chkAir']
    .map((id) => { const e = document.getElementById(id); return e.type === 'checkbox' || e.type === 'radio' ? e.checked : e.value; })))
    === JSON.stringify(['2.5', '1.5', true, true, false]), 'a query file opened from disk fills the query page');
  await page.focus('#edtVSWR');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => !document.getElementById('tsResults').hidden, { timeout: 5000 });
  check(await page.$eval('#grdSpecs tbody', (b) => b.rows.length > 0), 'Enter in a field searches');

  // The frequency pair rule, for a query from a link as for one from a file.
  page = await newPage();
  await page.goto(base + '#BegFreq=2000&EndFreq=1000&ByFreq=True&Foam=True');
  await page.waitForSelector('#messageBox[open]', { timeout: 15000 });
  const pairRule = await messagesOf(page);
  check(pairRule.some((m) => m.includes('cannot be greater than the ending frequency')),
    'the frequency pair rule speaks: ' + pairRule.join(' | '));
  check(await page.$eval('#grdSpecs tbody', (b) => b.rows.length === 0), 'and nothing is listed');

  // Generated queries: the spreadsheet export is the tool's TSV, byte for byte.
  let compared = 0;
  for (const [i, query] of generatedQueries(Number(process.env.DORVIK_WEB_QUERIES || 12)).entries()) {
    const tool = runTool(query);
    page = await newPage();
    await page.goto(base + '#' + fragmentOf(query));
    if (tool.status !== 0) {
      await page.waitForFunction(() => document.getElementById('StatusBar1') !== null);
      continue;
    }
    await page.waitForSelector('table#grdSpecs tbody tr', { timeout: 15000 });
    const got = await exported(page);
    const same = Buffer.from(got.bytes).equals(tool.tsv);
    if (!same) writeFileSync(join(scratch, `query-${i}.dvk`), query);
    check(same, `generated query ${i}: the export equals the tool's TSV (${cellsOfTsv(tool.tsv).length - 1} lines)`);
    compared += 1;
    await page.browserContext().close();
  }
  check(compared >= 3, `${compared} generated queries found lines and were compared`);
} finally {
  await browser.close();
  server.close();
  if (failures === 0) rmSync(scratch, { recursive: true, force: true });
  else console.log('queries that differ are kept in ' + scratch);
}
process.exit(failures === 0 ? 0 : 1);
