// Dialogs built from the engine's dialog templates, and message boxes. Each is modal to the page:
// while one is open the windows behind it take no input. A view waits for its answer; closing the
// view takes the dialog away (the engine says so with a Drop note).

const IDOK = 1;
const IDCANCEL = 2;
const IDYES = 6;
const IDNO = 7;
const MB_YESNO = 0x4;
const MB_ICONEXCLAMATION = 0x30;

// Dialog units to CSS pixels, from the dialog font's average character width and height.
function dialogUnits(font) {
  const probe = document.createElement('span');
  probe.style.cssText = `position:absolute;visibility:hidden;white-space:nowrap;font:${font}`;
  probe.textContent = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz';
  document.body.append(probe);
  const baseX = probe.getBoundingClientRect().width / 52;
  const baseY = probe.getBoundingClientRect().height;
  probe.remove();
  return { x: (du) => Math.round(du * baseX / 4), y: (du) => Math.floor(du * baseY / 8) };
}

// A label's "&Text" as its text and its mnemonic letter.
function mnemonic(text) {
  const match = /&([^&])/.exec(text);
  return { text: text.replace(/&(.)/g, '$1'), key: match ? match[1].toLowerCase() : null };
}

class Modal {
  constructor(layer, caption, className) {
    this.layer = layer;
    const backdrop = document.createElement('div');
    backdrop.className = 'dulm-backdrop';
    const box = document.createElement('div');
    box.className = `dulm-modal ${className}`;
    box.setAttribute('role', 'dialog');
    box.setAttribute('aria-modal', 'true');
    const title = document.createElement('div');
    title.className = 'dulm-modal-caption';
    title.textContent = caption;
    box.setAttribute('aria-label', caption);
    const body = document.createElement('div');
    body.className = 'dulm-modal-body';
    box.append(title, body);
    backdrop.append(box);
    this.backdrop = backdrop;
    this.box = box;
    this.body = body;
  }

  show() {
    this.layer.append(this.backdrop);
  }

  remove() {
    this.backdrop.remove();
  }
}

// A dialog of a view: its controls placed by the template, its values exchanged by the engine.
export class TemplateDialog extends Modal {
  constructor(layer, engine, request, { onHelp }) {
    const tmpl = request.template;
    super(layer, tmpl.caption, 'dulm-dialog');
    this.engine = engine;
    this.request = request;
    this.box.dataset.template = String(tmpl.id);
    this.controls = new Map();  // id -> element
    const font = `${Math.round(tmpl.points * 96 / 72)}px "Liberation Sans", Arial, sans-serif`;
    this.body.style.font = font;
    const du = dialogUnits(font);
    this.body.style.width = `${du.x(tmpl.rect[2])}px`;
    this.body.style.height = `${du.y(tmpl.rect[3])}px`;
    let group = null;  // the first id of the radio group being laid out
    for (const c of tmpl.controls) {
      const radio = c.kind === 'autoradio' || c.kind === 'radio';
      if (!radio) group = null;
      else if (c.group || group === null) group = c.id;
      const element = this.makeControl(c, group);
      element.style.left = `${du.x(c.rect[0])}px`;
      element.style.top = `${du.y(c.rect[1])}px`;
      element.style.width = `${du.x(c.rect[2])}px`;
      element.style.height = `${du.y(c.rect[3])}px`;
      this.body.append(element);
      if (c.id >= 0) this.controls.set(c.id, { control: c, element });
    }
    this.apply(request.state);
    this.box.addEventListener('keydown', (e) => {
      if (e.key === 'Escape') { e.preventDefault(); this.cancel(); }
      else if (e.key === 'Enter') { e.preventDefault(); this.ok(); }
      else if (e.key === 'F1') { e.preventDefault(); onHelp(request.help); }
    });
  }

  makeControl(c, group) {
    const { text } = mnemonic(c.text);
    let element;
    switch (c.kind) {
      case 'edit':
        element = document.createElement('input');
        element.type = 'text';
        break;
      case 'button':
      case 'default':
        element = document.createElement('button');
        element.type = 'button';
        element.textContent = text;
        if (c.kind === 'default') element.classList.add('dulm-default');
        element.addEventListener('click', () => {
          if (c.id === IDOK) this.ok();
          else if (c.id === IDCANCEL) this.cancel();
          else this.click(c.id);
        });
        break;
      case 'autoradio':
      case 'radio': {
        element = document.createElement('label');
        element.className = 'dulm-radio';
        const input = document.createElement('input');
        input.type = 'radio';
        input.name = `dulm-radio-${this.request.request}-${group}`;
        const span = document.createElement('span');
        span.textContent = text;
        if (c.textLeft) element.append(span, input);
        else element.append(input, span);
        input.addEventListener('click', (e) => {
          const state = this.collect();
          if (!state.get(c.id)?.autoRadio) e.preventDefault();
          this.click(c.id);
        });
        break;
      }
      case 'icon':
        element = document.createElement('div');
        element.className = 'dulm-icon';
        break;
      default:
        element = document.createElement('div');
        element.className = 'dulm-label';
        element.textContent = text;
    }
    element.classList.add('dulm-control');
    if (c.id >= 0) element.dataset.control = String(c.id);
    return element;
  }

  // The engine's state text: "id checked autoRadio text" a line.
  apply(stateText) {
    this.autoRadio = new Map();
    for (const line of stateText.split('\n')) {
      if (!line) continue;
      const [id, checked, auto] = line.split(' ', 3);
      const text = line.slice(id.length + checked.length + auto.length + 3).replace(/\\n/g, '\n').replace(/\\\\/g, '\\');
      const entry = this.controls.get(Number(id));
      this.autoRadio.set(Number(id), auto === '1');
      if (!entry) continue;
      const { control, element } = entry;
      if (control.kind === 'edit') element.value = text;
      else if (control.kind === 'autoradio' || control.kind === 'radio') element.querySelector('input').checked = checked === '1';
    }
  }

  collect() {
    const state = new Map();
    for (const [id, { control, element }] of this.controls) {
      if (control.kind === 'edit') state.set(id, { text: element.value, checked: false, autoRadio: true });
      else if (control.kind === 'autoradio' || control.kind === 'radio')
        state.set(id, { text: '', checked: element.querySelector('input').checked, autoRadio: this.autoRadio.get(id) ?? true });
    }
    return state;
  }

  stateText() {
    let text = '';
    for (const [id, s] of this.collect())
      text += `${id} ${s.checked ? 1 : 0} ${s.autoRadio ? 1 : 0} ${s.text.replace(/\\/g, '\\\\').replace(/\n/g, '\\n')}\n`;
    return text;
  }

  click(id) {
    const state = this.engine.dialogClick(this.request.request, id, this.stateText());
    if (state) this.apply(state);
  }

  show() {
    super.show();
    const first = this.body.querySelector('input, button');
    if (first) {
      first.focus();
      if (first.select) first.select();
    }
  }

  ok() {
    const answer = this.engine.dialogOk(this.request.request, this.stateText());
    if (answer === null || answer === '') { this.remove(); return; }
    // Refused: the framework's prompt, and the dialog stays open with the entry selected.
    const focusBack = () => {
      const entry = this.controls.get(answer.control);
      const input = entry?.element.matches('input') ? entry.element : entry?.element.querySelector('input');
      if (input) { input.focus(); if (input.select) input.select(); }
    };
    new MessageBox(this.layer, this.engine.title, answer.prompt, MB_ICONEXCLAMATION, focusBack).show();
  }

  cancel() {
    this.engine.answer(this.request.request, IDCANCEL);
    this.remove();
  }
}

// A message box: its text, an icon for the exclamation type, and OK or Yes and No.
export class MessageBox extends Modal {
  constructor(layer, caption, text, type, onAnswer) {
    super(layer, caption, 'dulm-messagebox');
    const message = document.createElement('div');
    message.className = 'dulm-message';
    if ((type & 0xf0) === MB_ICONEXCLAMATION) message.classList.add('dulm-exclamation');
    message.textContent = text;
    const buttons = document.createElement('div');
    buttons.className = 'dulm-buttons';
    const choices = (type & 0xf) === MB_YESNO ? [[IDYES, 'Yes'], [IDNO, 'No']] : [[IDOK, 'OK']];
    for (const [result, label] of choices) {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = label;
      button.dataset.result = String(result);
      button.addEventListener('click', () => { this.remove(); onAnswer(result); });
      buttons.append(button);
    }
    this.body.append(message, buttons);
    this.box.addEventListener('keydown', (e) => {
      if (e.key === 'Escape' && choices.length === 1) { e.preventDefault(); this.remove(); onAnswer(IDOK); }
      else if (e.key.toLowerCase() === 'y' && choices.length === 2) { e.preventDefault(); this.remove(); onAnswer(IDYES); }
      else if (e.key.toLowerCase() === 'n' && choices.length === 2) { e.preventDefault(); this.remove(); onAnswer(IDNO); }
    });
  }

  show() {
    super.show();
    this.box.querySelector('button').focus();
  }
}
