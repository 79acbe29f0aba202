// The page as it opens: the start-up question and where each answer leads, and the explanation a
// page served without the isolation headers shows instead of the program.
import assert from 'node:assert/strict';
import { createReadStream, existsSync } from 'node:fs';
import { createServer } from 'node:http';
import path from 'node:path';
import { after, before, describe, it } from 'node:test';
import { launch, openPage, siteDir } from './lib.mjs';

// The thirteen demonstrations in the order of the New list, by template id.
const newList = ['111', '116', '110', '4', '121', '105', '106', '124', '126', '3', '128', '112', '120'];

const visible = (page, selector) =>
  page.$eval(selector, (e) => !e.hidden && e.getClientRects().length > 0 && getComputedStyle(e).visibility !== 'hidden');

describe('start-up', () => {
  let browser;
  before(async () => { browser = await launch(); });
  after(async () => { await browser?.close(); });

  it('asks whether the Introduction was read; No opens it in the help window', async () => {
    const { page, problems } = await openPage(browser);
    const box = await page.waitForSelector('.dulm-messagebox');
    assert.equal(await box.$eval('.dulm-message', (e) => e.textContent),
                 'Have you read the Introduction in the Index of the Help menu?');
    assert.deepEqual(await box.$$eval('[data-result]', (all) => all.map((b) => b.textContent)), ['Yes', 'No']);
    await page.click('.dulm-messagebox [data-result="7"]');
    await page.waitForSelector('.dulm-help');
    assert.ok(await visible(page, '.dulm-help'));
    const help = await page.$eval('.dulm-help', (e) => e.textContent);
    assert.match(help, /Introduction/);
    assert.match(help, /Dulm teaches the central ideas of introductory statistics/);
    assert.equal(await page.$('.dulm-messagebox'), null);
    assert.equal(await page.$('#dulm-new-list'), null);
    assert.deepEqual(problems, []);
    await page.close();
  });

  it('Yes offers the thirteen demonstrations in the New list, and Cancel opens none', async () => {
    const { page, problems } = await openPage(browser);
    await page.waitForSelector('.dulm-messagebox');
    await page.click('.dulm-messagebox [data-result="6"]');
    const list = await page.waitForSelector('#dulm-new-list');
    assert.deepEqual(await list.$$eval('option', (all) => all.map((o) => o.value)), newList);
    assert.equal(await list.evaluate((l) => l.value), newList[0]);
    await page.click('.dulm-new [data-result="2"]');
    await page.waitForSelector('#dulm-new-list', { hidden: true });
    assert.equal(await page.$('.dulm-window'), null);
    assert.equal(await page.$('.dulm-help:not([hidden])'), null);
    assert.deepEqual(problems, []);
    await page.close();
  });

  it('a page served without the isolation headers explains them instead of starting', async () => {
    // A plain static host: the right types, but neither of the two headers.
    const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.svg': 'image/svg+xml',
                    '.wasm': 'application/wasm' };
    const server = createServer((request, response) => {
      const file = path.join(siteDir, decodeURIComponent(new URL(request.url, 'http://x').pathname));
      const target = file.endsWith('/') ? path.join(file, 'index.html') : file;
      if (!target.startsWith(siteDir) || !existsSync(target)) { response.writeHead(404).end(); return; }
      response.writeHead(200, { 'Content-Type': types[path.extname(target)] ?? 'application/octet-stream' });
      createReadStream(target).pipe(response);
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    try {
      const { page, problems } = await openPage(browser, '', `http://127.0.0.1:${server.address().port}/`);
      await page.waitForSelector('#dulm-isolation', { visible: true });
      assert.match(await page.$eval('#dulm-isolation', (e) => e.textContent),
                   /Cross-Origin-Opener-Policy: same-origin\s+Cross-Origin-Embedder-Policy: require-corp/);
      assert.equal(await page.evaluate(() => window.crossOriginIsolated), false);
      assert.equal(await visible(page, '#dulm-app'), false);
      assert.equal(await page.$('.dulm-messagebox'), null);
      assert.deepEqual(problems, []);
      await page.close();
    } finally {
      server.close();
    }
  });
});
