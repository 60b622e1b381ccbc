// The printed reports as the desktop program lays them out: the list, a page of records under the title and
// the column headings, and the data sheet of one line with its two connectors. The records, the title and each
// caption with its field come from the engine (report.layout); only their placing on paper lives here.
function el(tag, className, text) {
  const e = document.createElement(tag);
  if (className) e.className = className;
  if (text !== undefined) e.textContent = text;
  return e;
}

function titleBand(layout) {
  const band = el('div', 'report-title');
  band.append(el('span', 'logo', 'VELTRANE'), el('h1', '', layout.title));
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

function listPage(layout, records, printedAt, page, pages) {
  const { listRow3, listRow4 } = layout;
  const sheet = el('section', 'report-page');
  if (page === 1) sheet.append(titleBand(layout));
  const header = el('div', 'report-header');
  header.append(el('div', 'heading', 'Part Number'), el('div', 'heading', 'Description'),
    columns(listRow3.map(([c]) => c), 'captions'), columns(listRow4.map(([c]) => c), 'captions navy'));
  sheet.append(header);
  for (const r of records) {
    const record = el('div', 'report-record');
    record.append(el('div', 'part', r[layout.partNumberField]), el('div', 'description', r[layout.descriptionField]),
      columns(listRow3.map(([, f]) => r[f]), 'values'), columns(listRow4.map(([, f]) => r[f]), 'values navy'));
    sheet.append(record);
  }
  sheet.append(footer(printedAt, page, pages));
  return sheet;
}

function dataSheet(layout, r, printedAt) {
  const sheet = el('section', 'report-page');
  sheet.append(titleBand(layout));
  const rows = (heading, lines, first) => {
    sheet.append(el('h2', '', heading));
    const table = el('dl', 'report-sheet');
    for (const [caption, field] of lines) table.append(el('dt', '', caption), el('dd', '', r[first + field] ?? ''));
    sheet.append(table);
  };
  rows('Transmission Line:', layout.sheetLine, 0);
  layout.connectorFirstFields.forEach((first, i) => rows(`Connector #${i + 1}:`, layout.sheetConnector, first));
  sheet.append(footer(printedAt, 1, 1));
  return sheet;
}

export function renderReport(area, report) {
  const pages = [];
  if (report.kind === 'list') {
    const perPage = report.layout.recordsPerPage;
    const count = Math.max(1, Math.ceil(report.records.length / perPage));
    for (let p = 0; p < count; p += 1) {
      pages.push(listPage(report.layout, report.records.slice(p * perPage, (p + 1) * perPage), report.printedAt,
        p + 1, count));
    }
  } else {
    pages.push(dataSheet(report.layout, report.records[0] || [], report.printedAt));
  }
  area.replaceChildren(...pages);
  area.dataset.kind = report.kind;
}
