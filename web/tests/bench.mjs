// The browser edition's figures (scripts/bench-web runs this with the site served): how soon the
// page asks its first question, a Central Limit run of 50000 samples of size 100 at no delay in
// the page against the desktop engine (dulm-render), the CPU a page of three resting windows
// uses, and what a visitor downloads. Figures to read, not tests: nothing here fails on a number.
import { execFileSync } from 'node:child_process';
import { existsSync, readdirSync, readFileSync, statSync } from 'node:fs';
import path from 'node:path';
import { gzipSync } from 'node:zlib';
import { launch, openPage, pictureOf, rest, siteDir } from './lib.mjs';

const runArgs = ['--dialog', '1002=50000,1001=100', '--events', 'key:0@1'];
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const ms = (value) => `${Math.round(value)} ms`;
const report = (what, value, target = '') => console.log(`${what.padEnd(64)} ${value}${target ? `   (target ${target})` : ''}`);

const browser = await launch();
try {
  // 1. Load to the start-up question: navigation start to the message box in the page.
  const loads = [];
  for (let i = 0; i < 5; ++i) {
    const page = await browser.newPage();
    await page.evaluateOnNewDocument(() => {
      new MutationObserver((_, observer) => {
        if (document.querySelector('.dulm-messagebox')) { window.dulmAsked = performance.now(); observer.disconnect(); }
      }).observe(document, { childList: true, subtree: true });
    });
    await page.goto(new URL('.', process.env.DULM_URL).href);
    await page.waitForFunction(() => window.dulmAsked !== undefined, { timeout: 60_000 });
    loads.push(await page.evaluate(() => window.dulmAsked));
    await page.close();
  }
  report('page load to the start-up question (median of 5)', `${ms(median(loads))} (first ${ms(loads[0])})`, '<= 1500 ms');

  // 2. Central Limit, 50000 samples of size 100, no delay. First on the live path, as a person
  // starts it: the New list, the dialog, the 0 key. A run pauses 2.5 s after its first sample,
  // which the key does not cut short; the run at no delay is timed by the status line, from its
  // first count past 1 (later counts come every 1000th sample) until the run's status goes,
  // and scaled to the whole run. The best of three windows.
  const { page } = await openPage(browser);
  await page.waitForSelector('.dulm-messagebox');
  await page.click('.dulm-messagebox [data-result="6"]');
  const live = [];
  let canvas = null;
  for (let i = 0; i < 3; ++i) {
    if (i > 0) await page.click('[data-command="57600"]');
    await page.waitForSelector('#dulm-new-list');
    await page.select('#dulm-new-list', '4');
    await page.click('.dulm-new [data-result="1"]');
    const dialog = await page.waitForSelector('.dulm-dialog[data-template="103"]');
    for (const [control, value] of [['1002', '50000'], ['1001', '100']]) {
      const input = await dialog.$(`[data-control="${control}"]`);
      await input.evaluate((e) => e.select());
      await input.type(value);
    }
    await page.evaluate(() => {
      const status = document.getElementById('dulm-status');
      window.dulmRun = {};
      new MutationObserver((_, observer) => {
        const count = /sample (\d+) of/.exec(status.textContent);
        if (count && Number(count[1]) > 1 && !window.dulmRun.from) window.dulmRun = { from: performance.now(), count: Number(count[1]) };
        if (!count && window.dulmRun.from) { window.dulmRun.to = performance.now(); observer.disconnect(); }
      }).observe(status, { childList: true, characterData: true, subtree: true });
    });
    await dialog.$eval('[data-control="1"]', (b) => b.click());
    await page.waitForSelector('.dulm-dialog', { hidden: true });
    const id = (await page.$$eval('.dulm-window', (all) => all.map((w) => w.dataset.window))).at(-1);
    await page.focus(pictureOf(id));
    await page.keyboard.press('Digit0');
    await page.waitForFunction(() => window.dulmRun.to !== undefined, { timeout: 60_000 });
    const { from, to, count } = await page.evaluate(() => window.dulmRun);
    live.push((to - from) * 50000 / (50000 - count));
    canvas ??= await page.$eval(pictureOf(id), (c) => `${c.width}x${c.height}`);
    await rest(page);
  }

  // The same run on the desktop engine: dulm_bench's CentralRun (a Scenario on the virtual clock,
  // 1000 x 700) from the desktop build, else dulm-render less a declined dialog.
  let desktopRun;
  let desktopHow;
  const benchTool = path.join(path.dirname(process.env.DULM_RENDER), '..', 'bench', 'dulm_bench');
  if (existsSync(benchTool)) {
    const out = path.join(process.env.DULM_TMP, 'dulm_bench.json');
    execFileSync(benchTool, ['--benchmark_filter=CentralRun/0/', `--benchmark_out=${out}`, '--benchmark_out_format=json'],
                 { stdio: 'ignore' });
    const json = JSON.parse(readFileSync(out, 'utf8'));
    const median = json.benchmarks.find((b) => b.aggregate_name === 'median');
    desktopRun = median.real_time * { ns: 1e-6, us: 1e-3, ms: 1, s: 1e3 }[median.time_unit];
    desktopHow = 'dulm_bench CentralRun/0, median';
  } else {
    const render = (args) => {
      const start = process.hrtime.bigint();
      execFileSync(process.env.DULM_RENDER, [...args, '--out', '-'], { maxBuffer: 1 << 30 });
      return Number(process.hrtime.bigint() - start) / 1e6;
    };
    const times = { run: [], declined: [] };
    for (let i = 0; i < 15; ++i) {
      times.run.push(render(['central', ...runArgs]));
      times.declined.push(render(['central', '--dialog', 'cancel']));
    }
    desktopRun = Math.min(...times.run) - Math.min(...times.declined);
    desktopHow = 'dulm-render less a declined dialog, fastest of 15';
  }

  // And by links in one page: each link's window from opening to rest, less a declined dialog's.
  const linkRun = await page.evaluate(async (args) => {
    const shell = window.dulmShell;
    if (typeof shell?.openLink !== 'function') return null;
    const soon = () => new Promise((r) => { const c = new MessageChannel(); c.port1.onmessage = r; c.port2.postMessage(0); });
    const time = async (options) => {
      const times = [];
      for (let i = 0; i < 9; ++i) {
        const start = performance.now();
        const child = shell.openLink(['central', '--out', '-', ...options], { width: 1000, height: 700 });
        while (!shell.allResting()) await soon();
        times.push(performance.now() - start);
        shell.closeWindow(child);
        while (shell.all.has(child.id)) await soon();
      }
      return times.sort((x, y) => x - y)[4];
    };
    return await time(args) - await time(['--dialog', 'cancel']);
  }, runArgs);
  const ratio = (value) => `${ms(value)} = ${(value / desktopRun).toFixed(2)}x the desktop`;
  report('Central Limit 50000 x 100: desktop engine', `${ms(desktopRun)} (${desktopHow})`);
  report(`  page, New list, dialog and the 0 key (real clock, ${canvas})`, ratio(Math.min(...live)), '<= 2x');
  report('  page, links (virtual clock, less a declined dialog, median)', linkRun === null ? 'n/a' : ratio(linkRun), '<= 2x');

  // 3. Idle: three windows resting (a finished run, Alpha, Correlation), measured over 5 s.
  const central = await page.$$eval('.dulm-window', (all) => all.map((w) => w.dataset.window));
  for (const id of central.slice(1)) await page.$eval(`.dulm-window[data-window="${id}"] .dulm-close`, (b) => b.click());
  for (const template of ['124', '3']) {
    await page.click('[data-command="57600"]');
    await page.waitForSelector('#dulm-new-list');
    await page.select('#dulm-new-list', template);
    await page.click('.dulm-new [data-result="1"]');
    await rest(page);
    const asked = await page.$('.dulm-dialog');  // Alpha asks, Correlation does not
    if (asked) await asked.$eval('[data-control="1"]', (b) => b.click());
    await page.waitForSelector('.dulm-dialog', { hidden: true });
  }
  await rest(page);
  const windows = await page.$$eval('.dulm-window', (all) => all.length);
  const session = await page.createCDPSession();
  await session.send('Performance.enable');
  const taskSeconds = async () => (await session.send('Performance.getMetrics')).metrics.find((m) => m.name === 'TaskDuration').value;
  // Every process of this browser: the page's own thread and its workers' CPU, as the system counts it.
  const tree = (root) => {
    const children = new Map();
    for (const entry of readdirSync('/proc').filter((e) => /^\d+$/.test(e))) {
      try {
        const fields = readFileSync(`/proc/${entry}/stat`, 'utf8').split(') ')[1].split(' ');
        children.set(entry, { parent: fields[1], ticks: Number(fields[11]) + Number(fields[12]) });
      } catch { /* gone meanwhile */ }
    }
    let total = 0;
    const walk = (pid) => {
      total += children.get(pid)?.ticks ?? 0;
      for (const [child, { parent }] of children) if (parent === pid) walk(child);
    };
    walk(String(root));
    return total / 100;  // clock ticks of 10 ms
  };
  const [task0, cpu0, t0] = [await taskSeconds(), tree(browser.process().pid), Date.now()];
  await new Promise((r) => setTimeout(r, 5000));
  const [task1, cpu1, t1] = [await taskSeconds(), tree(browser.process().pid), Date.now()];
  const seconds = (t1 - t0) / 1000;
  report(`idle, ${windows} windows resting: the page's thread busy`, `${((task1 - task0) / seconds * 100).toFixed(2)} %`, '~0');
  report('  the whole browser (every process and thread)', `${((cpu1 - cpu0) / seconds * 100).toFixed(2)} % of a core`);
  await page.close();
} finally {
  await browser.close();
}

// 4. What a visitor downloads, each file compressed with gzip.
const files = [];
const walk = (dir) => {
  for (const entry of readdirSync(dir)) {
    const file = path.join(dir, entry);
    if (statSync(file).isDirectory()) walk(file);
    else files.push(file);
  }
};
walk(siteDir);
let raw = 0;
let zipped = 0;
for (const file of files) {
  const bytes = readFileSync(file);
  raw += bytes.length;
  zipped += gzipSync(bytes, { level: 9 }).length;
}
const mb = (n) => `${(n / 1e6).toFixed(2)} MB`;
report(`download, ${files.length} files (wasm, scripts, data, page)`, `${mb(zipped)} gzipped, ${mb(raw)} as is`, '< 3 MB');
