// The page's window: it starts the engine, shows each run (chart, grid, log, result line) and
// handles the options dialog, opening and pasting samples, and the exports.
(function () {
  'use strict';

  const $ = (id) => document.getElementById(id);
  const Chart = window.TarnekChart;
  const Report = window.TarnekReport;

  // The browser's language decides, as the desktop's locale does: ',' for Russian.
  function browserSeparatorText() {
    try {
      const parts = new Intl.NumberFormat(navigator.language || 'ru').formatToParts(1.5);
      const decimal = parts.find((part) => part.type === 'decimal');
      return decimal ? decimal.value : '.';
    } catch (error) {
      return '.';
    }
  }

  let engine = null;
  let page = null;
  let view = null;
  let separator = '.';
  const startedAt = performance.now();

  // The engine's WebAssembly, kept in the page as base64.
  function engineBinary() {
    const text = $('TarnekWasm').textContent;
    const decoded = atob(text);
    const bytes = new Uint8Array(decoded.length);
    for (let i = 0; i < decoded.length; ++i) bytes[i] = decoded.charCodeAt(i);
    return bytes;
  }

  const enginePromise = window.createTarnekEngine({ wasmBinary: engineBinary() });
  window.tarnek = window.TarnekApi.createApi(enginePromise, () => separator);

  const measureCanvas = document.createElement('canvas').getContext('2d');
  function measure(text, font) {
    measureCanvas.font = font;
    return measureCanvas.measureText(text).width;
  }

  function say(text) {
    $('Status').textContent = text;
  }

  function chartView() {
    return { histogram: view.report.histogram, curve: view.report.curve, labels: view.labels };
  }

  function drawChart() {
    const box = $('Chart');
    const width = Math.max(1, Math.round(box.clientWidth));
    const height = Math.max(1, Math.round(box.clientHeight));
    const scene = Chart.scene(chartView(), width, height, separator, measure, engine);
    box.innerHTML = Chart.toSvg(scene, Chart.TITLE);
    const svg = box.querySelector('svg');
    svg.setAttribute('aria-hidden', 'true');
    svg.setAttribute('focusable', 'false');
    const points = view.report.histogram.length;
    box.setAttribute('aria-label', points > 0
      ? `${Chart.TITLE}: гистограмма из ${Math.max(points - 1, 0)} интервалов` +
        (view.report.curve.length > 0 ? ' и кривая нормального распределения' : '')
      : `${Chart.TITLE}: пусто`);
  }

  function fillGrid() {
    const rows = view.report.grid;
    const head = $('StringGrid').tHead;
    const body = $('StringGrid').tBodies[0];
    head.replaceChildren();
    body.replaceChildren();
    rows.forEach((row, r) => {
      const tr = document.createElement('tr');
      row.forEach((text) => {
        const cell = document.createElement(r === 0 ? 'th' : 'td');
        if (r === 0) cell.scope = 'col';
        cell.textContent = text;
        tr.appendChild(cell);
      });
      (r === 0 ? head : body).appendChild(tr);
    });
    // A new run starts at the top of the table.
    $('GridScroller').scrollTop = 0;
  }

  function fillLog() {
    const log = $('Log');
    log.replaceChildren(...view.report.log.map((line) => {
      const p = document.createElement('p');
      p.textContent = line;
      return p;
    }));
    log.scrollTop = 0;
  }

  function fillFields(force) {
    if (!force && !view.fieldsChanged) return;
    $('NameF').value = view.fields.fileName;
    $('LIopt').value = view.fields.h;
    $('XminOpt').value = view.fields.xmin;
    $('XmaxOpt').value = view.fields.xmax;
    $('AlphaOpt').selectedIndex = view.fields.alpha;
    $('GammaOpt').selectedIndex = view.fields.gamma;
    $('CoefficientsOpt').selectedIndex = view.fields.coefficients;
  }

  // α and γ are listed with the numbers' separator, as the window lists them.
  function fillChoices() {
    const choices = engine.settingChoices(separator);
    for (const [id, texts] of [['AlphaOpt', choices.alpha], ['GammaOpt', choices.gamma]]) {
      const select = $(id);
      const index = Math.max(0, select.selectedIndex);
      select.replaceChildren(...texts.map((text, i) => new Option(text, String(i))));
      select.selectedIndex = index;
    }
  }

  function show(force) {
    view = JSON.parse(page.view());
    drawChart();
    fillGrid();
    fillLog();
    $('ResultLine').textContent = view.resultLine;
    $('ResultLine').dataset.tone = view.resultTone;
    fillFields(force);
    const messages = view.report.messages;
    $('Messages').hidden = messages.length === 0;
    $('Messages').textContent = messages.join(' ');
  }

  // --- options dialog -----------------------------------------------------------------------

  function openDialog(dialog, first) {
    if (!dialog.open) dialog.show();
    first.focus();
  }

  function closeDialog(dialog, opener) {
    dialog.close();
    opener.focus();
  }

  $('Option').addEventListener('click', () => openDialog($('OptForm'), $('LIopt')));
  $('NameF').addEventListener('input', () => page && page.nameChanged());
  $('OkBut').addEventListener('click', () => {
    if (!page) return;
    const error = page.apply({ fileName: $('NameF').value, h: $('LIopt').value,
      xmin: $('XminOpt').value, xmax: $('XmaxOpt').value,
      alpha: $('AlphaOpt').selectedIndex, gamma: $('GammaOpt').selectedIndex,
      coefficients: $('CoefficientsOpt').selectedIndex });
    $('OptError').hidden = error === null;
    $('OptError').textContent = error === null ? '' : error;
    if (error === null) show(false);
  });
  $('CanBut').addEventListener('click', () => {
    if (page) page.cancel();
    $('OptError').hidden = true;
    closeDialog($('OptForm'), $('Option'));
  });

  // --- samples from files and from the data box -------------------------------------------

  function openSample(name, bytes) {
    page.openSample(name, bytes);
    $('OptError').hidden = true;
    show(true);
    say(`Открыт файл ${name}`);
  }

  async function openFile(file) {
    if (!file || !page) return;
    openSample(file.name, new Uint8Array(await file.arrayBuffer()));
  }

  $('FileInput').addEventListener('change', (event) => {
    openFile(event.target.files[0]);
    event.target.value = '';
  });

  let dragDepth = 0;
  const carriesFiles = (event) => event.dataTransfer && Array.from(event.dataTransfer.types || [])
    .includes('Files');
  document.addEventListener('dragenter', (event) => {
    if (!carriesFiles(event)) return;
    event.preventDefault();
    ++dragDepth;
    $('DropHint').hidden = false;
  });
  document.addEventListener('dragover', (event) => {
    if (carriesFiles(event)) event.preventDefault();
  });
  document.addEventListener('dragleave', () => {
    if (--dragDepth <= 0) {
      dragDepth = 0;
      $('DropHint').hidden = true;
    }
  });
  document.addEventListener('drop', (event) => {
    event.preventDefault();
    dragDepth = 0;
    $('DropHint').hidden = true;
    const files = event.dataTransfer ? event.dataTransfer.files : null;
    if (files && files.length > 0) openFile(files[0]);
  });

  $('DataButton').addEventListener('click', () => openDialog($('DataForm'), $('DataText')));
  $('DataApply').addEventListener('click', () => {
    if (!page) return;
    // The engine's reader decides what the text holds; a text it cannot use opens nothing.
    const reply = page.paste($('DataText').value);
    $('DataReport').textContent = reply.report;
    if (!reply.opened) return;
    $('OptError').hidden = true;
    show(true);
    say(`Открыты данные: ${engine.pastedSampleName()}`);
    closeDialog($('DataForm'), $('DataButton'));
  });
  $('DataCancel').addEventListener('click', () => closeDialog($('DataForm'), $('DataButton')));

  // --- the separator ------------------------------------------------------------------------

  $('Separator').addEventListener('change', () => {
    separator = $('Separator').value;
    if (!page) return;
    page.setDecimalSeparator(separator);
    fillChoices();
    show(true);
  });

  // --- exports ------------------------------------------------------------------------------

  function download(blob, name) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = name;
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
  }

  function pictureScene() {
    return Chart.scene(chartView(), Chart.PICTURE_WIDTH, Chart.PICTURE_HEIGHT, separator, measure,
      engine);
  }

  // The chart as the window's report takes it: its designed size at twice the density.
  function picturePng() {
    const canvas = document.createElement('canvas');
    canvas.width = Chart.PICTURE_WIDTH * Chart.PICTURE_RATIO;
    canvas.height = Chart.PICTURE_HEIGHT * Chart.PICTURE_RATIO;
    const context = canvas.getContext('2d');
    context.scale(Chart.PICTURE_RATIO, Chart.PICTURE_RATIO);
    Chart.paint(pictureScene(), context);
    return new Promise((resolve, reject) => canvas.toBlob(
      (blob) => (blob ? resolve({ blob, width: canvas.width, height: canvas.height })
        : reject(new Error('canvas.toBlob'))), 'image/png'));
  }

  function stamp() {
    const d = new Date();
    const two = (n) => String(n).padStart(2, '0');
    return `${d.getFullYear()}-${two(d.getMonth() + 1)}-${two(d.getDate())} ` +
      `${two(d.getHours())}-${two(d.getMinutes())}-${two(d.getSeconds())}`;
  }

  function failed(what, error) {
    say(`${what}: ${error && error.message ? error.message : error}`);
  }

  $('CopyPicture').addEventListener('click', async () => {
    try {
      if (!navigator.clipboard || !window.ClipboardItem) throw new Error('буфер обмена недоступен');
      const png = picturePng().then((picture) => picture.blob);
      await navigator.clipboard.write([new ClipboardItem({ 'image/png': png })]);
      say('Рисунок скопирован в буфер обмена');
    } catch (error) {
      failed('Не удалось скопировать рисунок', error);
    }
  });
  $('SavePng').addEventListener('click', async () => {
    try {
      download((await picturePng()).blob, 'График.png');
    } catch (error) {
      failed('Не удалось сохранить рисунок', error);
    }
  });
  $('SaveSvg').addEventListener('click', () => {
    download(new Blob([Chart.toSvg(pictureScene(), Chart.TITLE)], { type: 'image/svg+xml' }),
      'График.svg');
  });
  $('CopyTable').addEventListener('click', async () => {
    try {
      if (!navigator.clipboard) throw new Error('буфер обмена недоступен');
      await navigator.clipboard.writeText(page.gridText());
      say('Таблица скопирована в буфер обмена');
    } catch (error) {
      failed('Не удалось скопировать таблицу', error);
    }
  });
  $('SaveCsv').addEventListener('click', () => {
    download(new Blob([page.csvText()], { type: 'text/csv' }), 'Таблица.csv');
  });
  $('Word1').addEventListener('click', async () => {
    try {
      const picture = await picturePng();
      const docx = Report.buildDocx({
        layout: engine.reportLayout(),
        gridRows: view.report.grid,
        logLines: view.report.log,
        columnWidths: view.columnWidths,
        picture: { png: new Uint8Array(await picture.blob.arrayBuffer()), width: picture.width,
          height: picture.height },
        sampleFile: view.report.file,
        created: new Date(),
        fixedParts: window.TARNEK_DOCX_PARTS,
      }, window.fflate);
      download(new Blob([docx], {
        type: 'application/vnd.openxmlformats-officedocument.wordprocessingml.document' }),
      `Отчёт ${stamp()}.docx`);
      say('Отчёт сохранён');
    } catch (error) {
      failed('Не удалось создать отчёт', error);
    }
  });

  // --- start --------------------------------------------------------------------------------

  let resizeFrame = 0;
  new ResizeObserver(() => {
    if (!view) return;
    cancelAnimationFrame(resizeFrame);
    resizeFrame = requestAnimationFrame(drawChart);
  }).observe($('Chart'));

  enginePromise.then((module) => {
    engine = module;
    separator = engine.decimalSeparatorOf(browserSeparatorText());
    $('Separator').value = separator;
    page = new engine.Page(separator);
    fillChoices();
    const engineReady = performance.now();
    show(true);
    const shown = performance.now();
    // Milliseconds since the page began to load: the module ready, the first run in the page,
    // and the first frame that shows it.
    window.tarnekStartup = { scriptStart: startedAt, engineReady, firstResult: shown };
    requestAnimationFrame(() => {
      window.tarnekStartup.firstFrame = performance.now();
    });
    document.documentElement.dataset.ready = 'true';
  }).catch((error) => failed('Не удалось запустить вычисления', error));
})();
