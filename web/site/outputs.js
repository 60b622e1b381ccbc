// What the engine asks the page to do after a handler: show its messages, offer the files it wrote as
// downloads, put text on the clipboard, open links, show a window; and the files the person opens from disk,
// read in the browser only.
import { plainCaption } from './captions.js';
import { dataNames, sampleFiles } from './data_files.js';
import { renderReport } from './report.js';

export class Outputs {
  constructor(view) {
    this.view = view;
    document.getElementById('messageOk').addEventListener('click', () => document.getElementById('messageBox').close());
  }

  // Done once the text is on the clipboard, so that the answer counts as shown only then.
  async take(outbox) {
    this.showMessages(outbox.messages);
    for (const file of outbox.files) this.download(file.name, file.bytes);
    if (outbox.clipboard !== undefined) await this.copy(outbox.clipboard);
    for (const link of outbox.links) window.open(link, '_blank', 'noopener');
    if (outbox.report) this.printReport(outbox.report);
    for (const name of outbox.windows) {
      if (name === 'about') this.showAbout();
      else if (name === 'chart') this.view.chart.show(outbox.chart);
      else if (name === 'print') this.showPrintOptions(outbox.printOptions);
    }
  }

  // The engine's messages in one dialog: a message already showing is not shown again, so that typing on in
  // a field that refuses the text does not pile up one message per key.
  showMessages(messages) {
    if (messages.length === 0) return;
    const box = document.getElementById('messageBox');
    const list = document.getElementById('messageList');
    if (!box.open) list.replaceChildren();
    const shown = new Set([...list.children].map((p) => p.dataset.text));
    for (const m of messages) {
      if (shown.has(m.text)) continue;
      shown.add(m.text);
      const item = document.createElement('div');
      item.className = 'message ' + m.icon;
      item.dataset.text = m.text;
      const text = document.createElement('p');
      text.textContent = (m.icon === 'error' ? 'Error: ' : m.icon === 'warning' ? 'Warning: ' : '') + m.text;
      item.append(text);
      if (m.details) {
        const details = document.createElement('details');
        const summary = document.createElement('summary');
        summary.textContent = 'Details';
        const pre = document.createElement('pre');
        pre.textContent = m.details;
        details.append(summary, pre);
        item.append(details);
      }
      list.append(item);
    }
    if (!box.open) box.showModal();
  }

  // The asynchronous clipboard needs a secure page; elsewhere the browser's copy command, and failing that
  // the text is shown selected for the person to copy.
  async copy(text) {
    try {
      await navigator.clipboard.writeText(text);
      return;
    } catch {
      // Not available here: the older ways.
    }
    const area = document.getElementById('copyText');
    area.value = text;
    const box = document.getElementById('copyBox');
    box.showModal();
    area.select();
    let copied = false;
    try {
      copied = document.execCommand('copy');
    } catch {
      copied = false;
    }
    if (copied) box.close();
  }

  download(name, bytes) {
    const url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    const a = document.createElement('a');
    a.href = url;
    a.download = name;
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }

  showAbout() {
    const about = this.view.about;
    const dialog = document.getElementById('aboutBox');
    document.getElementById('aboutLabel').textContent = about.label;
    document.getElementById('aboutVersion').textContent = 'Version ' + about.version;
    document.getElementById('aboutNotice').textContent = about.notice.replace(/\r/g, '\n');
    document.getElementById('aboutOk').textContent = plainCaption(about.button);
    dialog.showModal();
  }

  // The print options window: the model's choices; Print sends the one chosen back to the engine.
  showPrintOptions(options) {
    const dialog = document.getElementById('printBox');
    document.getElementById('printCaption').textContent = plainCaption(options.caption);
    const set = document.getElementById('printChoices');
    set.querySelectorAll('label').forEach((l) => l.remove());
    options.choices.forEach((caption, i) => {
      const label = document.createElement('label');
      const radio = document.createElement('input');
      radio.type = 'radio';
      radio.name = 'printChoice';
      radio.value = String(i);
      radio.checked = i === options.choice;
      label.append(radio, ' ' + plainCaption(caption));
      set.append(label);
    });
    dialog.onclose = () => {
      if (dialog.returnValue !== 'print') return;
      const chosen = set.querySelector('input:checked');
      if (chosen) this.view.print(Number(chosen.value));
    };
    dialog.returnValue = '';
    dialog.showModal();
  }

  // The report laid out as the desktop program prints it, through the browser's print dialog.
  printReport(report) {
    const area = document.getElementById('printArea');
    renderReport(area, report);
    document.body.classList.add('printing-report');
    const done = () => {
      document.body.classList.remove('printing-report');
      window.removeEventListener('afterprint', done);
    };
    window.addEventListener('afterprint', done);
    window.print();
  }

  // The person's own data files, by their names, beside those in use for the names not chosen. They are
  // tried first: files that cannot be used are refused with the reason and the data in use stays.
  async readDataFiles(input) {
    const files = [...input.files];
    if (files.length === 0) return;
    const unknown = files.filter((f) => !dataNames.some((n) => n.toLowerCase() === f.name.toLowerCase()));
    if (unknown.length > 0) {
      this.showMessages([{ text: 'Choose the files named ' + dataNames.join(', ') + '. Not used: ' +
        unknown.map((f) => f.name).join(', '), icon: 'error', details: '' }]);
      return;
    }
    const box = document.getElementById('loadBox');
    const bar = document.getElementById('loadProgress');
    const what = document.getElementById('loadWhat');
    this.view.engine.onProgress = (progress, text) => {
      what.textContent = text;
      if (progress === null) bar.removeAttribute('value');
      else bar.value = progress;
    };
    what.textContent = 'Reading the files…';
    bar.value = 0;
    box.showModal();
    try {
      // The files themselves go to the engine's worker, which reads them.
      const chosen = {};
      for (const file of files) chosen[dataNames.find((n) => n.toLowerCase() === file.name.toLowerCase())] = file;
      await this.useData(chosen, 'own');
    } finally {
      box.close();
    }
  }

  async useSampleData() {
    await this.useData(await sampleFiles(), 'sample');
  }

  // The files chosen ({name: File or bytes}) go to the engine, which tries them beside those in use for the
  // names not chosen.
  async useData(files, source) {
    const view = this.view;
    const chosen = Object.keys(files);
    const answer = await view.runAnew('useData', files, source, location.hash);
    if (answer.accepted) {
      view.showData(answer.data);
      return;
    }
    const reasons = answer.refused.length > 0 ? answer.refused
      : [{ text: dataNames[0] + ' holds no transmission lines.', icon: 'error', details: '' }];
    this.showMessages([...reasons, { text: `Not used: ${chosen.join(', ')}. The calculator goes on with the data ` +
      'it used before.', icon: 'error', details: '' }]);
  }

  pickQueryFile() {
    const input = document.getElementById('openQueryFile');
    input.value = '';
    input.click();
  }

  async readQueryFile(input) {
    const file = input.files[0];
    if (!file) return;
    await this.view.openQueryFile(file.name, new Uint8Array(await file.arrayBuffer()));
  }
}
