// Puts the page together as one file: the HTML with its styles, the engine's WebAssembly as
// base64 (the shipped table and example inside it), the zip library, the engine module's script,
// the page's scripts and the report's fixed parts, so that it opens from disk with no network.
//   node build_page.mjs ENGINE.js OUT.html      (ENGINE.wasm beside ENGINE.js)
import { readFileSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

// This script lives in web/tools/; the page and its packages are in web/.
const here = join(dirname(fileURLToPath(import.meta.url)), '..');
const root = join(here, '..');
const [enginePath, outPath] = process.argv.slice(2);
if (!enginePath || !outPath) {
  console.error('usage: node build_page.mjs ENGINE.js OUT.html');
  process.exit(2);
}
const limit = 2 * 1024 * 1024;

const read = (path) => readFileSync(path, 'utf8');
const page = (name) => read(join(here, 'page', name));

// An inline script ends at the first "</script"; none of ours may hold one.
function inlineScript(name, text) {
  if (/<\/script/i.test(text) || text.includes('<!--'))
    throw new Error(`${name} holds text that would end an inline script`);
  return `\n// ${name}\n${text}\n`;
}

// The page's modules are CommonJS files, as node's require loads them in the tests. On the page
// each runs strict in a function of its own, and what it exports becomes the global `name`.
function pageModule(file, name) {
  return `window.${name} = (function () {\n'use strict';\nconst module = { exports: {} };\n` +
    `${page(file)}\nreturn module.exports;\n})();`;
}

const parts = {};
for (const name of ['content_types.xml', 'package.rels', 'settings.xml', 'styles.xml'])
  parts[name] = read(join(root, 'report', 'docx', 'parts', name));

const scripts = [
  ['fflate', read(join(here, 'node_modules', 'fflate', 'umd', 'index.js'))],
  ['tarnek-engine.js', read(enginePath)],
  ['docx parts', `window.TARNEK_DOCX_PARTS = ${JSON.stringify(parts)};`],
  ['api.js', pageModule('api.js', 'TarnekApi')],
  ['chart.js', pageModule('chart.js', 'TarnekChart')],
  ['report.js', pageModule('report.js', 'TarnekReport')],
  ['app.js', page('app.js')],
].map(([name, text]) => inlineScript(name, text)).join('');

// Data, not script: the browser neither parses it as JavaScript nor fetches it as a data: URL.
const wasm = readFileSync(enginePath.replace(/\.js$/, '.wasm')).toString('base64');
const html = page('index.html')
  .replace('/*@STYLE@*/', () => page('tarnek.css'))
  .replace('@WASM@', () => wasm)
  .replace('/*@SCRIPTS@*/', () => scripts);
const size = Buffer.byteLength(html);
if (size > limit) {
  console.error(`web: ${outPath} is ${size} bytes, above the ${limit} the page may take`);
  process.exit(1);
}
writeFileSync(outPath, html);
console.log(`web: ${outPath}, ${(size / 1024).toFixed(0)} KiB`);
