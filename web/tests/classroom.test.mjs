// The classroom commands in the page: a window's data is dulm-render's CSV, its link and Run Again
// with the same seed give the same picture, and Copy Picture puts the picture and its texts on the
// clipboard where the browser allows it.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { after, before, describe, it } from 'node:test';
import {
  canvasPicture, launch, linkOf, openPage, pictureDifference, pictureOf, renderPicture, rest, siteUrl, windowIds,
} from './lib.mjs';

const args = ['central', '--time', '42', '--dialog', '1002=1000,1001=5', '--events', 'key:0@1'];
const RUN_AGAIN_SAME_SEED = 0x8103;
const EDIT_COPY = 57634;

describe('classroom commands', () => {
  let browser;
  before(async () => { browser = await launch(); });
  after(async () => { await browser?.close(); });

  it('data, link and Run Again of a window', async () => {
    const { page, problems } = await openPage(browser, linkOf(args));
    await rest(page);
    const [id] = await windowIds(page);
    const csv = await page.evaluate((w) => window.dulmShell.engine.csv(Number(w)), id);
    const want = execFileSync(process.env.DULM_RENDER, [...args, '--csv', '-']).toString();
    assert.equal(csv, want);
    assert.deepEqual(await page.evaluate((w) => window.dulmShell.engine.link(Number(w)), id),
                     { demo: 'central', size: '1000x700', time: 42, dialog: ['1001=5,1002=1000,1003=0'] });
    // The same seed and answers, without the keys: the run paced as a person would see it.
    await page.evaluate((c) => window.dulmShell.command(c), RUN_AGAIN_SAME_SEED);
    await rest(page);
    const ids = await windowIds(page);
    assert.equal(ids.length, 1);
    assert.notEqual(ids[0], id);
    const again = renderPicture(['central', '--time', '42', '--dialog', '1001=5,1002=1000,1003=0']);
    assert.equal(pictureDifference('run again', await canvasPicture(page, pictureOf(ids[0])), again), '');
    assert.deepEqual(problems, []);
    await page.close();
  });

  it('Copy Picture puts the picture and its texts on the clipboard', async () => {
    await browser.defaultBrowserContext().overridePermissions(new URL(siteUrl).origin,
                                                               ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
    const { page, problems } = await openPage(browser, linkOf(['regression', '--time', '7']));
    await rest(page);
    await page.bringToFront();
    await page.evaluate((c) => window.dulmShell.command(c), EDIT_COPY);
    const copied = await page.waitForFunction(async () => {
      const told = document.querySelector('.dulm-modal')?.textContent;
      if (told) return { told };
      const items = await navigator.clipboard.read().catch((e) => [{ types: [], error: String(e) }]);
      if (!items.length || !items[0].types.includes('image/png')) return null;
      const text = await (await items[0].getType('text/plain')).text();
      return { types: [...items[0].types].sort(), text };
    }, { polling: 100 }).then((h) => h.jsonValue());
    assert.equal(copied.told, undefined);
    assert.deepEqual(copied.types, ['image/png', 'text/plain']);
    assert.ok(copied.text.startsWith('SCATTERPLOT DISTRIBUTION\n5\n'), copied.text);
    assert.deepEqual(problems, []);
    await page.close();
  });
});
