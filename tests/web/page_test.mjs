// The page in Debian's Chromium, headless and offline, opened from file://: the shipped
// example with tarnek-cli's table and log, Apply in both modes, a dropped and a chosen file, the
// data box, the separator, every export (the .docx read back by python-docx), the keyboard,
// axe-core, and screenshots at 1366 x 768 and 390 x 844 into build-web/screenshots/.
//   node tests/web/page_test.mjs path/to/tarnek-cli
import { spawnSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import assert from 'node:assert/strict';

const require = createRequire(import.meta.url);
const root = join(dirname(fileURLToPath(import.meta.url)), '..', '..');
const { chromium } = require(join(root, 'web', 'node_modules', 'playwright-core'));
const axePath = join(root, 'web', 'node_modules', 'axe-core', 'axe.min.js');
const fflate = require(join(root, 'web', 'node_modules', 'fflate'));
const cli = process.argv[2] && resolve(process.argv[2]);
if (!cli) {
  console.error('usage: node page_test.mjs TARNEK_CLI');
  process.exit(2);
}
const pageUrl = pathToFileURL(join(root, 'build-web', 'tarnek.html')).href;
const shots = join(root, 'build-web', 'screenshots');
mkdirSync(shots, { recursive: true });
const scratch = mkdtempSync(join(tmpdir(), 'tarnek-page-'));
const table = join(root, 'data', 'exttable.txt');

function runCli(args, cwd, separator) {
  const locale = separator === ',' ? 'ru_RU.UTF-8' : 'C';
  const result = spawnSync(cli, args, { cwd, env: { PATH: process.env.PATH, LC_ALL: locale } });
  if (result.error) throw result.error;
  return result.stdout.toString();
}
const cliJson = (file, separator, flags = []) =>
  JSON.parse(runCli(['--json', '--table', table, ...flags, '--', file], join(root, 'data'), separator));

let failures = 0;
async function step(name, body) {
  try {
    await body();
    console.log(`ok   ${name}`);
  } catch (error) {
    ++failures;
    console.error(`FAIL ${name}\n${error.stack || error}`);
  }
}

const context = await chromium.launchPersistentContext(join(scratch, 'profile'), {
  executablePath: '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', '--no-first-run'],
  viewport: { width: 1366, height: 768 },
  locale: 'ru-RU',
  acceptDownloads: true,
  offline: true,
});
const requests = [];
await context.route('**/*', (route) => {
  const url = route.request().url();
  if (url.startsWith('file:') || url.startsWith('data:') || url.startsWith('blob:')) {
    route.continue();
  } else {
    requests.push(url);
    route.abort();
  }
});
const page = context.pages()[0] || await context.newPage();
const errors = [];
page.on('pageerror', (error) => errors.push(error.message));
page.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });

const gridTexts = () => page.$$eval('#StringGrid tr', (rows) =>
  rows.map((row) => Array.from(row.children).map((cell) => cell.textContent)));
const logLines = () => page.$$eval('#Log p', (lines) => lines.map((line) => line.textContent));
async function expectRun(expected) {
  assert.deepEqual(await logLines(), expected.log);
  assert.deepEqual(await gridTexts(), expected.grid);
}

await page.goto(pageUrl);
await page.waitForSelector('html[data-ready="true"]', { timeout: 30000 });

await step('the shipped example shows tarnek-cli\'s table and log, with the comma of Russian',
  async () => {
    assert.equal(await page.inputValue('#Separator'), ',');
    await expectRun(cliJson('Input.txt', ','));
    assert.equal(await page.inputValue('#LIopt'), '1,00');
    // 495.9 with the field's 3 digits.
    assert.equal(await page.inputValue('#XminOpt'), '496,00');
    assert.match(await page.textContent('#ResultLine'), /принята/);
    assert.equal(await page.locator('#Chart svg path[stroke="rgb(64,0,64)"]').count(), 1);
  });

await step('window.tarnek.analyse gives tarnek-cli\'s object; analyseJson its bytes', async () => {
  const text = readFileSync(join(root, 'fuzz', 'corpus', 'process_file', 'rejected_1'), 'utf8');
  const [object, json] = await page.evaluate(async (sample) => [
    await window.tarnek.analyse(sample, { fileName: 'rejected_1', h: 0.5 }),
    window.tarnek.analyseJson(sample, { fileName: 'rejected_1', decimalSeparator: '.' })], text);
  const folder = join(root, 'fuzz', 'corpus', 'process_file');
  assert.deepEqual(object, JSON.parse(runCli(['--json', '--table', table, '--h', '0.5',
    'rejected_1'], folder, ',')));
  assert.equal(json, runCli(['--json', '--table', table, 'rejected_1'], folder, '.'));
});

await step('numbers-mode Apply reruns on the sample in memory; a bad field says why', async () => {
  await page.click('#Option');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'LIopt');
  await page.fill('#LIopt', '0,5');
  await page.fill('#XminOpt', '496');
  await page.fill('#XmaxOpt', '504,5');
  await page.click('#OkBut');
  await expectRun(cliJson('Input.txt', ',', ['--h', '0.5', '--xmin', '496', '--xmax', '504.5']));
  const before = await logLines();
  await page.fill('#LIopt', 'abc');
  await page.click('#OkBut');
  assert.equal(await page.textContent('#OptError'),
    'Размер интервала: «abc» не является правильным числом');
  assert.deepEqual(await logLines(), before);
  await page.fill('#LIopt', '0,5');
  // The settings, listed with the page's separator, rerun as tarnek-cli's flags do.
  assert.deepEqual(await page.locator('#AlphaOpt option').allTextContents(),
    ['0,05', '0,025', '0,01']);
  await page.selectOption('#AlphaOpt', { index: 2 });
  await page.selectOption('#GammaOpt', { index: 1 });
  await page.selectOption('#CoefficientsOpt', { index: 1 });
  await page.click('#OkBut');
  await expectRun(cliJson('Input.txt', ',', ['--h', '0.5', '--xmin', '496', '--xmax', '504.5',
    '--alpha', '0.01', '--gamma', '0.99', '--coefficients', 'sample']));
  assert.match(await page.textContent('#ResultLine'), /α = 0[.,]01/);
  await page.selectOption('#AlphaOpt', { index: 0 });
  await page.selectOption('#GammaOpt', { index: 0 });
  await page.selectOption('#CoefficientsOpt', { index: 0 });
  await page.click('#OkBut');
  await page.click('#CanBut');
  assert.equal(await page.evaluate(() => document.getElementById('OptForm').open), false);
});

await step('file-mode Apply loads the named file: a missing one says so and keeps the numbers',
  async () => {
    await page.click('#Option');
    await page.fill('#NameF', 'нет такого.txt');
    await page.click('#OkBut');
    assert.deepEqual(await logLines(), ['Не смог открыть входной файл']);
    assert.equal(await page.inputValue('#LIopt'), '0,50');
    await page.fill('#NameF', 'Input.txt');
    await page.click('#OkBut');
    await expectRun(cliJson('Input.txt', ','));
    assert.equal(await page.inputValue('#XmaxOpt'), '504,00');
    await page.click('#CanBut');
  });

await step('a dropped file is opened as in the window', async () => {
  const name = 'small_values.txt';
  const folder = join(root, 'tests', 'report', 'samples');
  const bytes = Array.from(readFileSync(join(folder, name)));
  const transfer = await page.evaluateHandle(([fileName, content]) => {
    const data = new DataTransfer();
    data.items.add(new File([new Uint8Array(content)], fileName, { type: 'text/plain' }));
    return data;
  }, [name, bytes]);
  await page.dispatchEvent('main', 'dragenter', { dataTransfer: transfer });
  assert.equal(await page.isVisible('#DropHint'), true);
  await page.dispatchEvent('main', 'drop', { dataTransfer: transfer });
  await page.waitForFunction((n) => document.getElementById('NameF').value === n, name);
  await expectRun(JSON.parse(runCli(['--json', '--table', table, name], folder, ',')));
  assert.equal(await page.isVisible('#DropHint'), false);
});

await step('a file from the picker, then pasted data in the data box', async () => {
  const path = join(root, 'tests', 'report', 'samples', 'twenty_intervals.txt');
  await page.setInputFiles('#FileInput', path);
  await page.waitForFunction(() => document.getElementById('NameF').value === 'twenty_intervals.txt');
  await expectRun(JSON.parse(runCli(['--json', '--table', table, 'twenty_intervals.txt'],
    dirname(path), ',')));
  await page.click('#DataButton');
  // Text without numbers opens nothing and says why; the dialog stays.
  await page.fill('#DataText', 'Масса\nнет данных');
  await page.click('#DataApply');
  assert.match(await page.textContent('#DataReport'), /Пропущена строка 1/);
  assert.equal(await page.evaluate(() => document.getElementById('DataForm').open), true);
  await page.fill('#DataText', readFileSync(join(root, 'data', 'Input.txt'), 'utf8'));
  await page.click('#DataApply');
  assert.match(await page.textContent('#DataReport'), /^Значений 100, от 495\.9 до 504/);
  const log = await logLines();
  assert.equal(log[0], 'Загружено 100 элементов');
  assert.equal(log[1], 'Обрабатываю файл - Данные.txt');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'DataButton');
});

await step('the separator can be changed: the point of tarnek-cli in the C locale', async () => {
  await page.selectOption('#Separator', '.');
  // The sample in memory is shown again, without loading it: no line for the load.
  const expected = cliJson('Input.txt', '.');
  assert.deepEqual(await logLines(), ['Обрабатываю файл - Данные.txt', ...expected.log.slice(2)]);
  assert.deepEqual(await gridTexts(), expected.grid);
  assert.equal(await page.inputValue('#XminOpt'), '496.00');
  await page.selectOption('#Separator', ',');
});

async function download(button) {
  const [file] = await Promise.all([page.waitForEvent('download'), page.click(button)]);
  const path = join(scratch, file.suggestedFilename());
  await file.saveAs(path);
  return { name: file.suggestedFilename(), bytes: readFileSync(path), path };
}

await step('the .docx holds the picture, the grid as a NumRows x 11 table and the log', async () => {
  const grid = await gridTexts();
  const log = await logLines();
  const docx = await download('#Word1');
  assert.match(docx.name, /^Отчёт \d{4}-\d\d-\d\d \d\d-\d\d-\d\d\.docx$/);
  const read = spawnSync('/usr/bin/python3', [join(root, 'tests', 'report', 'read_docx.py'),
    docx.path]);
  assert.equal(read.status, 0, read.stderr.toString());
  const body = JSON.parse(read.stdout.toString());
  assert.equal(body.inlineShapes.length, 1);
  assert.equal(body.body[0].pictures, 1);
  const tables = body.body.filter((block) => block.kind === 'table');
  assert.equal(tables.length, 1);
  assert.equal(tables[0].columns, 11);
  assert.deepEqual(tables[0].cells, grid);
  const paragraphs = body.body.filter((block) => block.kind === 'paragraph').map((p) => p.text);
  assert.deepEqual(paragraphs.filter((text) => text !== ''), log);
  const png = fflate.unzipSync(new Uint8Array(docx.bytes))['word/media/image1.png'];
  const header = new DataView(png.buffer, png.byteOffset);
  assert.deepEqual([header.getUint32(16), header.getUint32(20)], [1570, 530]);
});

await step('PNG, SVG and CSV downloads; the table copied as tab-separated text', async () => {
  const png = await download('#SavePng');
  assert.equal(png.bytes.subarray(1, 4).toString(), 'PNG');
  const svg = await download('#SaveSvg');
  assert.match(svg.bytes.toString(), /<svg[^>]*width="785" height="265"/);
  assert.match(svg.bytes.toString(), /Группированный статистический ряд/);
  const csv = await download('#SaveCsv');
  const expected = spawnSync(cli, ['--csv', '--table', table, '--', 'Input.txt'],
    { cwd: join(root, 'data'), env: { PATH: process.env.PATH, LC_ALL: 'C' } }).stdout.toString();
  assert.equal(csv.bytes.toString(), expected);
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  await page.click('#CopyTable');
  await page.waitForFunction(() => /скопирована/.test(document.getElementById('Status').textContent));
  const copied = await page.evaluate(() => navigator.clipboard.readText());
  assert.deepEqual(copied.split('\n').slice(0, -1).map((row) => row.split('\t')), await gridTexts());
  await page.click('#CopyPicture');
  await page.waitForFunction(() => /Рисунок/.test(document.getElementById('Status').textContent));
  assert.equal(await page.textContent('#Status'), 'Рисунок скопирован в буфер обмена');
});

await step('every control is reached and used from the keyboard', async () => {
  await page.evaluate(() => document.activeElement && document.activeElement.blur());
  const reached = [];
  for (let i = 0; i < 20; ++i) {
    await page.keyboard.press('Tab');
    reached.push(await page.evaluate(() => document.activeElement.id));
  }
  for (const id of ['FileInput', 'CopyPicture', 'SavePng', 'SaveSvg', 'CopyTable', 'SaveCsv',
    'Word1', 'Separator', 'GridScroller', 'Log', 'Option', 'DataButton'])
    assert.ok(reached.includes(id), `Tab does not reach ${id}: ${reached.join(' ')}`);
  await page.focus('#Option');
  await page.keyboard.press('Enter');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'LIopt');
  await page.keyboard.type('2');
  await page.keyboard.press('Control+A');
  await page.keyboard.type('2');
  for (let i = 0; i < 20 && await page.evaluate(() => document.activeElement.id) !== 'OkBut'; ++i)
    await page.keyboard.press('Tab');
  await page.keyboard.press('Enter');
  assert.match((await logLines()).join('\n'), /Длина интервала 2/);
  await page.keyboard.press('Shift+Tab');
  await page.click('#CanBut');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'Option');
});

async function axeViolations() {
  await page.addScriptTag({ content: readFileSync(axePath, 'utf8') });
  return page.evaluate(async () => (await window.axe.run(document)).violations
    .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
}

await step('axe-core finds no violation, with and without the dialogs open', async () => {
  await page.evaluate(() => document.getElementById('OptForm').close());
  assert.deepEqual(await axeViolations(), []);
  await page.click('#Option');
  await page.click('#DataButton');
  assert.deepEqual(await axeViolations(), []);
  await page.click('#DataCancel');
  await page.click('#CanBut');
});

await step('screenshots: 1366 x 768 like the window, 390 x 844 with nothing cut', async () => {
  await page.selectOption('#Separator', ',');
  await page.click('#Option');
  await page.fill('#NameF', 'Input.txt');
  await page.click('#OkBut');
  await page.click('#CanBut');
  await page.setViewportSize({ width: 1366, height: 768 });
  await page.screenshot({ path: join(shots, 'page-1366x768.png') });
  await page.click('#Option');
  await page.screenshot({ path: join(shots, 'page-1366x768-options.png') });
  await page.click('#CanBut');
  await page.setViewportSize({ width: 390, height: 844 });
  await page.waitForTimeout(200);
  await page.screenshot({ path: join(shots, 'page-390x844.png') });
  await page.screenshot({ path: join(shots, 'page-390x844-full.png'), fullPage: true });
  const overflow = await page.evaluate(() => {
    const width = document.documentElement.clientWidth;
    const cut = [];
    for (const element of document.querySelectorAll('body *')) {
      if (element.closest('.grid-scroller') && !element.classList.contains('grid-scroller')) continue;
      if (element.closest('dialog:not([open])') || element.closest('.visually-hidden')) continue;
      const box = element.getBoundingClientRect();
      if (box.width > 0 && (box.right > width + 0.5 || box.left < -0.5)) cut.push(element.id || element.tagName);
    }
    return { scroll: document.documentElement.scrollWidth - width, cut };
  });
  assert.deepEqual(overflow, { scroll: 0, cut: [] });
  await page.click('#Option');
  await page.screenshot({ path: join(shots, 'page-390x844-options.png') });
  await page.click('#CanBut');
  // The data box with what the reader says about a text it cannot use.
  await page.click('#DataButton');
  await page.fill('#DataText', 'Масса;Примечание\nлёгкая;нет\nтяжёлая;нет\n');
  await page.click('#DataApply');
  await page.screenshot({ path: join(shots, 'page-390x844-data.png') });
  await page.click('#DataCancel');
});

await step('no request left the machine and the page logged no error', async () => {
  assert.deepEqual(requests, []);
  assert.deepEqual(errors, []);
});

await context.close();
rmSync(scratch, { recursive: true, force: true });
console.log(failures === 0 ? 'web page: all steps passed' : `web page: ${failures} step(s) failed`);
process.exit(failures === 0 ? 0 : 1);
