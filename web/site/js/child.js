// A demonstration window inside the page's window area: a frame with a caption (icon, title,
// maximize and close boxes) and a sizing border, whose client area shows the view's canvas. The
// canvas keeps its size (the reference canvas W x H); a window of that size shows it pixel for
// pixel, one canvas pixel to one device pixel, and any other size shows it resampled.
// Zoomed (View > Zoom In), the view is that many times the client area's size: the engine draws
// the picture again at that size, and the client area scrolls about it.
//
// Geometry: the frame's position is in CSS pixels of the window area; the client size is in
// device pixels, the unit the engine measures the view in.
import { followPointer } from './pointer.js';
import { resample } from './scale.js';

const EDGES = ['n', 's', 'e', 'w', 'ne', 'nw', 'se', 'sw'];

// The steps of Zoom In and Zoom Out, in percent, as on the desktop.
export const ZOOM_STEPS = [100, 125, 150, 175, 200, 250, 300];
export const zoomIn = (percent) => ZOOM_STEPS.find((step) => step > percent) ?? ZOOM_STEPS[ZOOM_STEPS.length - 1];
export const zoomOut = (percent) => [...ZOOM_STEPS].reverse().find((step) => step < percent) ?? ZOOM_STEPS[0];

export class ChildWindow {
  constructor(shell, engine, id, { title, templateId, icon, clientWidth, clientHeight, canvasWidth, canvasHeight,
                                   link = false }) {
    this.shell = shell;
    this.engine = engine;
    this.id = id;
    this.templateId = templateId;
    this.link = link;
    this.state = { title, status: '', commands: [] };
    this.closing = false;
    this.maximized = false;
    this.captured = false;
    this.left = 0;
    this.top = 0;
    this.clientWidth = clientWidth;
    this.clientHeight = clientHeight;
    this.zoom = 100;
    this.image = null;       // the engine's last picture (ImageData)
    this.pending = { frame: false, scale: false, resize: false };
    this.scheduled = false;

    const frame = document.createElement('div');
    frame.className = 'dulm-window';
    frame.dataset.window = String(id);
    frame.setAttribute('role', 'group');

    const caption = document.createElement('div');
    caption.className = 'dulm-caption';
    const iconImage = document.createElement('img');
    iconImage.className = 'dulm-caption-icon';
    iconImage.alt = '';
    iconImage.draggable = false;
    iconImage.src = `icons/${icon || 'dulm'}.svg`;
    const titleText = document.createElement('span');
    titleText.className = 'dulm-caption-text';
    titleText.id = `dulm-window-title-${id}`;
    const maximize = this.captionButton('dulm-maximize', 'Maximize');
    const close = this.captionButton('dulm-close', 'Close');
    caption.append(iconImage, titleText, maximize, close);
    frame.setAttribute('aria-labelledby', titleText.id);

    const client = document.createElement('div');
    client.className = 'dulm-client';
    const canvas = document.createElement('canvas');
    canvas.className = 'dulm-picture';
    canvas.tabIndex = 0;
    canvas.setAttribute('role', 'img');
    canvas.setAttribute('aria-roledescription', 'chart');
    canvas.setAttribute('aria-labelledby', titleText.id);
    // The picture as text for screen readers, off the screen: its one-line description and the
    // texts on it in reading order, kept current at most once a second while it changes.
    const spoken = document.createElement('div');
    spoken.className = 'dulm-offscreen';
    spoken.setAttribute('aria-live', 'polite');
    spoken.setAttribute('aria-relevant', 'additions text');
    const description = document.createElement('p');
    description.id = `dulm-window-description-${id}`;
    const texts = document.createElement('ul');
    texts.className = 'dulm-picture-texts';
    texts.setAttribute('aria-label', 'Texts on the picture');
    spoken.append(description, texts);
    canvas.setAttribute('aria-describedby', description.id);
    // The canvas's size from the start; its pixels come with the engine's first picture.
    canvas.width = canvasWidth ?? clientWidth;
    canvas.height = canvasHeight ?? clientHeight;
    const scaled = document.createElement('canvas');
    scaled.className = 'dulm-scaled';
    scaled.hidden = true;
    scaled.setAttribute('aria-hidden', 'true');
    const failure = document.createElement('div');
    failure.className = 'dulm-failure-text';
    failure.hidden = true;
    client.append(canvas, scaled, failure);
    frame.append(caption, client, spoken);
    for (const edge of EDGES) {
      const handle = document.createElement('div');
      handle.className = `dulm-size dulm-size-${edge}`;
      handle.dataset.edge = edge;
      handle.addEventListener('pointerdown', (e) => this.drag(e, edge));
      frame.append(handle);
    }
    const grip = document.createElement('div');
    grip.className = 'dulm-grip';
    grip.addEventListener('pointerdown', (e) => this.drag(e, 'se'));
    frame.append(grip);

    this.frame = frame;
    this.caption = caption;
    this.titleText = titleText;
    this.maximizeButton = maximize;
    this.client = client;
    this.canvas = canvas;
    this.scaled = scaled;
    this.failure = failure;
    this.description = description;
    this.texts = texts;
    this.spokenAt = -Infinity;   // when the texts were last read (performance.now())
    this.spokenTimer = 0;
    this.context = canvas.getContext('2d');
    this.scaledContext = scaled.getContext('2d');
    this.setTitle(title);

    close.addEventListener('click', () => shell.closeWindow(this));
    maximize.addEventListener('click', () => shell.toggleMaximized(this));
    frame.addEventListener('pointerdown', () => shell.activate(this));
    caption.addEventListener('pointerdown', (e) => this.drag(e, 'move'));
    caption.addEventListener('dblclick', (e) => {
      if (!e.target.closest('button')) shell.toggleMaximized(this);
    });
    canvas.addEventListener('pointerdown', (e) => this.onPointer(e));
    frame.addEventListener('contextmenu', (e) => e.preventDefault());
  }

  captionButton(className, label) {
    const button = document.createElement('button');
    button.type = 'button';
    button.className = `dulm-caption-button ${className}`;
    button.setAttribute('aria-label', label);
    button.title = label;
    // A press does not take the focus from the view, as a desktop caption's boxes do not.
    button.addEventListener('pointerdown', (e) => e.preventDefault());
    return button;
  }

  get title() { return this.state.title; }

  setTitle(title) {
    this.state.title = title;
    this.titleText.textContent = title;
  }

  // ---- geometry ----

  // The view's size in device pixels: the client area's, times the zoom.
  get viewWidth() { return Math.max(1, Math.round(this.clientWidth * this.zoom / 100)); }
  get viewHeight() { return Math.max(1, Math.round(this.clientHeight * this.zoom / 100)); }

  // Keeps the point in the middle of the client area where it was in the picture.
  setZoom(percent) {
    percent = Math.min(Math.max(percent, ZOOM_STEPS[0]), ZOOM_STEPS[ZOOM_STEPS.length - 1]);
    if (percent === this.zoom) return;
    const client = this.client;
    const before = { width: this.viewWidth, height: this.viewHeight };
    const fx = (client.scrollLeft + client.clientWidth / 2) / Math.max(1, before.width);
    const fy = (client.scrollTop + client.clientHeight / 2) / Math.max(1, before.height);
    this.zoom = percent;
    this.layout();
    client.scrollLeft = fx * this.viewWidth - client.clientWidth / 2;
    client.scrollTop = fy * this.viewHeight - client.clientHeight / 2;
    this.schedule('resize');
    this.schedule('scale');
  }

  // The frame's outer size in CSS pixels for a client size in device pixels.
  frameSize(clientWidth = this.clientWidth, clientHeight = this.clientHeight) {
    const ratio = this.shell.ratio();
    const chrome = this.shell.windowChrome();
    return { width: clientWidth / ratio + chrome.width, height: clientHeight / ratio + chrome.height };
  }

  // Places the restored window: its frame's corner in the window area (CSS pixels) and its client
  // size (device pixels). The engine hears of a new client size once a display frame.
  place(left, top, clientWidth, clientHeight) {
    this.left = left;
    this.top = top;
    this.setClientSize(clientWidth, clientHeight);
  }

  setClientSize(width, height) {
    width = Math.max(1, Math.round(width));
    height = Math.max(1, Math.round(height));
    if (width !== this.clientWidth || height !== this.clientHeight) {
      this.clientWidth = width;
      this.clientHeight = height;
      this.schedule('resize');
      this.schedule('scale');
    }
    this.layout();
  }

  // The frame in the page: the client area's corner falls on a device pixel, so that a window of
  // the canvas's size shows each canvas pixel on exactly one device pixel.
  layout() {
    const ratio = this.shell.ratio();
    const style = this.frame.style;
    this.client.style.width = `${this.clientWidth / ratio}px`;
    this.client.style.height = `${this.clientHeight / ratio}px`;
    this.client.classList.toggle('dulm-zoomed', this.zoom !== 100);
    const width = `${this.viewWidth / ratio}px`;
    const height = `${this.viewHeight / ratio}px`;
    this.canvas.style.width = width;
    this.canvas.style.height = height;
    this.scaled.style.width = width;
    this.scaled.style.height = height;
    if (this.maximized) {
      style.left = '0px';
      style.top = '0px';
      return;
    }
    style.left = `${this.left}px`;
    style.top = `${this.top}px`;
    if (this.frame.hidden || !this.frame.isConnected) return;
    const rect = this.client.getBoundingClientRect();
    const dx = Math.round(rect.left * ratio) / ratio - rect.left;
    const dy = Math.round(rect.top * ratio) / ratio - rect.top;
    if (Math.abs(dx) > 1e-3) style.left = `${this.left + dx}px`;
    if (Math.abs(dy) > 1e-3) style.top = `${this.top + dy}px`;
  }

  // Maximized: the frame fills the window area with no caption or border of its own.
  setMaximized(on, clientWidth, clientHeight) {
    if (on && !this.maximized) this.normal = { left: this.left, top: this.top, width: this.clientWidth, height: this.clientHeight };
    this.maximized = on;
    this.frame.classList.toggle('dulm-maximized', on);
    this.maximizeButton.setAttribute('aria-label', on ? 'Restore' : 'Maximize');
    this.maximizeButton.title = on ? 'Restore' : 'Maximize';
    if (on) {
      this.setClientSize(clientWidth, clientHeight);
    } else if (this.normal) {
      const normal = this.normal;
      this.normal = null;
      this.place(normal.left, normal.top, normal.width, normal.height);
    }
  }

  // ---- drawing: only when the engine announced a change, at most once a display frame ----

  schedule(what) {
    this.pending[what] = true;
    if (this.scheduled || this.closing) return;
    this.scheduled = true;
    requestAnimationFrame(() => this.update());
  }

  update() {
    this.scheduled = false;
    if (this.closing) return;
    const { frame, scale, resize } = this.pending;
    this.pending = { frame: false, scale: false, resize: false };
    if (resize) this.engine.resize(this.id, this.viewWidth, this.viewHeight);
    if (frame) this.present();
    else if (scale) this.showScaled();
  }

  onCanvasChanged() {
    this.schedule('frame');
    this.scheduleSpoken();
  }

  // The texts are read again a second after they were last read, or at once when that is past:
  // a running demonstration does not flood the reader, and its last state is always read.
  scheduleSpoken() {
    if (this.spokenTimer || this.closing) return;
    const wait = Math.max(0, this.spokenAt + 1000 - performance.now());
    this.spokenTimer = setTimeout(() => {
      this.spokenTimer = 0;
      this.spokenAt = performance.now();
      if (!this.closing) this.speak(this.engine.texts(this.id), this.engine.description(this.id));
    }, wait);
  }

  // Only what changed is replaced, so that a reader announces the new texts, not all of them.
  speak(texts, description) {
    if (this.description.textContent !== description) this.description.textContent = description;
    // The engine gives the texts a row a line, tab-separated; each text is an item of its own.
    const lines = texts ? texts.split(/[\n\t]/).map((text) => text.trim()).filter((text) => text !== '') : [];
    const items = this.texts.children;
    lines.forEach((line, i) => {
      if (i < items.length) {
        if (items[i].textContent !== line) items[i].textContent = line;
        return;
      }
      const item = document.createElement('li');
      item.textContent = line;
      this.texts.append(item);
    });
    while (items.length > lines.length) items[items.length - 1].remove();
  }

  present() {
    const image = this.engine.frame(this.id);
    if (!image) {
      this.showFailure();
      return;
    }
    this.image = image;
    this.failure.hidden = true;
    if (this.canvas.width !== image.width || this.canvas.height !== image.height) {
      this.canvas.width = image.width;
      this.canvas.height = image.height;
    }
    this.context.putImageData(image, 0, 0);
    this.showScaled();
  }

  // A view of the canvas's size shows the canvas itself; any other shows it resampled (until the
  // engine has drawn it again at the new size).
  showScaled() {
    const image = this.image;
    const width = this.viewWidth;
    const height = this.viewHeight;
    const same = !image || (image.width === width && image.height === height);
    this.frame.classList.toggle('dulm-stretched', !same);
    if (same) {
      this.scaled.hidden = true;
      return;
    }
    if (this.scaled.width !== width || this.scaled.height !== height) {
      this.scaled.width = width;
      this.scaled.height = height;
      this.scaledImage = null;
    }
    if (!this.scaledImage) this.scaledImage = new ImageData(width, height);
    resample(image, width, height, this.scaledImage);
    this.scaledContext.putImageData(this.scaledImage, 0, 0);
    this.scaled.hidden = false;
  }

  // A view that failed before it had a canvas says why in its window.
  showFailure() {
    const failure = this.state.failure || this.state.error;
    if (this.image || !failure) return;
    this.failure.textContent = failure;
    this.failure.hidden = false;
  }

  onStateChanged() {
    const state = this.engine.windowState(this.id);
    if (!state) return;
    if (state.error) {
      this.state = { ...this.state, error: state.error };
      this.showFailure();
      return;
    }
    if (state.title === undefined) return;
    this.state = state;
    this.titleText.textContent = state.title;
    this.showFailure();
    this.shell.windowStateChanged(this);
  }

  // [enabled, checked] of a command of the window's menu as its view last said; null when the view
  // has not said. checked is null when the view leaves the check mark to the menu.
  commandState(id) {
    const entry = (this.state.commands ?? []).find(([command]) => command === id);
    if (!entry) return null;
    return { enabled: entry[1], checked: entry[2] < 0 ? null : entry[2] === 1 };
  }

  // ---- input ----

  // A point of the page in the view's device pixels (outside it too, for a captured mouse); the
  // canvas's rectangle moves with the scrolling of a zoomed view.
  clientPoint(event) {
    const rect = this.canvas.getBoundingClientRect();
    const x = rect.width > 0 ? (event.clientX - rect.left) * this.viewWidth / rect.width : 0;
    const y = rect.height > 0 ? (event.clientY - rect.top) * this.viewHeight / rect.height : 0;
    return { x: Math.floor(x), y: Math.floor(y) };
  }

  onPointer(event) {
    if (event.button !== 0 && event.button !== 2) return;
    if (this.closing) return;
    this.canvas.focus({ preventScroll: true });
    this.mouse(event);
  }

  mouse(event) {
    const { x, y } = this.clientPoint(event);
    this.engine.mouse(this.id, event.button, x, y);
  }

  setCapture(on) {
    this.captured = on;
    this.frame.classList.toggle('dulm-captured', on);
  }

  // Moving by the caption and sizing by the border: the pointer is the frame's until released.
  drag(event, mode) {
    if (event.button !== 0 || event.target.closest('button') || this.closing) return;
    if (this.maximized) return;
    event.preventDefault();
    const target = event.currentTarget;
    const ratio = this.shell.ratio();
    const chrome = this.shell.windowChrome();
    const min = this.shell.minimumFrame();
    const area = this.shell.areaSize();
    const start = { left: this.left, top: this.top, ...this.frameSize() };
    followPointer(target, event, (dx, dy) => {
      if (mode === 'move') {
        // The caption stays within reach.
        const left = Math.min(Math.max(start.left + dx, 32 - start.width), area.width - 32);
        const top = Math.min(Math.max(start.top + dy, 0), area.height - chrome.top - 8);
        this.left = left;
        this.top = top;
        this.layout();
        return;
      }
      let { left, top, width, height } = start;
      if (mode.includes('e')) width = Math.max(min.width, start.width + dx);
      if (mode.includes('s')) height = Math.max(min.height, start.height + dy);
      if (mode.includes('w')) {
        width = Math.max(min.width, start.width - dx);
        left = start.left + start.width - width;
      }
      if (mode.includes('n')) {
        height = Math.max(min.height, start.height - dy);
        top = start.top + start.height - height;
        if (top < 0) {
          height += top;
          top = 0;
        }
      }
      this.place(left, top, Math.floor((width - chrome.width) * ratio), Math.floor((height - chrome.height) * ratio));
    });
  }

  // ---- closing ----

  // The window's view is told to end; the window leaves the screen at once and goes for good
  // when the engine says the view has ended.
  beginClose() {
    if (this.closing) return;
    this.closing = true;
    this.frame.hidden = true;
    this.engine.close(this.id);
  }

  remove() {
    this.closing = true;
    clearTimeout(this.spokenTimer);
    this.engine.forget(this.id);
    this.frame.remove();
  }
}
