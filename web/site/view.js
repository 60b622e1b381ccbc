// The view of the main window's model: shows the state the engine reports and sends the person's actions to
// it, as the desktop program's Qt view does. No rule of the program lives here.
import { Menu } from './menu.js';
import { Outputs } from './outputs.js';
import { plainCaption, accessKey } from './captions.js';

const rowsPerBatch = 200; // grid rows added to the page at a time, more as the person scrolls

export class View {
  constructor(engine, saveSettings) {
    this.engine = engine;
    this.saveSettings = saveSettings;
    this.app = null;
    this.grids = {};
    this.menu = new Menu(document.getElementById('MainMenu1'), (name) => {
      // Open File's dialog is the browser's file picker, which answers later: the file is read first.
      if (name === 'OpenFile1') this.outputs.pickQueryFile();
      else this.send(name, 'click', '');
    });
    this.outputs = new Outputs(engine, this);
    this.wire();
  }

  separator() {
    const parts = new Intl.NumberFormat(undefined).formatToParts(1.5);
    const decimal = parts.find((p) => p.type === 'decimal');
    return decimal && decimal.value.length === 1 ? decimal.value : '.';
  }

  // A new start of the program, with the query of the address's fragment when it holds one.
  open(fragment) {
    this.leave();
    this.grids = {};
    this.app = new this.engine.WebApp(fragment, this.separator());
    this.afterEvent();
    // How many times the program started: the tests and the benchmark wait for it.
    document.body.dataset.starts = Number(document.body.dataset.starts || 0) + 1;
  }

  // The person leaves the page: the settings are saved as when the desktop program closes.
  leave() {
    if (!this.app) return;
    this.app.close();
    this.saveSettings();
    this.app.delete();
    this.app = null;
  }

  send(name, action, value) {
    if (!this.app) return;
    this.app.event(name, action, String(value));
    this.afterEvent();
  }

  // The print options window's Print: the report comes back in the outbox.
  print(choice) {
    this.app.print(choice);
    this.afterEvent();
  }

  openQueryFile(path) {
    this.app.openQueryFile(path);
    this.afterEvent();
  }

  afterEvent() {
    this.render();
    this.outputs.take(JSON.parse(this.app.takeOutbox()));
    this.saveSettings();
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
    for (const id of ['btnClose', 'btnPrint', 'btnClipboard', 'btnNewQuery', 'Button1'])
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
      table.parentElement.addEventListener('scroll', () => this.fillGrid(id, false));
    }
    byId('openQueryFile').addEventListener('change', (e) => this.outputs.readQueryFile(e.target));
    byId('openDataFiles').addEventListener('change', (e) => this.outputs.readDataFiles(e.target));
    byId('openData').addEventListener('click', () => {
      byId('openDataFiles').value = '';
      byId('openDataFiles').click();
    });
    document.addEventListener('keydown', (e) => this.menu.shortcut(e));
    // The status line shows the hint of what the pointer or the focus is on, as the desktop program's does.
    const hint = (e) => {
      const owner = e.target.closest && e.target.closest('[data-hint]:not([data-hint=""]):not(#StatusBar1)');
      const text = owner ? owner.dataset.hint : byId('StatusBar1').dataset.hint;
      if (this.app && text !== undefined && text !== this.state.status) this.send('', 'hint', text);
    };
    document.addEventListener('mouseover', hint);
    document.addEventListener('focusin', hint);
  }

  render() {
    const s = JSON.parse(this.app.state());
    this.state = s;
    document.title = s.caption;
    if (s.closed) {
      document.querySelector('main').querySelectorAll('.page').forEach((p) => { p.hidden = true; });
      document.getElementById('closed').hidden = false;
      this.leave();
      return;
    }
    document.getElementById('tsQueryValues').hidden = s.page !== 0;
    document.getElementById('tsResults').hidden = s.page !== 1;
    document.getElementById('StatusBar1').textContent = s.status;
    document.getElementById('StatusNote').textContent = s.statusNote;
    document.getElementById('ProgressBar1').value = s.progress;
    for (const [name, c] of Object.entries(s.controls)) this.renderControl(name, c);
    this.menu.render(s.menu);
    const active = s.active && document.getElementById(s.active);
    if (active && active !== document.activeElement && !active.disabled && active.offsetParent) active.focus();
  }

  renderControl(name, c) {
    const el = document.getElementById(name);
    if (!el) return;
    el.hidden = !c.visible;
    if ('disabled' in el) el.disabled = !c.enabled;
    if (c.hint) el.title = c.hint;
    el.dataset.hint = c.hint;
    // As on the desktop page, Tab passes over the controls designed without a tab stop.
    if (c.tabStop === false && el.tagName !== 'TABLE') el.tabIndex = -1;
    for (const span of document.querySelectorAll(`[data-caption="${name}"]`))
      span.textContent = plainCaption(c.caption);
    if (el.tagName === 'BUTTON') {
      el.textContent = plainCaption(c.caption);
      el.accessKey = accessKey(c.caption);
    }
    if (el.tagName === 'INPUT' && (el.type === 'checkbox' || el.type === 'radio')) {
      el.checked = c.checked;
    } else if (el.tagName === 'INPUT') {
      if (el.value !== c.text) el.value = c.text;
      if (c.items) this.fillOptions(document.getElementById(name + '-items'), c.items, false);
    } else if (el.tagName === 'SELECT') {
      this.fillOptions(el, c.items, true);
      el.selectedIndex = c.itemIndex;
    } else if (el.tagName === 'TABLE') {
      this.renderGrid(name, el, c);
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

  renderGrid(name, table, c) {
    const known = this.grids[name];
    if (!known || known.layoutRevision !== c.layoutRevision || known.revision !== c.revision) {
      const tr = document.createElement('tr');
      for (const heading of c.headings) {
        const th = document.createElement('th');
        th.scope = 'col';
        th.textContent = heading;
        tr.append(th);
      }
      table.tHead.replaceChildren(tr);
      table.tBodies[0].replaceChildren();
      this.grids[name] = { layoutRevision: c.layoutRevision, revision: c.revision, rowCount: c.rowCount, shown: 0 };
      this.fillGrid(name, true);
    }
    const body = table.tBodies[0];
    for (const tr of body.querySelectorAll('tr.current')) {
      tr.classList.remove('current');
      tr.removeAttribute('aria-selected');
    }
    while (c.currentRow > this.grids[name].shown && this.fillGrid(name, true));
    const current = body.rows[c.currentRow - 1];
    if (current) {
      current.classList.add('current');
      current.setAttribute('aria-selected', 'true');
    }
  }

  // Adds the next batch of rows when the table is new or scrolled near its end; false when all are shown.
  fillGrid(name, force) {
    const grid = this.grids[name];
    if (!grid || grid.shown >= grid.rowCount) return false;
    const scroller = document.getElementById(name).parentElement;
    if (!force && scroller.scrollTop + 2 * scroller.clientHeight < scroller.scrollHeight) return false;
    const rows = JSON.parse(this.app.rows(name, grid.shown + 1, rowsPerBatch));
    const fragment = document.createDocumentFragment();
    for (const cells of rows) {
      const tr = document.createElement('tr');
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
