// Dialogs built from the engine's dialog templates, and message boxes, as the desktop shows them.
//
// Each is modal to the page: while one is open the windows behind it take no input, neither
// clicks nor keys (they are made inert), and a second one opened over it (a refusal over its
// dialog) makes the first wait in turn. Only the help window stays usable, as it does on the
// desktop. A view waits for its dialog's answer; closing the view takes the dialog away (the
// engine says so with a Drop note and the shell calls remove()).
import { followPointer } from './pointer.js';

const IDOK = 1;
const IDCANCEL = 2;
const IDYES = 6;
const IDNO = 7;
const ID_HELP = 57670;
const HID_BASE_RESOURCE = 0x20000;
const MB_YESNO = 0x4;
const MB_ICONEXCLAMATION = 0x30;
const ICON_PIXELS = 32;

// ---- stacking: the windows over the page's window area ----

let topZ = 2000;

// Puts a floating window (a dialog, a message box, the help) in front of the others.
export function bringToFront(element) {
  if (element.style.zIndex === String(topZ)) return;
  element.style.zIndex = String(++topZ);
}

// A key that closed a window must not reach the window that gets the focus next: its release
// (and any repeat of it while it is held) is taken here.
export function swallowKeyUp(code) {
  const onKey = (event) => {
    if (event.code !== code) return;
    if (event.type === 'keydown' && !event.repeat) {  // pressed anew: the release was missed
      stop();
      return;
    }
    event.preventDefault();
    event.stopImmediatePropagation();
    if (event.type === 'keyup') stop();
  };
  const stop = () => {
    window.removeEventListener('keydown', onKey, true);
    window.removeEventListener('keyup', onKey, true);
  };
  window.addEventListener('keydown', onKey, true);
  window.addEventListener('keyup', onKey, true);
}

// Lets the window be dragged by its caption; its caption stays on the screen.
export function makeMovable(box, caption) {
  caption.addEventListener('pointerdown', (event) => {
    if (event.button !== 0 || event.target.closest('button')) return;
    event.preventDefault();
    const start = { left: box.offsetLeft, top: box.offsetTop };
    followPointer(caption, event, (dx, dy) => {
      const maxLeft = window.innerWidth - 40;
      const maxTop = window.innerHeight - caption.offsetHeight;
      box.style.left = `${Math.min(maxLeft, Math.max(40 - box.offsetWidth, start.left + dx))}px`;
      box.style.top = `${Math.min(maxTop, Math.max(0, start.top + dy))}px`;
    });
  });
}

// Brings a floating window back onto the page where a smaller page has left it partly outside; a
// window that may be sized is made smaller first where the page is smaller than it.
export function keepOnScreen(box, { shrink = false } = {}) {
  if (!box.isConnected || box.hidden) return;
  if (shrink) {
    if (box.offsetWidth > window.innerWidth) box.style.width = `${window.innerWidth}px`;
    if (box.offsetHeight > window.innerHeight) box.style.height = `${window.innerHeight}px`;
  }
  const left = Math.max(0, Math.min(box.offsetLeft, window.innerWidth - box.offsetWidth));
  const top = Math.max(0, Math.min(box.offsetTop, window.innerHeight - box.offsetHeight));
  box.style.left = `${left}px`;
  box.style.top = `${top}px`;
}

// A caption bar: the title and, where the window may be closed from it, a close box.
export function makeCaption(title, id, onClose) {
  const caption = document.createElement('div');
  caption.className = 'dulm-modal-caption';
  const text = document.createElement('span');
  text.className = 'dulm-modal-title';
  text.id = id;
  text.textContent = title;
  caption.append(text);
  if (onClose) {
    const close = document.createElement('button');
    close.type = 'button';
    close.className = 'dulm-modal-close';
    close.tabIndex = -1;
    close.setAttribute('aria-label', 'Close');
    close.addEventListener('click', onClose);
    caption.append(close);
  }
  return caption;
}

let serial = 0;
function newId(prefix) { return `dulm-${prefix}-${++serial}`; }

// "&Text" as the text shown (with the letter after "&" underlined) and that letter.
function mnemonic(text) {
  let plain = '';
  let key = null;
  let index = -1;
  for (let i = 0; i < text.length; ++i) {
    if (text[i] === '&' && i + 1 < text.length) {
      ++i;
      if (text[i] !== '&' && key === null) {
        key = text[i].toLowerCase();
        index = plain.length;
      }
    }
    plain += text[i];
  }
  return { text: plain, key, index };
}

function setMnemonicText(element, text) {
  const m = mnemonic(text);
  element.replaceChildren();
  if (m.index < 0) {
    element.textContent = m.text;
    return m;
  }
  const u = document.createElement('u');
  u.textContent = m.text[m.index];
  element.append(m.text.slice(0, m.index), u, m.text.slice(m.index + 1));
  return m;
}

// The letter of a key event, for mnemonics: "a" to "z" and "0" to "9", else null.
function keyLetter(event) {
  if (/^Key[A-Z]$/.test(event.code)) return event.code.slice(3).toLowerCase();
  if (/^Digit[0-9]$/.test(event.code)) return event.code.slice(5);
  return null;
}

function isEdit(element) {
  return element instanceof HTMLInputElement && element.type === 'text';
}

// ---- the modal windows open, bottom first ----

const stack = [];
const madeInert = new Set();  // what the stack made inert, to give back when it changes

// Everything behind the window on top takes no input: the page's other parts and the windows of
// the stack below it. Layers marked data-dulm-modeless (the help) stay usable.
function refreshBlocking() {
  for (const element of madeInert) element.inert = false;
  madeInert.clear();
  const top = stack[stack.length - 1];
  if (!top) return;
  const block = (element) => {
    if (element.inert) return;
    element.inert = true;
    madeInert.add(element);
  };
  const layer = top.layer;
  for (const sibling of layer.parentElement?.children ?? []) {
    if (sibling === layer || sibling.hasAttribute('data-dulm-modeless')) continue;
    if (sibling.contains(layer)) continue;
    block(sibling);
  }
  for (const modal of stack) if (modal !== top) block(modal.box);
}

function topModal() { return stack[stack.length - 1] ?? null; }

function inHelp(target) { return !!target?.closest?.('[data-dulm-modeless]'); }

// Keys while a modal window is open go to the window on top (the help's keys stay the help's);
// nothing of them reaches the windows behind.
function onModalKey(event) {
  const top = topModal();
  if (!top || inHelp(event.target)) return;
  event.stopPropagation();
  if (event.type === 'keydown') top.onKey(event);
}

// A press outside the window on top (and outside the help) neither acts nor takes the focus.
function onModalPointer(event) {
  const top = topModal();
  if (!top || top.box.contains(event.target) || inHelp(event.target)) return;
  event.preventDefault();
  event.stopPropagation();
}

function onModalResize() {
  for (const modal of stack) keepOnScreen(modal.box);
}

function push(modal) {
  if (!stack.length) {
    window.addEventListener('resize', onModalResize);
    window.addEventListener('keydown', onModalKey, true);
    window.addEventListener('keyup', onModalKey, true);
    window.addEventListener('pointerdown', onModalPointer, true);
    window.addEventListener('mousedown', onModalPointer, true);
  }
  stack.push(modal);
  refreshBlocking();
}

function pull(modal) {
  const index = stack.indexOf(modal);
  if (index < 0) return;
  stack.splice(index, 1);
  refreshBlocking();
  if (!stack.length) {
    window.removeEventListener('resize', onModalResize);
    window.removeEventListener('keydown', onModalKey, true);
    window.removeEventListener('keyup', onModalKey, true);
    window.removeEventListener('pointerdown', onModalPointer, true);
    window.removeEventListener('mousedown', onModalPointer, true);
  }
}

// The area a modal window is centred over: the demonstration windows' area, else the page.
function centreArea() {
  const area = document.getElementById('dulm-mdi');
  const rect = area?.getBoundingClientRect();
  if (rect && rect.width > 0 && rect.height > 0) return rect;
  return { left: 0, top: 0, width: window.innerWidth, height: window.innerHeight };
}

class Modal {
  constructor(layer, caption, className, { role = 'dialog', closable = true } = {}) {
    this.layer = layer;
    this.closed = false;
    this.shown = false;
    const box = document.createElement('div');
    box.className = `dulm-modal dulm-floating ${className}`;
    box.tabIndex = -1;
    box.setAttribute('role', role);
    box.setAttribute('aria-modal', 'true');
    const captionId = newId('caption');
    box.setAttribute('aria-labelledby', captionId);
    this.caption = makeCaption(caption, captionId, closable ? () => this.onClose() : null);
    const body = document.createElement('div');
    body.className = 'dulm-modal-body';
    box.append(this.caption, body);
    box.addEventListener('focusin', (e) => { this.lastFocus = e.target; });
    box.addEventListener('pointerdown', () => bringToFront(box));
    makeMovable(box, this.caption);
    this.box = box;
    this.body = body;
  }

  show() {
    if (this.shown) return;
    this.shown = true;
    this.returnFocus = document.activeElement;
    this.box.style.visibility = 'hidden';
    this.layer.append(this.box);
    this.layout();
    this.centre();
    bringToFront(this.box);
    push(this);
    this.box.style.visibility = '';
    this.focusFirst();
  }

  centre() {
    const area = centreArea();
    const width = this.box.offsetWidth;
    const height = this.box.offsetHeight;
    const left = Math.round(area.left + (area.width - width) / 2);
    const top = Math.round(area.top + (area.height - height) / 2);
    this.box.style.left = `${Math.max(0, Math.min(left, window.innerWidth - width))}px`;
    this.box.style.top = `${Math.max(0, Math.min(top, window.innerHeight - height))}px`;
  }

  // Takes the window off the page without an answer (the view is gone) or after one.
  remove() {
    if (this.removed) return;
    this.removed = true;
    this.closed = true;
    const hadFocus = this.box.contains(document.activeElement);
    this.box.remove();
    pull(this);
    if (!hadFocus) return;
    // The focus goes back where it was: the window below, or what had it before.
    const top = topModal();
    if (top) top.refocus();
    else if (this.returnFocus?.isConnected && this.returnFocus !== document.body && !this.returnFocus.closest('[inert]'))
      this.returnFocus.focus({ preventScroll: true });
  }

  refocus() {
    const target = this.lastFocus?.isConnected ? this.lastFocus : null;
    if (target) target.focus({ preventScroll: true });
    else this.focusFirst();
  }

  layout() {}
  focusFirst() {}
  onKey() {}
  onClose() {}
}

// ---- dialogs ----

// Dialog units to CSS pixels from the dialog font: the average width of the 52 letters (kept
// unrounded, as the desktop does) and the font's height.
class DialogUnits {
  constructor(font) {
    const context = document.createElement('canvas').getContext('2d');
    context.font = font;
    const metrics = context.measureText('ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz');
    this.baseX = metrics.width / 52;
    this.baseY = Math.round(metrics.fontBoundingBoxAscent) + Math.round(metrics.fontBoundingBoxDescent);
    this.context = context;
  }

  x(du) { return Math.floor(du * this.baseX / 4 + 0.5); }
  y(du) { return Math.floor(du * this.baseY / 8); }
  rect(r) { return { left: this.x(r[0]), top: this.y(r[1]), width: this.x(r[2]), height: this.y(r[3]) }; }
  textWidth(text) { return Math.ceil(this.context.measureText(text).width); }
}

// The face the old templates name has no counterpart here; Liberation Sans has Arial's
// proportions and keeps the labels inside the room the templates give them.
function dialogFont(tmpl) {
  const pixels = Math.round(tmpl.points * 96 / 72);
  const face = tmpl.font === 'MS Sans Serif' ? '"Liberation Sans", Arial, Helvetica, sans-serif'
    : `"${tmpl.font}", "Liberation Sans", Arial, sans-serif`;
  return `${pixels}px ${face}`;
}

const RADIO = new Set(['autoradio', 'radio']);
const BUTTON = new Set(['button', 'default']);

// A dialog of a view: its controls placed by the template, its values exchanged by the engine.
// A request without a request number (the About box) is the page's own: it closes by itself.
export class TemplateDialog extends Modal {
  constructor(layer, engine, request, { onHelp, onClose } = {}) {
    const tmpl = request.template;
    super(layer, tmpl.caption, 'dulm-dialog');
    this.engine = engine;
    this.request = request;
    this.local = request.request === undefined;
    this.help = request.help ?? HID_BASE_RESOURCE + tmpl.id;
    this.onHelp = onHelp ?? (() => {});
    this.onAnswer = onClose ?? (() => {});
    this.template = tmpl;
    this.box.dataset.template = String(tmpl.id);
    this.font = dialogFont(tmpl);
    this.units = new DialogUnits(this.font);
    this.body.style.font = this.font;
    this.body.style.width = `${this.units.x(tmpl.rect[2])}px`;
    this.body.style.height = `${this.units.y(tmpl.rect[3])}px`;

    this.items = [];              // every control in template order: {control, element, input, group, rect}
    this.controls = new Map();    // id -> item
    this.groups = new Map();      // first id of a radio group -> its items
    let group = null;
    for (const c of tmpl.controls) {
      if (!RADIO.has(c.kind)) group = null;
      else if (c.group || group === null) group = c.id;
      const item = { control: c, group: RADIO.has(c.kind) ? group : null, rect: this.units.rect(c.rect) };
      this.makeControl(item);
      this.items.push(item);
      if (c.id >= 0) this.controls.set(c.id, item);
      if (item.group !== null) {
        if (!this.groups.has(item.group)) this.groups.set(item.group, []);
        this.groups.get(item.group).push(item);
      }
    }
    this.placeControls();
    this.tieLabels();
    this.applied = new Map();
    if (request.state) this.apply(request.state);
    else this.applied = this.collect();
    this.markDefault(null);
    this.box.addEventListener('focusin', (e) => {
      const item = this.itemOf(e.target);
      if (item) this.markDefault(item);
    });
  }

  makeControl(item) {
    const c = item.control;
    let element;
    switch (c.kind) {
      case 'edit':
        element = document.createElement('input');
        element.type = 'text';
        element.spellcheck = false;
        element.autocomplete = 'off';
        item.input = element;
        break;
      case 'button':
      case 'default':
        element = document.createElement('button');
        element.type = 'button';
        item.mnemonic = setMnemonicText(element, c.text).key;
        element.classList.add('dulm-push');
        element.addEventListener('click', () => this.press(c.id));
        item.input = element;
        break;
      case 'autoradio':
      case 'radio': {
        element = document.createElement('label');
        element.className = 'dulm-radio';
        if (c.textLeft) element.classList.add('dulm-text-left');
        const input = document.createElement('input');
        input.type = 'radio';
        const span = document.createElement('span');
        item.mnemonic = setMnemonicText(span, c.text).key;
        if (c.textLeft) element.append(span, input);
        else element.append(input, span);
        input.addEventListener('click', () => this.radioClicked(item));
        item.input = input;
        item.text = span;
        break;
      }
      case 'icon': {
        element = document.createElement('div');
        element.className = 'dulm-icon';
        const img = document.createElement('img');
        img.src = 'icons/dialogs/dulm.svg';
        img.alt = '';
        img.width = ICON_PIXELS;
        img.height = ICON_PIXELS;
        element.append(img);
        break;
      }
      default:
        element = document.createElement('div');
        element.className = 'dulm-label';
        item.mnemonic = setMnemonicText(element, c.text).key;
    }
    element.classList.add('dulm-control');
    if (c.id >= 0) element.dataset.control = String(c.id);
    element.id = newId('control');
    item.element = element;
  }

  // Places every control by its template rectangle; a radio group sits in a box of its own
  // (named by the template, else by its buttons) that holds its buttons.
  placeControls() {
    const place = (element, rect, origin = { left: 0, top: 0 }) => {
      element.style.left = `${rect.left - origin.left}px`;
      element.style.top = `${rect.top - origin.top}px`;
      element.style.width = `${rect.width}px`;
      element.style.height = `${rect.height}px`;
    };
    const groupBoxes = new Map();
    for (const item of this.items) {
      if (item.group === null) {
        place(item.element, item.rect);
        this.body.append(item.element);
        continue;
      }
      let box = groupBoxes.get(item.group);
      const members = this.groups.get(item.group);
      const bounds = {
        left: Math.min(...members.map((m) => m.rect.left)),
        top: Math.min(...members.map((m) => m.rect.top)),
      };
      if (!box) {
        box = document.createElement('div');
        box.className = 'dulm-radio-group';
        box.setAttribute('role', 'radiogroup');
        box.setAttribute('aria-label', members[0].control.groupName ??
                         members.map((m) => mnemonic(m.control.text).text).join(', '));
        box.style.left = `${bounds.left}px`;
        box.style.top = `${bounds.top}px`;
        groupBoxes.set(item.group, box);
        this.body.append(box);
      }
      place(item.element, item.rect, bounds);
      item.origin = bounds;
      box.append(item.element);
    }
  }

  // Each edit is named by its label and described by its range, as the engine ties them.
  tieLabels() {
    for (const edit of this.items.filter((i) => i.control.kind === 'edit')) {
      const { label, hints = [] } = edit.control;
      const name = label === undefined ? null : this.items[label];
      if (name) {
        edit.input.setAttribute('aria-labelledby', name.element.id);
        name.target = edit;
      }
      if (hints.length) edit.input.setAttribute('aria-describedby', hints.map((h) => this.items[h].element.id).join(' '));
    }
  }


  // Text in a face other than the one the templates were drawn for may need a little more room
  // than they give it: a radio button grows to show all of its text, and a label grows wider
  // rather than break into more lines than the template has room for (where its lines break is
  // part of the text). A label of several lines grows into the free room at its right only; one
  // that can't keep to its lines there grows downwards instead.
  layout() {
    const lineHeight = this.lineHeight();
    for (const item of this.items) {
      const { element, rect, control } = item;
      const origin = item.origin ?? { left: 0, top: 0 };
      if (RADIO.has(control.kind)) {
        element.style.width = 'max-content';
        const natural = Math.ceil(element.getBoundingClientRect().width);
        const width = Math.max(rect.width, natural);
        element.style.width = `${width}px`;
        if (control.textLeft && width > rect.width) element.style.left = `${rect.left - origin.left - (width - rect.width)}px`;
      } else if (control.kind === 'static') {
        const heightFor = (width) => {
          element.style.width = `${width}px`;
          element.style.height = 'auto';
          return element.offsetHeight;
        };
        const lines = Math.max(1, Math.floor(rect.height / lineHeight));
        const oneLine = this.units.textWidth(mnemonic(control.text).text);
        const room = lines * lineHeight + Math.floor(lineHeight / 2);
        const widest = lines === 1 ? oneLine : Math.min(oneLine, this.freeRight(item) - rect.left);
        let width = rect.width;
        while (width < widest && heightFor(width) > room) ++width;
        const fitted = heightFor(width) <= room ? width : rect.width;
        const height = Math.max(rect.height, heightFor(fitted));
        element.style.width = `${fitted}px`;
        element.style.height = `${height}px`;
      }
    }
  }

  lineHeight() {
    const probe = document.createElement('div');
    probe.className = 'dulm-label dulm-control';
    probe.style.visibility = 'hidden';
    probe.textContent = 'X';
    this.body.append(probe);
    const height = probe.offsetHeight;
    probe.remove();
    return height || this.units.baseY;
  }

  // Where the nearest control at the right of this one, beside it, begins; else the dialog's edge.
  freeRight(item) {
    const own = item.rect;
    let right = this.units.x(this.template.rect[2]) - this.units.x(4);
    for (const other of this.items) {
      const r = other.rect;
      if (other === item || r.left <= own.left) continue;
      if (r.top + r.height <= own.top || r.top >= own.top + own.height) continue;
      right = Math.min(right, r.left - this.units.x(2));
    }
    return right;
  }

  // ---- state ----

  // The engine's state text: "id checked autoRadio text" a line, backslash and newline escaped.
  static parseState(text) {
    const state = new Map();
    for (const line of text.split('\n')) {
      const match = /^(\d+) ([01]) ([01]) ?(.*)$/.exec(line);
      if (!match) continue;
      const raw = match[4];
      let value = '';
      for (let i = 0; i < raw.length; ++i) {
        if (raw[i] === '\\' && i + 1 < raw.length) {
          value += raw[i + 1] === 'n' ? '\n' : raw[i + 1];
          ++i;
        } else {
          value += raw[i];
        }
      }
      state.set(Number(match[1]), { checked: match[2] === '1', autoRadio: match[3] === '1', text: value });
    }
    return state;
  }

  static stateText(state) {
    let text = '';
    for (const [id, s] of state)
      text += `${id} ${s.checked ? 1 : 0} ${s.autoRadio ? 1 : 0} ${s.text.replace(/\\/g, '\\\\').replace(/\n/g, '\\n')}\n`;
    return text;
  }

  apply(stateText) {
    const state = typeof stateText === 'string' ? TemplateDialog.parseState(stateText) : stateText;
    for (const [id, s] of state) {
      const item = this.controls.get(id);
      if (!item) continue;
      const { control, element } = item;
      if (control.kind === 'edit') {
        if (element.value !== s.text) element.value = s.text;
      } else if (RADIO.has(control.kind)) {
        item.input.checked = s.checked;
        item.mnemonic = setMnemonicText(item.text, s.text).key;
      } else if (BUTTON.has(control.kind) || control.kind === 'static') {
        item.mnemonic = setMnemonicText(element, s.text).key;
      }
    }
    // What was not sent keeps what it had.
    const applied = new Map(this.applied);
    for (const [id, s] of state) applied.set(id, { ...s });
    this.applied = applied;
    this.updateTabStops();
  }

  collect() {
    const state = new Map();
    for (const [id, item] of this.controls) {
      const { control, element } = item;
      const before = this.applied?.get(id);
      if (control.kind === 'edit') {
        state.set(id, { text: element.value, checked: false, autoRadio: true });
      } else if (RADIO.has(control.kind)) {
        state.set(id, {
          text: before?.text ?? control.text,
          checked: item.input.checked,
          autoRadio: before ? before.autoRadio : control.kind === 'autoradio',
        });
      } else if (control.kind !== 'icon') {
        state.set(id, { text: before?.text ?? control.text, checked: false, autoRadio: true });
      }
    }
    return state;
  }

  isPlainRadio(item) {
    const s = this.applied.get(item.control.id);
    return s ? !s.autoRadio : item.control.kind === 'radio';
  }

  // A radio button was clicked (mouse, Space, an arrow or its mnemonic). An automatic one has
  // checked itself and clears the others of its group; a plain one changes no button: only its
  // dialog sets one. Either way the dialog hears of the click.
  radioClicked(item) {
    if (this.closed) return;
    const state = this.collect();
    if (this.isPlainRadio(item)) {
      for (const [id, other] of this.controls)
        if (RADIO.has(other.control.kind)) state.get(id).checked = !!this.applied.get(id)?.checked;
    } else {
      for (const member of this.groups.get(item.group)) state.get(member.control.id).checked = member === item;
    }
    this.click(item.control.id, state);
  }

  click(id, state = this.collect()) {
    if (this.local) {
      this.apply(state);
      return;
    }
    const answer = this.engine.dialogClick(this.request.request, id, TemplateDialog.stateText(state));
    this.apply(answer || state);
  }

  press(id) {
    if (this.closed) return;
    if (id === IDOK) this.ok();
    else if (id === IDCANCEL) this.cancel();
    else if (id === ID_HELP) this.onHelp(this.help);
    else this.click(id);
  }

  ok() {
    if (this.closed || this.refusal) return;
    if (this.local) {
      this.finish(IDOK);
      return;
    }
    const answer = this.engine.dialogOk(this.request.request, TemplateDialog.stateText(this.collect()));
    if (answer === null || answer === '') {
      this.finish(IDOK);
      return;
    }
    // Refused: the framework's prompt over the dialog, which stays open with the entry selected.
    const entry = this.controls.get(answer.control);
    if (entry?.input) this.focusControl(entry, true);
    const title = this.engine.title ?? this.engine.resources?.().title ?? '';
    this.refusal = new MessageBox(this.layer, title, answer.prompt, MB_ICONEXCLAMATION, () => {
      this.refusal = null;
      if (this.closed) return;
      if (entry?.input) this.focusControl(entry, true);
    });
    this.refusal.show();
  }

  cancel() {
    if (this.closed) return;
    if (!this.local) this.engine.answer(this.request.request, IDCANCEL);
    this.finish(IDCANCEL);
  }

  onClose() { this.cancel(); }

  finish(result) {
    this.closed = true;
    this.remove();
    this.onAnswer(result);
  }

  remove() {
    if (this.refusal) {
      this.refusal.remove();
      this.refusal = null;
    }
    super.remove();
  }

  // ---- focus and keys ----

  // The controls the Tab key stops at, in template order: edits, push buttons, and of each radio
  // group its checked button (or its first).
  tabStops() {
    const stops = [];
    for (const item of this.items) {
      const kind = item.control.kind;
      if (kind === 'edit' || BUTTON.has(kind)) stops.push(item);
      else if (RADIO.has(kind) && this.groups.get(item.group)[0] === item) {
        const members = this.groups.get(item.group);
        stops.push(members.find((m) => m.input.checked) ?? members[0]);
      }
    }
    return stops;
  }

  updateTabStops() {
    const stops = new Set(this.tabStops());
    for (const item of this.items) if (item.input) item.input.tabIndex = stops.has(item) ? 0 : -1;
  }

  itemOf(element) {
    return this.items.find((i) => i.input && (i.input === element || i.element === element)) ?? null;
  }

  // An edit that takes the focus from the keyboard has its whole text selected.
  focusControl(item, select = true) {
    item.input.focus({ preventScroll: true });
    if (select && isEdit(item.input)) item.input.select();
    this.markDefault(item);
  }

  focusFirst() {
    const first = this.tabStops()[0];
    if (first) this.focusControl(first);
    else this.box.focus();
  }

  // A push button with the focus is the one Enter presses; elsewhere the template's default is.
  markDefault(focused) {
    const templateDefault = this.items.find((i) => i.control.kind === 'default') ?? null;
    const current = focused && BUTTON.has(focused.control.kind) ? focused : templateDefault;
    for (const item of this.items)
      if (BUTTON.has(item.control.kind)) item.element.classList.toggle('dulm-default', item === current);
    this.defaultButton = current;
  }

  onKey(event) {
    if (this.closed) return;
    const focused = this.itemOf(document.activeElement);
    const plain = !event.ctrlKey && !event.altKey && !event.metaKey;
    switch (event.key) {
      case 'Tab': {
        if (event.ctrlKey || event.altKey) return;
        event.preventDefault();
        const stops = this.tabStops();
        if (!stops.length) return;
        let index = focused ? stops.findIndex((s) => s === focused || (s.group !== null && s.group === focused.group)) : -1;
        index = index < 0 ? (event.shiftKey ? stops.length - 1 : 0)
          : (index + (event.shiftKey ? stops.length - 1 : 1)) % stops.length;
        this.focusControl(stops[index]);
        return;
      }
      case 'Enter':
        if (!plain) return;
        event.preventDefault();
        if (event.repeat) return;
        this.answerByKey(event, () => this.press((focused && BUTTON.has(focused.control.kind) ? focused : this.defaultButton)?.control.id ?? IDOK));
        return;
      case 'Escape':
        event.preventDefault();
        if (event.repeat) return;
        this.answerByKey(event, () => this.cancel());
        return;
      case 'F1':
        event.preventDefault();
        if (!event.repeat && plain && !event.shiftKey) this.onHelp(this.help);
        return;
      case 'ArrowUp':
      case 'ArrowLeft':
      case 'ArrowDown':
      case 'ArrowRight': {
        if (!focused || focused.group === null || !plain) return;
        event.preventDefault();
        const members = this.groups.get(focused.group);
        const step = event.key === 'ArrowUp' || event.key === 'ArrowLeft' ? members.length - 1 : 1;
        const next = members[(members.indexOf(focused) + step) % members.length];
        this.focusControl(next);
        next.input.click();
        return;
      }
      default:
        break;
    }
    // Mnemonics: Alt+letter anywhere, the letter alone where it would not be typed into an edit.
    const letter = keyLetter(event);
    if (!letter || event.ctrlKey || event.metaKey) return;
    if (!event.altKey && focused && isEdit(focused.input)) return;
    const item = this.items.find((i) => i.mnemonic === letter);
    if (!item) return;
    event.preventDefault();
    if (BUTTON.has(item.control.kind)) {
      this.answerByKey(event, () => this.press(item.control.id));
    } else if (RADIO.has(item.control.kind)) {
      this.focusControl(item);
      item.input.click();
    } else if (item.control.kind === 'static') {
      const target = item.target ?? this.nextStop(item);
      if (target) this.focusControl(target);
    }
  }

  // A label without an edit of its own leads to the next control the Tab key stops at.
  nextStop(item) {
    const stops = this.tabStops();
    const index = this.items.indexOf(item);
    return stops.find((s) => this.items.indexOf(s) > index) ?? null;
  }

  answerByKey(event, act) {
    act();
    if (this.closed) swallowKeyUp(event.code);
  }

}

// The About box of the program: its template, answered by the page itself.
export function aboutRequest(resources) {
  const template = resources.dialogs['100'];
  return { template, help: HID_BASE_RESOURCE + template.id };
}

// ---- message boxes ----

// A message box: its text, the exclamation icon where the type asks for it (a question with Yes and
// No always has it, as the framework's message boxes add it), and OK or Yes and No.
// The first button is the default; Enter presses the button with the focus, Esc closes a box
// with OK only, and Y and N answer Yes and No.
export class MessageBox extends Modal {
  constructor(layer, caption, text, type, onAnswer) {
    const yesNo = (type & 0xf) === MB_YESNO;
    super(layer, caption, 'dulm-messagebox', { role: 'alertdialog', closable: !yesNo });
    this.onAnswer = onAnswer ?? (() => {});
    const row = document.createElement('div');
    row.className = 'dulm-message-row';
    if (yesNo || (type & 0xf0) === MB_ICONEXCLAMATION) {
      const icon = document.createElement('img');
      icon.className = 'dulm-message-icon';
      icon.src = 'icons/dialogs/exclamation.svg';
      icon.alt = '';
      icon.width = ICON_PIXELS;
      icon.height = ICON_PIXELS;
      row.append(icon);
      this.box.classList.add('dulm-exclamation');
    }
    const message = document.createElement('div');
    message.className = 'dulm-message';
    message.id = newId('message');
    message.textContent = text;
    row.append(message);
    this.box.setAttribute('aria-describedby', message.id);
    const buttons = document.createElement('div');
    buttons.className = 'dulm-buttons';
    const choices = yesNo ? [[IDYES, '&Yes'], [IDNO, '&No']] : [[IDOK, 'OK']];
    this.buttons = choices.map(([result, label]) => {
      const button = document.createElement('button');
      button.type = 'button';
      button.className = 'dulm-push';
      const key = setMnemonicText(button, label).key;
      button.dataset.result = String(result);
      button.addEventListener('click', () => this.answer(result));
      button.addEventListener('focus', () => this.markDefault(button));
      buttons.append(button);
      return { button, result, key };
    });
    this.markDefault(this.buttons[0].button);
    this.body.append(row, buttons);
  }

  markDefault(button) {
    for (const b of this.buttons) b.button.classList.toggle('dulm-default', b.button === button);
  }

  answer(result) {
    if (this.closed) return;
    this.closed = true;
    this.remove();
    this.onAnswer(result);
  }

  onClose() {
    if (this.buttons.length === 1) this.answer(IDOK);
  }

  focusFirst() {
    this.buttons[0].button.focus({ preventScroll: true });
  }

  onKey(event) {
    if (this.closed) return;
    const index = this.buttons.findIndex((b) => b.button === document.activeElement);
    const plain = !event.ctrlKey && !event.metaKey;
    const byKey = (result) => {
      event.preventDefault();
      if (event.repeat) return;
      this.answer(result);
      swallowKeyUp(event.code);
    };
    switch (event.key) {
      case 'Enter':
        if (plain && !event.altKey) byKey(this.buttons[Math.max(0, index)].result);
        return;
      case 'Escape':
        if (this.buttons.length === 1) byKey(IDOK);
        else event.preventDefault();
        return;
      case 'Tab':
      case 'ArrowLeft':
      case 'ArrowRight':
      case 'ArrowUp':
      case 'ArrowDown': {
        if (event.ctrlKey || event.altKey) return;
        event.preventDefault();
        const back = event.key === 'ArrowLeft' || event.key === 'ArrowUp' || (event.key === 'Tab' && event.shiftKey);
        const n = this.buttons.length;
        const next = index < 0 ? 0 : (index + (back ? n - 1 : 1)) % n;
        this.buttons[next].button.focus({ preventScroll: true });
        return;
      }
      case 'F1':
        event.preventDefault();  // a message box has no help of its own
        return;
      default: {
        const letter = keyLetter(event);
        const choice = letter && plain && this.buttons.find((b) => b.key === letter);
        if (choice) byKey(choice.result);
      }
    }
  }
}
