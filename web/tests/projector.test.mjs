// View > Projector Colours in the page: every window's picture repainted in the projector's
// palette, pixel for pixel as the render tool draws it with --palette projector, and back. Demo >
// Print...: the picture drawn again at three times its size, as the render tool draws it with
// --scale 3, printed alone.
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
