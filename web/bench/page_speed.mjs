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
function report(what, value, unit, target) {
  console.log(`${what}: ${value} ${unit} (target at most ${target} ${unit})${value <= target ? '' : '  ** over target **'}`);
}
const link = '#' + fragmentOf(readFileSync(example, 'latin1'));
const idle = (page, timeout) => page.waitForFunction(() => document.body.dataset.pending === '0' &&
  Number(document.body.dataset.answers) > 0, { timeout, polling: 20 });

const server = await serve(site);
const base = `http://127.0.0.1:${server.address().port}/`;
const browser = await puppeteer.launch({
  executablePath: process.env.CHROME || '/usr/bin/chromium', headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run'],
});
try {
  // Cold cache: a fresh context, the cache switched off, no service worker yet. The browser itself first
  // finishes starting (Chromium loads pages of its own for a second or so after it starts, on the same cores),
  // as a person's browser has when they open a link.
  let page = await (await browser.createBrowserContext()).newPage();
  await new Promise((settled) => setTimeout(settled, 2000));
  await page.setCacheEnabled(false);
  await page.setViewport({ width: 1280, height: 800 });
  let started = Date.now();
  await page.goto(base + link);
  await page.waitForSelector('table#grdSpecs tbody tr', { timeout: 30000, polling: 20 });
  report('example link to results (cold)', Date.now() - started, 'ms', 500);

  const code = readdirSync(site).filter((f) => /\.(wasm|mjs|js)$/.test(f));
  const bytes = code.reduce((sum, f) => sum + statSync(join(site, f)).size, 0);
  report(`.wasm and JavaScript (${code.length} files)`, Math.round(bytes / 1024), 'KiB', 1024);

  // The large set through the data files input: the time to its lines listed, and the longest task the
  // main thread ran meanwhile.
  page = await (await browser.createBrowserContext()).newPage();
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
  const files = ['Freq_TLine_Connectors.dat', 'M_lom.dat', 'xcngrate.dat'].map((f) => join(large, f));
  const lines = files.map((f) => readFileSync(f).reduce((n, b) => n + (b === 10), 0));
  await page.evaluate(() => { window.measuring = true; });
  started = Date.now();
  await (await page.$('#openDataFiles')).uploadFile(...files);
  await page.waitForFunction(() => /^Your files/.test(document.getElementById('dataSource').textContent) &&
    document.body.dataset.pending === '0', { timeout: 120000, polling: 20 });
  report(`large set loaded and its link searched (${lines.map((n) => n.toLocaleString('en')).join(' + ')} lines)`,
    Date.now() - started, 'ms', 1500);
  await page.$eval('#btnNewQuery', (b) => b.click());
  await idle(page, 30000);
  await page.$eval('#btnSearch', (b) => b.click());
  await idle(page, 60000);
  report('longest main-thread task while the large set loads and is searched',
    Math.round(await page.evaluate(() => window.longest)), 'ms', 100);
  console.log('lines found: ' + await page.$eval('#gbxSpecifications legend', (l) => l.textContent));

  // Offline: after one visit the service worker keeps the site; the link again with the site gone (the
  // browser's offline mode does not reach the engine's worker here).
  page = await (await browser.createBrowserContext()).newPage();
  await page.goto(base + link);
  await idle(page, 30000);
  await page.evaluate(() => navigator.serviceWorker.ready);
  server.close();
  server.closeAllConnections();
  started = Date.now();
  await page.reload();
  await page.waitForSelector('table#grdSpecs tbody tr', { timeout: 30000, polling: 20 });
  report('offline reload to results', Date.now() - started, 'ms', 500);
} finally {
  await browser.close();
  server.close();
}
