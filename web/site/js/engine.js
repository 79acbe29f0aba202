// The engine, compiled to WebAssembly, as the page sees it: one object whose methods call the
// engine's exported functions and whose listeners hear what the engine announces.
//
// The engine's main thread runs on a worker and every view on a worker of its own; nothing here
// waits for them. Notifications arrive on the page's thread through Module.dulmNotify.

export const Note = Object.freeze({
  CanvasChanged: 1,
  StateChanged: 2,
  Ask: 3,
  Drop: 4,
  Help: 5,
  Capture: 6,
  Refused: 7,
  Closed: 8,
  Rested: 9,
  Printed: 10,
});

export class Engine {
  constructor(module) {
    this.module = module;
    this.listeners = new Map();  // kind -> [fn(window, arg)]
    module.dulmNotify = (kind, window, arg) => {
      for (const fn of this.listeners.get(kind) ?? []) fn(window, arg);
    };
  }

  // Loads the engine (dulm-web.js must be loaded first: it defines createDulm).
  static async load(base = '.') {
    if (typeof createDulm !== 'function') throw new Error('dulm-web.js did not load');
    const module = await createDulm({
      locateFile: (file) => `${base}/${file}`,
      print: (text) => console.log(text),
      printErr: (text) => console.error(text),
    });
    return new Engine(module);
  }

  on(kind, fn) {
    if (!this.listeners.has(kind)) this.listeners.set(kind, []);
    this.listeners.get(kind).push(fn);
  }

  // A string argument in the engine's memory for the length of one call.
  withString(text, fn) {
    const m = this.module;
    const length = m.lengthBytesUTF8(text) + 1;
    const pointer = m._malloc(length);
    try {
      m.stringToUTF8(text, pointer, length);
      return fn(pointer);
    } finally {
      m._free(pointer);
    }
  }

  text(pointer) { return this.module.UTF8ToString(pointer); }
  json(pointer) {
    const text = this.text(pointer);
    return text ? JSON.parse(text) : null;
  }

  init(width, height) { this.module._dulm_init(width, height); }
  // Where a window wanted at `wanted` goes to leave `avoid` uncovered inside `area` (each
  // [left, top, right, bottom]), no narrower than leastWidth.
  placeBeside(wanted, avoid, area, leastWidth) {
    return this.json(this.module._dulm_place_beside(...wanted, ...avoid, ...area, leastWidth));
  }
  // Tile's cells [[left, top, right, bottom], ...], worked out by the engine as on the desktop.
  tile(count, area, picture, frame) {
    return this.json(this.module._dulm_tile(count, area.width, area.height, picture.width, picture.height,
                                            frame.width, frame.height));
  }
  resources() { return this.json(this.module._dulm_resources()); }

  open(templateId, width, height) { return this.module._dulm_open(templateId, width, height); }
  // A window from a link: the render tool's options as a list of arguments.
  openLink(args) { return this.withString(args.join('\n'), (p) => this.module._dulm_open_link(p)); }
  close(window) { this.module._dulm_close(window); }
  forget(window) { this.module._dulm_forget(window); }

  key(window, name, down, repeat = false) {
    this.withString(name, (p) => this.module._dulm_key(window, p, down ? (repeat ? 2 : 1) : 0));
  }
  mouse(window, button, x, y) { this.module._dulm_mouse(window, button, x, y); }
  command(window, id) { this.module._dulm_command(window, id); }
  help(window) { this.module._dulm_help(window); }
  paint(window) { this.module._dulm_paint(window); }
  resize(window, width, height) { this.module._dulm_resize(window, width, height); }
  palette(projector) { this.module._dulm_palette(projector ? 1 : 0); }
  // Asks for the picture drawn again at width x height; Note.Printed says when printFrame has it.
  print(window, width, height) { this.module._dulm_print(window, width, height); }
  printFrame(window) { return this.frame(window, this.module._dulm_print_frame); }

  // The window's picture as ImageData, or null while it has none.
  frame(window, take = this.module._dulm_frame) {
    const m = this.module;
    const pointer = take(window);
    if (!pointer) return null;
    const size = m._dulm_frame_size();
    const width = size >>> 16;
    const height = size & 0xffff;
    // The engine's memory is shared between threads, which ImageData refuses: copy it out.
    const pixels = new Uint8ClampedArray(width * height * 4);
    pixels.set(m.HEAPU8.subarray(pointer, pointer + pixels.length));
    return new ImageData(pixels, width, height);
  }

  windowState(window) { return this.json(this.module._dulm_window(window)); }
  // Export Data's CSV: '' while the view does not rest in a wait.
  csv(window) { return this.text(this.module._dulm_csv(window)); }
  // The texts of the picture, line by line.
  texts(window) { return this.text(this.module._dulm_texts(window)); }
  // What the picture shows that its texts do not, in one line ('' when they say it all).
  description(window) { return this.text(this.module._dulm_description(window)); }
  // {demo, size, time, dialog: [...]}: what a link needs to open the window's run again; null for none.
  link(window) { return this.json(this.module._dulm_link(window)); }
  resting(window) { return this.module._dulm_resting(window) !== 0; }

  request(id) { return this.json(this.module._dulm_request(id)); }
  dialogClick(id, control, state) {
    return this.withString(state, (p) => this.text(this.module._dulm_dialog_click(id, control, p)));
  }
  // '' when the dialog took its values; else {prompt, control}; null when the request is gone.
  dialogOk(id, state) {
    const answer = this.withString(state, (p) => this.text(this.module._dulm_dialog_ok(id, p)));
    if (answer === '') return '';
    if (answer === 'gone') return null;
    return JSON.parse(answer);
  }
  answer(id, result) { return this.module._dulm_answer(id, result) !== 0; }
}
