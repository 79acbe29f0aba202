// The help window: one page of the program's help file at a time, opened at a context number,
// with the Index, a Back button and links between pages. It is a window of its own that no dialog
// blocks: help asked for from a dialog is read and clicked while the dialog stays open. Every
// request brings it to the front with the focus; it stays where the user moved it.
import { bringToFront, keepOnScreen, makeCaption, makeMovable, swallowKeyUp } from './dialogs.js';

const WIDTH = 560;
const HEIGHT = 640;
const MIN_HEIGHT = 200;
const LEAST_WIDTH = 220;  // made narrower to keep beside a dialog

export class HelpWindow {
  constructor(engine, layer) {
    this.engine = engine;
    this.layer = layer;
    layer.setAttribute('data-dulm-modeless', '');  // dialogs leave it usable
    this.history = [];
    this.current = null;
    this.element = null;
    this.placed = false;
  }

  showContext(context) {
    this.showPage(`0x${Number(context).toString(16).toUpperCase()}`);
  }

  // "index" (also "contents", which is the index), "using" or a topic's hex id.
  showPage(id) {
    const key = id === 'contents' ? 'index' : id;
    this.load(key);
    if (this.current !== null && this.current !== key) this.history.push(this.current);
    this.current = key;
    this.updateBack();
    this.open();
  }

  back() {
    const previous = this.history.pop();
    if (previous === undefined) return;
    this.load(previous);
    this.current = previous;
    this.updateBack();
    this.page.focus({ preventScroll: true });
  }

  // Puts a page into the window; a topic the help file does not have gets a page that says so.
  load(id) {
    const engine = this.engine;
    const page = engine.json(engine.withString(id, (p) => engine.module._dulm_help_page(p)));
    this.build();
    if (page) {
      this.page.innerHTML = page.html;
    } else {
      const title = document.createElement('h2');
      title.textContent = 'No help';
      const text = document.createElement('p');
      text.textContent = `There is no help page for topic ${id}.`;
      this.page.replaceChildren(title, text);
    }
    let title = this.page.querySelector('h1, h2');
    if (!title) {
      title = document.createElement('h2');
      title.textContent = page?.title ?? id;
      this.page.prepend(title);
    }
    title.classList.add('dulm-help-title');
    title.id = 'dulm-help-title';
    this.page.setAttribute('aria-labelledby', title.id);
    this.element.dataset.page = id;
    this.page.scrollTop = 0;
    for (const link of this.page.querySelectorAll('a[href^="topic:"]')) {
      link.addEventListener('click', (e) => {
        e.preventDefault();
        this.showPage(link.getAttribute('href').slice('topic:'.length));
      });
    }
  }

  updateBack() {
    this.backButton.disabled = this.history.length === 0;
  }

  build() {
    if (this.element) return;
    const box = document.createElement('div');
    box.className = 'dulm-help dulm-floating';
    box.setAttribute('role', 'dialog');
    box.setAttribute('aria-roledescription', 'window');  // a window of its own, not the dialog's part
    box.setAttribute('aria-modal', 'false');
    box.setAttribute('aria-labelledby', 'dulm-help-caption');
    box.hidden = true;
    const caption = makeCaption('Dulm Help', 'dulm-help-caption', () => this.close());
    caption.className = 'dulm-help-caption';
    const buttons = document.createElement('div');
    buttons.className = 'dulm-help-buttons';
    const index = document.createElement('button');
    index.type = 'button';
    index.className = 'dulm-push dulm-help-index';
    index.textContent = 'Index';
    index.addEventListener('click', () => {
      this.showPage('index');
    });
    const back = document.createElement('button');
    back.type = 'button';
    back.className = 'dulm-push dulm-help-back';
    back.textContent = 'Back';
    back.addEventListener('click', () => this.back());
    buttons.append(index, back);
    const page = document.createElement('div');
    page.className = 'dulm-help-page';
    page.tabIndex = 0;
    page.setAttribute('role', 'document');
    box.append(caption, buttons, page);
    box.addEventListener('pointerdown', () => bringToFront(box));
    box.addEventListener('keydown', (e) => this.onKey(e));
    box.addEventListener('keyup', (e) => e.stopPropagation());
    makeMovable(box, caption);
    window.addEventListener('resize', () => keepOnScreen(box, { shrink: true }));
    this.layer.append(box);
    this.element = box;
    this.page = page;
    this.backButton = back;
  }

  open() {
    const box = this.element;
    if (box.hidden) {
      const active = document.activeElement;
      this.returnFocus = active && active !== document.body && !box.contains(active) ? active : null;
      box.hidden = false;
    }
    if (!this.placed) {
      this.place();
      this.placed = true;
    }
    bringToFront(box);
    this.page.focus({ preventScroll: true });
  }

  // The help first opens at the right of the page, below its menu bar and toolbar, so that the
  // menus and tools stay in reach, and beside the dialog it was asked from, whose buttons stay in
  // view; it is made shorter where the page is not tall enough for it.
  place() {
    const box = this.element;
    const area = document.getElementById('dulm-mdi')?.getBoundingClientRect();
    const top = area && area.height > 0 ? Math.round(area.top) : 0;
    let width = Math.min(WIDTH, window.innerWidth);
    const height = Math.max(Math.min(HEIGHT, window.innerHeight - top), Math.min(MIN_HEIGHT, window.innerHeight));
    let left = Math.max(0, window.innerWidth - width);
    const y = Math.max(0, Math.min(top, window.innerHeight - height));
    const dialogs = [...document.querySelectorAll('.dulm-modal')].filter((d) => !d.hidden);
    const dialog = dialogs[dialogs.length - 1]?.getBoundingClientRect();
    if (dialog && dialog.width > 0) {
      const [l, , r] = this.engine.placeBeside([left, y, left + width, y + height],
        [Math.floor(dialog.left), Math.floor(dialog.top), Math.ceil(dialog.right), Math.ceil(dialog.bottom)],
        [0, 0, window.innerWidth, window.innerHeight], LEAST_WIDTH);
      left = l;
      width = r - l;
    }
    box.style.width = `${width}px`;
    box.style.height = `${height}px`;
    box.style.left = `${left}px`;
    box.style.top = `${y}px`;
  }

  get visible() { return !!this.element && !this.element.hidden; }

  // Closing uncovers the demonstration windows, which are painted again: a run that F1 stopped
  // starts again then.
  close() {
    if (!this.visible) return;
    const hadFocus = this.element.contains(document.activeElement);
    this.element.hidden = true;
    for (const frame of document.querySelectorAll('.dulm-window[data-window]:not(.dulm-closing)'))
      this.engine.paint(Number(frame.dataset.window));
    if (!hadFocus) return;
    const back = this.returnFocus;
    this.returnFocus = null;
    if (back?.isConnected && !back.closest('[inert]')) back.focus({ preventScroll: true });
    else document.querySelector('.dulm-floating:not([inert]):not(.dulm-help)')?.focus({ preventScroll: true });
  }

  // The help's keys are its own: Esc closes it, and nothing reaches the windows behind.
  onKey(event) {
    event.stopPropagation();
    if (event.key === 'Escape' && !event.repeat) {
      event.preventDefault();
      this.close();
      swallowKeyUp(event.code);
    } else if (event.key === 'F1') {
      event.preventDefault();
    }
  }
}
