// The Word report as a .docx, built in the page as the desktop's report is written: the fixed
// parts are report/docx/parts/'s files, the measures and the table's column widths come from
// engine/document/page_layout.h and text_width through the engine module, and the varying parts
// follow report/docx/document_writer.cpp, docx_defaults.cpp and report/model/document_properties.cpp
// element for element. The node test compares every part with what tarnek-cli --docx writes.
'use strict';

const W = 'http://schemas.openxmlformats.org/wordprocessingml/2006/main';
const R = 'http://schemas.openxmlformats.org/officeDocument/2006/relationships';
const WP = 'http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing';
const A = 'http://schemas.openxmlformats.org/drawingml/2006/main';
const PIC = 'http://schemas.openxmlformats.org/drawingml/2006/picture';
const RELATIONSHIPS = 'http://schemas.openxmlformats.org/package/2006/relationships';
const RELATIONSHIP_TYPE = 'http://schemas.openxmlformats.org/officeDocument/2006/relationships/';
const CORE = 'http://schemas.openxmlformats.org/package/2006/metadata/core-properties';
const DC = 'http://purl.org/dc/elements/1.1/';
const DCTERMS = 'http://purl.org/dc/terms/';
const XSI = 'http://www.w3.org/2001/XMLSchema-instance';
const EXTENDED = 'http://schemas.openxmlformats.org/officeDocument/2006/extended-properties';
const DECLARATION = '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>';
// Twips in a metre, for the picture's resolution.
const TWIPS_PER_METRE = 56692.9;

// A stored part as the writer takes it: each line trimmed, the lines joined, one line break.
function fixedPartText(stored) {
  return stored.split('\n').map((line) => line.replace(/^[\t\n\v\f\r ]+|[\t\n\v\f\r ]+$/g, ''))
    .join('') + '\n';
}

function escapeXml(text) {
  return text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;')
    .replace(/"/g, '&quot;');
}

function isLineBreak(c) { return c === '\n' || c === '\r' || c === '\v'; }

// What XML 1.0 can hold: no other control characters, no lone surrogates, no U+FFFE/U+FFFF.
function xmlSafeText(text) {
  let safe = '';
  for (let i = 0; i < text.length; ++i) {
    const u = text.charCodeAt(i);
    const high = u >= 0xD800 && u <= 0xDBFF;
    if (high && i + 1 < text.length) {
      const next = text.charCodeAt(i + 1);
      if (next >= 0xDC00 && next <= 0xDFFF) {
        safe += text[i] + text[i + 1];
        ++i;
        continue;
      }
    }
    const surrogate = u >= 0xD800 && u <= 0xDFFF;
    const c = text[i];
    if ((u >= 0x20 && !surrogate && u !== 0xFFFE && u !== 0xFFFF) || c === '\t' || isLineBreak(c))
      safe += c;
  }
  return safe;
}

function needsPreserve(text) {
  return text.startsWith(' ') || text.endsWith(' ') || text.includes('  ');
}

function element(name, inner, attributes) {
  const attrs = attributes || '';
  return inner === '' ? `<${name}${attrs}/>` : `<${name}${attrs}>${inner}</${name}>`;
}

function textRun(text) {
  const safe = xmlSafeText(text);
  if (safe === '') return '';
  let inner = '';
  let piece = '';
  const flush = () => {
    if (piece === '') return;
    inner += `<w:t${needsPreserve(piece) ? ' xml:space="preserve"' : ''}>${escapeXml(piece)}</w:t>`;
    piece = '';
  };
  for (let i = 0; i < safe.length; ++i) {
    const c = safe[i];
    if (c === '\t') {
      flush();
      inner += '<w:tab/>';
    } else if (isLineBreak(c)) {
      flush();
      inner += '<w:br/>';
      if (c === '\r' && safe[i + 1] === '\n') ++i;  // CR LF is one break
    } else {
      piece += c;
    }
  }
  flush();
  return `<w:r>${inner}</w:r>`;
}

function paragraph(text) {
  return element('w:p', text === undefined ? '' : textRun(text));
}

function pictureParagraph(layout, picture) {
  const cx = layout.textWidth * layout.emuPerTwip;
  const cy = picture.width > 0 ? Math.floor(cx * picture.height / picture.width) : 0;
  const id = 1;
  const relationship = `rId${layout.firstPictureRelationship}`;
  return '<w:p><w:r><w:drawing>' +
    '<wp:inline distT="0" distB="0" distL="0" distR="0">' +
    `<wp:extent cx="${cx}" cy="${cy}"/><wp:effectExtent l="0" t="0" r="0" b="0"/>` +
    `<wp:docPr id="${id}" name="Рисунок ${id}"/>` +
    '<wp:cNvGraphicFramePr><a:graphicFrameLocks noChangeAspect="1"/></wp:cNvGraphicFramePr>' +
    `<a:graphic><a:graphicData uri="${PIC}"><pic:pic>` +
    '<pic:nvPicPr><pic:cNvPr id="0" name="image1.png"/><pic:cNvPicPr/></pic:nvPicPr>' +
    `<pic:blipFill><a:blip r:embed="${relationship}"/><a:stretch><a:fillRect/></a:stretch>` +
    '</pic:blipFill><pic:spPr><a:xfrm><a:off x="0" y="0"/>' +
    `<a:ext cx="${cx}" cy="${cy}"/></a:xfrm><a:prstGeom prst="rect"><a:avLst/></a:prstGeom>` +
    '</pic:spPr></pic:pic></a:graphicData></a:graphic></wp:inline></w:drawing></w:r></w:p>';
}

function table(layout, rows, columns, widths) {
  const width = widths.reduce((sum, w) => sum + w, 0);
  const border = (side) => `<w:${side} w:val="single" w:sz="${layout.borderEighthPoints}" ` +
    'w:space="0" w:color="auto"/>';
  let xml = '<w:tbl><w:tblPr><w:tblStyle w:val="TableGrid"/>' +
    `<w:tblW w:w="${width}" w:type="dxa"/><w:tblBorders>` +
    ['top', 'left', 'bottom', 'right', 'insideH', 'insideV'].map(border).join('') +
    '</w:tblBorders><w:tblLayout w:type="autofit"/><w:tblCellMar>' +
    `<w:top w:w="0" w:type="dxa"/><w:left w:w="${layout.cellMargin}" w:type="dxa"/>` +
    `<w:bottom w:w="0" w:type="dxa"/><w:right w:w="${layout.cellMargin}" w:type="dxa"/>` +
    '</w:tblCellMar></w:tblPr><w:tblGrid>' +
    widths.map((w) => `<w:gridCol w:w="${w}"/>`).join('') + '</w:tblGrid>';
  rows.forEach((row, r) => {
    xml += `<w:tr><w:trPr><w:cantSplit/>${r === 0 ? '<w:tblHeader/>' : ''}</w:trPr>`;
    for (let c = 0; c < columns; ++c) {
      const text = row[c] || '';
      xml += `<w:tc><w:tcPr><w:tcW w:w="${widths[c]}" w:type="dxa"/></w:tcPr>` +
        // An empty cell types nothing: it keeps its one empty paragraph.
        `${text === '' ? '<w:p/>' : paragraph(text)}</w:tc>`;
    }
    xml += '</w:tr>';
  });
  return xml + '</w:tbl>';
}

function sectionProperties(layout) {
  const m = layout.margin;
  return `<w:sectPr><w:pgSz w:w="${layout.pageWidth}" w:h="${layout.pageHeight}"/>` +
    `<w:pgMar w:top="${m}" w:right="${m}" w:bottom="${m}" w:left="${m}" ` +
    `w:header="${layout.headerFooter}" w:footer="${layout.headerFooter}" w:gutter="0"/>` +
    `<w:cols w:space="${layout.tabStop}"/></w:sectPr>`;
}

// The body the report's automation steps leave: the picture, two more paragraph marks, the
// grid as a table, a paragraph mark, each log line a paragraph, and the last empty paragraph.
function documentPart(report) {
  const { layout, gridRows, logLines, picture, columnWidths } = report;
  let body = pictureParagraph(layout, picture) + '<w:p/><w:p/>';
  body += table(layout, gridRows, columnWidths.length, columnWidths);
  body += '<w:p/>';
  for (const line of logLines) body += line === '' ? '<w:p/>' : paragraph(line);
  body += '<w:p/>';
  return DECLARATION + `<w:document xmlns:w="${W}" xmlns:r="${R}" xmlns:wp="${WP}" ` +
    `xmlns:a="${A}" xmlns:pic="${PIC}"><w:body>${body}${sectionProperties(layout)}` +
    '</w:body></w:document>\n';
}

function documentRelationshipsPart() {
  const relationship = (id, type, target) =>
    `<Relationship Id="${id}" Type="${RELATIONSHIP_TYPE}${type}" Target="${target}"/>`;
  return DECLARATION + `<Relationships xmlns="${RELATIONSHIPS}">` +
    relationship('rId1', 'styles', 'styles.xml') +
    relationship('rId2', 'settings', 'settings.xml') +
    relationship('rId3', 'image', 'media/image1.png') + '</Relationships>\n';
}

// "Отчёт: " and the sample's name without its folder.
function reportTitle(sampleFile) {
  const name = sampleFile.split('/').pop();
  return name === '' ? 'Отчёт' : 'Отчёт: ' + name;
}

function corePart(title, created) {
  const stamp = created.toISOString().replace(/\.\d+Z$/, 'Z');
  const dated = (name) => `<dcterms:${name} xsi:type="dcterms:W3CDTF">${stamp}</dcterms:${name}>`;
  return DECLARATION + `<cp:coreProperties xmlns:cp="${CORE}" xmlns:dc="${DC}" ` +
    `xmlns:dcterms="${DCTERMS}" xmlns:xsi="${XSI}"><dc:title>${escapeXml(title)}</dc:title>` +
    `<dc:language>ru-RU</dc:language>${dated('created')}${dated('modified')}` +
    '</cp:coreProperties>\n';
}

// AppVersion is "XX.YYYY": the major number, then the minor one in four digits.
function appPart(version) {
  const [major, minor] = version.split('.').map((part) => parseInt(part, 10) || 0);
  const appVersion = `${major}.${String(minor || 0).padStart(4, '0')}`;
  return DECLARATION + `<Properties xmlns="${EXTENDED}"><Application>Tarnek</Application>` +
    `<AppVersion>${appVersion}</AppVersion></Properties>\n`;
}

const CRC_TABLE = (() => {
  const table = new Uint32Array(256);
  for (let n = 0; n < 256; ++n) {
    let c = n;
    for (let k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320 ^ (c >>> 1) : c >>> 1;
    table[n] = c >>> 0;
  }
  return table;
})();

function crc32(bytes) {
  let c = 0xFFFFFFFF;
  for (const b of bytes) c = CRC_TABLE[(c ^ b) & 0xFF] ^ (c >>> 8);
  return (c ^ 0xFFFFFFFF) >>> 0;
}

// The PNG with a pHYs chunk after its header that says it spans the text width, as the
// desktop's picture does, for whoever extracts it.
function withResolution(png, width, layout) {
  const dotsPerMetre = Math.round(width / (layout.textWidth / TWIPS_PER_METRE));
  const chunk = new Uint8Array(21);
  const view = new DataView(chunk.buffer);
  view.setUint32(0, 9);
  chunk.set([0x70, 0x48, 0x59, 0x73], 4);  // "pHYs"
  view.setUint32(8, dotsPerMetre);
  view.setUint32(12, dotsPerMetre);
  chunk[16] = 1;  // per metre
  view.setUint32(17, crc32(chunk.subarray(4, 17)));
  const headerEnd = 8 + 25;  // signature, then IHDR's length, type, 13 bytes and CRC
  const result = new Uint8Array(png.length + chunk.length);
  result.set(png.subarray(0, headerEnd), 0);
  result.set(chunk, headerEnd);
  result.set(png.subarray(headerEnd), headerEnd + chunk.length);
  return result;
}

// report: {layout, gridRows, logLines, columnWidths, picture: {png, width, height},
// sampleFile, created (a Date), fixedParts: {"content_types.xml": text, ...}}; `fflate` zips.
function parts(report) {
  const { layout, fixedParts } = report;
  return [
    ['[Content_Types].xml', fixedPartText(fixedParts['content_types.xml'])],
    ['_rels/.rels', fixedPartText(fixedParts['package.rels'])],
    ['word/document.xml', documentPart(report)],
    ['word/_rels/document.xml.rels', documentRelationshipsPart()],
    ['word/styles.xml', fixedPartText(fixedParts['styles.xml'])],
    ['word/settings.xml', fixedPartText(fixedParts['settings.xml'])],
    ['docProps/core.xml', corePart(reportTitle(report.sampleFile), report.created)],
    ['docProps/app.xml', appPart(layout.version)],
  ];
}

function buildDocx(report, fflate) {
  const files = {};
  for (const [name, text] of parts(report)) files[name] = [fflate.strToU8(text), { level: 6 }];
  // PNG is compressed already: stored.
  files['word/media/image1.png'] = [
    withResolution(report.picture.png, report.picture.width, report.layout), { level: 0 }];
  return fflate.zipSync(files);
}

module.exports = { buildDocx, parts, fixedPartText, withResolution, reportTitle };
