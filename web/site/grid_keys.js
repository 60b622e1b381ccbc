// The keyboard in a grid, as on the desktop: the grid takes the focus, and the arrow keys, Page Up/Down and
// Home/End move the current line.
export class GridKeys {
  constructor(table, grid, moveTo) {
    table.tabIndex = 0;
    table.addEventListener('keydown', (e) => {
      const g = grid();
      if (!g || g.rowCount === 0 || e.altKey || e.ctrlKey || e.metaKey) return;
      const row = this.target(e.key, g.currentRow || 0, g.rowCount, this.pageRows(table));
      if (row === null) return;
      e.preventDefault();
      if (row !== g.currentRow) moveTo(row);
    });
  }

  // Lines one scroll of the grid shows.
  pageRows(table) {
    const row = table.tBodies[0].rows[0];
    const height = row ? row.getBoundingClientRect().height : 0;
    return height > 0 ? Math.max(1, Math.floor(table.parentElement.clientHeight / height) - 1) : 10;
  }

  target(key, current, count, page) {
    const clamp = (row) => Math.min(count, Math.max(1, row));
    switch (key) {
    case 'ArrowDown': return clamp(current + 1);
    case 'ArrowUp': return clamp(current - 1);
    case 'PageDown': return clamp(current + page);
    case 'PageUp': return clamp(current - page);
    case 'Home': return 1;
    case 'End': return count;
    default: return null;
    }
  }
}
