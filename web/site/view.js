// The view of the main window's model: shows the state the engine reports and sends the person's actions to
// it, as the desktop program's Qt view does. No rule of the program lives here. The engine answers from its
// worker; actions are sent one after another, each shown before the next is sent.
import { Menu } from './menu.js';
import { Outputs } from './outputs.js';
import { plainCaption, accessKey } from './captions.js';
import { GridKeys } from './grid_keys.js';
import { Chart } from './chart.js';
import { UserLines } from './user_lines.js';
import { rowsPerBatch } from './engine.js';

export class View {
  constructor(engine, saveSettings, keepsSettings) {
    this.engine = engine;
    this.saveSettings = saveSettings;
    this.keepsSettings = keepsSettings;
    this.grids = {};
    this.firstRows = {}; // the first rows of grids, sent with the answer being shown
    this.state = null;
    this.queue = Promise.resolve();
    this.pending = 0;
    this.menu = new Menu(document.getElementById('MainMenu1'), (name) => {
      // Open File's dialog is the browser's file picker, which answers later: the file is read first.
      if (name === 'OpenFile1') this.outputs.pickQueryFile();
      else this.send(name, 'click', '');
    });
    this.outputs = new Outputs(this);
    this.chart = new Chart(this);
    this.userLines = new UserLines(this);
    this.wire();
  }

  // Runs a request of the engine after those before it and shows its answer.
  run(op, ...args) {
    return this.queued(false, op, args);
  }

  // A request whose answer shows every grid anew (other data, another query): the grids shown are forgotten
  // as it is answered, not before, so that the answers before it are shown without fetching their rows again.
  runAnew(op, ...args) {
    return this.queued(true, op, args);
  }

  queued(anew, op, args) {
    this.pending += 1;
    document.body.dataset.pending = this.pending;
    const step = this.queue.then(async () => {
      let answer;
      try {
        answer = await this.engine.request(op, ...args);
      } finally {
        this.pending -= 1;
      }
      if (anew) this.grids = {};
      try {
        await this.apply(answer);
        return answer;
      } finally {
        // Requests not answered yet: the tests wait for none.
        document.body.dataset.pending = this.pending;
      }
    });
    this.queue = step.catch((error) => {
      this.outputs.showMessages([{ text: 'The calculator stopped: ' + error.message, icon: 'error', details: '' }]);
    });
    return step;
  }

  send(name, action, value) {
    return this.run('event', name, action, String(value));
  }

  // The print options window's Print: the report comes back in the outbox; a question on the way is asked
  // here and the print is run again with its answer.
  async print(choice, answer = -1) {
    const result = await this.run('print', choice, answer);
    if (result.outbox.question !== undefined && answer === -1)
      await this.print(choice, window.confirm(result.outbox.question) ? 1 : 0);
  }

  openQueryFile(name, bytes) {
    return this.run('openQueryFile', name, bytes);
  }

  restart(fragment) {
    return this.runAnew('restart', fragment);
  }

  // Shows which data files the engine uses.
  showData(data) {
    this.data = data;
    const names = data.files.map((f) => `${f.name} (${f.lines.toLocaleString()} lines)`).join(', ');
    document.getElementById('dataSource').textContent =
      (data.source === 'own' ? 'Your files: ' : 'Sample data: ') + names;
    document.getElementById('useSample').hidden = data.source !== 'own';
    document.getElementById('notKept').hidden = this.keepsSettings;
  }

  async apply(answer, first = false) {
    const before = this.state ? this.state.page : -1;
    this.firstRows = answer.rows || {};
    try {
      await this.render(JSON.parse(answer.state));
    } finally {
      this.firstRows = {};
    }
    await this.outputs.take(answer.outbox);
    await this.userLines.refresh(answer.outbox);
    this.saveSettings(answer.store);
    this.recordHistory(before, first);
    // How many answers were shown: the tests and the benchmark wait for them.
    document.body.dataset.answers = Number(document.body.dataset.answers || 0) + 1;
  }

  // A search and New Query are entries of the browser's history: Back shows the query page, Forward the
  // results again (the same query searched again).
  recordHistory(before, first) {
    const page = this.state.page;
    if (first) history.replaceState({ page }, '');
    else if (before !== page && !this.fromHistory) history.pushState({ page }, '');
    this.fromHistory = false;
  }

  fromHistoryEntry(page) {
    if (page === undefined || !this.state || page === this.state.page) return;
    this.fromHistory = true;
    this.send(page === 0 ? 'btnNewQuery' : 'btnSearch', 'click', '');
  }

  wire() {
    const byId = (id) => document.getElementById(id);
    for (const id of ['edtMaxLoss', 'edtLength', 'edtVSWR', 'cbxBeginningFrequency', 'cbxEndingFrequency'])
      byId(id).addEventListener('input', (e) => this.send(id, 'text', e.target.value));
    // The frequency pair rule runs on the completed entry: when the field is left, on Enter or a list pick.
    for (const id of ['cbxBeginningFrequency', 'cbxEndingFrequency'])
      byId(id).addEventListener('change', () => this.send(id, 'complete', ''));
    for (const id of ['cbxConnector', 'cbxConnector2'])
      byId(id).addEventListener('change', (e) => this.send(id, 'pick', e.target.selectedIndex));
    for (const id of ['chkFrequency', 'chkInsertionLoss', 'chkConnector', 'chkConnector2', 'chkAir', 'chkFoam',
      'chkWaveguide', 'rbMeters', 'rbFeet'])
      byId(id).addEventListener('change', (e) => this.send(id, 'check', e.target.checked));
    for (const id of ['btnPrint', 'btnClipboard', 'btnNewQuery'])
      byId(id).addEventListener('click', () => this.send(id, 'click', ''));
    // Enter in any field of the query page searches, as the page's default button does on the desktop.
    byId('tsQueryValues').addEventListener('submit', (e) => {
      e.preventDefault();
      this.send('btnSearch', 'click', '');
    });
    for (const id of ['Image1', 'Image2'])
      byId(id).addEventListener('click', (e) => { e.preventDefault(); this.send(id, 'click', ''); });
    for (const id of ['lstConnectors', 'lstConnectors2'])
      byId(id).addEventListener('change', (e) => this.send(id, 'item', e.target.selectedIndex));
    for (const id of ['grdSpecs', 'grdConnectors', 'grdConnectors2']) {
      const table = byId(id);
      table.tBodies[0].addEventListener('click', (e) => {
        const tr = e.target.closest('tr');
        if (tr) this.send(id, 'row', tr.sectionRowIndex + 1);
      });
      table.parentElement.addEventListener('scroll', () => { this.queue = this.queue.then(() => this.fillGrid(id, false)); });
      new GridKeys(table, () => this.grids[id], (row) => this.send(id, 'row', row));
    }
    byId('openQueryFile').addEventListener('change', (e) => this.outputs.readQueryFile(e.target));
    byId('openDataFiles').addEventListener('change', (e) => this.outputs.readDataFiles(e.target));
    byId('openData').addEventListener('click', () => {
      byId('openDataFiles').value = '';
      byId('openDataFiles').click();
    });
    byId('useSample').addEventListener('click', () => this.outputs.useSampleData());
    document.addEventListener('keydown', (e) => this.menu.shortcut(e));
    addEventListener('popstate', (e) => this.fromHistoryEntry(e.state && e.state.page));
    // The status line shows the hint of what the pointer or the focus is on, as the desktop program's does.
    const hint = (e) => {
      const owner = e.target.closest && e.target.closest('[data-hint]:not([data-hint=""]):not(#StatusBar1)');
      const text = owner ? owner.dataset.hint : byId('StatusBar1').dataset.hint;
      if (this.state && text !== undefined && text !== this.state.status) this.send('', 'hint', text);
    };
    document.addEventListener('mouseover', hint);
    document.addEventListener('focusin', hint);
  }

  async render(s) {
    this.state = s;
    document.title = s.caption;
    document.getElementById('tsQueryValues').hidden = s.page !== 0;
    document.getElementById('tsResults').hidden = s.page !== 1;
    document.getElementById('StatusBar1').textContent = s.status;
    document.getElementById('StatusNote').textContent = s.statusNote;
    document.getElementById('ProgressBar1').value = s.progress;
    for (const [name, c] of Object.entries(s.controls)) await this.renderControl(name, c);
    this.menu.render(s.menu);
    // The model's focus, unless the person is in the menu bar or a dialog, where the keys move on their own.
    const active = s.active && document.getElementById(s.active);
    const elsewhere = document.activeElement?.closest('#MainMenu1, dialog[open]');
    if (active && active !== document.activeElement && !active.disabled && active.offsetParent && !elsewhere)
      active.focus();
    this.showDetails();
  }

  async renderControl(name, c) {
    const el = document.getElementById(name);
    if (!el) return;
    el.hidden = !c.visible;
    if ('disabled' in el) el.disabled = !c.enabled;
    if (c.hint) el.title = c.hint;
    el.dataset.hint = c.hint;
    for (const span of document.querySelectorAll(`[data-caption="${name}"]`))
      span.textContent = plainCaption(c.caption);
    if (el.tagName === 'BUTTON') {
      el.textContent = plainCaption(c.caption);
      el.accessKey = accessKey(c.caption);
    }
    if (el.tagName === 'INPUT' && (el.type === 'checkbox' || el.type === 'radio')) {
      el.checked = c.checked;
    } else if (el.tagName === 'INPUT') {
      // While the person types on, the text of an earlier answer does not overwrite the field.
      if (el.value !== c.text && !(this.pending > 0 && el === document.activeElement)) el.value = c.text;
      if (c.items) this.fillOptions(document.getElementById(name + '-items'), c.items, false);
    } else if (el.tagName === 'SELECT') {
      this.fillOptions(el, c.items, true);
      el.selectedIndex = c.itemIndex;
    } else if (el.tagName === 'TABLE') {
      await this.renderGrid(name, el, c);
    }
  }

  fillOptions(el, items, asText) {
    const key = JSON.stringify(items);
    if (el.dataset.items === key) return;
    el.dataset.items = key;
    el.replaceChildren(...items.map((item) => {
      const option = document.createElement('option');
      if (asText) option.textContent = item; else option.value = item;
      return option;
    }));
  }

  async renderGrid(name, table, c) {
    const known = this.grids[name];
    if (!known || known.layoutRevision !== c.layoutRevision || known.revision !== c.revision) {
      const tr = document.createElement('tr');
      c.headings.forEach((heading, i) => {
        const th = document.createElement('th');
        th.scope = 'col';
        if (c.sortable) {
          // A click sorts by the column, a second one reverses; the heading says which way.
          const column = c.columns[i];
          const button = document.createElement('button');
          button.type = 'button';
          button.className = 'sort';
          button.textContent = heading;
          button.addEventListener('click', () => this.send(name, 'heading', column));
          th.append(button);
          if (column === c.sortColumn) th.setAttribute('aria-sort', c.sortDescending ? 'descending' : 'ascending');
        } else {
          th.textContent = heading;
        }
        tr.append(th);
      });
      table.tHead.replaceChildren(tr);
      table.tBodies[0].replaceChildren();
      this.grids[name] = { layoutRevision: c.layoutRevision, revision: c.revision, rowCount: c.rowCount, shown: 0,
        headings: c.headings, marked: new Set(c.marked) };
      await this.fillGrid(name, true);
    }
    const grid = this.grids[name];
    grid.currentRow = c.currentRow;
    const body = table.tBodies[0];
    for (const tr of body.querySelectorAll('tr.current')) {
      tr.classList.remove('current');
      tr.removeAttribute('aria-selected');
    }
    while (c.currentRow > grid.shown && await this.fillGrid(name, true));
    const current = body.rows[c.currentRow - 1];
    if (current) {
      current.classList.add('current');
      current.setAttribute('aria-selected', 'true');
      if (document.activeElement === table) current.scrollIntoView({ block: 'nearest' });
    }
  }

  // The current line's figures whole, heading beside figure: on a phone the grid shows a few columns only.
  showDetails() {
    const panel = document.getElementById('lineDetails');
    const grid = this.grids.grdSpecs;
    const row = grid && document.getElementById('grdSpecs').tBodies[0].rows[grid.currentRow - 1];
    if (!row) {
      panel.replaceChildren();
      return;
    }
    panel.replaceChildren(...grid.headings.flatMap((heading, i) => {
      const dt = document.createElement('dt');
      dt.textContent = heading;
      const dd = document.createElement('dd');
      dd.textContent = row.cells[i] ? row.cells[i].textContent : '';
      return [dt, dd];
    }));
  }

  // Adds the next batch of rows when the table is new or scrolled near its end; false when all are shown.
  async fillGrid(name, force) {
    const grid = this.grids[name];
    if (!grid || grid.shown >= grid.rowCount) return false;
    const scroller = document.getElementById(name).parentElement;
    if (!force && scroller.scrollTop + 2 * scroller.clientHeight < scroller.scrollHeight) return false;
    const given = grid.shown === 0 ? this.firstRows[name] : undefined;
    const rows = JSON.parse(given ?? await this.engine.request('rows', name, grid.shown + 1, rowsPerBatch));
    const fragment = document.createDocumentFragment();
    for (const cells of rows) {
      const tr = document.createElement('tr');
      // A line of the user's own catalogue, marked for the eye as on the desktop.
      if (grid.marked.has(grid.shown + fragment.childElementCount + 1)) {
        tr.className = 'user';
        tr.title = 'A line of your own catalogue';
      }
      for (const cell of cells) {
        const td = document.createElement('td');
        td.textContent = cell;
        tr.append(td);
      }
      fragment.append(tr);
    }
    document.getElementById(name).tBodies[0].append(fragment);
    grid.shown += rows.length;
    return rows.length > 0;
  }
}
