// The page for a screen reader and the keyboard: every control of every dialog, message box, the
// New list and About has a name, radio buttons sit in a named group, each picture is read out as
// its texts and description, and Regression's ends can be placed without a mouse.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';
import {
  canvasPicture, launch, linkOf, newDemo, openPage, pictureDifference, pictureOf, renderPicture, renderPrinted, rest,
  startPage,
} from './lib.mjs';

const newList = ['111', '116', '110', '4', '121', '105', '106', '124', '126', '3', '128', '112', '120'];
const APP_ABOUT = 57664;
const FILE_CLOSE = 57602;
const CENTRAL = '4';
const FOCUSABLE = new Set(['textbox', 'radio', 'button', 'checkbox', 'combobox', 'listbox', 'spinbutton', 'option']);

// The focusable nodes under the element without a name, and the radio buttons outside a named
// group; each edit's name and description go to `fields`.
async function nameless(page, selector, fields = []) {
  const root = await page.$(selector);
  const tree = await page.accessibility.snapshot({ root, interestingOnly: false });
  const faults = [];
  const walk = (node, group) => {
    if (FOCUSABLE.has(node.role) && !node.name?.trim()) faults.push(`${node.role} without a name`);
    if (node.role === 'textbox') fields.push([node.name, node.description ?? '']);
    if (node.role === 'radio' && !group?.name?.trim()) faults.push(`radio "${node.name}" outside a named group`);
    for (const child of node.children ?? []) walk(child, node.role === 'radiogroup' ? node : group);
  };
  if (tree) walk(tree, null);
  return faults;
}

describe('screen readers', () => {
  let browser;
  before(async () => { browser = await launch(); });
  after(async () => { await browser?.close(); });

  it('names every control of the New list, About and every demonstration\'s dialogs and message boxes', async () => {
    const { page, problems } = await startPage(browser);
    const faults = [];
    faults.push(...(await nameless(page, '.dulm-new')).map((f) => `New list: ${f}`));
    for (const template of newList) {
      await newDemo(page, template);
      // A demonstration that opens with a dialog or a question: its controls must all be named.
      const box = await Promise.race([page.waitForSelector('.dulm-dialog, .dulm-messagebox'), rest(page)]);
      if (box) {
        const fields = [];
        faults.push(...(await nameless(page, '.dulm-dialog, .dulm-messagebox', fields)).map((f) => `${template}: ${f}`));
        // Central Limit's fields are named by the texts at their left, their ranges under them.
        if (template === CENTRAL) assert.deepEqual(fields, [['Number of Samples', '1000 - 50000'], ['Sample Size', '1 - 100']]);
        // Cancel, or the question's last answer (No), until the window asks nothing more.
        for (let open = box; open; open = await Promise.race([page.waitForSelector('.dulm-dialog, .dulm-messagebox'), rest(page)])) {
          const cancel = (await open.$('[data-control="2"]')) ?? (await open.$$('[data-result]')).at(-1);
          await cancel.click();
          await page.waitForFunction((b) => !b.isConnected || b.hidden || b.closest('[hidden]'), {}, open);
        }
      }
      // Closed again: an experiment holds the mouse while it runs.
      await page.evaluate((id) => window.dulmShell.command(id), FILE_CLOSE);
    }
    await page.evaluate((id) => window.dulmShell.command(id), APP_ABOUT);
    await page.waitForSelector('.dulm-dialog');
    faults.push(...(await nameless(page, '.dulm-dialog')).map((f) => `About: ${f}`));
    assert.deepEqual(faults, []);
    assert.deepEqual(problems, []);
    await page.close();
  });

  it('reads the picture out: its texts and description as the render tool gives them, after the last change', async () => {
    for (const demo of ['power', 'regression']) {
      const args = [demo, '--size', '640x480', '--time', '42'];
      const { page, problems } = await openPage(browser, linkOf(args));
      await rest(page);
      const printed = renderPrinted([...args, '--shown-text', '--describe']).split('\n').filter((l) => l);
      const description = printed.pop().replace(/^Description: /, '');
      // x y #rrggbb text
      const texts = printed.map((line) => line.split(' ').slice(3).join(' ').trim()).filter((t) => t);
      const spoken = () => page.$eval('.dulm-offscreen', (s) => ({
        description: s.querySelector('p').textContent,
        texts: [...s.querySelectorAll('li')].map((li) => li.textContent),
      }));
      await page.waitForFunction((n) => document.querySelectorAll('.dulm-offscreen li').length === n, {}, texts.length);
      assert.deepEqual(await spoken(), { description, texts });
      assert.deepEqual(problems, []);
      await page.close();
    }
  });

  it("places Regression's two ends with the arrow keys and Enter, as the render tool does", async () => {
    const args = ['regression', '--size', '640x480', '--time', '42'];
    const { page, problems } = await openPage(browser, linkOf(args));
    await rest(page);
    await page.focus(pictureOf());
    const keys = ['ArrowRight', 'ArrowRight', 'Enter', 'ArrowLeft', 'ArrowUp', 'Enter'];
    for (const key of keys) await page.keyboard.press(key);
    await rest(page);
    const names = { ArrowRight: 'right', ArrowLeft: 'left', ArrowUp: 'up', Enter: 'enter' };
    const events = keys.map((key, i) => `key:${names[key]}@${i + 1}`).join(';');
    const want = renderPicture([...args, '--events', events]);
    assert.equal(pictureDifference('regression keys', await canvasPicture(page, pictureOf()), want), '');
    assert.deepEqual(problems, []);
    await page.close();
  });
});
