// The windows of the user's own lines, "User Lines" and "New Line From Datasheet": the engine's window models
// shown as dialogs, every change sent to the engine (which fits the table as it is typed), and the user's two
// files downloaded or replaced from disk.
import { userNames } from './data_files.js';

const byId = (id) => document.getElementById(id);
const fieldIds = ['edtPartNumber', 'edtDescription', 'edtSize', 'edtFamily', 'edtLowFrequency', 'edtHighFrequency',
  'edtDerating', 'edtPeakPower', 'edtListPrice'];

// A field's text from the engine, unless the person is typing on in it.
function setValue(el, text, typing) {
  if (el.value !== text && !(typing && el === document.activeElement)) el.value = text;
}

function fillTable(table, grid) {
  const tr = document.createElement('tr');
  tr.append(...grid.headings.map((heading) => {
    const th = document.createElement('th');
    th.scope = 'col';
    th.textContent = heading;
    return th;
  }));
  table.tHead.replaceChildren(tr);
  table.tBodies[0].replaceChildren(...grid.rows.map((cells) => {
    const row = document.createElement('tr');
    row.append(...cells.map((cell) => {
      const td = document.createElement('td');
      td.textContent = cell;
      return td;
    }));
    return row;
  }));
}

export class UserLines {
  constructor(view) {
    this.view = view;
    this.listBox = byId('userLinesBox');
    this.lineBox = byId('datasheetBox');
    this.connectors = byId('dsConnectors');
    byId('lstLines').addEventListener('change', (e) => this.send('lstLines', 'item', e.target.selectedIndex));
    for (const id of ['btnEdit', 'btnRemove', 'ulClose', 'btnAddConnector', 'btnRemoveConnector', 'btnSave',
      'btnCancel']) {
      const button = byId(id);
      button.addEventListener('click', () => this.send(button.dataset.control || id, 'click', ''));
    }
    for (const id of ['memTable', ...fieldIds])
      byId(id).addEventListener('input', (e) => this.send(id, 'text', e.target.value));
    byId('cbxType').addEventListener('change', (e) => this.send('cbxType', 'pick', e.target.selectedIndex));
    // A connector's cell is sent when it is left; the row taken is the one Remove Connector removes.
    this.connectors.addEventListener('change', (e) => {
      const { col, row } = e.target.dataset;
      this.send('grdConnectors', 'cell', `${col}\t${row}\t${e.target.value}`);
    });
    this.connectors.addEventListener('focusin', (e) => {
      if (e.target.dataset.row !== this.currentConnector) this.send('grdConnectors', 'row', e.target.dataset.row);
    });
    // Escape closes a window as its Cancel or Close button does.
    this.lineBox.addEventListener('cancel', (e) => { e.preventDefault(); this.send('btnCancel', 'click', ''); });
    this.listBox.addEventListener('cancel', (e) => { e.preventDefault(); this.send('btnClose', 'click', ''); });
    byId('userFilesDownload').addEventListener('click', () => this.download());
    byId('userFilesUpload').addEventListener('click', () => {
      byId('openUserFiles').value = '';
      byId('openUserFiles').click();
    });
    byId('openUserFiles').addEventListener('change', (e) => this.upload([...e.target.files]));
  }

  // An action in the window on top; a question on the way is asked here and the action sent again.
  async send(control, action, value, answer = -1) {
    const result = await this.view.run('dialogEvent', control, action, String(value), answer);
    if (result.outbox.question !== undefined && answer === -1)
      await this.send(control, action, value, window.confirm(result.outbox.question) ? 1 : 0);
  }

  // After each answer of the engine, while a window is shown or one was asked for: its state drawn anew.
  async refresh(outbox) {
    if (this.listBox.open || this.lineBox.open || outbox.windows.some((w) => w === 'userLines' || w === 'datasheet'))
      await this.update();
  }

  async update() {
    const picture = byId('chtFit');
    const width = Math.max(320, picture.clientWidth || Math.min(760, innerWidth - 60));
    const height = Math.min(260, Math.round(width * 0.4));
    const windows = JSON.parse(await this.view.engine.request('dialog', width, height));
    this.renderList(windows.userLines);
    this.renderLine(windows.datasheet, width, height);
  }

  renderList(list) {
    if (!list) {
      if (this.listBox.open) this.listBox.close();
      return;
    }
    byId('userLinesTitle').textContent = list.caption;
    const select = byId('lstLines');
    if (select.dataset.items !== JSON.stringify(list.items)) {
      select.dataset.items = JSON.stringify(list.items);
      select.replaceChildren(...list.items.map((item) => {
        const option = document.createElement('option');
        option.textContent = item;
        return option;
      }));
    }
    select.selectedIndex = list.index;
    byId('btnEdit').disabled = !list.editEnabled;
    byId('btnRemove').disabled = !list.removeEnabled;
    if (!this.listBox.open) this.listBox.showModal();
  }

  renderLine(line, width, height) {
    if (!line) {
      if (this.lineBox.open) this.lineBox.close();
      return;
    }
    const typing = this.view.pending > 0;
    byId('datasheetTitle').textContent = line.caption;
    setValue(byId('memTable'), line.table, typing);
    byId('lblFit').textContent = line.fit;
    for (const id of fieldIds) setValue(byId(id), line.fields[id], typing);
    const type = byId('cbxType');
    if (type.options.length !== line.types.length)
      type.replaceChildren(...line.types.map((t) => Object.assign(document.createElement('option'), { textContent: t })));
    type.selectedIndex = line.type;
    fillTable(byId('grdPoints'), line.points);
    this.renderConnectors(line.connectors, typing);
    const picture = byId('chtFit');
    picture.innerHTML = line.svg;
    const svg = picture.querySelector('svg');
    if (svg) {
      svg.setAttribute('viewBox', `0 0 ${width} ${height}`);
      svg.setAttribute('width', '100%');
      svg.setAttribute('aria-hidden', 'true');
    }
    if (!this.lineBox.open) this.lineBox.showModal();
  }

  // The connectors as fields to edit; rebuilt only when rows come or go, so that a field being typed in stays.
  renderConnectors(grid, typing) {
    this.currentConnector = String(grid.current);
    const body = this.connectors.tBodies[0];
    if (body.rows.length !== grid.rows.length || !this.connectors.tHead.rows.length) {
      fillTable(this.connectors, { headings: grid.headings, rows: [] });
      body.replaceChildren(...grid.rows.map((cells, r) => {
        const tr = document.createElement('tr');
        tr.append(...cells.map((cell, c) => {
          const td = document.createElement('td');
          const input = document.createElement('input');
          input.dataset.col = String(c + 1);
          input.dataset.row = String(r + 1);
          input.setAttribute('aria-label', `${grid.headings[c]}, connector ${r + 1}`);
          td.append(input);
          return td;
        }));
        return tr;
      }));
    }
    grid.rows.forEach((cells, r) => cells.forEach((cell, c) => setValue(body.rows[r].cells[c].firstChild, cell, typing)));
    [...body.rows].forEach((tr, r) => tr.classList.toggle('current', r + 1 === grid.current));
  }

  async download() {
    const files = await this.view.engine.request('userFiles');
    const names = Object.keys(files);
    if (names.length === 0) {
      this.view.outputs.showMessages([{ text: 'Your catalogue holds no lines yet.', icon: '', details: '' }]);
      return;
    }
    for (const name of names) this.view.outputs.download(name, files[name]);
  }

  // The user's files from disk by their names; files that cannot be used are refused and the lines before stay.
  async upload(files) {
    if (files.length === 0) return;
    const unknown = files.filter((f) => !userNames.some((n) => n.toLowerCase() === f.name.toLowerCase()));
    if (unknown.length > 0) {
      this.view.outputs.showMessages([{ text: 'Choose the files named ' + userNames.join(', ') + '. Not used: ' +
        unknown.map((f) => f.name).join(', '), icon: 'error', details: '' }]);
      return;
    }
    const chosen = {};
    for (const file of files) chosen[userNames.find((n) => n.toLowerCase() === file.name.toLowerCase())] = file;
    const answer = await this.view.runAnew('useUserFiles', chosen);
    if (!answer.accepted)
      this.view.outputs.showMessages([...answer.refused, { text: `Not used: ${Object.keys(chosen).join(', ')}. ` +
        'Your lines before stay.', icon: 'error', details: '' }]);
  }
}
