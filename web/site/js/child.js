// A demonstration window inside the page's window area: a frame with a caption and a close box,
// movable and resizable, whose client area is the view's canvas shown pixel for pixel (one canvas
// pixel to one device pixel of the screen).
import { keyName } from './keys.js';

export class ChildWindow {
  constructor(shell, engine, id, { title, templateId, clientWidth, clientHeight, link = false }) {
    this.shell = shell;
    this.engine = engine;
    this.id = id;
    this.templateId = templateId;
    this.link = link;
    this.state = { title, status: '', commands: [] };
    this.framePending = false;
    this.closed = false;

    const frame = document.createElement('div');
    frame.className = 'dulm-window';
    frame.dataset.window = String(id);
    frame.tabIndex = -1;
    const caption = document.createElement('div');
    caption.className = 'dulm-caption';
    const titleText = document.createElement('span');
    titleText.className = 'dulm-caption-text';
    titleText.textContent = title;
    const close = document.createElement('button');
    close.className = 'dulm-close';
    close.type = 'button';
    close.setAttribute('aria-label', 'Close');
    close.textContent = '\u2715';
    caption.append(titleText, close);
    const canvas = document.createElement('canvas');
    canvas.className = 'dulm-picture';
    canvas.tabIndex = 0;
    const grip = document.createElement('div');
    grip.className = 'dulm-grip';
    frame.append(caption, canvas, grip);

    this.frame = frame;
    this.caption = caption;
    this.titleText = titleText;
    this.canvas = canvas;
    this.context = canvas.getContext('2d');
    this.setClientSize(clientWidth, clientHeight);

    close.addEventListener('click', () => this.requestClose());
    frame.addEventListener('pointerdown', () => shell.activate(this), true);
    caption.addEventListener('pointerdown', (e) => this.drag(e, 'move'));
    grip.addEventListener('pointerdown', (e) => this.drag(e, 'size'));
    canvas.addEventListener('keydown', (e) => this.onKey(e, true));
    canvas.addEventListener('keyup', (e) => this.onKey(e, false));
    canvas.addEventListener('pointerdown', (e) => this.onPointer(e));
    canvas.addEventListener('contextmenu', (e) => e.preventDefault());
  }

  get title() { return this.state.title; }

  // The client area in device pixels: the canvas element is sized in CSS pixels so that each of
  // its pixels is one device pixel.
  setClientSize(width, height) {
    this.clientWidth = width;
    this.clientHeight = height;
    const ratio = window.devicePixelRatio || 1;
    this.canvas.style.width = `${width / ratio}px`;
    this.canvas.style.height = `${height / ratio}px`;
  }

  // The engine announced a new picture: it is drawn at the next display frame, once.
  onCanvasChanged() {
    if (this.framePending || this.closed) return;
    this.framePending = true;
    requestAnimationFrame(() => {
      this.framePending = false;
      if (this.closed) return;
      const image = this.engine.frame(this.id);
      if (!image) return;
      if (this.canvas.width !== image.width || this.canvas.height !== image.height) {
        this.canvas.width = image.width;
        this.canvas.height = image.height;
      }
      this.context.putImageData(image, 0, 0);
    });
  }

  onStateChanged() {
    const state = this.engine.windowState(this.id);
    if (!state || state.title === undefined) return;
    this.state = state;
    this.titleText.textContent = state.title;
    this.shell.windowStateChanged(this);
  }

  commandState(id) {
    const entry = (this.state.commands ?? []).find(([command]) => command === id);
    return entry ? { enabled: entry[1], checked: entry[2] === 1 } : null;
  }

  onKey(event, down) {
    if (this.shell.handleAccelerator(event, down)) return;
    const name = keyName(event);
    if (!name) return;
    event.preventDefault();
    if (down && event.repeat && name === 'f1') return;
    if (name === 'f1') {
      if (down) this.engine.help(this.id);
      return;
    }
    this.engine.key(this.id, name, down);
  }

  onPointer(event) {
    if (event.button !== 0 && event.button !== 2) return;
    const rect = this.canvas.getBoundingClientRect();
    const ratio = window.devicePixelRatio || 1;
    const x = Math.floor((event.clientX - rect.left) * ratio);
    const y = Math.floor((event.clientY - rect.top) * ratio);
    this.canvas.focus();
    this.engine.mouse(this.id, event.button, x, y);
  }

  setCapture(on) {
    this.captured = on;
    this.canvas.classList.toggle('dulm-captured', on);
  }

  drag(event, mode) {
    if (event.button !== 0 || event.target.closest('button')) return;
    event.preventDefault();
    const startX = event.clientX;
    const startY = event.clientY;
    const start = { left: this.frame.offsetLeft, top: this.frame.offsetTop,
                    width: this.clientWidth, height: this.clientHeight };
    const ratio = window.devicePixelRatio || 1;
    const move = (e) => {
      const dx = e.clientX - startX;
      const dy = e.clientY - startY;
      if (mode === 'move') {
        this.frame.style.left = `${start.left + dx}px`;
        this.frame.style.top = `${Math.max(0, start.top + dy)}px`;
      } else {
        this.setClientSize(Math.max(100, Math.round(start.width + dx * ratio)),
                           Math.max(60, Math.round(start.height + dy * ratio)));
      }
    };
    const up = () => {
      window.removeEventListener('pointermove', move);
      window.removeEventListener('pointerup', up);
      if (mode === 'size') this.engine.resize(this.id, this.clientWidth, this.clientHeight);
    };
    window.addEventListener('pointermove', move);
    window.addEventListener('pointerup', up);
  }

  place(left, top, clientWidth, clientHeight) {
    this.frame.style.left = `${left}px`;
    this.frame.style.top = `${top}px`;
    if (clientWidth !== this.clientWidth || clientHeight !== this.clientHeight) {
      this.setClientSize(clientWidth, clientHeight);
      this.engine.resize(this.id, clientWidth, clientHeight);
    }
  }

  requestClose() {
    if (this.closed) return;
    this.closed = true;
    this.frame.classList.add('dulm-closing');
    this.engine.close(this.id);
  }

  // The engine has ended the view: the window goes.
  remove() {
    this.closed = true;
    this.engine.forget(this.id);
    this.frame.remove();
  }
}
