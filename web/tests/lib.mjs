// What the browser tests share: Debian's Chromium driven headless through puppeteer-core, the page
// opened with every console error, page error and failed request recorded, and pictures read
// back from the page and from dulm-render as RGBA bytes.
//
// scripts/test-web sets the environment: DULM_URL (the served site), DULM_SITE (its folder),
// DULM_RENDER (the desktop build's dulm-render), DULM_CHROMIUM, DULM_TMP (a folder of this run)
// and DULM_KEEP (where the pictures of a failed comparison are kept).
import { execFileSync } from 'node:child_process';
import { appendFileSync, mkdirSync, mkdtempSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const need = (name) => {
  if (!process.env[name]) throw new Error(`${name} is not set: run the browser tests with scripts/test-web`);
  return process.env[name];
};
export const siteUrl = need('DULM_URL');
export const siteDir = process.env.DULM_SITE;
const work = process.env.DULM_TMP ?? mkdtempSync(path.join(tmpdir(), 'dulm-web-tests-'));
mkdirSync(work, { recursive: true });

// The longest a page may take to do one thing (load, rest, show a dialog) before a test fails.
export const patience = 30_000;

export async function launch() {
  const profile = mkdtempSync(path.join(work, 'profile-'));
  const browser = await puppeteer.launch({
    executablePath: need('DULM_CHROMIUM'),
    headless: true,
    userDataDir: profile,
    protocolTimeout: 120_000,
    defaultViewport: { width: 1280, height: 900, deviceScaleFactor: 1 },
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync', '--disable-dev-shm-usage', '--force-color-profile=srgb'],
  });
  // scripts/test-web ends every browser still listed here once the tests are over, however they end.
  appendFileSync(path.join(work, 'chromium.pids'), `${browser.process().pid}\n`);
  return browser;
}

// A page with everything that goes wrong on it recorded in `problems`.
export async function openPage(browser, query = '', base = siteUrl) {
  const page = await browser.newPage();
  page.setDefaultTimeout(patience);
  const problems = [];
  page.on('console', (m) => { if (m.type() === 'error') problems.push(`console error: ${m.text()}`); });
  page.on('pageerror', (e) => problems.push(`page error: ${e.message}`));
  page.on('requestfailed', (r) => problems.push(`request failed: ${r.url()} ${r.failure()?.errorText}`));
  page.on('response', (r) => { if (r.status() >= 400) problems.push(`HTTP ${r.status()}: ${r.url()}`); });
  await page.goto(new URL(query, base).href, { waitUntil: 'load' });
  return { page, problems };
}

// Resolves once every window's demonstration rests and the page has drawn what it last announced.
export async function rest(page) {
  await page.waitForFunction(() => typeof window.dulmRest === 'function');
  await page.evaluate(() => window.dulmRest());
  await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
  await page.evaluate(() => window.dulmRest());
}

// The selector of a window's picture; `id` is the window's data-window, or any window's.
export const pictureOf = (id) => `.dulm-window${id === undefined ? '' : `[data-window="${id}"]`} canvas.dulm-picture`;

// The window ids on the page, in the page's order.
export const windowIds = (page) => page.$$eval('.dulm-window', (all) => all.map((w) => w.dataset.window));

// A PNG as width, height and RGBA bytes (ImageMagick decodes it, independently of the page).
export function decodePng(png) {
  if (png.readUInt32BE(12) !== 0x49484452) throw new Error('not a PNG');
  const width = png.readUInt32BE(16);
  const height = png.readUInt32BE(20);
  const rgba = execFileSync('convert', ['png:-', '-depth', '8', 'rgba:-'], { input: png, maxBuffer: 1 << 30 });
  if (rgba.length !== width * height * 4) throw new Error(`decoded ${rgba.length} bytes of a ${width}x${height} PNG`);
  return { width, height, rgba, png };
}

// dulm-render's picture for the render tool's options.
export function renderPicture(args) {
  return decodePng(execFileSync(need('DULM_RENDER'), [...args, '--out', '-'], { maxBuffer: 1 << 30 }));
}

// What dulm-render prints for the options (--shown-text, --describe), with its picture thrown away.
export function renderPrinted(args) {
  return execFileSync(need('DULM_RENDER'), [...args, '--out', path.join(work, 'printed.png')], { encoding: 'utf8' });
}

// What a window's canvas shows, read back as a PNG.
export async function canvasPicture(page, selector) {
  const url = await page.$eval(selector, (c) => c.toDataURL('image/png'));
  return decodePng(Buffer.from(url.slice(url.indexOf(',') + 1), 'base64'));
}

export const samePicture = (a, b) => a.width === b.width && a.height === b.height && a.rgba.equals(b.rgba);

// '' when the two pictures are the same pixel for pixel, else what differs; the pictures of a
// difference are kept in the run's folder.
export function pictureDifference(name, got, want) {
  let why = '';
  if (got.width !== want.width || got.height !== want.height) {
    why = `${got.width}x${got.height} instead of ${want.width}x${want.height}`;
  } else {
    let count = 0;
    let first = -1;
    for (let i = 0; i < got.rgba.length; i += 4) {
      if (got.rgba.readUInt32BE(i) !== want.rgba.readUInt32BE(i)) {
        if (first < 0) first = i / 4;
        ++count;
      }
    }
    if (!count) return '';
    const hex = (p, i) => p.rgba.subarray(4 * i, 4 * i + 3).toString('hex');
    why = `${count} pixels differ, the first at (${first % got.width}, ${Math.floor(first / got.width)}): ` +
          `#${hex(got, first)} instead of #${hex(want, first)}`;
  }
  const keep = process.env.DULM_KEEP ?? path.join(work, 'differences');
  mkdirSync(keep, { recursive: true });
  const file = name.replace(/[^\w.=-]+/g, '_').slice(0, 120);
  writeFileSync(path.join(keep, `${file}-page.png`), got.png);
  writeFileSync(path.join(keep, `${file}-render.png`), want.png);
  return `${why} (both pictures in ${keep})`;
}

// The page's link for the render tool's options: ['central', '--time', '42'] is ?demo=central&time=42.
export function linkOf(args) {
  const query = new URLSearchParams({ demo: args[0] });
  for (let i = 1; i < args.length; i += 2) query.append(args[i].replace(/^--/, ''), args[i + 1]);
  return `?${query}`;
}

// The page after "Yes" to the start-up question, with the New list open.
export async function startPage(browser) {
  const opened = await openPage(browser);
  await opened.page.waitForSelector('.dulm-messagebox');
  await opened.page.click('.dulm-messagebox [data-result="6"]');
  await opened.page.waitForSelector('#dulm-new-list');
  return opened;
}

// A demonstration from the New list (opened from the toolbar when it is not showing); its window id.
export async function newDemo(page, template) {
  const FILE_NEW = 57600;
  if (!(await page.$('#dulm-new-list'))) await page.click(`[data-command="${FILE_NEW}"]`);
  await page.waitForSelector('#dulm-new-list');
  const before = await windowIds(page);
  await page.select('#dulm-new-list', template);
  await page.click('.dulm-new [data-result="1"]');
  await page.waitForFunction((n) => document.querySelectorAll('.dulm-window').length > n, {}, before.length);
  return (await windowIds(page)).find((id) => !before.includes(id));
}
