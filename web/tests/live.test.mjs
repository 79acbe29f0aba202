// Demonstrations started from the New list and run on the real clock, as a person uses the page:
// dialogs answered (and an entry refused), keys pressed, targets clicked, and windows closed
// whatever they are doing. The runs are seeded by the clock, so the pictures are compared with
// dulm-render's only where the seed cannot reach.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';
import {
  canvasPicture, launch, newDemo, patience, pictureDifference, pictureOf, renderPicture, rest, samePicture, startPage,
  windowIds,
} from './lib.mjs';

const CENTRAL = '4';
const ANOVA = '112';
const centralDialog = '.dulm-dialog[data-template="103"]';

async function typeInto(page, selector, text) {
  const input = await page.$(selector);
  await input.evaluate((e) => e.select());
  await input.type(text);
}

// Whether the page's demonstrations come to rest within `ms` (a run pausing between samples does not).
const restsWithin = (page, ms) => page.evaluate((wait) => Promise.race([
  window.dulmRest().then(() => true), new Promise((r) => setTimeout(() => r(false), wait))]), ms);

// The window's close box, clicked in the page even where a dialog's backdrop covers it: the test is
// of the window going, whatever its view is doing.
async function closeWindow(page, id) {
  await page.$eval(`.dulm-window[data-window="${id}"] .dulm-close`, (b) => b.click());
  await page.waitForSelector(`.dulm-window[data-window="${id}"]`, { hidden: true });
}

// The region of `picture` inside the rectangle, as a picture of its own.
function crop(picture, [left, top, right, bottom]) {
  const width = right - left;
  const rgba = Buffer.alloc(width * (bottom - top) * 4);
  for (let y = top; y < bottom; ++y)
    picture.rgba.copy(rgba, (y - top) * width * 4, (y * picture.width + left) * 4, (y * picture.width + right) * 4);
  return { width, height: bottom - top, rgba, png: picture.png };
}

describe('demonstrations on the real clock', () => {
  let browser;
  before(async () => { browser = await launch(); });
  after(async () => { await browser?.close(); });

  it('Central Limit: a refused entry keeps the dialog open, and the answers and a key make the run', async () => {
    const { page, problems } = await startPage(browser);
    const id = await newDemo(page, CENTRAL);
    await page.waitForSelector(centralDialog);
    await typeInto(page, `${centralDialog} [data-control="1002"]`, '999');
    await page.click(`${centralDialog} [data-control="1"]`);
    const prompt = await page.waitForSelector('.dulm-messagebox');
    assert.equal(await prompt.$eval('.dulm-message', (e) => e.textContent), 'Please enter an integer between 1000 and 50000.');
    await page.click('.dulm-messagebox [data-result="1"]');
    await page.waitForSelector('.dulm-messagebox', { hidden: true });
    assert.ok(await page.$(centralDialog), 'the dialog closed on a refused entry');

    await typeInto(page, `${centralDialog} [data-control="1002"]`, '1000');
    await typeInto(page, `${centralDialog} [data-control="1001"]`, '5');
    await page.click(`${centralDialog} [data-control="1005"]`);  // Triangular
    await page.click(`${centralDialog} [data-control="1"]`);
    await page.waitForSelector(centralDialog, { hidden: true });
    await page.focus(pictureOf(id));
    await page.keyboard.press('Digit0');  // no delay between samples
    await rest(page);

    // The texts of the answers (top left) and the population (top right) lie where no bar of the
    // histogram reaches; the bars themselves follow the clock's seed.
    const got = await canvasPicture(page, pictureOf(id));
    const { width: w, height: h } = got;
    const want = renderPicture(['central', '--size', `${w}x${h}`, '--dialog', '1002=1000,1001=5,1003=2']);
    for (const rect of [[0, 0, Math.floor(w / 5), Math.floor(h / 5)], [Math.ceil(w * 0.78), 0, w, Math.floor(h * 0.45)]])
      assert.equal(pictureDifference(`central-live-${rect}`, crop(got, rect), crop(want, rect)), '', `in ${rect}`);
    assert.deepEqual(problems, []);
    await page.close();
  });

  it('Anova: a click on the flying target scores, a click beside it scores nothing', async () => {
    const { page, problems } = await startPage(browser);
    const id = await newDemo(page, ANOVA);
    await page.waitForSelector('.dulm-messagebox');
    await page.click('.dulm-messagebox [data-result="7"]');  // no practice session
    await rest(page);
    await page.focus(pictureOf(id));
    await page.keyboard.press('Space');  // "Hit any key when ready for DATA SESSION."

    // The target: the light grey rectangles (its outer one whole on the canvas), with the time it was seen.
    const find = () => page.$eval(pictureOf(id), (c) => {
      const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
      let [left, top, right, bottom] = [c.width, c.height, -1, -1];
      for (let i = 0; i < d.length; i += 4) {
        if (d[i] !== 228 || d[i + 1] !== 228 || d[i + 2] !== 228) continue;
        const x = (i / 4) % c.width;
        const y = Math.floor(i / 4 / c.width);
        left = Math.min(left, x); right = Math.max(right, x); top = Math.min(top, y); bottom = Math.max(bottom, y);
      }
      return right > left && left > 0 && bottom - top > 20 ? { x: (left + right) / 2, y: (top + bottom) / 2, t: Date.now() } : null;
    });
    const box = await (await page.$(pictureOf(id))).boundingBox();
    const trial = async (aim) => {
      await rest(page);
      await page.keyboard.press('Space');  // "Hit any key when ready."
      let first = null;
      let second = null;
      const deadline = Date.now() + patience;
      while (!second) {
        assert.ok(Date.now() < deadline, 'no target flew');
        const seen = await find();
        if (seen && first && seen.x > first.x) second = seen;
        else if (seen && !first) first = seen;
      }
      // Where the target will be when the click arrives: it moves on at the speed it was seen going.
      const speed = (second.x - first.x) / (second.t - first.t);
      const dy = (second.y - first.y) / (second.t - first.t);
      const lead = Date.now() - second.t + 20;
      const [x, y] = aim(second.x + speed * lead, second.y + dy * lead);
      await page.mouse.click(box.x + x, box.y + y);
      await rest(page);
      return canvasPicture(page, pictureOf(id));
    };

    // The trial's end: the points on black, as dulm-render draws them after a click that misses.
    const hit = await trial((x, y) => [x, y]);
    const miss = renderPicture(['anova', '--size', `${hit.width}x${hit.height}`, '--answers', 'no',
                                '--events', 'key:space@1;key:space@600;click:1,1@1200']);
    assert.ok(!samePicture(hit, miss), 'the click on the target scored nothing');
    const below = [0, 40, hit.width, hit.height];  // all but the line of the points
    assert.equal(pictureDifference('anova-hit-below', crop(hit, below), crop(miss, below)), '');
    await page.keyboard.press('Space');  // past the points
    const beside = await trial(() => [hit.width - 2, hit.height - 2]);
    assert.equal(pictureDifference('anova-miss', beside, miss), '');
    await closeWindow(page, id);  // mid-session, with the mouse taken
    assert.deepEqual(problems, []);
    await page.close();
  });

  it('windows close while running, paused, busy, and with a dialog or message box open', async () => {
    const { page, problems } = await startPage(browser);

    const running = await newDemo(page, CENTRAL);
    await page.waitForSelector(centralDialog);
    await typeInto(page, `${centralDialog} [data-control="1002"]`, '50000');
    await typeInto(page, `${centralDialog} [data-control="1001"]`, '100');
    await page.click(`${centralDialog} [data-control="1"]`);
    await page.waitForSelector(centralDialog, { hidden: true });
    assert.equal(await restsWithin(page, 500), false, 'a run pausing 2.5 s between samples rested');
    await closeWindow(page, running);

    const paused = await newDemo(page, CENTRAL);
    await page.waitForSelector(centralDialog);
    await page.click(`${centralDialog} [data-control="1"]`);
    await page.waitForSelector(centralDialog, { hidden: true });
    await page.focus(pictureOf(paused));
    await page.keyboard.press('Pause');  // single steps: the run waits for a key
    await rest(page);
    await closeWindow(page, paused);

    const busy = await newDemo(page, CENTRAL);
    await page.waitForSelector(centralDialog);
    await typeInto(page, `${centralDialog} [data-control="1002"]`, '50000');
    await page.click(`${centralDialog} [data-control="1"]`);
    await page.waitForSelector(centralDialog, { hidden: true });
    await page.focus(pictureOf(busy));
    await page.keyboard.press('Digit0');  // as fast as it goes
    await closeWindow(page, busy);

    const asking = await newDemo(page, CENTRAL);
    await page.waitForSelector(centralDialog);
    await closeWindow(page, asking);
    await page.waitForSelector(centralDialog, { hidden: true });

    const boxed = await newDemo(page, ANOVA);
    await page.waitForSelector('.dulm-messagebox');
    await closeWindow(page, boxed);
    await page.waitForSelector('.dulm-messagebox', { hidden: true });

    assert.deepEqual(await windowIds(page), []);
    await rest(page);
    // The page goes on working: a new window opens and asks for its parameters.
    await newDemo(page, CENTRAL);
    await page.waitForSelector(centralDialog);
    assert.deepEqual(problems, []);
    await page.close();
  });
});
