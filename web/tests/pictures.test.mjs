// A link with the render tool's options opens the demonstration in the render tool's state: its
// canvas must show dulm-render's picture for the same options, pixel for pixel. Every
// demonstration is covered, with cases from scripts/render-cases.txt; then keys and clicks given
// through the page to a link's window must act as the same events given to dulm-render.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import { after, before, describe, it } from 'node:test';
import {
  canvasPicture, launch, linkOf, openPage, pictureDifference, pictureOf, renderPicture, rest, samePicture,
} from './lib.mjs';

// The render cases: one dulm-render command line a line, words split as the shell would
// (only single quotes occur).
const caseFile = fileURLToPath(new URL('../../scripts/render-cases.txt', import.meta.url));
const renderCases = readFileSync(caseFile, 'utf8').split('\n').map((l) => l.trim())
  .filter((l) => l && !l.startsWith('#'));
const words = (line) => [...line.matchAll(/'([^']*)'|(\S+)/g)].map((m) => m[1] ?? m[2]);

const demos = ['central', 'completemeans', 'studentt', 'variance', 'zentral', 'alpha', 'power', 'correlation',
               'regression', 'binomial', 'spinner', 'anova', 'anova2'];
// Each demonstration at the default canvas (the file's first thirteen cases), then the smallest and
// a large canvas, views smaller and larger than the canvas, a declined dialog, runs stopped early,
// help, and scripted input.
const defaults = renderCases.slice(0, 13);
const others = [
  'central --size 101x101 --dialog 1002=1000,1001=3',
  'binomial --size 3000x2000 --time 7 --events key:num0@1',
  'alpha --view 120x100',
  'central --view 1600x1000 --dialog 1002=1000,1001=5',
  'spinner --dialog cancel',
  "central --events 'key:0@1;keyup:esc@3000'",
  "central --events 'help@4000'",
  "correlation --events 'command:32774@100;key:3@200'",
  "anova --answers yes,yes,yes --events 'key:space@100;key:space@2000;click:500,350@3000'",
  "spinner --events 'key:space@100;key:space@3000'",
];

describe('pictures of links', () => {
  let browser;
  before(async () => { browser = await launch(); });
  after(async () => { await browser?.close(); });

  it('the cases cover every demonstration and come from the render cases', () => {
    assert.deepEqual(defaults.map((l) => words(l)[0]).sort(), [...demos].sort());
    for (const line of others) assert.ok(renderCases.includes(line), `not in render-cases.txt: ${line}`);
  });

  for (const line of [...defaults, ...others]) {
    it(line, async () => {
      const args = words(line);
      const want = renderPicture(args);
      const { page, problems } = await openPage(browser, linkOf(args));
      await rest(page);
      assert.deepEqual(await page.$$eval('.dulm-window', (all) => all.length), 1);
      const got = await canvasPicture(page, pictureOf());
      assert.equal(pictureDifference(line, got, want), '');
      assert.deepEqual(problems, []);
      await page.close();
    });
  }
});

// The page's input to a link's window: the view takes it at once and runs until it rests again,
// as dulm-render does with the same input at the start.
describe('input through the page', () => {
  let browser;
  before(async () => { browser = await launch(); });
  after(async () => { await browser?.close(); });

  // Opens the link, gives the input, and compares with dulm-render given `events`.
  async function check(name, args, events, input) {
    const { page, problems } = await openPage(browser, linkOf(args));
    await rest(page);
    const before = await canvasPicture(page, pictureOf());
    await input(page);
    await rest(page);
    const got = await canvasPicture(page, pictureOf());
    assert.ok(!samePicture(got, before), 'the input changed nothing');
    assert.equal(pictureDifference(name, got, renderPicture([...args, '--events', events])), '');
    assert.deepEqual(problems, []);
    await page.close();
  }

  // A click at (x, y) of the canvas, which the page shows one canvas pixel to one screen pixel.
  async function click(page, x, y, button = 'left') {
    const box = await (await page.$(pictureOf())).boundingBox();
    await page.mouse.click(box.x + x + 0.5, box.y + y + 0.5, { button });
    await rest(page);
  }

  it('Space starts the data session of Anova and then its first trial', () =>
    check('anova-keys', ['anova', '--time', '42'], 'key:space@1;key:space@2', async (page) => {
      await page.focus(pictureOf());
      await page.keyboard.press('Space');
      await rest(page);
      await page.keyboard.press('Space');
    }));

  it('clicks place the ends of the line in Regression, to the pixel', () =>
    check('regression-clicks', ['regression', '--time', '42'], 'click:200,500@1;click:800,201@2', async (page) => {
      await click(page, 200, 500);
      await click(page, 800, 201);
    }));

  // The render tool's user takes the pairs dialog as it opens; on the page a person presses Enter.
  it('digits and a right click draw the Correlation pairs', () =>
    check('correlation-keys', ['correlation', '--time', '42'], 'key:1@1;key:2@2;rclick:500,300@3',
          async (page) => {
            await page.focus(pictureOf());
            await page.keyboard.press('Digit1');
            await rest(page);
            await page.keyboard.press('Digit2');
            await rest(page);
            await click(page, 500, 300, 'right');
            await page.waitForSelector('.dulm-dialog[data-template="102"]');
            await page.keyboard.press('Enter');
            await page.waitForSelector('.dulm-dialog', { hidden: true });
          }));
});
