// The main menu as the engine describes it: top-level items in a bar, their items in drop-down lists, check
// marks, short-cut keys. Choosing an item sends its click to the engine.
import { plainCaption } from './captions.js';
import { MenuKeys } from './menu_keys.js';

function visibleItems(item) {
  return item.items.filter((i) => i.visible);
}

export class Menu {
  constructor(bar, choose) {
    this.bar = bar;
    this.choose = choose;
    this.shown = '';
    this.model = null;
    document.addEventListener('click', (e) => { if (!this.bar.contains(e.target)) this.closeAll(); });
    this.bar.setAttribute('role', 'menubar');
    this.keys = new MenuKeys(this.bar, () => this.closeAll());
  }

  closeAll() {
    for (const b of this.bar.querySelectorAll('[aria-expanded="true"]')) {
      b.setAttribute('aria-expanded', 'false');
      b.nextElementSibling.hidden = true;
    }
  }

  render(menu) {
    this.model = menu;
    const key = JSON.stringify(menu, (k, v) => (k === 'revision' || k === 'hint' ? undefined : v));
    if (key === this.shown) return;
    this.shown = key;
    this.bar.replaceChildren(...visibleItems(menu).map((item) => this.topItem(item)));
    this.keys.reset();
  }

  topItem(item) {
    const wrap = document.createElement('div');
    wrap.className = 'menu';
    wrap.setAttribute('role', 'none');
    const button = document.createElement('button');
    button.type = 'button';
    button.setAttribute('role', 'menuitem');
    button.id = 'menu-' + item.name;
    button.textContent = plainCaption(item.caption);
    button.disabled = !item.enabled;
    wrap.append(button);
    if (item.items.length === 0) {
      button.addEventListener('click', () => this.choose(item.name));
      return wrap;
    }
    button.setAttribute('aria-haspopup', 'true');
    button.setAttribute('aria-expanded', 'false');
    const list = this.list(item);
    list.hidden = true;
    wrap.append(list);
    button.addEventListener('click', () => {
      const open = button.getAttribute('aria-expanded') === 'true';
      this.closeAll();
      button.setAttribute('aria-expanded', String(!open));
      list.hidden = open;
      if (!open) list.querySelector('button:not([disabled])')?.focus();
    });
    return wrap;
  }

  list(item) {
    const ul = document.createElement('ul');
    ul.setAttribute('role', 'menu');
    for (const child of visibleItems(item)) {
      const li = document.createElement('li');
      li.setAttribute('role', 'none');
      if (child.separator) {
        li.className = 'separator';
        ul.append(li);
        continue;
      }
      const button = document.createElement('button');
      button.type = 'button';
      button.id = 'menu-' + child.name;
      button.setAttribute('role', child.radio ? 'menuitemradio' : child.checked ? 'menuitemcheckbox' : 'menuitem');
      if (child.radio || child.checked) button.setAttribute('aria-checked', String(child.checked));
      button.disabled = !child.enabled;
      const mark = document.createElement('span');
      mark.className = 'mark';
      mark.textContent = child.checked ? (child.radio ? '●' : '✓') : '';
      const text = document.createElement('span');
      text.textContent = plainCaption(child.caption);
      const shortcut = document.createElement('span');
      shortcut.className = 'shortcut';
      shortcut.textContent = child.shortcut;
      button.append(mark, text, shortcut);
      li.append(button);
      if (child.items.length > 0) {
        li.className = 'submenu';
        button.setAttribute('aria-haspopup', 'true');
        li.append(this.list(child));
      } else {
        button.addEventListener('click', () => {
          this.closeAll();
          this.choose(child.name);
        });
      }
      ul.append(li);
    }
    return ul;
  }

  // A short-cut key of a visible, enabled item runs it; Ctrl+C and Ctrl+X keep copying and cutting text that
  // is selected in a field.
  shortcut(e) {
    if (!this.model || !e.ctrlKey || e.altKey || e.key.length !== 1) return;
    const wanted = 'Ctrl+' + e.key.toUpperCase();
    const field = e.target.closest && e.target.closest('input');
    if (field && 'CX'.includes(e.key.toUpperCase()) && field.selectionStart !== field.selectionEnd) return;
    const find = (item, shown) => {
      for (const child of item.items) {
        const usable = shown && child.visible && child.enabled;
        if (usable && child.shortcut === wanted) return child;
        const inner = find(child, usable);
        if (inner) return inner;
      }
      return null;
    };
    const item = find(this.model, true);
    if (!item) return;
    e.preventDefault();
    this.choose(item.name);
  }
}
