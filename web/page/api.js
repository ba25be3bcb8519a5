// window.tarnek: the engine's analysis for scripts and tests, the very object one line of
// tarnek-cli --json holds. Loaded by the page and by the node tests alike.
'use strict';

function isBytes(value) {
  return value instanceof Uint8Array || value instanceof ArrayBuffer;
}

// `engine` is the module, or a Promise of it; `defaultSeparator()` the page's separator.
function createApi(engine, defaultSeparator) {
  const ready = Promise.resolve(engine);
  let module = null;
  ready.then((m) => { module = m; });

  function request(sampleText, options) {
    if (typeof sampleText !== 'string' && !isBytes(sampleText))
      throw new TypeError('tarnek.analyse: the sample is a string, a Uint8Array or an ArrayBuffer');
    const given = options === undefined || options === null ? {} : options;
    if (typeof given !== 'object') throw new TypeError('tarnek.analyse: options is an object');
    const settings = Object.assign({}, given);
    if (settings.fileName === undefined) settings.fileName = 'Input.txt';
    if (settings.decimalSeparator === undefined) settings.decimalSeparator = defaultSeparator();
    return settings;
  }

  // The line tarnek-cli prints, its line break included; the module must be loaded.
  function analyseJsonWith(m, sampleText, options) {
    const reply = m.analyse(sampleText, request(sampleText, options));
    if (reply.status === 2) throw new RangeError(reply.errors.trim());
    return reply.json;
  }

  return {
    ready,
    // Synchronous, for a module already loaded (the tests, the benchmark).
    analyseJson(sampleText, options) {
      if (!module) throw new Error('tarnek: the engine is still loading; await tarnek.ready');
      return analyseJsonWith(module, sampleText, options);
    },
    // A Promise of the object; it waits for the engine when the page has just opened.
    analyse(sampleText, options) {
      return ready.then((m) => JSON.parse(analyseJsonWith(m, sampleText, options)));
    },
  };
}

module.exports = { createApi };
