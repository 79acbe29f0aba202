// The menu bar: the popups of one menu table, worked by the mouse and by the keyboard as a desktop
// menu is (Alt or F10 highlights the bar, Alt+letter opens a popup, the arrows move, Enter chooses,
// Esc backs out). What an item may do is asked of the owner when its popup opens: its enabling
// and check mark, and the prompt the status bar shows while it is highlighted.

// "&Demo" as HTML: the mnemonic underlined, "&&" a plain ampersand, the text after a tab (the
// accelerator) in a span of its own.
export function menuLabel(text) {
  const [label, accelerator] = text.split('\t');
  let html = '';
  for (let i = 0; i < label.length; ++i) {
    const c = label[i];
    if (c === '&' && i + 1 < label.length) {
      const next = label[++i];
      html += next === '&' ? '&amp;' : `<u>${escapeHtml(next)}</u>`;
    } else {
      html += escapeHtml(c);
    }
  }
  return { html, accelerator: accelerator ?? '' };
}

// The letter that chooses an item: the one after a single '&', lower case.
export function mnemonicOf(text) {
  const label = text.split('\t')[0];
  for (let i = 0; i < label.length - 1; ++i) {
    if (label[i] !== '&') continue;
    if (label[i + 1] === '&') { ++i; continue; }
    return label[i + 1].toLowerCase();
  }
  return null;
}

// The entries that a typed letter chooses: those whose mnemonic it is, else (as a desktop menu
// does for items without one) those whose text begins with it.
function matching(entries, letter) {
  const byMnemonic = entries.map((e, i) => (e.mnemonic === letter ? i : -1)).filter((i) => i >= 0);
  if (byMnemonic.length) return byMnemonic;
  return entries.map((e, i) => (e.first === letter ? i : -1)).filter((i) => i >= 0);
}

function firstLetter(text) {
  return plainLabel(text).trim().charAt(0).toLowerCase() || null;
}

// The label as a screen reader says it: no ampersands.
function plainLabel(text) {
  return text.split('\t')[0].replace(/&(.)/g, '$1');
}

function escapeHtml(text) {
  return text.replace(/[<>&"]/g, (c) => `&#${c.charCodeAt(0)};`);
}

export class MenuBar {
  // owner: { itemsOf(popup) -> [{text, id, window?}], stateOf(item) -> {enabled, checked},
  //          choose(item), prompt(id | null), focusBack() }
  constructor(element, owner) {
    this.element = element;
    this.owner = owner;
    this.menus = [];          // [{ root, title, list, popup, items: [{item, element}] }]
    this.current = -1;        // the highlighted title, -1 when the bar is not in use
    this.open = false;        // whether its popup is open
    this.hot = -1;            // the highlighted item of the open popup
    this.keyboard = false;    // entered from the keyboard (the bar keeps the focus)
    this.titles = document.createElement('div');
    this.titles.className = 'dulm-menu-titles';
    this.titles.setAttribute('role', 'menubar');
    this.titles.setAttribute('aria-orientation', 'horizontal');
    this.element.prepend(this.titles);
  }

  // Whether the bar is in use: a title highlighted or a popup open. It then takes every key.
  get active() { return this.current >= 0; }

  // The popups of a menu table ([{text, popup: [...]}]).
  setMenu(table) {
    if (this.table === table) return;
    this.exit();
    this.table = table;
    this.titles.replaceChildren();
    this.menus = table.map((popup, index) => this.buildTitle(popup, index));
  }

  buildTitle(popup, index) {
    const root = document.createElement('div');
    root.className = 'dulm-menu';
    root.setAttribute('role', 'none');
    const title = document.createElement('button');
    title.type = 'button';
    title.className = 'dulm-menu-title';
    title.tabIndex = -1;
    title.setAttribute('role', 'menuitem');
    title.setAttribute('aria-haspopup', 'menu');
    title.setAttribute('aria-expanded', 'false');
    title.setAttribute('aria-label', plainLabel(popup.text));
    title.innerHTML = menuLabel(popup.text).html;
    const list = document.createElement('div');
    list.className = 'dulm-menu-list';
    list.setAttribute('role', 'menu');
    list.setAttribute('aria-label', plainLabel(popup.text));
    list.hidden = true;
    root.append(title, list);
    this.titles.append(root);

    // A title opens its popup when pressed and closes it when pressed again; while a popup is
    // open, pointing at another title opens that one instead.
    title.addEventListener('pointerdown', (e) => {
      if (e.button !== 0) return;
      e.preventDefault();  // the focus stays where it was
      if (this.current === index && this.open) this.exit();
      else this.show(index, { open: true, keyboard: false });
    });
    title.addEventListener('click', (e) => {
      // Enter or Space on a focused title (the pointer is handled on its press).
      if (e.detail === 0) this.show(index, { open: true, keyboard: true, first: true });
    });
    title.addEventListener('pointerenter', () => {
      if (this.open && this.current !== index) this.show(index, { open: true, keyboard: this.keyboard });
    });
    return { root, title, list, popup, mnemonic: mnemonicOf(popup.text), first: firstLetter(popup.text), items: [] };
  }

  // Highlights title `index`, opening its popup or not.
  show(index, { open, keyboard, first = false, last = false }) {
    const wasActive = this.active;
    this.closePopup();
    this.keyboard = keyboard;
    if (!wasActive) this.owner.enter?.();
    this.owner.prompt(null);
    this.current = index;
    const menu = this.menus[index];
    for (const m of this.menus) m.root.classList.toggle('dulm-hot', m === menu);
    if (open) {
      this.fill(menu);
      menu.list.hidden = false;
      menu.root.classList.add('dulm-open');
      menu.title.setAttribute('aria-expanded', 'true');
      this.open = true;
      this.place(menu);
      this.hot = -1;
      if (first) this.moveHot(1, -1);
      else if (last) this.moveHot(-1, menu.items.length);
    }
    if (keyboard && this.hot < 0) menu.title.focus({ preventScroll: true });
  }

  // The popup's items, each asked for its state now.
  fill(menu) {
    menu.list.replaceChildren();
    menu.items = [];
    for (const item of this.owner.itemsOf(menu.popup)) {
      if (!item.text) {
        const rule = document.createElement('div');
        rule.className = 'dulm-separator';
        rule.setAttribute('role', 'separator');
        menu.list.append(rule);
        continue;
      }
      const entry = document.createElement('button');
      entry.type = 'button';
      entry.className = 'dulm-menu-item';
      entry.tabIndex = -1;
      entry.dataset.command = String(item.id);
      if (item.window !== undefined) entry.dataset.window = String(item.window);
      const { html, accelerator } = menuLabel(item.text);
      const text = document.createElement('span');
      text.className = 'dulm-item-text';
      text.innerHTML = html;
      const accel = document.createElement('span');
      accel.className = 'dulm-accel';
      accel.textContent = accelerator;
      entry.append(text, accel);
      entry.setAttribute('aria-label', plainLabel(item.text));
      const record = { item, element: entry, mnemonic: mnemonicOf(item.text), first: firstLetter(item.text) };
      this.applyState(record);
      const index = menu.items.length;
      entry.addEventListener('pointerdown', (e) => e.preventDefault());
      entry.addEventListener('pointerenter', () => this.setHot(index, false));
      entry.addEventListener('pointerleave', () => { if (this.hot === index && !this.keyboard) this.setHot(-1, false); });
      entry.addEventListener('click', () => this.choose(record));
      menu.items.push(record);
      menu.list.append(entry);
    }
  }

  applyState(record) {
    const state = this.owner.stateOf(record.item);
    record.enabled = state.enabled;
    const entry = record.element;
    entry.setAttribute('aria-disabled', state.enabled ? 'false' : 'true');
    entry.classList.toggle('dulm-disabled', !state.enabled);
    if (state.checked !== undefined && state.checked !== null) {
      entry.setAttribute('role', 'menuitemcheckbox');
      entry.setAttribute('aria-checked', state.checked ? 'true' : 'false');
      entry.classList.toggle('dulm-checked', !!state.checked);
    } else {
      entry.setAttribute('role', 'menuitem');
      entry.removeAttribute('aria-checked');
      entry.classList.remove('dulm-checked');
    }
  }

  // The owner's states changed while a popup is open: its items follow.
  refresh() {
    if (!this.open) return;
    for (const record of this.menus[this.current].items) this.applyState(record);
  }

  // A popup stays inside the page: one that would leave it on the right moves left.
  place(menu) {
    menu.list.style.left = '0px';
    const rect = menu.list.getBoundingClientRect();
    const overflow = rect.right - document.documentElement.clientWidth;
    if (overflow > 0) menu.list.style.left = `${-Math.min(overflow, rect.left)}px`;
  }

  setHot(index, keyboard) {
    const menu = this.menus[this.current];
    if (!menu || !this.open) return;
    this.hot = index;
    menu.items.forEach((record, i) => record.element.classList.toggle('dulm-hot', i === index));
    const record = menu.items[index];
    if (record) {
      if (keyboard) record.element.focus({ preventScroll: true });
      this.owner.prompt(record.item.id, record.item);
    } else {
      this.owner.prompt(null);
    }
  }

  // The next item from `from` in direction `step`, round the popup (separators are not items).
  moveHot(step, from = this.hot) {
    const menu = this.menus[this.current];
    const n = menu.items.length;
    if (!n) return;
    let index = from;
    index = ((index + step) % n + n) % n;
    this.setHot(index, true);
  }

  choose(record) {
    if (!record.enabled) return;
    this.exit();
    this.owner.choose(record.item);
  }

  closePopup() {
    if (!this.open) return;
    const menu = this.menus[this.current];
    menu.list.hidden = true;
    menu.root.classList.remove('dulm-open');
    menu.title.setAttribute('aria-expanded', 'false');
    menu.list.replaceChildren();
    menu.items = [];
    this.open = false;
    this.hot = -1;
  }

  // Leaves the bar: nothing highlighted, the focus back where it was.
  exit() {
    if (!this.active) return;
    const hadFocus = this.element.contains(document.activeElement);
    this.closePopup();
    for (const m of this.menus) m.root.classList.remove('dulm-hot');
    this.current = -1;
    this.keyboard = false;
    this.owner.prompt(null);
    this.owner.leave?.();
    if (hadFocus) this.owner.focusBack();
  }

  // Alt or F10: the first title highlighted, no popup open.
  enterFromKeyboard() {
    if (!this.menus.length) return;
    this.show(0, { open: false, keyboard: true });
  }

  // Alt+letter: the popup whose title has that mnemonic. False when no title has it.
  openByMnemonic(letter) {
    const [index] = matching(this.menus, letter);
    if (index === undefined) return false;
    this.show(index, { open: true, keyboard: true, first: true });
    return true;
  }

  // A key while the bar is in use; every key is the menu's then.
  onKey(event) {
    event.preventDefault();
    event.stopPropagation();
    const n = this.menus.length;
    switch (event.key) {
      case 'Escape':
        if (this.open) this.show(this.current, { open: false, keyboard: true });
        else this.exit();
        return;
      case 'Alt':
      case 'F10':
        this.exit();
        return;
      case 'ArrowLeft':
        this.show((this.current - 1 + n) % n, { open: this.open, keyboard: true, first: this.open });
        return;
      case 'ArrowRight':
        this.show((this.current + 1) % n, { open: this.open, keyboard: true, first: this.open });
        return;
      case 'ArrowDown':
        if (!this.open) this.show(this.current, { open: true, keyboard: true, first: true });
        else this.moveHot(1);
        return;
      case 'ArrowUp':
        if (!this.open) this.show(this.current, { open: true, keyboard: true, last: true });
        else this.moveHot(-1);
        return;
      case 'Home':
        if (this.open) this.moveHot(1, -1);
        return;
      case 'End':
        if (this.open) this.moveHot(-1, this.menus[this.current].items.length);
        return;
      case 'Enter':
      case ' ':
        if (!this.open) this.show(this.current, { open: true, keyboard: true, first: true });
        else if (this.hot >= 0) this.choose(this.menus[this.current].items[this.hot]);
        return;
      case 'Tab':
        return;
      default:
        break;
    }
    if (event.key.length !== 1) return;
    const letter = event.key.toLowerCase();
    if (!this.open) {
      this.openByMnemonic(letter);
      return;
    }
    // An item's mnemonic chooses it; when several items share the letter it moves between them.
    const items = this.menus[this.current].items;
    const matches = matching(items, letter);
    if (matches.length === 1) this.choose(items[matches[0]]);
    else if (matches.length > 1) this.setHot(matches.find((i) => i > this.hot) ?? matches[0], true);
  }
}
