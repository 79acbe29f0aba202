// The help window: pages of the program's help file, with links, Index and Back.
export class HelpWindow {
  constructor(engine, layer) {
    this.engine = engine;
    this.layer = layer;
    this.history = [];
    this.element = null;
  }

  showContext(context) {
    this.showPage(`0x${Number(context).toString(16).toUpperCase()}`);
  }

  showPage(id, remember = true) {
    const page = this.engine.json(this.engine.withString(id, (p) => this.engine.module._dulm_help_page(p)));
    if (!page) return;
    this.open();
    if (remember && this.current) this.history.push(this.current);
    this.current = id;
    this.title.textContent = page.title;
    this.body.innerHTML = page.html;
    this.back.disabled = this.history.length === 0;
    for (const link of this.body.querySelectorAll('a[href^="topic:"]')) {
      link.addEventListener('click', (e) => {
        e.preventDefault();
        this.showPage(link.getAttribute('href').slice(6));
      });
    }
  }

  open() {
    if (this.element) {
      this.element.hidden = false;
      return;
    }
    const box = document.createElement('div');
    box.className = 'dulm-help';
    box.setAttribute('role', 'dialog');
    box.setAttribute('aria-label', 'Dulm Help');
    box.innerHTML = '<div class="dulm-help-caption"><span>Dulm Help</span>' +
      '<button type="button" class="dulm-close" aria-label="Close">\u2715</button></div>' +
      '<div class="dulm-help-buttons"><button type="button" class="dulm-help-index">Index</button>' +
      '<button type="button" class="dulm-help-back">Back</button></div>' +
      '<h1 class="dulm-help-title"></h1><div class="dulm-help-body"></div>';
    this.title = box.querySelector('.dulm-help-title');
    this.body = box.querySelector('.dulm-help-body');
    this.back = box.querySelector('.dulm-help-back');
    box.querySelector('.dulm-close').addEventListener('click', () => { box.hidden = true; });
    box.querySelector('.dulm-help-index').addEventListener('click', () => this.showPage('index'));
    this.back.addEventListener('click', () => {
      const previous = this.history.pop();
      if (previous) this.showPage(previous, false);
    });
    this.layer.append(box);
    this.element = box;
  }
}
