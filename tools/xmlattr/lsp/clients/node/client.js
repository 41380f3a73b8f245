// `xmlattr lsp` under the protocol package's own client connection, for what the packaged
// Neovim does not exercise: position-encoding negotiation, pull diagnostics, cancellation,
// the order of versions in a burst of edits, and incremental sync.
//   XMLATTR_TOOL=path/to/xmlattr node client.js
'use strict';
const assert = require('node:assert/strict');
const { spawn } = require('node:child_process');

let protocol;
try {
  protocol = require('vscode-languageserver-protocol/node');
} catch {
  console.log('skipped: the vscode-languageserver-protocol package is not installed here ' +
              '(.ci/install-deps installs it)');
  process.exit(0);
}
const { createProtocolConnection, StreamMessageReader, StreamMessageWriter,
        CancellationTokenSource, ResponseError } = protocol;

const tool = process.env.XMLATTR_TOOL;
const svg = '<svg xmlns="http://www.w3.org/2000/svg">';

// A server and a connection to it; `capabilities` as the client declares them.
async function start(capabilities, debounce = 10) {
  const child = spawn(tool, ['lsp', '--debounce', String(debounce)],
                      { stdio: ['pipe', 'pipe', 'inherit'] });
  const connection = createProtocolConnection(new StreamMessageReader(child.stdout),
                                              new StreamMessageWriter(child.stdin));
  const published = [];
  connection.onNotification('textDocument/publishDiagnostics', (params) => published.push(params));
  connection.listen();
  const result = await connection.sendRequest('initialize',
                                              { processId: process.pid, rootUri: null, capabilities });
  connection.sendNotification('initialized', {});
  const server = {
    connection, published, result,
    open(uri, text, version = 1) {
      connection.sendNotification('textDocument/didOpen',
                                  { textDocument: { uri, languageId: 'xml', version, text } });
    },
    change(uri, version, contentChanges) {
      connection.sendNotification('textDocument/didChange',
                                  { textDocument: { uri, version }, contentChanges });
    },
    pull(uri, token, previousResultId) {
      const params = { textDocument: { uri }, previousResultId };
      // An undefined token would be sent as a second parameter.
      return token ? connection.sendRequest('textDocument/diagnostic', params, token)
                   : connection.sendRequest('textDocument/diagnostic', params);
    },
    async stop() {
      await connection.sendRequest('shutdown');
      const exited = new Promise((resolve) => child.on('exit', resolve));
      connection.sendNotification('exit');
      assert.equal(await exited, 0);
      connection.dispose();
    },
  };
  return server;
}

const pulling = { textDocument: { diagnostic: { dynamicRegistration: false } } };
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
async function until(condition, what) {
  for (let i = 0; i < 1000 && !condition(); ++i) await sleep(10);
  assert.ok(condition(), what);
}
const range = (line, start, end) =>
  ({ start: { line, character: start }, end: { line, character: end } });

const tests = {
  async 'each offered encoding is negotiated and used for ranges'() {
    // An emoji (two UTF-16 units, four UTF-8 bytes, one code point) before the bad value.
    const line = '<!-- \u{1F600} --><rect fill="reed"/>';
    const text = `${svg}\n${line}</svg>`;
    const utf16 = line.indexOf('reed');
    const rows = [[undefined, 'utf-16', utf16], [['utf-16'], 'utf-16', utf16],
                  [['utf-32', 'utf-16'], 'utf-32', utf16 - 1],
                  [['utf-16', 'utf-8'], 'utf-8', utf16 + 2]];
    for (const [offered, chosen, at] of rows) {
      const server = await start({ ...pulling, general: { positionEncodings: offered } });
      assert.equal(server.result.capabilities.positionEncoding, chosen);
      server.open('file:///e.svg', text);
      const report = await server.pull('file:///e.svg');
      assert.deepEqual(report.items.map((d) => d.range), [range(1, at, at + 4)]);
      await server.stop();
    }
  },

  async 'pulled diagnostics carry the rule, the wording and the notes'() {
    const server = await start(pulling);
    server.open('file:///p.svg', `${svg}<rect fill="reed"/></svg>`);
    const report = await server.pull('file:///p.svg');
    assert.equal(report.kind, 'full');
    const [diagnostic] = report.items;
    assert.equal(diagnostic.code, 'invalid-value');
    assert.equal(diagnostic.message, 'fill="reed" is not a valid SColor');
    assert.equal(diagnostic.relatedInformation[0].message, 'did you mean "red"?');
    assert.equal((await server.pull('file:///p.svg', undefined, report.resultId)).kind, 'unchanged');
    assert.deepEqual(server.published, []); // a client that pulls is not pushed to as well
    await server.stop();
  },

  async 'a cancelled pull is answered as cancelled, the next one for the latest text'() {
    const server = await start(pulling, 300);
    const uri = 'file:///c.svg';
    server.open(uri, `${svg}<rect fill="red"/></svg>`);
    server.change(uri, 2, [{ range: range(0, 52, 55), text: 'reed' }]);
    const source = new CancellationTokenSource();
    const cancelled = server.pull(uri, source.token);
    const kept = server.pull(uri);
    source.cancel();
    await assert.rejects(cancelled, (error) => error instanceof ResponseError &&
                                               error.code === -32800);
    assert.equal((await kept).items.length, 1);
    await server.stop();
  },

  async 'a burst of edits is published once, for its last version'() {
    const server = await start({}, 100);
    const uri = 'file:///b.svg';
    server.open(uri, `${svg}<rect fill="red"/></svg>`);
    await until(() => server.published.length === 1, 'diagnostics on open');
    // "red" typed over letter by letter as "reed", then "redd", then back to "red".
    for (let version = 2; version <= 21; ++version) {
      server.change(uri, version, [{ range: range(0, 52, 55 + (version % 2)),
                                     text: version % 2 === 0 ? 'reed' : 'red' }]);
    }
    await until(() => server.published.length > 1 && server.published.at(-1).version === 21,
                'the last version published');
    await sleep(200);
    const versions = server.published.map((p) => p.version);
    assert.deepEqual(versions, [1, 21]);
    assert.deepEqual(server.published.at(-1).diagnostics, []);
    await server.stop();
  },

  async 'document colours, and only forms both readers take where the colour stands'() {
    const server = await start({});
    const uri = 'file:///k.svg';
    const line = '<!-- \u{1F600} --><rect fill="#ff8000" style="stroke:blue"/>';
    server.open(uri, `${svg}\n${line}</svg>`);
    const request = (method, params) =>
      server.connection.sendRequest(method, { textDocument: { uri }, ...params });
    const colors = await request('textDocument/documentColor', {});
    const fill = line.indexOf('#ff8000');
    const stroke = line.indexOf('blue');
    assert.deepEqual(colors.map((c) => c.range), [range(1, fill, fill + 7),
                                                  range(1, stroke, stroke + 4)]);
    assert.deepEqual(colors[0].color, { red: 1, green: 128 / 255, blue: 0, alpha: 1 });
    // Half-transparent red: SVG 1.1's fill takes no alpha, so no form is offered for it.
    const forms = async (color) => (await request('textDocument/colorPresentation',
      { color, range: range(1, fill, fill + 7) })).map((p) => p.label);
    const red = await forms({ red: 1, green: 0, blue: 0, alpha: 1 });
    assert.ok(red.includes('red') && red.includes('#ff0000'), red.join(' '));
    assert.ok(!red.some((label) => label.startsWith('hsl') || label.length === 9), red.join(' '));
    assert.deepEqual(await forms({ red: 1, green: 0, blue: 0, alpha: 0.5 }), []);
    await server.stop();
  },

  async 'incremental edits across lines and characters outside the basic plane'() {
    const server = await start(pulling, 0);
    const uri = 'file:///i.svg';
    let text = `${svg}\n<rect fill="red"/>\n</svg>`;
    server.open(uri, text);
    // Each edit is applied here to a JavaScript string, whose indices are UTF-16 units.
    const edits = [
      [range(1, 0, 0), '<!-- \u{1F600}\u{1F600} -->'],
      [range(1, 25, 28), 'bleu'],
      [{ start: { line: 0, character: 40 }, end: { line: 1, character: 0 } }, '\r\n<g>\n'],
      [range(3, 0, 0), '</g>'],
    ];
    let version = 1;
    for (const [where, insert] of edits) {
      const offset = (position) => {
        let at = 0;
        for (let i = 0; i < position.line; ++i) at = text.indexOf('\n', at) + 1;
        return at + position.character;
      };
      text = text.slice(0, offset(where.start)) + insert + text.slice(offset(where.end));
      server.change(uri, ++version, [{ range: where, text: insert }]);
    }
    assert.equal(text, `${svg}\r\n<g>\n<!-- \u{1F600}\u{1F600} --><rect fill="bleu"/>\n</g></svg>`);
    const report = await server.pull(uri);
    const line = text.split(/\r\n|\n/)[2];
    const at = line.indexOf('bleu');
    assert.deepEqual(report.items.map((d) => d.range), [range(2, at, at + 4)]);
    await server.stop();
  },
};

(async () => {
  if (!tool) {
    console.log('XMLATTR_TOOL names the xmlattr to run');
    process.exit(2);
  }
  let passed = 0;
  let failed = 0;
  for (const [name, test] of Object.entries(tests)) {
    try {
      await test();
      ++passed;
      console.log(`ok: ${name}`);
    } catch (error) {
      ++failed;
      console.log(`FAILED: ${name}\n${error.stack}`);
    }
  }
  console.log(`${passed} passed, ${failed} failed`);
  process.exit(failed === 0 ? 0 : 1);
})();
