// The printed reports as the desktop program lays them out: the list, seven records a page under the title
// and the column headings, and the data sheet of one line with its two connectors. The records are the
// engine's print data; only their placing on paper lives here, as in the desktop program's report library.
const title = 'Veltrane Corporation Insertion Loss Calculator';
const perPage = 7;

// Rows 3 and 4 of a list record: [caption, field] in six columns.
const listRow3 = [['Attenuation dB/100ft', 4], ['Attenuation dB/100m', 5], ['Total Attenuation', 6],
  ['Insertion Loss', 7], ['Efficiency', 8], ['Frequency Band', 1]];
const listRow4 = [['Mid Band Frequency', 3], ['Peak Power', 9], ['Average Power', 10],
  ['VSWR Derated AVG Power', 11], ['List Price Per Foot', 12], ['List Price Per Meter', 13]];

const sheetLine = [['Part Number:', 0], ['Description:', 2], ['Frequency Band, MHz:', 1],
  ['Mid Band Frequency, MHz:', 3], ['Attenuation dB/100ft:', 4], ['Attenuation dB/100m:', 5],
  ['Total Attenuation:', 6], ['Insertion Loss:', 7], ['Efficiency %:', 8], ['Peak Power:', 9],
  ['Average Power:', 10], ['VSWR Derated Avg. Power:', 11], ['List Price Per Foot:', 12],
  ['List Price Per Meter:', 13], ['Cost Of Run:', 22]];
const sheetConnector = (first) => [['Part Number:', first + 1], ['Type:', first], ['Description:', first + 2],
  ['Price:', first + 3]];

function el(tag, className, text) {
  const e = document.createElement(tag);
  if (className) e.className = className;
  if (text !== undefined) e.textContent = text;
  return e;
}

function titleBand() {
  const band = el('div', 'report-title');
  band.append(el('span', 'logo', 'VELTRANE'), el('h1', '', title));
  return band;
}

function printedText(printedAt) {
  const [date, time] = printedAt.split(' ');
  const [y, m, d] = date.split('-').map(Number);
  return new Date(y, m - 1, d).toLocaleDateString() + ' ' + time;
}

function footer(printedAt, page, pages) {
  const band = el('div', 'report-footer');
  band.append(el('span', '', printedText(printedAt)), el('span', '', `Page ${page} of ${pages}`));
  return band;
}

function columns(cells, className) {
  const row = el('div', 'report-columns ' + className);
  for (const text of cells) row.append(el('span', '', text));
  return row;
}

function listPage(records, printedAt, page, pages) {
  const sheet = el('section', 'report-page');
  if (page === 1) sheet.append(titleBand());
  const header = el('div', 'report-header');
  header.append(el('div', 'heading', 'Part Number'), el('div', 'heading', 'Description'),
    columns(listRow3.map(([c]) => c), 'captions'), columns(listRow4.map(([c]) => c), 'captions navy'));
  sheet.append(header);
  for (const r of records) {
    const record = el('div', 'report-record');
    record.append(el('div', 'part', r[0]), el('div', 'description', r[2]),
      columns(listRow3.map(([, f]) => r[f]), 'values'), columns(listRow4.map(([, f]) => r[f]), 'values navy'));
    sheet.append(record);
  }
  sheet.append(footer(printedAt, page, pages));
  return sheet;
}

function dataSheet(r, printedAt) {
  const sheet = el('section', 'report-page');
  sheet.append(titleBand());
  const rows = (heading, lines) => {
    sheet.append(el('h2', '', heading));
    const table = el('dl', 'report-sheet');
    for (const [caption, field] of lines) table.append(el('dt', '', caption), el('dd', '', r[field] ?? ''));
    sheet.append(table);
  };
  rows('Transmission Line:', sheetLine);
  rows('Connector #1:', sheetConnector(14));
  rows('Connector #2:', sheetConnector(18));
  sheet.append(footer(printedAt, 1, 1));
  return sheet;
}

export function renderReport(area, report) {
  const pages = [];
  if (report.kind === 'list') {
    const count = Math.max(1, Math.ceil(report.records.length / perPage));
    for (let p = 0; p < count; p += 1)
      pages.push(listPage(report.records.slice(p * perPage, (p + 1) * perPage), report.printedAt, p + 1, count));
  } else {
    pages.push(dataSheet(report.records[0] || [], report.printedAt));
  }
  area.replaceChildren(...pages);
  area.dataset.kind = report.kind;
}
