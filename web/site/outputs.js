// What the engine asks the page to do after a handler: offer the files it wrote as downloads, put text on the
// clipboard, open links, show a window; and the files the person opens from disk, read in the browser only.
import { plainCaption } from './captions.js';
import { renderReport } from './report.js';

function baseName(path) {
  return path.substring(path.lastIndexOf('/') + 1);
}

export class Outputs {
  constructor(engine, view) {
    this.engine = engine;
    this.view = view;
  }

  take(outbox) {
    for (const path of outbox.downloads) this.download(path);
    if (outbox.clipboard !== undefined) {
      navigator.clipboard.writeText(outbox.clipboard).catch(() => {
        alert('Cannot open clipboard');
      });
    }
    for (const link of outbox.links) window.open(link, '_blank', 'noopener');
    if (outbox.report) this.printReport(outbox.report);
    for (const name of outbox.windows) {
      if (name === 'about') this.showAbout();
      else if (name === 'chart') this.showChart(outbox.chart);
      else if (name === 'print') this.showPrintOptions(outbox.printOptions);
    }
  }

  download(path) {
    const FS = this.engine.FS;
    const bytes = FS.readFile(path);
    FS.unlink(path);
    const url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    const a = document.createElement('a');
    a.href = url;
    a.download = baseName(path);
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }

  showAbout() {
    const about = JSON.parse(this.engine.aboutBox());
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

  // The engine's own drawing: the same picture the desktop program paints and saves.
  showChart(svg) {
    const picture = document.getElementById('chartPicture');
    picture.innerHTML = svg;
    document.getElementById('chartBox').showModal();
  }

  // The person's own data files replace the page's (by their names); the program then starts again on them.
  async readDataFiles(input) {
    const names = ['Freq_TLine_Connectors.dat', 'M_lom.dat', 'xcngrate.dat'];
    const files = [...input.files];
    const unknown = files.filter((f) => !names.some((n) => n.toLowerCase() === f.name.toLowerCase()));
    if (files.length === 0) return;
    if (unknown.length > 0) {
      alert('Choose the files named ' + names.join(', ') + '.\n\nNot used: ' + unknown.map((f) => f.name).join(', '));
      return;
    }
    const FS = this.engine.FS;
    for (const file of files) {
      const name = names.find((n) => n.toLowerCase() === file.name.toLowerCase());
      FS.writeFile(this.engine.dataFolder + '/' + name, new Uint8Array(await file.arrayBuffer()));
    }
    this.view.open(location.hash);
  }

  pickQueryFile() {
    const input = document.getElementById('openQueryFile');
    input.value = '';
    input.click();
  }

  async readQueryFile(input) {
    const file = input.files[0];
    if (!file) return;
    const FS = this.engine.FS;
    FS.mkdirTree(this.engine.inputFolder);
    const path = this.engine.inputFolder + '/' + file.name.replace(/[/\\]/g, '_');
    FS.writeFile(path, new Uint8Array(await file.arrayBuffer()));
    this.view.openQueryFile(path);
  }
}
