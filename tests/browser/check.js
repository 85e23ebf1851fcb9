#!/usr/bin/env node
'use strict';
// Loads every effect of a catalogue source folder in headless Chromium the way a
// user sees it: the catalogue tool builds spect.nht from the folder and writes each
// effect's code as the program's Preview writes example.htm (code page 936, CR LF),
// and the browser opens that file over file://. A page fails on an uncaught
// exception, a console error, any request beyond the page itself (data:, about: and
// blob: URLs stay in it), a charset that does not decode its Chinese text as written,
// or nothing visible once loaded.
//
//   node check.js --tool <command that runs catalogue_tool...> -- --catalogue <folder>
//                 --work <folder> [--self-test] [--jobs N]
//
// --self-test checks the check on sample pages: those named "ok-..." must pass and
// those named "fail-<kind>-..." must fail with a problem of that kind.
const fs = require('fs');
const path = require('path');
const { spawnSync } = require('child_process');
const { pathToFileURL } = require('url');
const { Browser } = require('./chromium');
const { checkPage } = require('./page-check');

function parseArgs(argv) {
  const options = { tool: [], jobs: 6, selfTest: false };
  for (let i = 0; i < argv.length; i++) {
    const arg = argv[i];
    if (arg === '--tool') {
      while (++i < argv.length && argv[i] !== '--') options.tool.push(argv[i]);
    } else if (arg === '--catalogue') options.catalogue = argv[++i];
    else if (arg === '--work') options.work = argv[++i];
    else if (arg === '--jobs') options.jobs = Number(argv[++i]);
    else if (arg === '--self-test') options.selfTest = true;
    else throw new Error(`unknown argument ${arg}`);
  }
  if (!options.tool.length || !options.catalogue || !options.work || !(options.jobs >= 1))
    throw new Error('usage: check.js --tool <command...> -- --catalogue <folder> --work <folder> [--self-test] [--jobs N]');
  return options;
}

function runTool(tool, args) {
  const run = spawnSync(tool[0], [...tool.slice(1), ...args], { encoding: 'utf8' });
  if (run.error) throw new Error(`cannot run ${tool.join(' ')}: ${run.error.message}`);
  if (run.status !== 0) throw new Error(`catalogue_tool ${args[0]} failed:\n${run.stdout}${run.stderr}`);
}

// The pages Preview would write, each with the source it came from.
function preparePages(options) {
  fs.rmSync(options.work, { recursive: true, force: true });
  fs.mkdirSync(options.work, { recursive: true });
  // Before the effects arrive there is no folder: an empty catalogue.
  let catalogue = options.catalogue;
  if (!fs.existsSync(catalogue)) fs.mkdirSync((catalogue = path.join(options.work, 'empty')));
  const spect = path.join(options.work, 'spect.nht');
  const pages = path.join(options.work, 'pages');
  runTool(options.tool, ['build', catalogue, spect]);
  runTool(options.tool, ['preview', spect, pages]);
  return fs.readFileSync(path.join(pages, 'index.txt'), 'utf8').split('\n').filter(Boolean).map((line) => {
    const [file, caption, name] = line.split('\t');
    const source = fs.readFileSync(path.join(catalogue, caption, `${name}.html`), 'utf8');
    const htm = path.join(pages, file);
    return { file: htm, url: pathToFileURL(htm).href, title: `${caption}/${name}`, name, source };
  });
}

// Checks the pages with `jobs` tabs at a time; results in the pages' order.
async function checkAll(browser, pages, jobs) {
  const results = new Array(pages.length);
  let next = 0;
  const worker = async () => {
    while (next < pages.length) {
      const index = next++;
      results[index] = await checkPage(browser, pages[index]);
    }
  };
  await Promise.all(Array.from({ length: Math.min(jobs, pages.length) }, worker));
  return results;
}

// In a self-test, whether the check judged the sample as its name says it should.
function asExpected(page, problems) {
  if (page.name.startsWith('ok-')) return problems.length === 0;
  const kind = (page.name.match(/^fail-([a-z]+)-/) || [])[1];
  return kind !== undefined && problems.some((problem) => problem.kind === kind);
}

function report(pages, results, selfTest) {
  let passed = 0;
  pages.forEach((page, i) => {
    const problems = results[i];
    const good = selfTest ? asExpected(page, problems) : problems.length === 0;
    if (good) passed++;
    const verdict = selfTest ? (good ? 'as expected' : 'NOT AS EXPECTED') : good ? 'ok' : 'FAILED';
    console.log(`${verdict.padEnd(15)} ${path.basename(page.file)} ${page.title}`);
    for (const problem of problems) console.log(`    ${problem.kind}: ${problem.text}`);
  });
  console.log(`${passed} passed, ${pages.length - passed} failed`);
  return passed === pages.length;
}

async function main() {
  const options = parseArgs(process.argv.slice(2));
  const started = Date.now();
  const pages = preparePages(options);
  if (options.selfTest && !(pages.some((p) => p.name.startsWith('ok-')) && pages.some((p) => p.name.startsWith('fail-'))))
    throw new Error('the self-test needs "ok-" and "fail-" samples');
  let results = [];
  if (pages.length > 0) {
    const browser = Browser.launch(path.join(options.work, 'profile'));
    try {
      results = await checkAll(browser, pages, options.jobs);
    } finally {
      await browser.close();
    }
  }
  const good = report(pages, results, options.selfTest);
  console.log(`browser check: ${pages.length} pages in ${((Date.now() - started) / 1000).toFixed(1)} s`);
  process.exitCode = good ? 0 : 1;
}

main().catch((error) => {
  console.error(`browser check: ${error.message}`);
  process.exitCode = 1;
});
