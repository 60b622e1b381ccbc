// The chart window: the engine's chart model (the lines charted, up to ten, and the quantity), its picture
// drawn for the size of the window, the read-out of the curve under the pointer or finger, and saving the
// picture as SVG or PNG.
const smallestReadable = 11; // CSS px: the picture is drawn smaller and scaled up until its text is this size

export class Chart {
  constructor(view) {
    this.view = view;
    this.box = document.getElementById('chartBox');
    this.picture = document.getElementById('chartPicture');
    this.readOut = document.getElementById('chartReadOut');
    this.size = null; // the scene's size in its own units
    this.asking = false;
    for (const radio of this.box.querySelectorAll('input[name=chartQuantity]'))
      radio.addEventListener('change', () => this.update('chartQuantity', Number(radio.value)));
    this.picture.addEventListener('pointermove', (e) => this.pointAt(e));
    this.picture.addEventListener('pointerdown', (e) => this.pointAt(e));
    document.getElementById('chartSaveSvg').addEventListener('click', () => this.saveSvg());
    document.getElementById('chartSavePng').addEventListener('click', () => this.savePng());
    addEventListener('resize', () => { if (this.box.open) this.update(); });
  }

  async show() {
    this.readOut.textContent = '';
    this.box.showModal();
    await this.update();
  }

  // Asks the engine for the window (after a change when op is given) and shows it.
  async update(op, ...args) {
    const engine = this.view.engine;
    if (op) await engine.request(op, ...args);
    const width = Math.max(280, this.picture.clientWidth);
    const height = Math.min(width * 0.7, Math.max(220, innerHeight - 260));
    let chart = JSON.parse(await engine.request('chart', width, height));
    if (!chart) return;
    const smallest = chart.smallestText100 / 100;
    let scale = 1;
    if (smallest > 0 && smallest < smallestReadable) {
      scale = smallestReadable / smallest;
      chart = JSON.parse(await engine.request('chart', width / scale, height / scale));
    }
    this.size = { width: width / scale, height: height / scale };
    this.render(chart, width, height);
  }

  render(chart, width, height) {
    document.getElementById('chartTitle').textContent = chart.title;
    this.picture.innerHTML = chart.svg;
    const svg = this.picture.querySelector('svg');
    if (svg) {
      svg.setAttribute('viewBox', `0 0 ${this.size.width} ${this.size.height}`);
      svg.setAttribute('width', String(width));
      svg.setAttribute('height', String(height));
      svg.setAttribute('role', 'img');
      svg.setAttribute('aria-label', chart.title);
    }
    for (const radio of this.box.querySelectorAll('input[name=chartQuantity]'))
      radio.checked = Number(radio.value) === chart.quantity;
    const set = document.getElementById('chartLines');
    set.querySelectorAll('label, p').forEach((e) => e.remove());
    chart.lines.forEach((line, i) => {
      const label = document.createElement('label');
      const box = document.createElement('input');
      box.type = 'checkbox';
      box.checked = line.chosen;
      box.addEventListener('change', () => this.update('chartChoose', i, box.checked));
      label.append(box, ' ' + line.part);
      set.append(label);
    });
    if (chart.message) {
      const p = document.createElement('p');
      p.className = 'refusal';
      p.setAttribute('role', 'alert');
      p.textContent = chart.message;
      set.prepend(p);
    }
  }

  async pointAt(e) {
    const svg = this.picture.querySelector('svg');
    if (!svg || !this.size || this.asking) return;
    const r = svg.getBoundingClientRect();
    const x = (e.clientX - r.left) * this.size.width / r.width;
    const y = (e.clientY - r.top) * this.size.height / r.height;
    const tolerance = (e.pointerType === 'touch' ? 16 : 6) * this.size.width / r.width;
    this.asking = true;
    try {
      this.readOut.textContent = await this.view.engine.request('chartReadOut', x, y, tolerance);
    } finally {
      this.asking = false;
    }
  }

  async saveSvg() {
    const svg = await this.view.engine.request('chartSvg');
    this.view.outputs.download('chart.svg', new TextEncoder().encode(svg));
  }

  // The saved drawing painted at twice its size, for sharp text.
  async savePng() {
    const svg = await this.view.engine.request('chartSvg');
    const url = URL.createObjectURL(new Blob([svg], { type: 'image/svg+xml' }));
    try {
      const image = new Image();
      await new Promise((resolve, reject) => {
        image.onload = resolve;
        image.onerror = () => reject(new Error('The chart could not be drawn as PNG.'));
        image.src = url;
      });
      const canvas = document.createElement('canvas');
      canvas.width = image.naturalWidth * 2;
      canvas.height = image.naturalHeight * 2;
      const context = canvas.getContext('2d');
      context.fillStyle = '#fff';
      context.fillRect(0, 0, canvas.width, canvas.height);
      context.drawImage(image, 0, 0, canvas.width, canvas.height);
      const blob = await new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));
      this.view.outputs.download('chart.png', new Uint8Array(await blob.arrayBuffer()));
    } catch (error) {
      this.view.outputs.showMessages([{ text: error.message, icon: 'error', details: '' }]);
    } finally {
      URL.revokeObjectURL(url);
    }
  }
}
