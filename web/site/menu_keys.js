// The keys of the menu bar, as in a desktop menu bar (the WAI-ARIA menubar pattern): the bar is one Tab stop;
// Left and Right move between its menus (and out of or into a submenu), Up and Down within a menu, Home and End
// to the first and last item, Escape back one level. Items that cannot be chosen are passed over.
const usable = (buttons) => buttons.filter((b) => b && !b.disabled && b.offsetParent !== null);
const items = (ul) => usable([...ul.children].map((li) => li.querySelector(':scope > button')));
const step = (list, at, by) => list[(list.indexOf(at) + by + list.length) % list.length];

export class MenuKeys {
  constructor(bar, closeAll) {
    this.bar = bar;
    this.closeAll = closeAll;
    bar.addEventListener('keydown', (e) => this.key(e));
    // The item last focused in the bar is where Tab comes back to.
    bar.addEventListener('focusin', (e) => {
      const top = e.target.closest('.menu')?.querySelector(':scope > button');
      if (top) this.rove(top);
      // A submenu shut by the keys opens again when its item is come back to.
      for (const li of bar.querySelectorAll('li.submenu.shut')) if (!li.contains(e.target)) li.classList.remove('shut');
    });
  }

  tops() {
    return usable([...this.bar.querySelectorAll(':scope > .menu > button')]);
  }

  // After the bar is drawn (of the visible items only): one Tab stop, the items reached by the arrows only. The
  // first item that can be chosen is found without asking where things are, which would lay the whole page
  // out while it is being drawn.
  reset() {
    for (const b of this.bar.querySelectorAll('button')) b.tabIndex = -1;
    const first = [...this.bar.querySelectorAll(':scope > .menu > button')].find((b) => !b.disabled);
    if (first) first.tabIndex = 0;
  }

  rove(top) {
    for (const b of this.bar.querySelectorAll(':scope > .menu > button')) b.tabIndex = b === top ? 0 : -1;
  }

  // Opens the menu of the bar's item (closing any other) and focuses its first or last item.
  open(top, last = false) {
    const list = top.nextElementSibling;
    this.closeAll();
    if (!list) {
      top.focus();
      return;
    }
    top.setAttribute('aria-expanded', 'true');
    list.hidden = false;
    const shown = items(list);
    (shown[last ? shown.length - 1 : 0] || top).focus();
  }

  // Back from a submenu to its item, the submenu closed.
  shut(li) {
    li.classList.add('shut');
    li.querySelector(':scope > button').focus();
  }

  key(e) {
    const target = e.target.closest('button');
    if (!target) return;
    const ul = target.closest('ul');
    const done = ul ? this.itemKey(e.key, target, ul) : this.topKey(e.key, target);
    if (done) {
      e.preventDefault();
      e.stopPropagation();
    } else if (e.key === 'Tab') {
      this.closeAll();
    }
  }

  topKey(key, top) {
    const tops = this.tops();
    const open = top.getAttribute('aria-expanded') === 'true';
    const move = (next) => (open ? this.open(next) : next.focus());
    switch (key) {
      case 'ArrowRight': move(step(tops, top, 1)); return true;
      case 'ArrowLeft': move(step(tops, top, -1)); return true;
      case 'ArrowDown': this.open(top); return true;
      case 'ArrowUp': this.open(top, true); return true;
      case 'Home': move(tops[0]); return true;
      case 'End': move(tops[tops.length - 1]); return true;
      case 'Escape': this.closeAll(); return true;
      default: return false;
    }
  }

  itemKey(key, item, ul) {
    const list = items(ul);
    const top = item.closest('.menu').querySelector(':scope > button');
    const parent = ul.parentElement.closest('li.submenu');
    const tops = this.tops();
    switch (key) {
      case 'ArrowDown': step(list, item, 1).focus(); return true;
      case 'ArrowUp': step(list, item, -1).focus(); return true;
      case 'Home': list[0].focus(); return true;
      case 'End': list[list.length - 1].focus(); return true;
      case 'Enter':
      case ' ':
      case 'ArrowRight': {
        const li = item.parentElement;
        if (li.classList.contains('submenu')) {
          li.classList.remove('shut');
          const sub = items(item.nextElementSibling);
          if (sub.length > 0) sub[0].focus();
        } else if (key === 'ArrowRight') {
          this.open(step(tops, top, 1));
        } else {
          return false;
        }
        return true;
      }
      case 'ArrowLeft':
        if (parent) this.shut(parent);
        else this.open(step(tops, top, -1));
        return true;
      case 'Escape':
        if (parent) {
          this.shut(parent);
        } else {
          this.closeAll();
          top.focus();
        }
        return true;
      default: return false;
    }
  }
}
