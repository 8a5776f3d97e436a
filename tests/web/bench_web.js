// make bench-web: figures for the browser build, printed, never judged.
//
//   - the site's size as a server sends it, gzip-compressed;
//   - the time from navigation to the first drawn board, on localhost in
//     headless Chromium, with nothing cached;
//   - the depth-3 reply in the page against the native engine tool on the
//     same positions. In the page it is timed from the mouse button's release
//     on the target point to the end of the page's handling of that release
//     (the player's move, the search and the reply all run inside it), and
//     to the next frame drawn after it.
//
//   node tests/web/bench_web.js SITE_DIR
'use strict';

const fs = require('fs');
const path = require('path');
const readline = require('readline');
const zlib = require('zlib');
const { spawn } = require('child_process');
const wp = require('./web_page');
const { GamePage, sleep } = require('./game_page');

const site = path.resolve(process.argv[2] || 'build-web');
const kLoads = Number(process.env.LORVANE_BENCH_LOADS || 3);
const kTurns = Number(process.env.LORVANE_BENCH_TURNS || 30);

const median = (v) => {
  const s = [...v].sort((a, b) => a - b);
  return s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
};
const kb = (n) => `${(n / 1024).toFixed(1)} KiB`;

function sizes() {
  const worker = fs.readFileSync(path.join(site, 'sw.js'), 'utf8');
  const files = ['sw.js', ...[...worker.matchAll(/^\s*'([^']+)',?$/gm)].map((m) => m[1]).filter((f) => f !== './')];
  console.log('Transfer size (gzip -6, as a web server compresses; PNG files sent as they are):');
  let raw = 0;
  let sent = 0;
  for (const file of files) {
    const data = fs.readFileSync(path.join(site, file));
    const gz = file.endsWith('.png') ? data.length : zlib.gzipSync(data, { level: 6 }).length;
    raw += data.length;
    sent += gz;
    console.log(`  ${file.padEnd(24)} ${kb(data.length).padStart(12)} -> ${kb(gz).padStart(12)}`);
  }
  console.log(`  ${'total'.padEnd(24)} ${kb(raw).padStart(12)} -> ${kb(sent).padStart(12)}`);
}

async function firstBoard(browser, url) {
  const times = [];
  for (let i = 0; i < kLoads; i++) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport({ width: 1024, height: 768 });
    const game = new GamePage(page);
    const start = Date.now();
    await page.goto(url, { waitUntil: 'commit' });
    await game.waitForWindow(120000, 0);
    times.push(Date.now() - start);
    await context.close();
  }
  console.log(`Navigation to the first drawn board (${kLoads} loads, nothing cached; ` +
              `screenshots taken in a loop, so about 0.1 s coarse): ` +
              `median ${(median(times) / 1000).toFixed(2)} s, ${times.map((t) => (t / 1000).toFixed(2)).join(' ')} s`);
}

// Times every depth-3 reply of a game played at 高难度; returns the positions
// the computer answered.
async function pageReplies(browser, url) {
  const page = await browser.newPage();
  await page.setViewport({ width: 1024, height: 768 });
  await page.goto(url, { waitUntil: 'load' });
  const game = new GamePage(page);
  await game.waitForWindow();
  await game.chooseOption('high');
  await page.evaluate(() => {
    window.lorvaneBench = [];
    window.addEventListener('pointerup', () => {
      const start = performance.now();
      // A task posted now runs once every listener of this event, the game's
      // included, has returned.
      const channel = new MessageChannel();
      channel.port1.onmessage = () => {
        const handled = performance.now() - start;
        requestAnimationFrame(() => {
          window.lorvaneBench.push({ handled, drawn: performance.now() - start });
        });
      };
      channel.port2.postMessage(0);
    }, true);
  });
  let rows = await game.board();
  let seedState = 7;
  const positions = [];
  const handled = [];
  const drawn = [];
  for (let turn = 0; turn < kTurns; turn++) {
    const line = wp.engineLines(['moves', 'w'], [wp.toFen(rows, 'w')])[0].split(' ').slice(1);
    seedState = (seedState * 1103515245 + 12345) % 2147483648;
    const move = line[seedState % line.length];
    const { fx, fy, tx, ty } = wp.parseIccs(move);
    await game.clickPoint(fx, fy);
    await sleep(50);
    await page.evaluate(() => { window.lorvaneBench = []; });
    await game.clickPoint(tx, ty);
    const shown = await game.waitForChange(rows);
    const afterPlayer = wp.applyMove(rows, move);
    if (!shown.join('').includes('K') || !afterPlayer.join('').includes('k')) break;
    const timing = await page.waitForFunction(() => window.lorvaneBench.length > 0 && window.lorvaneBench[0])
      .then((h) => h.jsonValue());
    positions.push(wp.toFen(afterPlayer, 'b'));
    handled.push(timing.handled);
    drawn.push(timing.drawn);
    rows = shown;
  }
  await page.close();
  return { positions, handled, drawn };
}

// The native tool's time for each position, one search at a time.
function nativeReplies(positions) {
  return new Promise((resolve, reject) => {
    const tool = spawn(wp.kEngineTool, ['search', '3']);
    const lines = readline.createInterface({ input: tool.stdout });
    const times = [];
    let start = 0;
    const next = () => {
      if (times.length === positions.length) {
        tool.stdin.end();
        return;
      }
      start = process.hrtime.bigint();
      tool.stdin.write(positions[times.length] + '\n');
    };
    lines.on('line', () => {
      times.push(Number(process.hrtime.bigint() - start) / 1e6);
      next();
    });
    tool.on('close', () => resolve(times));
    tool.on('error', reject);
    next();
  });
}

async function main() {
  console.log(`Lorvane in the browser, ${site}`);
  sizes();
  const server = await wp.serveFolder(site);
  const { browser, close } = await wp.launchBrowser();
  try {
    console.log(`Browser: ${await browser.version()} (headless, SwiftShader)`);
    await firstBoard(browser, server.url);
    const page = await pageReplies(browser, server.url);
    const native = await nativeReplies(page.positions);
    const fmt = (v) => `median ${median(v).toFixed(1)} ms, max ${Math.max(...v).toFixed(1)} ms`;
    console.log(`Depth-3 replies over the same ${page.positions.length} positions of one game:`);
    console.log(`  native lorvane-engine search 3:         ${fmt(native)}`);
    console.log(`  page, release to end of its handling:   ${fmt(page.handled)}`);
    console.log(`  page, release to the next drawn frame:  ${fmt(page.drawn)}`);
    const ratios = page.handled.map((t, i) => t / Math.max(native[i], 0.001));
    console.log(`  page / native, handling vs search: median ${median(ratios).toFixed(2)}x; ` +
                `replies over 50 ms in the page: ${page.handled.filter((t) => t > 50).length}`);
  } finally {
    await close();
    await server.close();
  }
}

main().catch((e) => {
  console.error(e);
  process.exit(1);
});
