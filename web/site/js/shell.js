// The main window in the page: menu bar, toolbar, the area the demonstration windows live in, and
// the status bar. Menus, accelerators and prompts come from the engine's resource tables, so the
// page offers what the desktop offers, under the same names.
import { ChildWindow, zoomIn, zoomOut } from './child.js';
import {
  CLASSROOM, classroomItems, copyPicture, exportData, isClassroomCommand, linkQuery, linkUrl, savePicture,
} from './classroom.js';
import { MessageBox, TemplateDialog, aboutRequest } from './dialogs.js';
import { HelpWindow } from './help.js';
import { Note } from './engine.js';
import { acceleratorOf, keyName, lockStates } from './keys.js';
import { MenuBar } from './menus.js';

// Command and resource ids of the shell (the engine's ids).
const ID = Object.freeze({
  FILE_NEW: 57600, FILE_CLOSE: 57602, APP_EXIT: 57665, VIEW_TOOLBAR: 59392, VIEW_STATUS_BAR: 59393,
  WINDOW_CASCADE: 57650, WINDOW_TILE: 57651, HELP_INDEX: 57666, HELP_USING: 57668, APP_ABOUT: 57664,
  CONTEXT_HELP: 57669, HELP: 57670, DEFAULT_HELP: 57671, EDIT_COPY: 57634, MAINFRAME: 2, IDLE: 57345,
  HELP_MODE: 57346, INDICATOR_CAPS: 59137, INDICATOR_NUM: 59138, INDICATOR_SCRL: 59139, ABOUT_BOX: 100,
  FILE_PRINT: 57607, ZOOM_IN: 0x8120, ZOOM_OUT: 0x8121, ACTUAL_SIZE: 0x8122, FULL_SCREEN: 0x8123, PROJECTOR: 0x8124,
});
// The Window menu's list of windows: the first window's item, then one id each.
const FIRST_WINDOW_ITEM = 0xff00;
// Help contexts: commands, windows and dialogs (by resource id), and the "New" list.
const HELP_COMMAND = 0x10000;
const HELP_RESOURCE = 0x20000;
const HELP_NEW_LIST = HELP_RESOURCE + 30721;
const IDNO = 7;
const MB_OK = 0x0;
const MB_YESNO = 0x4;
const MB_ICONEXCLAMATION = 0x30;

export class Shell {
  constructor(engine, resources, root) {
    this.engine = engine;
    this.resources = resources;
    this.root = root;
    this.all = new Map();   // id -> ChildWindow, closing ones included until the engine lets them go
    this.order = [];        // the open windows in opening order (the Window menu's list)
    this.stack = [];        // the open windows from bottom to top
    this.active = null;
    this.maximized = false; // the active window fills the window area
    this.instances = new Map();  // windows opened so far per demonstration, for their titles
    this.modals = new Map();
    this.helpMode = false;
    this.promptText = null;
    this.dpr = window.devicePixelRatio || 1;
    this.minimum = { width: 0, height: 0 };
    this.projector = false;  // View > Projector Colours

    this.menubarElement = root.querySelector('#dulm-menubar');
    this.toolbar = root.querySelector('#dulm-toolbar');
    this.area = root.querySelector('#dulm-mdi');
    this.statusbar = root.querySelector('#dulm-statusbar');
    this.status = root.querySelector('#dulm-status');
    this.layer = root.querySelector('#dulm-layer');
    this.helpLayer = root.querySelector('#dulm-help-layer');
    this.help = new HelpWindow(engine, this.helpLayer);

    engine.title = resources.title;
    engine.on(Note.CanvasChanged, (w) => this.all.get(w)?.onCanvasChanged());
    engine.on(Note.StateChanged, (w) => this.all.get(w)?.onStateChanged());
    engine.on(Note.Ask, (w, request) => this.ask(w, request));
    engine.on(Note.Drop, (w, request) => this.drop(request));
    engine.on(Note.Help, (w, context) => this.help.showContext(context));
    engine.on(Note.Capture, (w, on) => this.all.get(w)?.setCapture(on === 1));
    engine.on(Note.Refused, (w) => { const c = this.all.get(w); if (c) this.closeWindow(c); });
    engine.on(Note.Closed, (w) => this.removeWindow(w));
    engine.on(Note.Printed, (w) => this.printPicture(w));
    engine.on(Note.Rested, (w) => {
      const c = this.all.get(w);
      if (!c) return;
      // A link the render tool would refuse opens nothing: its window goes, and the page says why.
      const error = c.link ? this.engine.windowState(w)?.error : null;
      if (error) {
        this.closeWindow(c);
        new MessageBox(this.layer, this.resources.title, error, MB_OK | MB_ICONEXCLAMATION, () => {}).show();
        return;
      }
      c.onStateChanged();
      c.onCanvasChanged();
    });

    this.menubar = new MenuBar(this.menubarElement, this.menuOwner());
    this.buildMdiControls();
    this.buildToolbar();
    this.buildIndicators();
    this.showMenu();
    this.refreshStatus();
    this.updateTitle();
    this.listen();
  }

  // ---- measures ----

  ratio() { return this.dpr; }

  // The frame of a demonstration window around its client area, in CSS pixels: its border and
  // caption as the style sheet draws them.
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
      const left = parseFloat(style.borderLeftWidth);
      const right = parseFloat(style.borderRightWidth);
      const top = parseFloat(style.borderTopWidth);
      const bottom = parseFloat(style.borderBottomWidth);
      const height = caption.getBoundingClientRect().height;
      this.chrome = { left, top: top + height, width: left + right, height: top + height + bottom };
      probe.remove();
    }
    return this.chrome;
  }

  areaSize() {
    const rect = this.area.getBoundingClientRect();
    return { width: rect.width, height: rect.height };
  }

  // The client size of a window that covers the window area, in device pixels.
  coveringClient() {
    const area = this.areaSize();
    const chrome = this.windowChrome();
    const ratio = this.ratio();
    return {
      width: Math.max(100, Math.floor((area.width - chrome.width) * ratio)),
      height: Math.max(100, Math.floor((area.height - chrome.height) * ratio)),
    };
  }

  // The client size of a maximized window: the whole window area.
  maximizedClient() {
    const area = this.areaSize();
    return { width: Math.floor(area.width * this.ratio()), height: Math.floor(area.height * this.ratio()) };
  }

  // The reference canvas W x H: the client area a demonstration window gets when it covers the
  // window area as the page opens, in device pixels. The first window opens so, and shows it 1:1.
  // It is never measured again: the pictures keep the proportions of the page as it opened.
  referenceCanvas() { return this.canvas ?? this.coveringClient(); }

  recordReferenceCanvas() {
    this.canvas = this.coveringClient();
    this.engine.init(this.canvas.width, this.canvas.height);
  }

  // No window is made smaller than a fifth of the window area as it was when the latest window
  // opened (its frame, in CSS pixels).
  minimumFrame() { return this.minimum; }

  recordMinimum() {
    const area = this.areaSize();
    this.minimum = { width: Math.floor((Math.round(area.width) + 1) / 5), height: Math.floor((Math.round(area.height) + 1) / 5) };
  }

  // ---- start-up, as the desktop: the question, then the help or the New list ----
  start() {
    const { question, introduction } = this.resources.startup;
    new MessageBox(this.layer, this.resources.title, question, MB_YESNO | MB_ICONEXCLAMATION, (answer) => {
      if (answer === IDNO) this.help.showContext(introduction);
      else this.fileNew();
    }).show();
  }

  // ---- windows ----

  demo(templateId) { return this.resources.demos.find((d) => d.template === templateId); }

  // A new window of a demonstration, restored and covering the window area.
  openDemo(templateId) {
    const demo = this.demo(templateId);
    if (!demo) return null;
    this.setMaximized(false);
    this.recordMinimum();
    const client = this.coveringClient();
    const id = this.engine.open(templateId, client.width, client.height);
    const number = (this.instances.get(templateId) ?? 0) + 1;
    this.instances.set(templateId, number);
    const child = new ChildWindow(this, this.engine, id, {
      title: `${demo.docName}${number}`, templateId, icon: demo.icon,
      clientWidth: client.width, clientHeight: client.height,
      canvasWidth: this.referenceCanvas().width, canvasHeight: this.referenceCanvas().height,
    });
    this.addWindow(child);
    return child;
  }

  // A window from a link, its client area the size the link asks for.
  openLink(args, size) {
    const id = this.engine.openLink(args);
    const demo = this.resources.demos.find((d) => d.name === args[0]);
    this.recordMinimum();
    const child = new ChildWindow(this, this.engine, id, {
      title: demo?.docName ?? args[0], templateId: demo?.template ?? 0, icon: demo?.icon,
      clientWidth: size.width, clientHeight: size.height, link: true,
    });
    this.addWindow(child);
    return child;
  }

  addWindow(child) {
    this.all.set(child.id, child);
    this.order.push(child);
    this.stack.push(child);
    this.area.append(child.frame);
    child.place(0, 0, child.clientWidth, child.clientHeight);
    this.activate(child);
  }

  activate(child) {
    if (!child || child.closing) return;
    this.raise(child);
    if (this.active === child) return;
    const previous = this.active;
    if (previous) previous.frame.classList.remove('dulm-active');
    this.active = child;
    child.frame.classList.add('dulm-active');
    if (this.maximized) {
      previous?.setMaximized(false);
      const client = this.maximizedClient();
      child.setMaximized(true, client.width, client.height);
    }
    if (!this.layer.contains(document.activeElement) && !this.helpLayer.contains(document.activeElement) &&
        !this.menubar.active) {
      child.canvas.focus({ preventScroll: true });
    }
    this.afterWindowsChanged();
  }

  raise(child) {
    const at = this.stack.indexOf(child);
    if (at >= 0 && at === this.stack.length - 1) return;
    if (at >= 0) this.stack.splice(at, 1);
    this.stack.push(child);
    this.stack.forEach((c, i) => { c.frame.style.zIndex = String(i + 1); });
  }

  // Ctrl+F6 and Ctrl+Shift+F6: the next or the previous window of the list.
  activateNext(step) {
    if (this.order.length < 2 || !this.active) return;
    const at = this.order.indexOf(this.active);
    this.activate(this.order[(at + step + this.order.length) % this.order.length]);
  }

  // Closing at any moment (a run, a pause, a dialog open): the view is told to end, the window
  // leaves the screen at once, and goes when the engine says the view has ended.
  closeWindow(child) {
    if (!child || child.closing) return;
    this.detach(child);
    child.beginClose();
    this.afterWindowsChanged();
  }

  detach(child) {
    this.order = this.order.filter((c) => c !== child);
    this.stack = this.stack.filter((c) => c !== child);
    if (this.active !== child) return;
    this.active = null;
    child.frame.classList.remove('dulm-active');
    const next = this.stack[this.stack.length - 1];
    if (next) {
      this.activate(next);
    } else {
      this.maximized = false;
      this.updateMaximizedLook();
    }
  }

  // The engine has ended the window's view.
  removeWindow(id) {
    const child = this.all.get(id);
    if (!child) return;
    if (!child.closing) this.detach(child);
    child.remove();
    this.all.delete(id);
    this.afterWindowsChanged();
  }

  toggleMaximized(child) {
    if (this.maximized && this.active === child) {
      this.setMaximized(false);
      return;
    }
    this.activate(child);
    this.setMaximized(true);
  }

  setMaximized(on) {
    if (on && !this.active) return;
    if (on === this.maximized) return;
    this.maximized = on;
    if (this.active) {
      const client = this.maximizedClient();
      this.active.setMaximized(on, client.width, client.height);
    }
    this.updateMaximizedLook();
    this.updateTitle();
  }

  updateMaximizedLook() {
    this.mdiControls.hidden = !this.maximized;
    this.mdiIcon.hidden = !this.maximized;
    if (this.maximized && this.active) this.mdiIcon.src = this.active.frame.querySelector('.dulm-caption-icon').src;
  }

  // The window area changed size (the page, the toolbar or the status bar): a maximized window
  // follows it, the others keep their places.
  onAreaResized() {
    const ratio = window.devicePixelRatio || 1;
    if (ratio !== this.dpr) {
      // The page was zoomed: windows keep their size on the page, in new device pixels.
      const k = ratio / this.dpr;
      this.dpr = ratio;
      this.chrome = null;
      for (const child of this.order) {
        if (child.normal) {
          child.normal.width = Math.round(child.normal.width * k);
          child.normal.height = Math.round(child.normal.height * k);
        }
        child.setClientSize(child.clientWidth * k, child.clientHeight * k);
      }
    }
    if (this.maximized && this.active) {
      const client = this.maximizedClient();
      this.active.setClientSize(client.width, client.height);
    }
    for (const child of this.order) child.layout();
  }

  // Cascade: every window the same size, each one a caption lower and to the right of the one
  // below it, the active one on top; windows that would leave the area start again at its corner.
  cascade() {
    this.setMaximized(false);
    const active = this.active;
    const windows = this.stack.filter((c) => c !== active);
    if (active) windows.push(active);
    if (!windows.length) return;
    const chrome = this.windowChrome();
    const ratio = this.ratio();
    const area = this.areaSize();
    const min = this.minimumFrame();
    const step = Math.max(8, chrome.top);
    const n = windows.length;
    const width = Math.max(Math.floor(area.width) - (n - 1) * step, min.width);
    const height = Math.max(Math.floor(area.height) - (n - 1) * step, min.height);
    const room = Math.min(area.width - width, area.height - height);
    const perRun = Math.max(1, Math.floor(room / step) + 1);
    windows.forEach((child, i) => {
      const offset = (i % perRun) * step;
      child.place(offset, offset, Math.floor((width - chrome.width) * ratio), Math.floor((height - chrome.height) * ratio));
      this.raise(child);
    });
  }

  // Tile: a grid of equal cells, its rows and columns chosen so that each window's client area
  // is as close as can be to the pictures' shape (the engine's grid, the desktop's own); windows
  // fill it row by row in the Window menu's order. Worked out in device pixels.
  tile() {
    this.setMaximized(false);
    const windows = this.order;
    const n = windows.length;
    if (!n) return;
    const chrome = this.windowChrome();
    const ratio = this.ratio();
    const area = this.areaSize();
    const device = (size) => ({ width: Math.floor(size.width * ratio), height: Math.floor(size.height * ratio) });
    const cells = this.engine.tile(n, device(area), this.referenceCanvas(), device(chrome));
    const min = this.minimumFrame();
    windows.forEach((child, i) => {
      const [left, top, right, bottom] = cells[i];
      const width = Math.max(Math.floor((right - left) / ratio), min.width);
      const height = Math.max(Math.floor((bottom - top) / ratio), min.height);
      child.place(Math.floor(left / ratio), Math.floor(top / ratio),
                  Math.floor((width - chrome.width) * ratio), Math.floor((height - chrome.height) * ratio));
    });
  }

  afterWindowsChanged() {
    this.showMenu();
    this.updateMaximizedLook();
    this.refreshStatus();
    this.updateTitle();
  }

  windowStateChanged(child) {
    if (child !== this.active) return;
    this.menubar.refresh();
    this.refreshStatus();
    this.updateTitle();
  }

  // "Dulm Windows Application - Student's t1", or "... - [Student's t1]" while it is maximized.
  updateTitle() {
    let title = this.resources.title;
    if (this.active) title += this.maximized ? ` - [${this.active.title}]` : ` - ${this.active.title}`;
    if (document.title !== title) document.title = title;
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
    this.modals.set(request, modal);
    modal.show();
  }

  drop(request) {
    const modal = this.modals.get(request);
    if (modal) {
      modal.remove();
      this.modals.delete(request);
    }
  }

  modalOpen() { return this.layer.childElementCount > 0; }

  // ---- commands ----
  command(id) {
    this.menubar.exit();
    if (this.helpMode) {
      // Context help: the command's help instead of the command.
      this.stopHelpMode();
      this.help.showContext(HELP_COMMAND + id);
      return;
    }
    switch (id) {
      case ID.FILE_NEW: this.fileNew(); return;
      case ID.FILE_CLOSE: this.closeWindow(this.active); return;
      case ID.APP_EXIT: for (const child of [...this.order]) this.closeWindow(child); return;
      case ID.VIEW_TOOLBAR: this.toolbar.hidden = !this.toolbar.hidden; return;
      case ID.VIEW_STATUS_BAR: this.statusbar.hidden = !this.statusbar.hidden; return;
      case ID.WINDOW_CASCADE: this.cascade(); return;
      case ID.WINDOW_TILE: this.tile(); return;
      case ID.HELP_INDEX: case ID.DEFAULT_HELP: this.help.showPage('index'); return;
      case ID.HELP_USING: this.help.showPage('using'); return;
      case ID.APP_ABOUT: this.about(); return;
      case ID.HELP:
        if (this.active) this.engine.help(this.active.id);
        else this.help.showPage('index');
        return;
      case ID.CONTEXT_HELP: this.startHelpMode(); return;
      case ID.FULL_SCREEN: this.toggleFullScreen(); return;
      case ID.PROJECTOR:
        this.projector = !this.projector;
        this.engine.palette(this.projector);
        return;
      case ID.FILE_PRINT: this.print(); return;
      case ID.ZOOM_IN: this.zoom((percent) => zoomIn(percent)); return;
      case ID.ZOOM_OUT: this.zoom((percent) => zoomOut(percent)); return;
      case ID.ACTUAL_SIZE: this.zoom(() => 100); return;
      default: break;
    }
    if (id === ID.EDIT_COPY || isClassroomCommand(id)) {
      this.classroomCommand(id);
      return;
    }
    // The demonstrations' own commands go to the active view; the rest of the accelerator table
    // (Open, Save, Print, Undo, Cut, Copy, Paste, the pane keys) has no command in this version.
    if (id < 0xe000 && this.active && !this.active.closing) this.engine.command(this.active.id, id);
  }

  // ---- the classroom: picture, data, run again, link ----
  classroomCommand(id) {
    const child = this.active;
    if (!child || child.closing) return;
    const tell = (text) => new MessageBox(this.layer, this.resources.title, text, MB_OK | MB_ICONEXCLAMATION,
                                          () => this.focusActive()).show();
    switch (id) {
      case ID.EDIT_COPY:
        copyPicture(this.engine, child.id).then((copied) => {
          if (copied === 'texts') {
            tell('This browser lets the page put only text on the clipboard: the texts of the picture were ' +
                 'copied. Use Save Picture As for the picture itself.');
          }
        }, (e) => tell(`This browser did not let the page use the clipboard (${e.message}). ` +
                       'Use Save Picture As and Export Data.'));
        return;
      case CLASSROOM.SAVE_PICTURE:
        savePicture(this.engine, child.id, child.title).then((saved) => {
          if (!saved) tell('The window has no picture yet.');
        });
        return;
      case CLASSROOM.EXPORT_DATA:
        exportData(this.engine, child.id, child.title).then((csv) => {
          if (!csv) tell('The demonstration did not pause to give its data. Export again when its run pauses or ends.');
        });
        return;
      case CLASSROOM.RUN_AGAIN:
      case CLASSROOM.RUN_AGAIN_SAME_SEED:
        this.runAgain(child, id === CLASSROOM.RUN_AGAIN_SAME_SEED);
        return;
      case CLASSROOM.COPY_LINK: {
        const query = linkQuery(this.engine, child.id, this.referenceCanvas());
        if (!query) return;
        const url = linkUrl(query);
        navigator.clipboard.writeText(url).catch(() => tell(`The link of this window:\n${url}`));
        return;
      }
      default:
    }
  }

  // The window's demonstration again in its place, answered as it was: its link, with the same
  // seed or the time now.
  runAgain(child, sameSeed) {
    const query = linkQuery(this.engine, child.id, this.referenceCanvas(), sameSeed);
    if (!query) return null;
    const args = [query.get('demo'), '--out', '-', '--size', query.get('size')];
    for (const name of ['time', 'dialog']) if (query.has(name)) args.push(`--${name}`, query.get(name));
    const size = { width: child.clientWidth, height: child.clientHeight };
    this.closeWindow(child);
    return this.openLink(args, size);
  }

  // The active window's picture drawn again larger or smaller; the status bar says how large for
  // two seconds.
  zoom(step) {
    const child = this.active;
    if (!child || child.closing) return;
    child.setZoom(step(child.zoom));
    this.showNotice(`Zoom ${child.zoom}%`, 2000);
  }

  // A short message in the status bar's message pane for a while (as long as the desktop shows
  // it), unless a prompt covers it.
  showNotice(text, ms) {
    clearTimeout(this.noticeTimer);
    this.notice = text;
    this.refreshStatus();
    this.noticeTimer = setTimeout(() => {
      this.notice = null;
      this.refreshStatus();
    }, ms);
  }

  // The page fills the screen (the Fullscreen API), and F11 or the command again gives it back. Esc
  // belongs to the runs, though the browser may take it to leave full screen too.
  toggleFullScreen() {
    if (document.fullscreenElement) {
      document.exitFullscreen?.().catch(() => {});
      return;
    }
    document.documentElement.requestFullscreen?.().then(() => {
      this.showNotice('Full screen: press F11 to leave it.', 5000);
    }).catch(() => {});
  }

  // Demo > Print...: the engine draws the active window's picture again at three times its
  // canvas (about 300 dots an inch across a page), and the page prints it alone. A zoomed window
  // prints as it would unzoomed: the zoom is for the screen.
  print() {
    if (!this.active || this.active.closing) return;
    const { clientWidth: width, clientHeight: height } = this.active;
    const scale = Math.min(3, 6000 / Math.max(width, height));
    this.engine.print(this.active.id, Math.floor(width * scale), Math.floor(height * scale));
  }

  printPicture(windowId) {
    const picture = this.engine.printFrame(windowId);
    if (!picture) return;
    const canvas = document.createElement('canvas');
    canvas.width = picture.width;
    canvas.height = picture.height;
    canvas.getContext('2d').putImageData(picture, 0, 0);
    let sheet = document.getElementById('dulm-print');
    if (!sheet) {
      sheet = document.createElement('div');
      sheet.id = 'dulm-print';
      document.body.append(sheet);
    }
    const image = document.createElement('img');
    image.alt = this.all.get(windowId)?.state.title ?? '';
    image.addEventListener('load', () => window.print(), { once: true });
    image.src = canvas.toDataURL('image/png');
    sheet.replaceChildren(image);
  }

  // The "New" list: the demonstrations in the table's order.
  fileNew() {
    const box = document.createElement('div');
    box.className = 'dulm-backdrop';
    box.innerHTML = '<div class="dulm-modal dulm-new" role="dialog" aria-modal="true" aria-labelledby="dulm-new-caption">' +
      '<div class="dulm-modal-caption" id="dulm-new-caption">New</div><div class="dulm-modal-body">' +
      '<div class="dulm-new-list"><label for="dulm-new-list"><u>N</u>ew</label>' +
      '<select id="dulm-new-list" size="13"></select></div>' +
      '<div class="dulm-new-buttons"><button type="button" class="dulm-default" data-result="1">OK</button>' +
      '<button type="button" data-result="2">Cancel</button>' +
      '<button type="button" data-result="help"><u>H</u>elp</button></div></div></div>';
    const list = box.querySelector('select');
    for (const d of this.resources.demos) {
      const option = document.createElement('option');
      option.value = String(d.template);
      option.textContent = d.newName;
      list.append(option);
    }
    list.selectedIndex = 0;
    const finish = (ok) => {
      box.remove();
      if (ok && list.value) this.openDemo(Number(list.value));
    };
    const showHelp = () => this.help.showContext(HELP_NEW_LIST);
    box.querySelector('[data-result="1"]').addEventListener('click', () => finish(true));
    box.querySelector('[data-result="2"]').addEventListener('click', () => finish(false));
    box.querySelector('[data-result="help"]').addEventListener('click', showHelp);
    list.addEventListener('dblclick', () => { if (list.selectedIndex >= 0) finish(true); });
    box.addEventListener('keydown', (e) => {
      if (e.key === 'Enter' && !e.target.matches('button')) { e.preventDefault(); finish(true); }
      else if (e.key === 'Escape') { e.preventDefault(); finish(false); }
      else if (e.key === 'F1' && !e.shiftKey && !e.ctrlKey && !e.altKey) { e.preventDefault(); showHelp(); }
      else if (e.altKey && e.code === 'KeyH') { e.preventDefault(); showHelp(); }
      else if (e.altKey && e.code === 'KeyN') { e.preventDefault(); list.focus(); }
      else if (e.key === 'Tab') trapFocus(e, box);
    });
    this.layer.append(box);
    list.focus();
  }

  // The About box: dialog 100 (the program's icon, its name and version, OK), laid out from its
  // template as every dialog of the program. It exchanges no data, so it needs no view: the page
  // answers it itself.
  // The About box: its template, shown by the page alone (no view waits for it).
  about() {
    if (!this.resources.dialogs[String(ID.ABOUT_BOX)]) return;
    new TemplateDialog(this.layer, this.engine, aboutRequest(this.resources),
                       { onHelp: (context) => this.help.showContext(context) }).show();
  }

  // ---- menus ----

  showMenu() {
    const menus = this.resources.menus;
    const key = String(this.active ? this.active.templateId : ID.MAINFRAME);
    this.menubar.setMenu(menus[key] ?? menus[String(ID.MAINFRAME)]);
  }

  menuOwner() {
    return {
      itemsOf: (popup) => this.itemsOf(popup),
      stateOf: (item) => this.stateOf(item),
      choose: (item) => {
        if (item.window !== undefined) {
          this.activate(this.all.get(item.window));
          return;
        }
        this.command(item.id);
      },
      prompt: (id, item) => this.showPrompt(item && item.window === undefined ? id : null),
      focusBack: () => this.focusActive(),
    };
  }

  // A popup's items; the Window menu lists the windows after its own items, numbered from 1.
  itemsOf(popup) {
    const items = classroomItems(popup.popup);
    if (!items.some((item) => item.id === ID.WINDOW_CASCADE) || !this.order.length) return items;
    items.push({ text: '', id: 0 });
    this.order.forEach((child, i) => {
      const title = child.title.replace(/&/g, '&&');
      items.push({ text: i < 9 ? `&${i + 1} ${title}` : `${i + 1} ${title}`, id: FIRST_WINDOW_ITEM + i, window: child.id });
    });
    return items;
  }

  // An item's enabling and check mark (null: it carries none): the bars' items say whether the
  // bars show, the demonstrations' own commands what the active view last said.
  stateOf(item) {
    if (item.window !== undefined) return { enabled: true, checked: item.window === this.active?.id };
    if (item.id === ID.VIEW_TOOLBAR) return { enabled: true, checked: !this.toolbar.hidden };
    if (item.id === ID.VIEW_STATUS_BAR) return { enabled: true, checked: !this.statusbar.hidden };
    const resourceCheck = item.checked ? true : null;
    if (item.id === ID.EDIT_COPY || isClassroomCommand(item.id)) return { enabled: !!this.active, checked: null };
    if (item.id === ID.FULL_SCREEN) return { enabled: !!document.fullscreenEnabled, checked: !!document.fullscreenElement };
    if (item.id === ID.PROJECTOR) return { enabled: true, checked: this.projector };
    if (item.id === ID.FILE_PRINT) return { enabled: !!this.active && !this.active.closing, checked: null };
    const zoomable = !!this.active && !this.active.closing;
    const zoom = this.active?.zoom ?? 100;
    if (item.id === ID.ZOOM_IN) return { enabled: zoomable && zoomIn(zoom) > zoom, checked: null };
    if (item.id === ID.ZOOM_OUT) return { enabled: zoomable && zoom > 100, checked: null };
    if (item.id === ID.ACTUAL_SIZE) return { enabled: zoomable && zoom !== 100, checked: null };
    if (item.id < 0xe000) {
      const state = this.active?.commandState(item.id);
      if (!state) return { enabled: false, checked: resourceCheck };
      return { enabled: state.enabled, checked: state.checked ?? resourceCheck };
    }
    return { enabled: true, checked: resourceCheck };
  }

  // The maximized window's icon at the left of the menu bar, its restore and close boxes at the right.
  buildMdiControls() {
    this.mdiIcon = document.createElement('img');
    this.mdiIcon.className = 'dulm-mdi-icon';
    this.mdiIcon.alt = '';
    this.mdiIcon.hidden = true;
    this.mdiIcon.draggable = false;
    this.mdiIcon.addEventListener('dblclick', () => this.closeWindow(this.active));
    this.menubarElement.prepend(this.mdiIcon);
    this.mdiControls = document.createElement('div');
    this.mdiControls.className = 'dulm-mdi-controls';
    this.mdiControls.hidden = true;
    const restore = document.createElement('button');
    restore.type = 'button';
    restore.className = 'dulm-caption-button dulm-restore';
    restore.setAttribute('aria-label', 'Restore');
    restore.title = 'Restore';
    restore.addEventListener('click', () => this.setMaximized(false));
    const close = document.createElement('button');
    close.type = 'button';
    close.className = 'dulm-caption-button dulm-close';
    close.setAttribute('aria-label', 'Close');
    close.title = 'Close';
    close.addEventListener('click', () => this.closeWindow(this.active));
    for (const b of [restore, close]) b.addEventListener('pointerdown', (e) => e.preventDefault());
    this.mdiControls.append(restore, close);
    this.menubarElement.append(this.mdiControls);
  }

  // ---- toolbar and status bar ----

  buildToolbar() {
    const buttons = [[ID.FILE_NEW, 'New'], null, [ID.APP_ABOUT, 'About'], [ID.CONTEXT_HELP, 'Help']];
    this.toolbar.setAttribute('aria-label', 'Toolbar');
    for (const entry of buttons) {
      if (!entry) {
        const gap = document.createElement('div');
        gap.className = 'dulm-tool-separator';
        this.toolbar.append(gap);
        continue;
      }
      const [id, name] = entry;
      const button = document.createElement('button');
      button.type = 'button';
      button.className = `dulm-tool dulm-tool-${name.toLowerCase()}`;
      button.dataset.command = String(id);
      button.title = name;
      button.setAttribute('aria-label', name);
      // A press leaves the focus where it was, as a desktop toolbar does.
      button.addEventListener('pointerdown', (e) => e.preventDefault());
      button.addEventListener('click', () => this.command(id));
      button.addEventListener('pointerenter', () => { if (!this.modalOpen()) this.showPrompt(id); });
      button.addEventListener('pointerleave', () => this.showPrompt(null));
      button.addEventListener('focus', () => this.showPrompt(id));
      button.addEventListener('blur', () => this.showPrompt(null));
      this.toolbar.append(button);
    }
    this.helpTool = this.toolbar.querySelector(`[data-command="${ID.CONTEXT_HELP}"]`);
    this.helpTool.setAttribute('aria-pressed', 'false');
  }

  buildIndicators() {
    this.indicators = {};
    const panes = this.statusbar.querySelectorAll('.dulm-indicator');
    [['caps', ID.INDICATOR_CAPS], ['num', ID.INDICATOR_NUM], ['scroll', ID.INDICATOR_SCRL]].forEach(([key, id], i) => {
      const pane = panes[i];
      if (!pane) return;
      pane.textContent = this.resources.strings[String(id)] ?? '';
      pane.dataset.indicator = key;
      this.indicators[key] = pane;
    });
  }

  // The lock keys as the last key or mouse event saw them.
  noteLocks(event) {
    const locks = lockStates(event);
    if (!locks) return;
    for (const [key, pane] of Object.entries(this.indicators)) pane.classList.toggle('dulm-lit', !!locks[key]);
  }

  // A command's prompt while its item or tool is highlighted; null when none is.
  showPrompt(id) {
    this.promptText = id === null ? null : (this.resources.strings[String(id)] ?? '');
    this.refreshStatus();
  }

  // The message pane: a highlighted command's prompt, else the context-help prompt, else the
  // active window's run status, else the idle text.
  refreshStatus() {
    const strings = this.resources.strings;
    let text;
    if (this.promptText !== null && this.promptText !== undefined) text = this.promptText;
    else if (this.helpMode) text = strings[String(ID.HELP_MODE)];
    else if (this.notice) text = this.notice;
    else text = (this.active && !this.active.closing && this.active.state.status) || strings[String(ID.IDLE)];
    if (this.status.textContent !== text) this.status.textContent = text;
  }

  // ---- context help (Shift+F1, the toolbar's button) ----

  startHelpMode() {
    if (this.helpMode) return;
    this.helpMode = true;
    this.promptText = null;  // the mode's prompt replaces the one of the tool that started it
    this.root.classList.add('dulm-help-mode');
    this.helpTool.setAttribute('aria-pressed', 'true');
    this.refreshStatus();
  }

  stopHelpMode() {
    if (!this.helpMode) return;
    this.helpMode = false;
    this.root.classList.remove('dulm-help-mode');
    this.helpTool.setAttribute('aria-pressed', 'false');
    this.refreshStatus();
  }

  // A press in context-help mode: menus still open and their items and the tools still give their
  // help through `command`; anywhere else gives the help of the window pressed, or of the main
  // window, and does nothing else.
  onHelpModePress(event) {
    const target = event.target;
    if (target.closest('.dulm-menu') || target.closest('.dulm-tool') || this.layer.contains(target)) return;
    this.swallow(event);
    const frame = target.closest('.dulm-window');
    const child = frame ? this.all.get(Number(frame.dataset.window)) : null;
    this.stopHelpMode();
    this.help.showContext(HELP_RESOURCE + (child ? child.templateId : ID.MAINFRAME));
  }

  // The press, and the click it would make, reach nothing else.
  swallow(event) {
    event.preventDefault();
    event.stopPropagation();
    this.swallowClick = true;
  }

  focusActive() {
    if (this.active && !this.active.closing) this.active.canvas.focus({ preventScroll: true });
  }

  // ---- keys and the mouse ----

  listen() {
    document.addEventListener('keydown', (e) => this.onKeyDown(e));
    document.addEventListener('keyup', (e) => this.onKeyUp(e));
    document.addEventListener('pointerdown', (e) => this.onPointerDown(e), true);
    document.addEventListener('click', (e) => {
      if (!this.swallowClick) return;
      this.swallowClick = false;
      e.preventDefault();
      e.stopPropagation();
    }, true);
    document.addEventListener('dblclick', (e) => {
      if (this.modalOpen() && !this.layer.contains(e.target) && !this.helpLayer.contains(e.target)) e.stopPropagation();
    }, true);
    // The program's own windows have no browser context menu (the right button is the views').
    this.root.addEventListener('contextmenu', (e) => {
      if (!this.helpLayer.contains(e.target)) e.preventDefault();
    });
    new ResizeObserver(() => this.onAreaResized()).observe(this.area);
    window.addEventListener('resize', () => this.onAreaResized());
    this.watchPixelRatio();
    // The page losing the focus closes the menus, as a desktop program's going to the background.
    window.addEventListener('blur', () => {
      this.altAlone = false;
      this.menubar.exit();
    });
    // When the last dialog goes, the keys' focus returns to the active window.
    // A dialog that appears closes the menus; when the last one goes, the keys' focus returns to
    // the active window.
    new MutationObserver(() => {
      if (this.modalOpen()) this.menubar.exit();
      else if (document.activeElement === document.body || !document.activeElement) this.focusActive();
    }).observe(this.layer, { childList: true });
    this.watchHelpWindow();
  }

  // The page zoomed (or moved to a screen of another density) need not change its size.
  watchPixelRatio() {
    const query = matchMedia(`(resolution: ${window.devicePixelRatio || 1}dppx)`);
    query.addEventListener('change', () => {
      this.onAreaResized();
      this.watchPixelRatio();
    }, { once: true });
  }

  // A run that F1 stopped starts again when its window is painted again: as on the desktop, where
  // the help window uncovers the windows as it closes, every view is painted when the help goes.
  watchHelpWindow() {
    const visible = () => [...this.helpLayer.children].some((el) => !el.hidden && el.getClientRects().length > 0);
    let shown = visible();
    new MutationObserver(() => {
      const now = visible();
      if (shown && !now) for (const child of this.order) this.engine.paint(child.id);
      shown = now;
    }).observe(this.helpLayer, { childList: true, subtree: true, attributes: true, attributeFilter: ['hidden', 'style', 'class'] });
  }

  onPointerDown(event) {
    this.noteLocks(event);
    this.altAlone = false;
    this.swallowClick = false;
    if (this.modalOpen()) {
      // A dialog keeps the page to itself, but for the windows' close boxes: a window closes at
      // any moment, its own dialog open or not.
      if (!this.layer.contains(event.target) && !this.helpLayer.contains(event.target) &&
          !event.target.closest('.dulm-close')) {
        this.swallow(event);
      }
      return;
    }
    // A press outside the open menus closes them, and does nothing else.
    if (this.menubar.active && !event.target.closest('.dulm-menu')) {
      this.menubar.exit();
      this.swallow(event);
      return;
    }
    if (this.helpMode) {
      this.onHelpModePress(event);
      return;
    }
    // A view holding the mouse gets every press on the page, in its own client coordinates; a
    // dialog or message box it shows has the mouse while it is up.
    const captor = this.order.find((c) => c.captured);
    if (captor && !this.helpLayer.contains(event.target) && !this.modalOpen()) {
      this.swallow(event);
      this.menubar.exit();
      if (event.button === 0 || event.button === 2) captor.mouse(event);
    }
  }

  onKeyDown(event) {
    this.noteLocks(event);
    if (event.key !== 'Alt') this.altAlone = false;
    if (this.modalOpen() || this.layer.contains(event.target)) return;  // a dialog has the keys
    if (event.defaultPrevented) return;
    if (this.menubar.active) {
      this.altAlone = false;
      this.menubar.onKey(event);
      return;
    }
    if (event.key === 'Alt') {
      // Alt pressed and released alone highlights the menu bar.
      if (!event.repeat) this.altAlone = !event.ctrlKey && !event.shiftKey && !event.metaKey;
      event.preventDefault();
      return;
    }
    if (event.key === 'F10' && !event.ctrlKey && !event.altKey && !event.shiftKey && !event.metaKey) {
      event.preventDefault();
      this.menubar.enterFromKeyboard();
      return;
    }
    if (this.helpMode && event.key === 'Escape') {
      event.preventDefault();
      this.stopHelpMode();
      return;
    }
    if (isEditable(event.target)) return;
    const accelerator = acceleratorOf(event, this.resources.accelerators);
    if (accelerator) {
      // Copying a selected text (of the help) is the browser's; otherwise the table has the key.
      if (accelerator.command === ID.EDIT_COPY && String(window.getSelection?.() ?? '') !== '') return;
      event.preventDefault();
      if (!event.repeat) this.command(accelerator.command);
      return;
    }
    if (event.ctrlKey && !event.altKey && !event.metaKey && (event.code === 'F4' || event.code === 'F6')) {
      event.preventDefault();
      if (event.code === 'F4') this.closeWindow(this.active);
      else this.activateNext(event.shiftKey ? -1 : 1);
      return;
    }
    if (event.altKey && !event.ctrlKey && !event.metaKey) {
      const letter = /^Key[A-Z]$/.test(event.code) ? event.code.slice(3).toLowerCase()
        : /^Digit[0-9]$/.test(event.code) ? event.code.slice(5) : null;
      if (letter && this.menubar.openByMnemonic(letter)) event.preventDefault();
      return;
    }
    this.forwardKey(event, true);
  }

  onKeyUp(event) {
    this.noteLocks(event);
    if (this.modalOpen() || this.layer.contains(event.target)) return;
    if (event.key === 'Alt') {
      const alone = this.altAlone;
      this.altAlone = false;
      if (alone && !this.menubar.active) {
        event.preventDefault();
        this.menubar.enterFromKeyboard();
      }
      return;
    }
    if (this.menubar.active || event.defaultPrevented || isEditable(event.target)) return;
    this.forwardKey(event, false);
  }

  // A key the demonstrations know goes to the active window, wherever the page's focus is; a
  // held key repeats its press only. Keys with Ctrl, Alt or the system key stay the browser's.
  forwardKey(event, down) {
    const child = this.active;
    if (!child || child.closing) return;
    if (event.ctrlKey || event.altKey || event.metaKey) return;
    const name = keyName(event);
    if (!name) return;
    // Enter and Space press a focused button of the page (a tool reached with Tab).
    if ((name === 'enter' || name === 'space') && event.target.closest?.('button, a[href]')) return;
    event.preventDefault();
    this.engine.key(child.id, name, down, down && event.repeat);
  }

  // ---- resting, for tests and tools ----
  allResting() {
    for (const child of this.all.values())
      if (!this.engine.resting(child.id)) return false;
    return true;
  }
}

function isEditable(target) {
  if (!target || !target.matches) return false;
  return target.matches('input:not([type=button]):not([type=radio]):not([type=checkbox]), textarea, select, [contenteditable=""], [contenteditable=true]');
}

// Tab stays inside a modal box of the page.
function trapFocus(event, box) {
  const focusable = [...box.querySelectorAll('button, select, input, [tabindex]:not([tabindex="-1"])')]
    .filter((el) => !el.disabled);
  if (!focusable.length) return;
  const first = focusable[0];
  const last = focusable[focusable.length - 1];
  if (event.shiftKey && document.activeElement === first) {
    event.preventDefault();
    last.focus();
  } else if (!event.shiftKey && document.activeElement === last) {
    event.preventDefault();
    first.focus();
  }
}
