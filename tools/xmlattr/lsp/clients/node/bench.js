// How fast `xmlattr lsp` answers a real client, on 1 MB documents made from the corpus tables
// (every row an element with its attribute or style declaration, as often as it was counted,
// rows repeated until 1 MB): an XSL-FO, an SVG, and the SVG with every value spoiled. Not a
// test: it prints the numbers.
//   node bench.js path/to/xmlattr [corpus folder, default the repository's corpus/]
// Goals: first diagnostics within 150 ms of the process's start; diagnostics 30 ms after an
// edit at the 95th percentile (100 ms for the spoiled document); at most 40 MB resident. An
// edit outside values has the whole document checked again; its times are shown beside.
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const { spawn } = require('node:child_process');
const { createProtocolConnection, StreamMessageReader, StreamMessageWriter } =
  require('vscode-languageserver-protocol/node');

const tool = process.argv[2];
const corpus = process.argv[3] || path.join(__dirname, '../../../../../corpus');

function escaped(text) {
  return text.replace(/\\t/g, '&#9;').replace(/\\n/g, '&#10;').replace(/\\r/g, '&#13;')
    .replace(/\\\\/g, '\\').replace(/&(?!#)/g, '&amp;').replace(/</g, '&lt;')
    .replace(/"/g, '&quot;');
}

function documentFrom(table, head, tail, spoil) {
  const rows = fs.readFileSync(path.join(corpus, table), 'utf8').split('\n').slice(1)
    .map((line) => line.split('\t')).filter((r) => r.length > 5 && !r[0].includes(':'));
  const lines = [head];
  let bytes = 0;
  while (bytes < 1 << 20) {
    for (const [attribute, value, count, , elements, via] of rows) {
      const element = elements.split(',')[0] || 'path';
      const text = escaped(value) + (spoil ? 'q' : '');
      const line = via.startsWith('style') ? `<${element} style="${attribute}: ${text}"/>`
                                           : `<${element} ${attribute}="${text}"/>`;
      for (let i = 0; i < Math.min(Number(count), 50) && bytes < 1 << 20; ++i) {
        lines.push(line);
        bytes += line.length + 1;
      }
    }
  }
  lines.push(tail);
  return lines.join('\n');
}

function residentKiB(pid) {
  const status = fs.readFileSync(`/proc/${pid}/status`, 'utf8');
  return Number(/VmRSS:\s+(\d+)/.exec(status)[1]);
}

const percentile = (values, p) =>
  [...values].sort((a, b) => a - b)[Math.min(values.length - 1, Math.floor(values.length * p))];

async function measure(name, text, debounce) {
  const started = process.hrtime.bigint();
  const child = spawn(tool, ['lsp', '--debounce', String(debounce)],
                      { stdio: ['pipe', 'pipe', 'inherit'] });
  const connection = createProtocolConnection(new StreamMessageReader(child.stdout),
                                              new StreamMessageWriter(child.stdin));
  const waiting = new Map();
  let count = 0;
  connection.onNotification('textDocument/publishDiagnostics', (params) => {
    count = params.diagnostics.length;
    const resolve = waiting.get(params.version);
    if (resolve) resolve(process.hrtime.bigint());
  });
  connection.listen();
  const published = (version) => new Promise((resolve) => waiting.set(version, resolve));
  await connection.sendRequest('initialize', { processId: null, rootUri: null, capabilities: {} });
  connection.sendNotification('initialized', {});
  const uri = 'file:///bench';
  const first = published(1);
  connection.sendNotification('textDocument/didOpen',
                              { textDocument: { uri, languageId: 'xml', version: 1, text } });
  const firstMs = Number((await first) - started) / 1e6;
  const findings = count;
  // Edits in the middle of the document, a character typed and then taken back: inside a
  // value, which is checked alone, and between a tag's name and its first attribute, after
  // which the whole document is checked again.
  const lines = text.split('\n');
  const line = Math.floor(lines.length / 2);
  const edited = async (column, first) => {
    const latencies = [];
    for (let version = first; version < first + 100; ++version) {
      const done = published(version);
      const sent = process.hrtime.bigint();
      const range = version % 2 === 0
        ? { start: { line, character: column }, end: { line, character: column } }
        : { start: { line, character: column }, end: { line, character: column + 1 } };
      connection.sendNotification('textDocument/didChange', {
        textDocument: { uri, version },
        contentChanges: [{ range, text: version % 2 === 0 ? (inValue ? 'x' : ' ') : '' }],
      });
      latencies.push(Number((await done) - sent) / 1e6);
    }
    return latencies;
  };
  let inValue = true;
  const latencies = await edited(lines[line].indexOf('"') + 1, 2);
  inValue = false;
  const whole = await edited(lines[line].indexOf(' '), 102);
  const resident = residentKiB(child.pid);
  await connection.sendRequest('shutdown');
  connection.sendNotification('exit');
  await new Promise((resolve) => child.on('exit', resolve));
  connection.dispose();
  console.log(`${name} (${(text.length / 1048576).toFixed(2)} MB, ${findings} diagnostics, ` +
              `debounce ${debounce} ms): first diagnostics ${firstMs.toFixed(1)} ms after start; ` +
              `after an edit ${percentile(latencies, 0.5).toFixed(1)} ms median, ` +
              `${percentile(latencies, 0.95).toFixed(1)} ms at the 95th percentile ` +
              `(after an edit outside values ${percentile(whole, 0.5).toFixed(1)} and ` +
              `${percentile(whole, 0.95).toFixed(1)} ms); ` +
              `${(resident / 1024).toFixed(1)} MB resident`);
}

(async () => {
  const fo = documentFrom('fo-attributes.tsv',
                          '<fo:root xmlns:fo="http://www.w3.org/1999/XSL/Format">', '</fo:root>');
  const svg = documentFrom('svg-attributes.tsv', '<svg xmlns="http://www.w3.org/2000/svg">',
                           '</svg>');
  const spoiled = documentFrom('svg-attributes.tsv', '<svg xmlns="http://www.w3.org/2000/svg">',
                               '</svg>', true);
  for (const debounce of [0, 10]) {
    await measure('XSL-FO', fo, debounce);
    await measure('SVG', svg, debounce);
    await measure('SVG, every value spoiled', spoiled, debounce);
  }
})();
