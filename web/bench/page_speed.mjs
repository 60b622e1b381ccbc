// Measures the web page in headless Chromium; see web/bench/speed. Usage: node page_speed.mjs SITE LARGE QUERY
import { readFileSync, readdirSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { createRequire } from 'node:module';
import { serve } from '../tests/static_server.mjs';

const require = createRequire(join(process.cwd(), 'web/tests/'));
const puppeteer = require('puppeteer-core');
const [site, large, example] = process.argv.slice(2);

function fragmentOf(queryText) {
  return queryText.split(/\r?\n/).filter((l) => l.includes('=') && !l.startsWith('['))
    .map((l) => { const i = l.indexOf('='); return encodeURIComponent(l.slice(0, i)) + '=' + encodeURIComponent(l.slice(i + 1)); })
    .join('&');
}
function report(what, value, unit, target, range = '') {
  console.log(`${what}: ${value} ${unit}${range} (target at most ${target} ${unit})${value <= target ? '' : '  ** over target **'}`);
}
const link = '#' + fragmentOf(readFileSync(example, 'latin1'));
const idle = (page, timeout) => page.waitForFunction(() => document.body.dataset.pending === '0' &&
  Number(document.body.dataset.answers) > 0, { timeout, polling: 20 });

// Each timed measure is taken RUNS times (default 5), each in a fresh browser context, and its median printed
// with the range: single runs on a shared machine vary by a fifth.
const runs = Number(process.env.RUNS || 5);
const median = (values) => [...values].sort((a, b) => a - b)[values.length >> 1];
function reportRuns(what, values, target) {
  const range = values.length > 1 ? ` [${Math.min(...values)}-${Math.max(...values)}]` : '';
  report(what, median(values), 'ms', target, range);
}

const server = await serve(site);
const base = `http://127.0.0.1:${server.address().port}/`;
const browser = await puppeteer.launch({
  executablePath: process.env.CHROME || '/usr/bin/chromium', headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run'],
});

// Cold cache: a fresh context, the cache switched off, no service worker yet. The browser itself first
// finishes starting (Chromium loads pages of its own for a second or so after it starts, on the same cores),
// as a person's browser has when they open a link.
async function coldLink() {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await new Promise((settled) => setTimeout(settled, 2000));
  await page.setCacheEnabled(false);
  await page.setViewport({ width: 1280, height: 800 });
  const started = Date.now();
  await page.goto(base + link);
  await page.waitForSelector('table#grdSpecs tbody tr', { timeout: 30000, polling: 20 });
  const took = Date.now() - started;
  await context.close();
  return took;
}

// The large set through the data files input: the time to its lines listed, and the longest task the main
// thread ran meanwhile.
const files = ['Freq_TLine_Connectors.dat', 'M_lom.dat', 'xcngrate.dat'].map((f) => join(large, f));
const lines = files.map((f) => readFileSync(f).reduce((n, b) => n + (b === 10), 0));
async function largeSet() {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ width: 1280, height: 800 });
  await page.evaluateOnNewDocument(() => {
    window.longest = 0;
    new PerformanceObserver((list) => {
      if (!window.measuring) return;
      for (const e of list.getEntries()) window.longest = Math.max(window.longest, e.duration);
    }).observe({ type: 'longtask' });
  });
  await page.goto(base + link);
  await idle(page, 30000);
  // The page has finished starting (the site kept for offline use) before the person has chosen files.
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.evaluate(() => { window.measuring = true; });
  const started = Date.now();
  await (await page.$('#openDataFiles')).uploadFile(...files);
  await page.waitForFunction(() => /^Your files/.test(document.getElementById('dataSource').textContent) &&
    document.body.dataset.pending === '0', { timeout: 120000, polling: 20 });
  const took = Date.now() - started;
  await page.$eval('#btnNewQuery', (b) => b.click());
  await idle(page, 30000);
  await page.$eval('#btnSearch', (b) => b.click());
  await idle(page, 60000);
  const longest = Math.round(await page.evaluate(() => window.longest));
  const found = await page.$eval('#gbxSpecifications legend', (l) => l.textContent);
  // Closed, with the work it still does (keeping the 95 MB in the browser's store), before the next measure.
  await context.close();
  return { took, longest, found };
}

// Offline: after one visit the service worker keeps the site; the link again with the site gone (the
// browser's offline mode does not reach the engine's worker here). The site is served again afterwards.
async function offlineReload() {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.goto(base + link);
  await idle(page, 30000);
  await page.evaluate(() => navigator.serviceWorker.ready);
  server.close();
  server.closeAllConnections();
  const started = Date.now();
  await page.reload();
  await page.waitForSelector('table#grdSpecs tbody tr', { timeout: 30000, polling: 20 });
  const took = Date.now() - started;
  await context.close();
  await new Promise((listening) => server.listen(Number(new URL(base).port), '127.0.0.1', listening));
  return took;
}

try {
  const cold = [];
  const loaded = [];
  const longest = [];
  const offline = [];
  let found = '';
  for (let run = 0; run < runs; run++) {
    cold.push(await coldLink());
    const set = await largeSet();
    loaded.push(set.took);
    longest.push(set.longest);
    found = set.found;
    offline.push(await offlineReload());
  }
  reportRuns('example link to results (cold)', cold, 500);
  const code = readdirSync(site).filter((f) => /\.(wasm|mjs|js)$/.test(f));
  const bytes = code.reduce((sum, f) => sum + statSync(join(site, f)).size, 0);
  report(`.wasm and JavaScript (${code.length} files)`, Math.round(bytes / 1024), 'KiB', 1024);
  reportRuns(`large set loaded and its link searched (${lines.map((n) => n.toLocaleString('en')).join(' + ')} lines)`,
    loaded, 1500);
  report('longest main-thread task while the large set loads and is searched', Math.max(...longest), 'ms', 100);
  console.log('lines found: ' + found);
  reportRuns('offline reload to results', offline, 500);
} finally {
  await browser.close();
  server.close();
}
