// View > Projector Colours in the page: every window's picture repainted in the projector's
// palette, pixel for pixel as the render tool draws it with --palette projector, and back. Demo >
// Print...: the picture drawn again at three times its size, as the render tool draws it with
// --scale 3, printed alone. View > Zoom In: the picture drawn again larger, as --scale draws it.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';
import {
  canvasPicture, decodePng, launch, linkOf, openPage, pictureDifference, pictureOf, renderPicture, rest,
} from './lib.mjs';

describe('projector colours and print', () => {
  let browser;
  before(async () => { browser = await launch(); });
  after(async () => { await browser?.close(); });

  it('repaints the picture in the projector palette and back, as the render tool draws it', async () => {
    const args = ['power', '--size', '640x480', '--time', '42'];
    const { page, problems } = await openPage(browser, linkOf(args));
    await rest(page);
    const choose = async () => {
      await page.keyboard.down('Alt');
      await page.keyboard.press('KeyV');
      await page.keyboard.up('Alt');
      await page.keyboard.press('KeyP');
      await rest(page);
    };
    await choose();
    const projector = await canvasPicture(page, pictureOf());
    assert.equal(pictureDifference('projector', projector, renderPicture([...args, '--palette', 'projector'])), '');
    await choose();
    const classic = await canvasPicture(page, pictureOf());
    assert.equal(pictureDifference('classic', classic, renderPicture(args)), '');
    assert.deepEqual(problems, []);
    await page.close();
  });

  it('draws a maximized window\'s picture at the window\'s size, not resampled', async () => {
    const args = ['power', '--size', '640x480', '--time', '42'];
    const { page, problems } = await openPage(browser, linkOf(args));
    await rest(page);
    await page.click('.dulm-maximize');
    await page.waitForFunction(() => {
      const c = document.querySelector('canvas.dulm-picture');
      return c.width > 640 && !document.querySelector('.dulm-window').classList.contains('dulm-stretched');
    });
    await rest(page);
    const maximized = await canvasPicture(page, pictureOf());
    const colours = (p) => new Set(Array.from({ length: p.width * p.height }, (_, i) => p.rgba.readUInt32BE(4 * i)));
    const drawn = colours(maximized);
    for (const c of drawn) assert.ok(colours(renderPicture(args)).has(c), `colour ${c.toString(16)} is no colour of the picture`);
    if (process.env.DULM_SCREENSHOT) await page.screenshot({ path: process.env.DULM_SCREENSHOT });
    assert.deepEqual(problems, []);
    await page.close();
  });

  it('zooms the active window: the picture drawn again at 200 %, as the render tool draws it, and back', async () => {
    const args = ['power', '--size', '640x480', '--time', '42'];
    const { page, problems } = await openPage(browser, linkOf(args));
    await rest(page);
    const press = async (code, times = 1) => {
      await page.keyboard.down('Control');
      for (let i = 0; i < times; ++i) await page.keyboard.press(code);
      await page.keyboard.up('Control');
      await rest(page);
    };
    await press('Equal', 4);
    assert.equal(await page.$eval('#dulm-status', (s) => s.textContent), 'Zoom 200%');
    const zoomed = await canvasPicture(page, pictureOf());
    assert.equal(pictureDifference('zoom 200', zoomed, renderPicture([...args, '--scale', '2', '--view', '1280x960'])), '');
    // The client area keeps its size and scrolls about the larger picture.
    const client = await page.$eval('.dulm-client', (c) => [c.clientWidth < c.scrollWidth, c.getBoundingClientRect().width]);
    assert.deepEqual(client, [true, 640]);
    await press('Digit0');
    assert.equal(pictureDifference('zoom 100', await canvasPicture(page, pictureOf()), renderPicture(args)), '');
    assert.deepEqual(problems, []);
    await page.close();
  });

  it('prints the picture drawn again at three times its size', async () => {
    const args = ['power', '--size', '640x480', '--time', '42'];
    const { page, problems } = await openPage(browser, linkOf(args));
    await rest(page);
    await page.evaluate(() => { window.print = () => { window.dulmPrinted = true; }; });
    await page.keyboard.down('Control');
    await page.keyboard.press('KeyP');
    await page.keyboard.up('Control');
    await page.waitForFunction(() => window.dulmPrinted === true);
    const url = await page.$eval('#dulm-print img', (i) => i.src);
    const printed = decodePng(Buffer.from(url.slice(url.indexOf(',') + 1), 'base64'));
    assert.equal(pictureDifference('print', printed, renderPicture([...args, '--scale', '3'])), '');
    assert.deepEqual(problems, []);
    await page.close();
  });
});
