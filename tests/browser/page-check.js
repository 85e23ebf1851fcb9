'use strict';
// One effect page in one tab: what it throws, logs as an error, asks for beyond
// itself, how it decodes and whether it shows anything.
const fs = require('fs');

const loadTimeoutMs = 15000;
// Time after the load event for timers and animations to start, before the mouse
// passes over the page, and again after it.
const settleMs = 500;
const afterMouseMs = 300;

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// The promise's outcome, or `fallback` once `ms` have passed.
function within(promise, ms, fallback) {
  let timer;
  const timeout = new Promise((resolve) => { timer = setTimeout(() => resolve(fallback), ms); });
  return Promise.race([promise, timeout]).finally(() => clearTimeout(timer));
}

// The page itself, and what never leaves it: inline data, blank documents and
// object URLs the page makes from its own data.
function staysInPage(url, pageUrl) {
  return url.split('#')[0] === pageUrl || /^(data|about|blob):/.test(url);
}

function describeException(details) {
  const exception = details.exception || {};
  const text = exception.description || exception.value || details.text;
  return `${String(text).split('\n')[0]} (line ${details.lineNumber + 1})`;
}

function describeArgs(args) {
  return args.map((arg) => (arg.value !== undefined ? String(arg.value) : arg.description || arg.type)).join(' ');
}

// Runs in the page: whether anything visible is drawn, and the charset it declares.
const inspectPage = `(() => {
  const visible = (element) => element.checkVisibility({ opacityProperty: true, visibilityProperty: true });
  const onPage = (r) => r.width > 0 && r.height > 0 && r.right > 0 && r.bottom > 0;
  const replaced = /^(IMG|CANVAS|SVG|VIDEO|INPUT|BUTTON|SELECT|TEXTAREA|IFRAME|FRAME|OBJECT|EMBED|HR)$/i;
  const painted = (style) => !/rgba\\(.*, 0\\)$|transparent/.test(style.backgroundColor) ||
    style.backgroundImage !== 'none' ||
    ['Top', 'Right', 'Bottom', 'Left'].some((side) => parseFloat(style['border' + side + 'Width']) > 0 &&
      style['border' + side + 'Style'] !== 'none');
  let boxes = 0;
  const root = document.body || document.documentElement;
  for (const element of root.querySelectorAll('*')) {
    if (!visible(element) || !onPage(element.getBoundingClientRect())) continue;
    if (replaced.test(element.tagName) || painted(getComputedStyle(element))) boxes++;
  }
  const walker = document.createTreeWalker(root, NodeFilter.SHOW_TEXT);
  for (let node; (node = walker.nextNode());) {
    if (!node.data.trim() || !node.parentElement || !visible(node.parentElement)) continue;
    const range = document.createRange();
    range.selectNodeContents(node);
    if ([...range.getClientRects()].some(onPage)) boxes++;
  }
  const meta = document.querySelector('meta[charset]');
  const httpEquiv = [...document.querySelectorAll('meta[http-equiv]')]
    .find((m) => /^content-type$/i.test(m.httpEquiv));
  const declared = meta ? meta.getAttribute('charset')
    : httpEquiv ? ((httpEquiv.content.match(/charset=([^;\\s]+)/i) || [])[1] || '') : '';
  return { boxes, declared: declared.trim(), characterSet: document.characterSet };
})()`;

// The first line where the page, as the browser decoded it, differs from the source.
function firstDifference(decoded, source) {
  const a = decoded.replace(/\r\n/g, '\n').split('\n');
  const b = source.replace(/\r\n/g, '\n').split('\n');
  for (let i = 0; i < Math.max(a.length, b.length); i++)
    if (a[i] !== b[i]) return `line ${i + 1} reads "${(a[i] || '').slice(0, 60)}"`;
  return null;
}

async function inspect(tab, page, pageUrl, frameId, problem) {
  const { result } = await tab.send('Runtime.evaluate', { expression: inspectPage, returnByValue: true });
  const { boxes, declared, characterSet } = result.value;
  if (boxes === 0) problem('blank', 'nothing visible on the page');
  if (/[^\x00-\x7f]/.test(page.source)) {
    if (!/^(gb2312|gbk|gb18030)$/i.test(declared)) {
      problem('charset', `declares charset "${declared}" but holds Chinese text (gb2312 or gbk needed)`);
      return;
    }
    // Browsers look for the declaration in the first 1024 bytes only; beyond them
    // a page is read in another code page, or guessed at.
    const head = fs.readFileSync(page.file).subarray(0, 1024).toString('latin1');
    if (!/<meta[^>]*charset/i.test(head)) problem('charset', 'declares its charset after the first 1024 bytes');
    // The page's text as the browser decoded it (raw bytes come back when it could not).
    const { content, base64Encoded } = await tab.send('Page.getResourceContent', { frameId, url: pageUrl });
    const difference = base64Encoded ? 'not as text' : firstDifference(content, page.source);
    if (difference) problem('charset', `decoded as ${characterSet}: ${difference}`);
  }
}

async function moveMouse(tab) {
  for (const [x, y] of [[50, 50], [300, 200], [512, 384], [700, 500], [950, 700]])
    await tab.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x, y });
}

// page: { file (the .htm as Preview writes it), url, source (the UTF-8 source text) }.
// Returns the problems found, each { kind, text }.
async function checkPage(browser, page) {
  const problems = [];
  const problem = (kind, text) => {
    if (!problems.some((p) => p.kind === kind && p.text === text)) problems.push({ kind, text });
  };
  const blocked = new Set();
  let loaded;
  const loadedOrClosed = new Promise((resolve) => { loaded = resolve; });
  let tab;
  const events = {
    'Fetch.requestPaused': ({ requestId, request }) => {
      if (staysInPage(request.url, page.url)) {
        tab.send('Fetch.continueRequest', { requestId }).catch(() => {});
        return;
      }
      blocked.add(request.url);
      problem('request', `requests ${request.url}`);
      tab.send('Fetch.failRequest', { requestId, errorReason: 'BlockedByClient' }).catch(() => {});
    },
    'Network.webSocketCreated': ({ url }) => problem('request', `opens a WebSocket to ${url}`),
    'Runtime.exceptionThrown': ({ exceptionDetails }) =>
      problem('exception', `uncaught ${describeException(exceptionDetails)}`),
    'Runtime.consoleAPICalled': ({ type, args }) => {
      if (type === 'error' || type === 'assert') problem('console', `console.${type}: ${describeArgs(args)}`);
    },
    'Log.entryAdded': ({ entry }) => {
      if (entry.level === 'error' && !blocked.has(entry.url)) problem('console', entry.text);
    },
    'Page.javascriptDialogOpening': () =>
      tab.send('Page.handleJavaScriptDialog', { accept: true, promptText: '' }).catch(() => {}),
    'Page.loadEventFired': () => loaded(true),
    'Inspector.detached': () => loaded(false),
  };
  tab = await browser.openPage((method, params) => events[method] && events[method](params));
  try {
    for (const domain of ['Runtime', 'Log', 'Network', 'Page']) await tab.send(`${domain}.enable`);
    await tab.send('Fetch.enable', { patterns: [{ urlPattern: '*' }] });
    const navigation = await tab.send('Page.navigate', { url: page.url });
    if (navigation.errorText) problem('load', `cannot be opened: ${navigation.errorText}`);
    const outcome = await within(loadedOrClosed, loadTimeoutMs, 'timeout');
    if (outcome === 'timeout') problem('load', `not loaded within ${loadTimeoutMs / 1000} s`);
    else if (outcome === false) problem('load', 'the page closed or crashed');
    else {
      await sleep(settleMs);
      await moveMouse(tab);
      await sleep(afterMouseMs);
      await inspect(tab, page, page.url, navigation.frameId, problem);
    }
  } catch (error) {
    problem('load', error.message);
  } finally {
    await tab.close();
  }
  return problems;
}

module.exports = { checkPage };
