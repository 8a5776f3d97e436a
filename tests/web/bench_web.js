// make bench-web: figures for the page, printed, never judged. In each
// browser engine (LORVANE_WEB_ENGINES chooses), with the site served by
// Debian's nginx as docs/browser.md says:
//
//   - a first visit's bytes, as nginx counts them (headers included), from
//     a fresh browser until the service worker has kept the page's files: on
//     a screen of one device pixel to the pixel and of two (Chromium and
//     Firefox; WebKit's driver has no such setting);
//   - the time from navigation to the first board (the page's mark
//     lorvane-board: the board's picture and the pieces of the first new
//     game), on localhost, each load in a fresh browser;
//   - in Chromium, that time on Lighthouse's mobile profile: a 412 x 823
//     phone at 1.75 device pixels to the pixel, its network at 1.6 Mbit/s
//     down, 750 kbit/s up and 150 ms a request, its processor 4 times
//     slower (DevTools' throttling);
//   - the computer's depth-3 search in the page against the native
//     `lorvane-engine search 3` on the same positions, each searched
//     LORVANE_BENCH_REPEATS times over in a row (the page's timer is coarse
//     in some engines), the quickest of three such runs on either side, and
//     the core's own time for a whole turn at 高难度: the player's move, the
//     search and the reply. These run on a copy of the site whose core is
//     BENCH_CORE_DIR's, which has the operation time_search besides the
//     game's (the site's own core has not).
//
//   node tests/web/bench_web.js SITE_DIR BENCH_CORE_DIR
'use strict';

const fs = require('fs');
const os = require('os');
const path = require('path');
const readline = require('readline');
const { spawn } = require('child_process');
const wp = require('./web_page');
const browsers = require('./browsers');
const { GamePage, sleep } = require('./game_page');

const site = path.resolve(process.argv[2] || 'build-web/site');
const benchCore = path.resolve(process.argv[3] || 'build-web/bench-core');
const kLoads = Number(process.env.LORVANE_BENCH_LOADS || 3);
const kTurns = Number(process.env.LORVANE_BENCH_TURNS || 20);
const kRepeats = Number(process.env.LORVANE_BENCH_REPEATS || 20);

const median = (v) => {
  const s = [...v].sort((a, b) => a - b);
  return s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
};
const kb = (n) => `${(n / 1024).toFixed(1)} KiB`;

// A fresh browser at `scale` device pixels to the pixel.
async function fresh(engine, scale) {
  const driver = await browsers.launch(engine);
  if (scale !== 1) await driver.page.setViewport({ ...browsers.kViewport, deviceScaleFactor: scale });
  return driver;
}

// The first visit's bytes: everything nginx sent until the service worker
// keeps the page's pictures.
async function firstVisit(engine, server, scale) {
  const driver = await fresh(engine, scale);
  try {
    server.clearLog();
    await driver.goto(server.url);
    await new GamePage(driver).waitForGame();
    await driver.waitFor(async () => {
      const r = await navigator.serviceWorker.getRegistration();
      if (!r || !r.active) return false;
      for (const name of await caches.keys())
        if ((await (await caches.open(name)).keys()).some((k) => k.url.includes('red_general'))) return true;
      return false;
    }, { timeout: 30000, poll: 100 });
    await sleep(500);
    const log = server.log();
    const bytes = log.reduce((sum, e) => sum + e.bytes, 0);
    const full = log.filter((e) => e.status === 200).length;
    console.log(`  first visit at ${scale}x: ${kb(bytes)} (${(bytes / 1e6).toFixed(3)} MB) in ` +
                `${log.length} answers, ${full} of them files, the rest "not modified"` +
                (engine === 'webkit' ? ' (WebKit under WebDriver keeps no HTTP cache and asks for gzip, not brotli)' : ''));
  } finally {
    await driver.close();
  }
}

// The time to the first board, and on the way there the page's parsing done
// (DOMContentLoaded) and the core's first step (the mark lorvane-core).
async function firstBoard(engine, server) {
  const times = { board: [], parsed: [], core: [] };
  for (let i = 0; i < kLoads; i++) {
    const driver = await browsers.launch(engine);
    try {
      await driver.goto(server.url);
      await new GamePage(driver).waitForGame();
      const seen = await driver.waitFor(() => {
        const at = (name) => (performance.getEntriesByName(name)[0] || {}).startTime;
        const parsed = performance.getEntriesByType('navigation')[0];
        return at('lorvane-board') && {
          board: at('lorvane-board'), core: at('lorvane-core'),
          parsed: parsed ? parsed.domContentLoadedEventEnd : NaN,
        };
      });
      for (const key of Object.keys(times)) times[key].push(seen[key]);
    } finally {
      await driver.close();
    }
  }
  const s = (v) => `${(median(v) / 1000).toFixed(3)} s`;
  console.log(`  navigation to the first board (${kLoads} loads, nothing cached): median ${s(times.board)}, ` +
              `${times.board.map((t) => (t / 1000).toFixed(3)).join(' ')} s; on the way, medians: ` +
              `page parsed ${s(times.parsed)}, the core's first step ${s(times.core)}`);
}

// The first board on Lighthouse's mobile profile, each load in a fresh
// Chromium.
async function mobileBoard(server) {
  const times = [];
  for (let i = 0; i < kLoads; i++) {
    const driver = await browsers.launch('chromium');
    try {
      const { page } = driver;
      await page.emulate({
        userAgent: browsers.kPhoneUserAgent,
        viewport: { width: 412, height: 823, deviceScaleFactor: 1.75, isMobile: true, hasTouch: true },
      });
      const cdp = await page.createCDPSession();
      await cdp.send('Network.enable');
      await cdp.send('Network.emulateNetworkConditions', {
        offline: false, latency: 150, downloadThroughput: 1.6e6 / 8, uploadThroughput: 750e3 / 8,
      });
      await cdp.send('Emulation.setCPUThrottlingRate', { rate: 4 });
      await driver.goto(server.url);
      times.push(await driver.waitFor(() => (performance.getEntriesByName('lorvane-board')[0] || {}).startTime,
                                      { timeout: 60000 }));
    } finally {
      await driver.close();
    }
  }
  console.log(`  the first board on Lighthouse's mobile profile (${kLoads} loads): median ` +
              `${(median(times) / 1000).toFixed(3)} s, ${times.map((t) => (t / 1000).toFixed(3)).join(' ')} s`);
}

// The site with the bench's core in place of its own, in a folder of its own
// (without the compressed copies of the core, which are the site's).
function benchSite() {
  const copy = fs.mkdtempSync(path.join(os.tmpdir(), 'lorvane-bench-'));
  fs.cpSync(site, copy, { recursive: true });
  for (const file of ['core.js', 'core.wasm']) {
    fs.copyFileSync(path.join(benchCore, file), path.join(copy, file));
    for (const compressed of ['.br', '.gz']) fs.rmSync(path.join(copy, file + compressed), { force: true });
  }
  return copy;
}

// One game at 高难度: the core's time for each click that played a move, and
// after each turn its time for depth-3 searches of the position reached.
async function pageReplies(engine, server) {
  const driver = await browsers.launch(engine);
  try {
    await driver.goto(server.url);
    const game = new GamePage(driver);
    await game.waitForGame();
    await game.chooseOption('high');
    let rows = wp.kInitialRows;
    let seedState = 7;
    const result = { positions: [], search: [], turns: [] };
    for (let turn = 0; turn < kTurns; turn++) {
      // Moves that do not leave the general to be taken at once, so that
      // the game lasts.
      const moves = wp.movesKeepingTheGeneral(
        rows, wp.engineLines(['moves', 'w'], [wp.toFen(rows, 'w')])[0].split(' ').slice(1));
      seedState = (seedState * 1103515245 + 12345) % 2147483648;
      const move = moves[seedState % moves.length];
      if (!wp.applyMove(rows, move).join('').includes('k')) break;
      rows = await game.play(move);
      result.turns.push((await driver.evaluate(() => window.lorvaneDone[window.lorvaneDone.length - 1])).ms);
      if (!rows.join('').includes('K')) break;
      // The quickest of three runs: other work on the machine only adds.
      let best = Infinity;
      for (let run = 0; run < 3; run++) {
        await game.finished(() => driver.evaluate((times) => {
          window.lorvaneCore.postMessage({ op: 'time_search', args: [3, times] });
        }, kRepeats));
        best = Math.min(best, (await driver.evaluate(() => window.lorvaneDone[window.lorvaneDone.length - 1])).ms);
      }
      result.positions.push(wp.toFen(rows, 'b'));
      result.search.push(best / kRepeats);
    }
    return result;
  } finally {
    await driver.close();
  }
}

// The native tool's time for each position, searched `times` times over.
function nativeSearches(positions, depth, times) {
  return new Promise((resolve, reject) => {
    const tool = spawn(wp.kEngineTool, ['search', String(depth)]);
    const lines = readline.createInterface({ input: tool.stdout });
    const result = [];
    let start = 0;
    let answered = 0;
    const next = () => {
      if (result.length === positions.length) {
        tool.stdin.end();
        return;
      }
      start = process.hrtime.bigint();
      answered = 0;
      tool.stdin.write(`${positions[result.length]}\n`.repeat(times));
    };
    lines.on('line', () => {
      if (++answered < times) return;
      result.push(Number(process.hrtime.bigint() - start) / 1e6 / times);
      next();
    });
    tool.on('close', () => resolve(result));
    tool.on('error', reject);
    next();
  });
}

async function main() {
  console.log(`Lorvane in the browser, ${site}; load average ${require('os').loadavg().map((l) => l.toFixed(1)).join(' ')} ` +
              `on ${require('os').cpus().length} cores`);
  const server = await wp.serveSite(site);
  const benchCopy = benchSite();
  const bench = await wp.serveSite(benchCopy);
  try {
    for (const engine of browsers.chosenEngines()) {
      const probe = await browsers.launch(engine);
      console.log(`${engine}: ${probe.version}${engine === 'chromium' ? ' (headless)' : ' (on Xvfb)'}`);
      await probe.close();
      await firstVisit(engine, server, 1);
      if (engine !== 'webkit') await firstVisit(engine, server, 2);
      await firstBoard(engine, server);
      if (engine === 'chromium') await mobileBoard(server);
      const page = await pageReplies(engine, bench);
      const runs = [];
      for (let run = 0; run < 3; run++) runs.push(await nativeSearches(page.positions, 3, kRepeats));
      const native = page.positions.map((p, i) => Math.min(...runs.map((r) => r[i])));
      const fmt = (v) => `median ${median(v).toFixed(2)} ms, max ${Math.max(...v).toFixed(2)} ms`;
      const ratios = page.search.map((t, i) => t / native[i]);
      console.log(`  depth-3 search over the same ${page.positions.length} positions of one game, ` +
                  `each ${kRepeats} times over, quickest of 3 runs:`);
      console.log(`    native lorvane-engine search 3: ${fmt(native)}`);
      console.log(`    page:                           ${fmt(page.search)}`);
      console.log(`    page over native: median ${median(ratios).toFixed(2)} times, ` +
                  `${Math.min(...ratios).toFixed(2)} to ${Math.max(...ratios).toFixed(2)}`);
      console.log(`  a whole turn at 高难度 in the page, the core's time: ${fmt(page.turns)}`);
    }
  } finally {
    await server.close();
    await bench.close();
    fs.rmSync(benchCopy, { recursive: true, force: true });
  }
}

main().catch((e) => {
  console.error(e);
  process.exit(1);
});
