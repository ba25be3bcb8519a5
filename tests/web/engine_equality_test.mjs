// The browser page's engine against tarnek-cli: every sample the tests use, under several option
// sets and both decimal separators, gives byte for byte the line tarnek-cli --json prints; the
// .docx the page builds holds the parts tarnek-cli --docx writes.
//   node --no-experimental-fetch tests/web/engine_equality_test.mjs path/to/tarnek-cli
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, readdirSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { basename, dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import assert from 'node:assert/strict';

const require = createRequire(import.meta.url);
const root = join(dirname(fileURLToPath(import.meta.url)), '..', '..');
const cli = process.argv[2] && resolve(process.argv[2]);
const reference = process.argv[3] && resolve(process.argv[3]);
if (!cli) {
  console.error('usage: node --no-experimental-fetch engine_equality_test.mjs TARNEK_CLI ' +
    '[CHARCONV_REFERENCE]');
  process.exit(2);
}
const createEngine = require(join(root, 'build-web', 'wasm', 'tarnek-engine.js'));
const { createApi } = require(join(root, 'web', 'page', 'api.js'));
const Report = require(join(root, 'web', 'page', 'report.js'));
const fflate = require(join(root, 'web', 'node_modules', 'fflate'));

const engine = await createEngine();
let separator = '.';
const api = createApi(engine, () => separator);
await api.ready;

const table = join(root, 'data', 'exttable.txt');
const locales = { '.': 'C', ',': 'ru_RU.UTF-8' };

function runCli(args, cwd, sep) {
  const result = spawnSync(cli, args, {
    cwd, env: { PATH: process.env.PATH, LC_ALL: locales[sep], LANG: locales[sep] },
  });
  if (result.error) throw result.error;
  return { status: result.status, stdout: result.stdout, stderr: result.stderr.toString() };
}

function flagsOf(options) {
  const flags = [];
  for (const [key, flag] of [['h', '--h'], ['xmin', '--xmin'], ['xmax', '--xmax'],
    ['alpha', '--alpha'], ['gamma', '--gamma'], ['coefficients', '--coefficients']])
    if (options[key] !== undefined) flags.push(flag, String(options[key]));
  return flags;
}

let failures = 0;
let compared = 0;
function check(label, fn) {
  try {
    fn();
  } catch (error) {
    ++failures;
    console.error(`FAIL ${label}\n${error.message.slice(0, 2000)}`);
  }
}

function compare(label, samplePath, options, tableText) {
  const sep = options.decimalSeparator;
  const args = ['--json', '--table', tableText ? tableText.path : table, ...flagsOf(options), '--',
    basename(samplePath)];
  const expected = runCli(args, dirname(samplePath), sep);
  const request = { ...options, fileName: basename(samplePath) };
  if (tableText) request.tableText = readFileSync(tableText.path);
  const reply = engine.analyse(readFileSync(samplePath), request);
  ++compared;
  check(label, () => {
    assert.equal(reply.status, expected.status, 'exit status');
    assert.equal(Buffer.from(reply.json, 'utf8').toString('hex'), expected.stdout.toString('hex'),
      `${reply.json}\n--- tarnek-cli ---\n${expected.stdout}`);
  });
}

const sampleFolders = ['fuzz/corpus/process_file', 'fuzz/corpus/sample_reader',
  'fuzz/corpus/data_reader', 'tests/report/samples'];
const samples = [join(root, 'data', 'Input.txt')];
for (const folder of sampleFolders)
  for (const name of readdirSync(join(root, folder)).sort()) samples.push(join(root, folder, name));

const optionSets = [
  {},
  { h: 0.5 },
  { xmin: 496, xmax: 504 },
  { h: 2, xmin: 490.25, xmax: 510 },
  { h: -1 },
  { h: 0.01 },
  { xmin: 10, xmax: 1 },
  { alpha: 0.01 },
  { alpha: 0.025, gamma: 0.99, coefficients: 'sample' },
  { h: 0.5, gamma: 0.999, coefficients: 'method' },
];

for (const sep of ['.', ',']) {
  for (const sample of samples)
    for (const options of optionSets)
      compare(`${basename(sample)} ${JSON.stringify(options)} '${sep}'`, sample,
        { ...options, decimalSeparator: sep });
  // Every table of the table reader's corpus, with the shipped sample: the messages too.
  for (const name of readdirSync(join(root, 'fuzz', 'corpus', 'critical_points')).sort()) {
    const path = join(root, 'fuzz', 'corpus', 'critical_points', name);
    compare(`table ${name} '${sep}'`, join(root, 'data', 'Input.txt'), { decimalSeparator: sep },
      { path });
  }
}

// Numbers: the module writes each float and double as the standard library does natively.
let numbers = 0;
if (reference) {
  const listing = spawnSync(reference, ['30000'], { maxBuffer: 1 << 26 });
  if (listing.error) throw listing.error;
  const view = new DataView(new ArrayBuffer(8));
  let wrong = [];
  for (const line of listing.stdout.toString().split('\n')) {
    if (line === '') continue;
    const [kind, bits, text] = line.split(' ');
    let ours;
    if (kind === 'f') {
      ours = engine.shortestFloat(Number(bits));
    } else {
      view.setBigUint64(0, BigInt(bits));
      ours = engine.shortestDouble(view.getFloat64(0));
    }
    ++numbers;
    if (ours !== text && wrong.length < 5) wrong.push(`${kind} ${bits}: ${ours} for ${text}`);
  }
  check(`${numbers} numbers written as the standard library writes them`, () =>
    assert.deepEqual(wrong, []));
}

// The script interface: a Promise of the object, the page's separator as the default, the
// sample as a string, and a usage error as a RangeError.
separator = ',';
const object = await api.analyse(readFileSync(join(root, 'data', 'Input.txt'), 'utf8'));
check('analyse() defaults', () => {
  const expected = runCli(['--json', '--table', table, 'Input.txt'], join(root, 'data'), ',');
  assert.deepEqual(object, JSON.parse(expected.stdout.toString()));
  assert.equal(object.file, 'Input.txt');
});
check('analyse() refuses what tarnek-cli refuses', () => {
  assert.throws(() => api.analyseJson('1 2 3', { h: 'abc' }), RangeError);
  assert.throws(() => api.analyseJson('1 2 3', { fileName: '../x.txt' }), RangeError);
  assert.throws(() => api.analyseJson(42), TypeError);
});
check('an unnamed sample cannot be opened, as by tarnek-cli', () => {
  const reply = JSON.parse(api.analyseJson('1 2 3', { fileName: '' }));
  assert.deepEqual(reply.log, ['Не смог открыть входной файл']);
});

// The report: each part as tarnek-cli --docx writes it for the same run.
function docxParts(bytes) {
  const files = fflate.unzipSync(new Uint8Array(bytes));
  const text = {};
  for (const [name, data] of Object.entries(files))
    if (!name.endsWith('.png')) text[name] = fflate.strFromU8(data);
  return { text, names: Object.keys(files) };
}

const fixedParts = {};
for (const name of ['content_types.xml', 'package.rels', 'settings.xml', 'styles.xml'])
  fixedParts[name] = readFileSync(join(root, 'report', 'docx', 'parts', name), 'utf8');
// A PNG header of the desktop picture's size is all the document's parts depend on.
function pngOfSize(width, height) {
  const png = new Uint8Array(8 + 25 + 12);
  png.set([0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 0x49, 0x48, 0x44, 0x52]);
  new DataView(png.buffer).setUint32(16, width);
  new DataView(png.buffer).setUint32(20, height);
  return png;
}

for (const sep of ['.', ',']) {
  const scratch = mkdtempSync(join(tmpdir(), 'tarnek-web-'));
  try {
    const page = new engine.Page(sep);
    const view = JSON.parse(page.view());
    const out = join(scratch, 'report.docx');
    const written = runCli(['--table', table, '--docx', out, 'Input.txt'], join(root, 'data'), sep);
    check(`docx '${sep}'`, () => {
      assert.equal(written.status, 0, written.stderr);
      const desktop = docxParts(readFileSync(out));
      const ours = docxParts(Report.buildDocx({
        layout: engine.reportLayout(), gridRows: view.report.grid, logLines: view.report.log,
        columnWidths: view.columnWidths, picture: { png: pngOfSize(1570, 530), width: 1570, height: 530 },
        sampleFile: view.report.file, created: new Date(), fixedParts,
      }, fflate));
      assert.deepEqual(ours.names, desktop.names);
      const stamp = /\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ/g;
      for (const name of desktop.names.filter((n) => !n.endsWith('.png')))
        assert.equal(ours.text[name].replace(stamp, 'T'), desktop.text[name].replace(stamp, 'T'), name);
    });
    page.delete();
  } finally {
    rmSync(scratch, { recursive: true, force: true });
  }
}

console.log(`web engine: ${compared} analyses and 2 reports compared with tarnek-cli, ` +
  `${numbers} numbers with the standard library's, ${failures} failed`);
process.exit(failures === 0 ? 0 : 1);
