// What a person trips over in the page: a dialog opens on its first field with the value
// selected, the key that answers a question stays with it, and Tile makes a grid of equal cells.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';
import { launch, newDemo, pictureOf, rest, startPage } from './lib.mjs';

const WINDOW_TILE = 57651;
const [POWER, REGRESSION, ANOVA] = ['126', '128', '112'];

describe('faults a teacher met', () => {
  let browser;
  before(async () => { browser = await launch(); });
  after(async () => { await browser?.close(); });

  it("Power's dialog opens on its field with the 1 selected: typing 0.5 gives 0.5", async () => {
    const { page, problems } = await startPage(browser);
    await newDemo(page, POWER);
    const field = '.dulm-dialog[data-template="127"] [data-control="1002"]';
    await page.waitForSelector(field);
    await page.waitForFunction((f) => document.activeElement === document.querySelector(f), {}, field);
    const selection = await page.$eval(field, (e) => [e.value, e.selectionStart, e.selectionEnd]);
    assert.deepEqual(selection, ['1', 0, 1]);
    await page.keyboard.type('0.5');
    assert.equal(await page.$eval(field, (e) => e.value), '0.5');
    assert.deepEqual(problems, []);
    await page.close();
  });

  it('Anova: Enter on the practice question does not pass "Hit any key when ready."', async () => {
    const { page, problems } = await startPage(browser);
    const id = await newDemo(page, ANOVA);
    await page.waitForSelector('.dulm-messagebox');
    await page.keyboard.press('Enter');  // Yes, the button with the focus
    await page.waitForSelector('.dulm-messagebox', { hidden: true });
    await rest(page);
    await new Promise((r) => setTimeout(r, 500));
    // No target flies: the view still waits for a key of its own.
    // The target's light grey, below the prompts at the top.
    const flying = (c) => {
      const top = Math.floor(c.height / 6);
      const d = c.getContext('2d').getImageData(0, top, c.width, c.height - top).data;
      for (let i = 0; i < d.length; i += 4) if (d[i] === 228 && d[i + 1] === 228 && d[i + 2] === 228) return true;
      return false;
    };
    const target = () => page.$eval(pictureOf(id), flying);
    assert.equal(await target(), false);
    await page.focus(pictureOf(id));
    await page.keyboard.press('Space');  // its own key lets the first target go
    await page.waitForFunction(`(${flying})(document.querySelector('${pictureOf(id)}'))`, { timeout: 10_000 });
    assert.deepEqual(problems, []);
    await page.close();
  });

  it('help asked from the New list opens beside it, below the toolbar, announced as a window; Esc closes it', async () => {
    const { page, problems } = await startPage(browser);
    await page.focus('#dulm-new-list');
    await page.keyboard.press('F1');
    await page.waitForSelector('.dulm-help:not([hidden])');
    const [help, list, area] = await page.evaluate(() => ['.dulm-help', '.dulm-new', '#dulm-mdi'].map((s) => {
      const r = document.querySelector(s).getBoundingClientRect();
      return { left: r.left, top: r.top, right: r.right, bottom: r.bottom };
    }));
    assert.ok(help.right <= list.left || list.right <= help.left, 'the help covers the New list');
    assert.ok(help.top >= area.top, 'the help covers the toolbar');
    assert.equal(await page.$eval('.dulm-help', (e) => e.getAttribute('aria-roledescription')), 'window');
    await page.keyboard.press('Escape');
    await page.waitForSelector('.dulm-help', { hidden: true });
    assert.ok(await page.$('#dulm-new-list'), 'Esc in the help closed the New list too');
    assert.deepEqual(problems, []);
    await page.close();
  });

  it('Tile puts five windows in a grid of equal cells, none over another', async () => {
    const { page, problems } = await startPage(browser);
    for (let i = 0; i < 5; ++i) await newDemo(page, REGRESSION);
    await page.evaluate((id) => window.dulmShell.command(id), WINDOW_TILE);
    const frames = await page.$$eval('.dulm-window', (all) => all.map((w) => {
      const r = w.getBoundingClientRect();
      return { left: r.left, top: r.top, right: r.right, bottom: r.bottom, width: r.width, height: r.height };
    }));
    assert.equal(frames.length, 5);
    for (const f of frames) {
      assert.ok(Math.abs(f.width - frames[0].width) <= 1 && Math.abs(f.height - frames[0].height) <= 1);
      for (const g of frames)
        if (g !== f) assert.ok(f.right <= g.left + 0.5 || g.right <= f.left + 0.5 || f.bottom <= g.top + 0.5 || g.bottom <= f.top + 0.5);
    }
    const rows = new Set(frames.map((f) => Math.round(f.top)));
    assert.ok(rows.size >= 2 && rows.size < 5, `${rows.size} rows`);
    assert.deepEqual(problems, []);
    await page.close();
  });
});
