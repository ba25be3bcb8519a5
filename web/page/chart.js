// The chart of a run as the window draws it: the title, the histogram's hatched stairs, the
// fitted curve, the grid, and the axes labelled at the histogram's edges. One scene of shapes
// is drawn as SVG on the page and on a canvas for the picture.
'use strict';

const TITLE = 'Группированный статистический ряд';
const TITLE_FONT = 'italic 20px "Odessa Script", Z003, "URW Chancery L", "DejaVu Serif", serif';
const LABEL_FONT = '13px "MS Sans Serif", "DejaVu Sans", "Liberation Sans", Arial, sans-serif';
const CURVE_COLOUR = 'rgb(64,0,64)';
const GRID_COLOUR = 'rgb(224,224,224)';
const AXIS_COLOUR = 'rgb(96,96,96)';
// Room between two edge labels, and what the y axis takes besides its labels, in pixels.
const LABEL_GAP = 8;
const Y_AXIS_EXTRA = 12;
const TOP_MARGIN = 5;
const HATCH_SPACING = 4;

// The window's chart picture: its designed size, drawn at twice the density for print.
const PICTURE_WIDTH = 785;
const PICTURE_HEIGHT = 265;
const PICTURE_RATIO = 2;

// The toolkit's "nice numbers": a step of 1, 2 or 5 times a power of ten, bounds on steps.
function niceAxis(min, max, tickCount) {
  const niceNumber = (x) => {
    const z = Math.pow(10, Math.floor(Math.log10(x)));
    const q = x / z;
    return (q <= 1 ? 1 : q <= 2 ? 2 : q <= 5 ? 5 : 10) * z;
  };
  const step = niceNumber((max - min) / (tickCount - 1));
  const low = Math.floor(min / step) * step;
  const high = Math.ceil(max / step) * step;
  return { min: low, max: high, step, ticks: Math.round((high - low) / step) + 1 };
}

function decimalText(value, decimals, separator) {
  const text = value.toFixed(decimals);
  return (text === '-0' || /^-0\.0*$/.test(text) ? text.slice(1) : text).replace('.', separator);
}

function finitePoints(points) {
  return points.filter(([x, y]) => Number.isFinite(x) && Number.isFinite(y))
    .sort((a, b) => a[0] - b[0]);
}

// A list of shapes in pixels for a chart `width` x `height`. `measure(text, font)` gives a
// text's width; `engine` gives the label rules the window uses.
function scene(view, width, height, separator, measure, engine) {
  const items = [];
  items.push({ kind: 'text', x: width / 2, y: TOP_MARGIN + 20, text: TITLE, font: TITLE_FONT,
    anchor: 'middle', fill: 'black' });
  const histogram = [];
  const labels = [];
  view.histogram.forEach(([x, y], i) => {
    if (Number.isFinite(x) && Number.isFinite(y)) {
      histogram.push([x, y]);
      labels.push(view.labels[i] || '');
    }
  });
  const order = histogram.map((_, i) => i).sort((a, b) => histogram[a][0] - histogram[b][0]);
  const stairs = order.map((i) => histogram[i]);
  const edgeLabels = order.map((i) => labels[i]);
  const curve = finitePoints(view.curve);
  if (stairs.length === 0 && curve.length === 0) return { width, height, items };

  let minX = Infinity;
  let maxX = -Infinity;
  let minY = 0;
  let maxY = 0;
  for (const [x, y] of stairs.concat(curve)) {
    minX = Math.min(minX, x);
    maxX = Math.max(maxX, x);
    minY = Math.min(minY, y);
    maxY = Math.max(maxY, y);
  }
  if (!(maxX > minX)) {
    const pad = Math.max(0.5, Math.abs(minX) * 0.05);
    minX -= pad;
    maxX += pad;
  }
  if (!(maxY > minY)) maxY = minY + 1;
  const yAxis = niceAxis(minY, maxY * 1.1, 5);
  const decimals = engine.decimalsForStep(yAxis.step);
  const yTexts = [];
  for (let t = 0; t < yAxis.ticks; ++t)
    yTexts.push(decimalText(yAxis.min + t * yAxis.step, decimals, separator));
  const yLabels = Math.max(...yTexts.map((text) => measure(text, LABEL_FONT))) + Y_AXIS_EXTRA;

  const widths = edgeLabels.map((text) => measure(text, LABEL_FONT));
  const firstHalf = widths.length ? widths[0] / 2 : 0;
  const lastHalf = widths.length ? widths[widths.length - 1] / 2 : 0;
  const left = Math.max(4, Math.ceil(firstHalf - yLabels) + LABEL_GAP) + yLabels;
  const right = width - Math.max(12, Math.ceil(lastHalf) + LABEL_GAP);
  const top = TOP_MARGIN + 36;
  const bottom = height - 24;
  const plotWidth = Math.max(1, right - left);
  const px = (x) => left + (x - minX) / (maxX - minX) * plotWidth;
  const py = (y) => bottom - (y - yAxis.min) / (yAxis.max - yAxis.min) * (bottom - top);

  for (let t = 0; t < yAxis.ticks; ++t) {
    const y = py(yAxis.min + t * yAxis.step);
    items.push({ kind: 'line', points: [[left, y], [right, y]], stroke: GRID_COLOUR, width: 1 });
    items.push({ kind: 'text', x: left - 6, y: y + 4, text: yTexts[t], font: LABEL_FONT,
      anchor: 'end', fill: 'black' });
  }
  const edges = stairs.map(([x]) => x);
  const span = maxX - minX;
  const chosen = edges.length === 0 ? [] : engine.labelledEdges(edges, widths,
    plotWidth * (span > 0 ? (edges[edges.length - 1] - edges[0]) / span : 1), LABEL_GAP);
  const used = new Set();
  let lastX = -Infinity;
  for (const i of chosen) {
    // Unique labels at rising positions, as the window's category axis takes them.
    if (edges[i] <= lastX || used.has(edgeLabels[i])) continue;
    used.add(edgeLabels[i]);
    lastX = edges[i];
    const x = px(edges[i]);
    items.push({ kind: 'line', points: [[x, top], [x, bottom]], stroke: GRID_COLOUR, width: 1 });
    items.push({ kind: 'text', x, y: bottom + 17, text: edgeLabels[i], font: LABEL_FONT,
      anchor: 'middle', fill: 'black' });
  }

  if (stairs.length > 0) {
    // Each point holds its height up to the next point's x, then the outline steps.
    const outline = [];
    stairs.forEach(([x, y], i) => {
      outline.push([px(x), py(y)]);
      if (i + 1 < stairs.length) outline.push([px(stairs[i + 1][0]), py(y)]);
    });
    const base = py(Math.max(yAxis.min, 0));
    items.push({ kind: 'area', points: [[outline[0][0], base], ...outline,
      [outline[outline.length - 1][0], base]], hatch: 'rgb(255,0,0)', stroke: 'black' });
  }
  if (curve.length > 0) {
    items.push({ kind: 'line', points: curve.map(([x, y]) => [px(x), py(y)]),
      stroke: CURVE_COLOUR, width: 2 });
  }
  items.push({ kind: 'line', points: [[left, top], [left, bottom], [right, bottom]],
    stroke: AXIS_COLOUR, width: 1 });
  return { width, height, items };
}

function escapeXml(text) {
  return text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;')
    .replace(/"/g, '&quot;');
}

function pathOf(points) {
  return points.map(([x, y], i) => `${i ? 'L' : 'M'}${x.toFixed(2)} ${y.toFixed(2)}`).join('');
}

function fontAttributes(font) {
  const italic = font.startsWith('italic ');
  const rest = italic ? font.slice(7) : font;
  const size = rest.slice(0, rest.indexOf('px'));
  const family = rest.slice(rest.indexOf('px') + 3);
  return `font-size="${size}"${italic ? ' font-style="italic"' : ''} ` +
    `font-family="${escapeXml(family)}"`;
}

// The scene as a standalone SVG document.
function toSvg(s, description) {
  let body = '';
  for (const item of s.items) {
    if (item.kind === 'text') {
      body += `<text x="${item.x.toFixed(2)}" y="${item.y.toFixed(2)}" ` +
        `text-anchor="${item.anchor}" fill="${item.fill}" ${fontAttributes(item.font)}>` +
        `${escapeXml(item.text)}</text>`;
    } else if (item.kind === 'line') {
      body += `<path d="${pathOf(item.points)}" fill="none" stroke="${item.stroke}" ` +
        `stroke-width="${item.width}"/>`;
    } else {
      body += `<path d="${pathOf(item.points)}Z" fill="url(#hatch)" stroke="${item.stroke}" ` +
        'stroke-width="1"/>';
    }
  }
  const hatch = s.items.find((item) => item.kind === 'area');
  const defs = hatch ? `<defs><pattern id="hatch" width="${HATCH_SPACING}" ` +
    `height="${HATCH_SPACING}" patternUnits="userSpaceOnUse"><path d="M0 0.5H${HATCH_SPACING}" ` +
    `stroke="${hatch.hatch}" stroke-width="1"/></pattern></defs>` : '';
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${s.width}" height="${s.height}" ` +
    `viewBox="0 0 ${s.width} ${s.height}"><title>${escapeXml(description)}</title>` +
    `<rect width="100%" height="100%" fill="white"/>${defs}${body}</svg>`;
}

// The scene on a 2-D canvas context, already scaled to the density wanted.
function paint(s, context) {
  context.fillStyle = 'white';
  context.fillRect(0, 0, s.width, s.height);
  for (const item of s.items) {
    if (item.kind === 'text') {
      context.font = item.font;
      context.fillStyle = item.fill;
      context.textAlign = item.anchor === 'middle' ? 'center' : item.anchor === 'end' ? 'right' : 'left';
      context.fillText(item.text, item.x, item.y);
      continue;
    }
    context.beginPath();
    item.points.forEach(([x, y], i) => (i ? context.lineTo(x, y) : context.moveTo(x, y)));
    if (item.kind === 'area') {
      context.closePath();
      context.save();
      context.clip();
      context.strokeStyle = item.hatch;
      context.lineWidth = 1;
      context.beginPath();
      for (let y = 0.5; y < s.height; y += HATCH_SPACING) {
        context.moveTo(0, y);
        context.lineTo(s.width, y);
      }
      context.stroke();
      context.restore();
      context.beginPath();
      item.points.forEach(([x, y], i) => (i ? context.lineTo(x, y) : context.moveTo(x, y)));
      context.closePath();
    }
    context.strokeStyle = item.stroke;
    context.lineWidth = item.width || 1;
    context.stroke();
  }
}

module.exports = {
  scene, toSvg, paint, TITLE, LABEL_FONT, TITLE_FONT, PICTURE_WIDTH, PICTURE_HEIGHT, PICTURE_RATIO,
};
