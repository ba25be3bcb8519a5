// Times the page in Debian's Chromium, headless, from file://: from opening the page to the
// first result shown, and one analysis of 200 values through window.tarnek. Prints medians.
//   node web/tools/bench.mjs [RUNS]
import { createRequire } from 'node:module';
import { dirname, join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const require = createRequire(import.meta.url);
// This script lives in web/tools/; the page and its packages are in web/.
const here = join(dirname(fileURLToPath(import.meta.url)), '..');
const { chromium } = require(join(here, 'node_modules', 'playwright-core'));
const pageUrl = pathToFileURL(join(here, '..', 'build-web', 'tarnek.html')).href;
const runs = Number(process.argv[2] || 15);

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = sorted.length >> 1;
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', '--no-first-run'],
});  // Playwright gives it a fresh profile of its own.

const starts = [];
const frames = [];
const scripts = [];
const engines = [];
for (let i = 0; i < runs; ++i) {
  // A fresh context each time: nothing of an earlier opening is reused.
  const context = await browser.newContext({ viewport: { width: 1366, height: 768 }, locale: 'ru-RU' });
  const page = await context.newPage();
  await page.goto(pageUrl);
  await page.waitForFunction(() => window.tarnekStartup && window.tarnekStartup.firstFrame);
  const startup = await page.evaluate(() => window.tarnekStartup);
  starts.push(startup.firstResult);
  scripts.push(startup.scriptStart);
  engines.push(startup.engineReady);
  frames.push(startup.firstFrame);
  await context.close();
}

const context = await browser.newContext({ locale: 'ru-RU' });
const page = await context.newPage();
await page.goto(pageUrl);
await page.waitForSelector('html[data-ready="true"]');
const calls = await page.evaluate(async () => {
  // 200 values of a normal sample, the same every time (a small linear congruential generator).
  let seed = 12345;
  const uniform = () => ((seed = (seed * 1103515245 + 12345) % 2147483648) + 0.5) / 2147483648;
  const values = [];
  for (let i = 0; i < 200; ++i) {
    const z = Math.sqrt(-2 * Math.log(uniform())) * Math.cos(2 * Math.PI * uniform());
    values.push((50 + 5 * z).toFixed(2));
  }
  const sample = `2\n${values.join(' ')}\n`;
  const batch = 20;
  for (let i = 0; i < batch; ++i) window.tarnek.analyseJson(sample);
  const perCall = [];
  for (let b = 0; b < 40; ++b) {
    const start = performance.now();
    for (let i = 0; i < batch; ++i) window.tarnek.analyseJson(sample);
    perCall.push((performance.now() - start) / batch);
  }
  const promised = [];
  for (let b = 0; b < 10; ++b) {
    const start = performance.now();
    for (let i = 0; i < batch; ++i) await window.tarnek.analyse(sample);
    promised.push((performance.now() - start) / batch);
  }
  return { perCall, promised, outcome: JSON.parse(window.tarnek.analyseJson(sample)).result.outcome };
});
await browser.close();

console.log(`page opened to first result in the page, median of ${runs}: ` +
  `${median(starts).toFixed(0)} ms (first frame showing it: ${median(frames).toFixed(0)} ms; ` +
  `the page's script began at ${median(scripts).toFixed(0)} ms, the engine was ready at ` +
  `${median(engines).toFixed(0)} ms)`);
console.log(`one window.tarnek.analyseJson on 200 values (${calls.outcome}), median: ` +
  `${median(calls.perCall).toFixed(3)} ms; analyse() with its Promise and JSON.parse: ` +
  `${median(calls.promised).toFixed(3)} ms`);
