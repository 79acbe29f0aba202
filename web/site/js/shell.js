// The main window in the page: menu bar, toolbar, the area the demonstration windows live in, and
// the status bar. Menus, accelerators and prompts come from the engine's resource tables, so the
// page offers what the desktop offers, under the same names.
import { ChildWindow } from './child.js';
import { MessageBox, TemplateDialog } from './dialogs.js';
import { HelpWindow } from './help.js';
import { Note } from './engine.js';

// Command ids of the shell (the engine's resource ids).
const ID = Object.freeze({
  FILE_NEW: 57600, FILE_CLOSE: 57602, APP_EXIT: 57665, VIEW_TOOLBAR: 59392, VIEW_STATUS_BAR: 59393,
  WINDOW_CASCADE: 57650, WINDOW_TILE: 57651, HELP_INDEX: 57666, HELP_USING: 57668, APP_ABOUT: 57664,
  CONTEXT_HELP: 57669, HELP: 57670, DEFAULT_HELP: 57671, MAINFRAME: 2, IDLE: 57345, HELP_MODE: 57346,
});
const IDYES = 6;
const IDNO = 7;
const MB_YESNO = 0x4;

export class Shell {
  constructor(engine, resources, root) {
    this.engine = engine;
    this.resources = resources;
    this.root = root;
    this.windows = new Map();  // id -> ChildWindow, in opening order
    this.active = null;
    this.menubar = root.querySelector('#dulm-menubar');
    this.toolbar = root.querySelector('#dulm-toolbar');
    this.area = root.querySelector('#dulm-mdi');
    this.status = root.querySelector('#dulm-status');
    this.layer = root.querySelector('#dulm-layer');
    this.help = new HelpWindow(engine, root.querySelector('#dulm-help-layer'));
    this.openMenu = null;

    engine.title = resources.title;
    engine.on(Note.CanvasChanged, (w) => this.windows.get(w)?.onCanvasChanged());
    engine.on(Note.StateChanged, (w) => this.windows.get(w)?.onStateChanged());
    engine.on(Note.Ask, (w, request) => this.ask(w, request));
    engine.on(Note.Drop, (w, request) => this.drop(request));
    engine.on(Note.Help, (w, context) => this.help.showContext(context));
    engine.on(Note.Capture, (w, on) => this.windows.get(w)?.setCapture(on === 1));
    engine.on(Note.Refused, (w) => this.windows.get(w)?.requestClose());
    engine.on(Note.Closed, (w) => this.removeWindow(w));
    engine.on(Note.Rested, (w) => { const c = this.windows.get(w); if (c) { c.onStateChanged(); c.onCanvasChanged(); } });

    this.buildToolbar();
    this.buildMenus();
    this.showIdle();
    document.addEventListener('keydown', (e) => this.onDocumentKey(e));
    document.addEventListener('pointerdown', (e) => {
      if (this.openMenu && !e.target.closest('.dulm-menu')) this.closeMenus();
    });
  }

  // The reference canvas: the client area a demonstration window gets when it covers the window
  // area, in device pixels.
  referenceCanvas() {
    const ratio = window.devicePixelRatio || 1;
    const rect = this.area.getBoundingClientRect();
    const chrome = this.windowChrome();
    return {
      width: Math.max(100, Math.floor((rect.width - chrome.width) * ratio)),
      height: Math.max(100, Math.floor((rect.height - chrome.height) * ratio)),
    };
  }

  windowChrome() {
    if (!this.chrome) {
      const probe = document.createElement('div');
      probe.className = 'dulm-window';
      probe.style.visibility = 'hidden';
      const caption = document.createElement('div');
      caption.className = 'dulm-caption';
      caption.textContent = 'X';
      probe.append(caption);
      this.area.append(probe);
      const style = getComputedStyle(probe);
      const border = parseFloat(style.borderLeftWidth) + parseFloat(style.borderRightWidth);
      this.chrome = { width: border, height: caption.getBoundingClientRect().height + border };
      probe.remove();
    }
    return this.chrome;
  }

  // ---- start-up, as the desktop: the question, then the help or the New list ----
  start() {
    const { question, introduction } = this.resources.startup;
    new MessageBox(this.layer, this.resources.title, question, MB_YESNO, (answer) => {
      if (answer === IDNO) this.help.showContext(introduction);
      else this.fileNew();
    }).show();
  }

  // ---- windows ----
  openDemo(templateId) {
    const demo = this.resources.demos.find((d) => d.template === templateId);
    const canvas = this.canvas ?? (this.canvas = this.referenceCanvas());
    const id = this.engine.open(templateId, canvas.width, canvas.height);
    const child = new ChildWindow(this, this.engine, id, {
      title: demo.docName, templateId, clientWidth: canvas.width, clientHeight: canvas.height,
    });
    this.addWindow(child);
    return child;
  }

  openLink(args, size) {
    const id = this.engine.openLink(args);
    const demo = this.resources.demos.find((d) => d.name === args[0]);
    const child = new ChildWindow(this, this.engine, id, {
      title: demo?.docName ?? args[0], templateId: demo?.template ?? 0,
      clientWidth: size.width, clientHeight: size.height, link: true,
    });
    this.addWindow(child);
    return child;
  }

  addWindow(child) {
    this.windows.set(child.id, child);
    this.area.append(child.frame);
    child.frame.style.left = '0px';
    child.frame.style.top = '0px';
    this.activate(child);
  }

  removeWindow(id) {
    const child = this.windows.get(id);
    if (!child) return;
    child.remove();
    this.windows.delete(id);
    if (this.active === child) {
      const rest = [...this.windows.values()];
      this.active = null;
      if (rest.length) this.activate(rest[rest.length - 1]);
    }
    this.buildMenus();
    this.showIdle();
    this.updateTitle();
  }

  activate(child) {
    if (this.active === child) return;
    if (this.active) this.active.frame.classList.remove('dulm-active');
    this.active = child;
    if (child) {
      child.frame.classList.add('dulm-active');
      this.area.append(child.frame);  // on top
      child.canvas.focus({ preventScroll: true });
    }
    this.buildMenus();
    this.showIdle();
    this.updateTitle();
  }

  windowStateChanged(child) {
    if (child === this.active) {
      this.showIdle();
      this.updateTitle();
    }
  }

  updateTitle() {
    document.title = this.active ? `${this.resources.title} - ${this.active.title}` : this.resources.title;
  }

  cascade() {
    let offset = 0;
    const step = this.windowChrome().height;
    for (const child of this.windows.values()) {
      child.place(offset, offset, child.clientWidth, child.clientHeight);
      offset += step;
    }
  }

  tile() {
    const list = [...this.windows.values()];
    if (!list.length) return;
    const columns = Math.ceil(Math.sqrt(list.length));
    const rows = Math.ceil(list.length / columns);
    const rect = this.area.getBoundingClientRect();
    const ratio = window.devicePixelRatio || 1;
    const chrome = this.windowChrome();
    const cellWidth = Math.floor(rect.width / columns);
    const cellHeight = Math.floor(rect.height / rows);
    list.forEach((child, i) => {
      const left = (i % columns) * cellWidth;
      const top = Math.floor(i / columns) * cellHeight;
      child.place(left, top, Math.floor((cellWidth - chrome.width) * ratio), Math.floor((cellHeight - chrome.height) * ratio));
    });
  }

  // ---- requests of the views ----
  ask(windowId, request) {
    const details = this.engine.request(request);
    if (!details) return;
    const onHelp = (context) => this.help.showContext(context);
    let modal;
    if (details.kind === 'dialog') {
      modal = new TemplateDialog(this.layer, this.engine, details, { onHelp });
    } else {
      modal = new MessageBox(this.layer, this.resources.title, details.text, details.type,
                             (result) => this.engine.answer(request, result));
    }
    this.modals = this.modals ?? new Map();
    this.modals.set(request, modal);
    modal.show();
  }

  drop(request) {
    const modal = this.modals?.get(request);
    if (modal) {
      modal.remove();
      this.modals.delete(request);
    }
  }

  // ---- commands ----
  command(id) {
    this.closeMenus();
    switch (id) {
      case ID.FILE_NEW: this.fileNew(); return;
      case ID.FILE_CLOSE: this.active?.requestClose(); return;
      case ID.APP_EXIT: for (const child of this.windows.values()) child.requestClose(); return;
      case ID.VIEW_TOOLBAR: this.toolbar.hidden = !this.toolbar.hidden; this.buildMenus(); return;
      case ID.VIEW_STATUS_BAR: this.root.querySelector('#dulm-statusbar').hidden ^= true; this.buildMenus(); return;
      case ID.WINDOW_CASCADE: this.cascade(); return;
      case ID.WINDOW_TILE: this.tile(); return;
      case ID.HELP_INDEX: case ID.DEFAULT_HELP: this.help.showPage('index'); return;
      case ID.HELP_USING: this.help.showPage('using'); return;
      case ID.APP_ABOUT: this.about(); return;
      case ID.HELP: if (this.active) this.engine.help(this.active.id); else this.help.showPage('index'); return;
      default:
        if (id >= 0x10000 && this.windows.has(id - 0x10000)) { this.activate(this.windows.get(id - 0x10000)); return; }
        if (this.active) this.engine.command(this.active.id, id);
    }
  }

  fileNew() {
    const demos = this.resources.demos;
    const layer = this.layer;
    const box = document.createElement('div');
    box.className = 'dulm-backdrop';
    box.innerHTML = '<div class="dulm-modal dulm-new" role="dialog" aria-label="New">' +
      '<div class="dulm-modal-caption">New</div><div class="dulm-modal-body">' +
      '<label class="dulm-new-label" for="dulm-new-list">New</label>' +
      '<select id="dulm-new-list" size="13"></select>' +
      '<div class="dulm-buttons"><button type="button" data-result="1">OK</button>' +
      '<button type="button" data-result="2">Cancel</button></div></div></div>';
    const list = box.querySelector('select');
    for (const d of demos) {
      const option = document.createElement('option');
      option.value = String(d.template);
      option.textContent = d.newName;
      list.append(option);
    }
    list.selectedIndex = 0;
    const finish = (ok) => {
      box.remove();
      if (ok) this.openDemo(Number(list.value));
    };
    box.querySelector('[data-result="1"]').addEventListener('click', () => finish(true));
    box.querySelector('[data-result="2"]').addEventListener('click', () => finish(false));
    list.addEventListener('dblclick', () => finish(true));
    box.addEventListener('keydown', (e) => {
      if (e.key === 'Enter') { e.preventDefault(); finish(true); }
      else if (e.key === 'Escape') { e.preventDefault(); finish(false); }
    });
    layer.append(box);
    list.focus();
  }

  about() {
    const tmpl = this.resources.dialogs['100'];
    const text = tmpl.controls.find((c) => c.kind === 'static').text;
    new MessageBox(this.layer, tmpl.caption, text, 0, () => {}).show();
  }

  // ---- menus, toolbar, status bar ----
  currentMenu() {
    const key = String(this.active ? this.active.templateId : ID.MAINFRAME);
    return this.resources.menus[key] ?? this.resources.menus[String(ID.MAINFRAME)];
  }

  buildMenus() {
    this.menubar.replaceChildren();
    for (const popup of this.currentMenu()) {
      const top = document.createElement('div');
      top.className = 'dulm-menu';
      const button = document.createElement('button');
      button.type = 'button';
      button.className = 'dulm-menu-title';
      button.innerHTML = this.menuLabel(popup.text);
      const list = document.createElement('div');
      list.className = 'dulm-menu-list';
      list.setAttribute('role', 'menu');
      list.hidden = true;
      button.addEventListener('click', () => this.toggleMenu(top));
      button.addEventListener('pointerenter', () => { if (this.openMenu && this.openMenu !== top) this.toggleMenu(top); });
      top.append(button, list);
      top.popup = popup;
      top.list = list;
      this.menubar.append(top);
    }
  }

  menuLabel(text) {
    const [label, accel] = text.split('\t');
    const escaped = label.replace(/[<>&"]/g, (c) => `&#${c.charCodeAt(0)};`).replace(/&#38;(.)/g, '<u>$1</u>');
    return accel ? `${escaped}<span class="dulm-accel">${accel}</span>` : escaped;
  }

  fillMenu(top) {
    const list = top.list;
    list.replaceChildren();
    const items = [...top.popup.popup];
    if (top.popup.text === '&Window' && this.windows.size) {
      items.push({ text: '', id: 0 });
      [...this.windows.values()].forEach((child, i) =>
        items.push({ text: `&${i + 1} ${child.title}`, id: 0x10000 + child.id, checked: child === this.active }));
    }
    for (const item of items) {
      if (!item.text) {
        const rule = document.createElement('div');
        rule.className = 'dulm-separator';
        list.append(rule);
        continue;
      }
      const entry = document.createElement('button');
      entry.type = 'button';
      entry.className = 'dulm-menu-item';
      entry.setAttribute('role', 'menuitem');
      entry.dataset.command = String(item.id);
      entry.innerHTML = this.menuLabel(item.text);
      const state = this.commandState(item);
      entry.disabled = !state.enabled;
      if (state.checked) entry.classList.add('dulm-checked');
      entry.addEventListener('click', () => this.command(item.id));
      entry.addEventListener('pointerenter', () => this.showPrompt(item.id));
      list.append(entry);
    }
  }

  commandState(item) {
    if (item.id === ID.VIEW_TOOLBAR) return { enabled: true, checked: !this.toolbar.hidden };
    if (item.id === ID.VIEW_STATUS_BAR) return { enabled: true, checked: !this.root.querySelector('#dulm-statusbar').hidden };
    if (item.id >= 0x10000) return { enabled: true, checked: item.checked };
    if (item.id < 0xe000 && this.active) {
      const state = this.active.commandState(item.id);
      if (state) return state;
    }
    return { enabled: true, checked: false };
  }

  toggleMenu(top) {
    const wasOpen = this.openMenu === top;
    this.closeMenus();
    if (wasOpen) return;
    this.fillMenu(top);
    top.list.hidden = false;
    top.classList.add('dulm-open');
    this.openMenu = top;
  }

  closeMenus() {
    if (!this.openMenu) return;
    this.openMenu.list.hidden = true;
    this.openMenu.classList.remove('dulm-open');
    this.openMenu = null;
    this.showIdle();
  }

  buildToolbar() {
    const buttons = [[ID.FILE_NEW, 'New'], [ID.APP_ABOUT, 'About'], [ID.CONTEXT_HELP, 'Help']];
    for (const [id, name] of buttons) {
      const button = document.createElement('button');
      button.type = 'button';
      button.className = `dulm-tool dulm-tool-${name.toLowerCase()}`;
      button.dataset.command = String(id);
      button.title = name;
      button.setAttribute('aria-label', name);
      button.addEventListener('click', () => this.command(id === ID.CONTEXT_HELP ? ID.HELP_INDEX : id));
      button.addEventListener('pointerenter', () => this.showPrompt(id));
      button.addEventListener('pointerleave', () => this.showIdle());
      this.toolbar.append(button);
    }
  }

  showPrompt(id) {
    this.status.textContent = this.resources.strings[String(id)] ?? '';
  }

  showIdle() {
    const running = this.active?.state.status;
    this.status.textContent = running || this.resources.strings[String(ID.IDLE)];
  }

  // ---- keys ----
  // Accelerators of the main window: Ctrl+N and the others, F1 and Shift+F1.
  handleAccelerator(event, down) {
    if (!down) return false;
    const vk = event.code.startsWith('Key') ? event.code.charCodeAt(3)
      : event.code === 'F1' ? 0x70 : event.code === 'Insert' ? 0x2d : event.code === 'Delete' ? 0x2e
      : event.code === 'Backspace' ? 0x08 : event.code === 'F6' ? 0x75 : 0;
    if (!vk) return false;
    const entry = this.resources.accelerators.find((a) => a.vk === vk && a.ctrl === event.ctrlKey &&
      a.shift === event.shiftKey && a.alt === event.altKey);
    if (!entry) return false;
    event.preventDefault();
    this.command(entry.command);
    return true;
  }

  onDocumentKey(event) {
    if (this.layer.children.length) return;  // a dialog has the keys
    if (event.target.closest?.('.dulm-window')) return;  // the window handles its own
    if (event.key === 'Escape' && this.openMenu) { this.closeMenus(); return; }
    this.handleAccelerator(event, true);
  }

  // ---- resting, for tests and tools ----
  allResting() {
    for (const child of this.windows.values())
      if (!this.engine.resting(child.id)) return false;
    return true;
  }
}
