// Measures the web page in headless Chromium; see web/bench/speed. Usage: node page_speed.mjs SITE DATA QUERY
import { readFileSync, readdirSync, statSync, writeFileSync } from 'node:fs';
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

const server = await serve(site);
const base = `http://127.0.0.1:${server.address().port}/`;
const browser = await puppeteer.launch({
  executablePath: process.env.CHROME || '/usr/bin/chromium', headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run'],
});
try {
  // Cold cache: a fresh context, the cache switched off.
  let context = await browser.createBrowserContext();
  let page = await context.newPage();
  await page.setCacheEnabled(false);
  await page.setViewport({ width: 1280, height: 800 });
  page.on('dialog', (d) => d.accept());
  const started = Date.now();
  await page.goto(base + '#' + fragmentOf(readFileSync(example, 'latin1')));
  await page.waitForSelector('table#grdSpecs tbody tr', { timeout: 30000 });
  report('example query on screen after opening its link', Date.now() - started, 'ms', 1500);

  const code = readdirSync(site).filter((f) => /\.(wasm|mjs|js)$/.test(f));
  const bytes = code.reduce((sum, f) => sum + statSync(join(site, f)).size, 0);
  report(`engine and JavaScript (${code.join(', ')})`, Math.round(bytes / 1024), 'KiB', 2048);

  await context.close();
  context = await browser.createBrowserContext();
  page = await context.newPage();
  await page.setViewport({ width: 1280, height: 800 });
  const messages = [];
  page.on('dialog', (d) => { messages.push(d.message()); d.accept(); });
  await page.goto(base);
  await page.waitForFunction(() => document.body.dataset.starts === '1', { timeout: 30000 });
  const files = ['Freq_TLine_Connectors.dat', 'M_lom.dat', 'xcngrate.dat'].map((f) => join(large, f));
  const input = await page.$('#openDataFiles');
  const loadStart = Date.now();
  await input.uploadFile(...files);
  await page.waitForFunction(() => document.body.dataset.starts === '2', { timeout: 120000, polling: 50 });
  report(`large set opened from disk (${files.map((f) => Math.round(statSync(f).size / 1048576) + ' MiB').join(' + ')})`,
    Date.now() - loadStart, 'ms', 3000);

  const query = join(large, 'speed.dvk');
  writeFileSync(query, readFileSync(example, 'latin1').replace(/C2=.*/, 'C2=7-16 DIN Female').replace(/MaxLoss=.*/, 'MaxLoss=14.5').replace(/Length=.*/, 'Length=100'), 'latin1');
  await (await page.$('#openQueryFile')).uploadFile(query);
  await page.waitForFunction(() => document.getElementById('edtLength').value === '100', { timeout: 30000 });
  const searchStart = Date.now();
  await page.click('#btnSearch');
  await page.waitForSelector('table#grdSpecs tbody tr', { timeout: 60000 });
  const lines = await page.$eval('#gbxSpecifications legend', (l) => l.textContent);
  report(`search of the large set (${lines})`, Date.now() - searchStart, 'ms', 500);
  if (messages.length) console.log('messages: ' + messages.join(' | ').replace(/\s+/g, ' '));
} finally {
  await browser.close();
  server.close();
}
