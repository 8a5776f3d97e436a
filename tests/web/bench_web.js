// make bench-web: figures for the browser build, printed, never judged.
//
//   - the site's size as a server sends it: the site's own .gz and .br copies
//     where it has them, or compressed as a web server would;
//   - in each browser engine (Chromium, Firefox, WebKit; LORVANE_WEB_ENGINES
//     chooses): the time from navigation to the first drawn board, on
//     localhost, with nothing cached, each load in a fresh browser;
//   - in each engine, the depth-3 reply in the page against the native engine
//     tool on the same positions. In the page it is timed from the mouse
//     button's release on the target point to the end of the page's handling
//     of that release (the player's move, the search and the reply all run
//     inside it), and to the next frame drawn after it.
//
//   node tests/web/bench_web.js SITE_DIR
'use strict';

const fs = require('fs');
const path = require('path');
const readline = require('readline');
const zlib = require('zlib');
const { spawn } = require('child_process');
const wp = require('./web_page');
const browsers = require('./browsers');
const { GamePage, sleep } = require('./game_page');

const site = path.resolve(process.argv[2] || 'build-web/site');
const kLoads = Number(process.env.LORVANE_BENCH_LOADS || 3);
const kTurns = Number(process.env.LORVANE_BENCH_TURNS || 20);

const median = (v) => {
  const s = [...v].sort((a, b) => a - b);
  return s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
};
const kb = (n) => `${(n / 1024).toFixed(1)} KiB`;

function sizes() {
  const worker = fs.readFileSync(path.join(site, 'sw.js'), 'utf8');
  const listed = (name) => [...worker.match(new RegExp(`const ${name} = \\[([^\\]]*)\\]`))[1]
    .matchAll(/'([^']+)'/g)].map((m) => m[1]).filter((f) => f !== './');
  const files = ['sw.js', ...listed('kFiles')];
  const kept = listed('kKept');
  console.log('Transfer size: file, gzip (brotli beside it): the site\'s .gz and .br copies,');
  console.log('or else gzip -6 and brotli -11 as a web server compresses; pictures are sent as they are:');
  let raw = 0;
  let sent = 0;
  let sentBr = 0;
  for (const file of [...files, ...kept]) {
    if (file === kept[0]) {
      console.log(`  ${'total'.padEnd(24)} ${kb(raw).padStart(12)} -> ${kb(sent).padStart(12)} (${kb(sentBr)})`);
      console.log('  and on a screen of more than one device pixel to the pixel:');
    }
    const data = fs.readFileSync(path.join(site, file));
    const png = /\.(png|rcc)$/.test(file);
    const copy = (suffix, compress) => {
      const f = path.join(site, file + suffix);
      if (fs.existsSync(f)) return fs.statSync(f).size;
      return png ? data.length : compress().length;
    };
    const gz = copy('.gz', () => zlib.gzipSync(data, { level: 6 }));
    const br = copy('.br', () => zlib.brotliCompressSync(data, {
      params: { [zlib.constants.BROTLI_PARAM_QUALITY]: 11, [zlib.constants.BROTLI_PARAM_SIZE_HINT]: data.length },
    }));
    raw += data.length;
    sent += gz;
    sentBr += br;
    console.log(`  ${file.padEnd(24)} ${kb(data.length).padStart(12)} -> ${kb(gz).padStart(12)} (${kb(br)})`);
  }
  console.log(`  ${'total there'.padEnd(24)} ${kb(raw).padStart(12)} -> ${kb(sent).padStart(12)} (${kb(sentBr)})`);
}

async function firstBoard(engine, url) {
  const times = [];
  const marks = { 'lorvane-compiled': [], 'lorvane-running': [] };
  for (let i = 0; i < kLoads; i++) {
    const driver = await browsers.launch(engine);
    try {
      const game = new GamePage(driver);
      const start = Date.now();
      await driver.goto(url);
      await game.waitForWindow(120000, 0);
      times.push(Date.now() - start);
      // The page's own marks, from the start of the navigation.
      const seen = await driver.evaluate(() => performance.getEntriesByType('mark')
        .map((m) => [m.name, m.startTime]));
      for (const [name, at] of seen) if (marks[name]) marks[name].push(at);
    } finally {
      await driver.close();
    }
  }
  const s = (v) => (v.length ? `${(median(v) / 1000).toFixed(2)} s` : 'not marked');
  console.log(`  navigation to the first drawn board (${kLoads} loads, nothing cached; ` +
              `screenshots taken in a loop, so about 0.1 s coarse): ` +
              `median ${(median(times) / 1000).toFixed(2)} s, ${times.map((t) => (t / 1000).toFixed(2)).join(' ')} s`);
  console.log(`    of which: program downloaded and compiled ${s(marks['lorvane-compiled'])}, ` +
              `window made and shown ${s(marks['lorvane-running'])} (medians)`);
}

// Times the replies of one game, each position answered twice in the page:
// at 高难度 (depth 3), then, after 悔棋, at 低难度 (depth 2). The two
// handlings draw the same kind of turn, so their difference is the extra
// time of the deeper search. The game goes on from the depth-2 reply.
async function pageReplies(engine, url) {
  const page = await browsers.launch(engine);
  await page.goto(url);
  const game = new GamePage(page);
  await game.waitForWindow();
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
  const timeMove = async (move, rows) => {
    const { fx, fy, tx, ty } = wp.parseIccs(move);
    await game.clickPoint(fx, fy);
    await sleep(50);
    await page.evaluate(() => { window.lorvaneBench = []; });
    await game.clickPoint(tx, ty);
    const shown = await game.waitForChange(rows);
    const timing = await page.waitFor(() => window.lorvaneBench.length > 0 && window.lorvaneBench[0],
                                      { poll: 20 });
    return { shown, timing };
  };
  const takeBack = async (shown, rows) => {
    await game.pressButton('back');
    await game.waitForChange(shown);
    const back = await game.board();
    if (back.join('/') !== rows.join('/')) throw new Error('悔棋 did not restore the position');
  };
  let rows = await game.board();
  let seedState = 7;
  const result = { positions: [], high: [], highDrawn: [], low: [] };
  for (let turn = 0; turn < kTurns; turn++) {
    // Moves that do not leave the general to be taken at once, so that the
    // game lasts.
    const line = wp.movesKeepingTheGeneral(
        rows, wp.engineLines(['moves', 'w'], [wp.toFen(rows, 'w')])[0].split(' ').slice(1));
    seedState = (seedState * 1103515245 + 12345) % 2147483648;
    const move = line[seedState % line.length];
    const afterPlayer = wp.applyMove(rows, move);
    if (!afterPlayer.join('').includes('k')) break;
    await game.chooseOption('high');
    const high = await timeMove(move, rows);
    await takeBack(high.shown, rows);
    await game.chooseOption('low');
    const low = await timeMove(move, rows);
    result.positions.push(wp.toFen(afterPlayer, 'b'));
    result.high.push(high.timing.handled);
    result.highDrawn.push(high.timing.drawn);
    result.low.push(low.timing.handled);
    rows = low.shown;
    if (!rows.join('').includes('K')) break;
  }
  await page.close();
  return result;
}

// The native tool's time for each position at `depth`, one search at a time.
function nativeReplies(positions, depth = 3) {
  return new Promise((resolve, reject) => {
    const tool = spawn(wp.kEngineTool, ['search', String(depth)]);
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
  try {
    for (const engine of browsers.chosenEngines()) {
      const probe = await browsers.launch(engine);
      const version = probe.version;
      await probe.close();
      console.log(`${engine}: ${version}${engine === 'chromium' ? ' (headless, SwiftShader)' : ' (on Xvfb, Mesa llvmpipe)'}`);
      await firstBoard(engine, server.url);
      const page = await pageReplies(engine, server.url);
      const native3 = await nativeReplies(page.positions, 3);
      const native2 = await nativeReplies(page.positions, 2);
      const fmt = (v) => `median ${median(v).toFixed(1)} ms, max ${Math.max(...v).toFixed(1)} ms`;
      const diff = (a, b) => a.map((t, i) => t - b[i]);
      console.log(`  replies over the same ${page.positions.length} positions of one game:`);
      console.log(`    native lorvane-engine search 3:            ${fmt(native3)}`);
      console.log(`    page at 高难度, release to end of handling:  ${fmt(page.high)}`);
      console.log(`    page at 高难度, release to next drawn frame: ${fmt(page.highDrawn)}`);
      console.log(`    page at 低难度, release to end of handling:  ${fmt(page.low)}`);
      const pageSearch = median(diff(page.high, page.low));
      const nativeSearch = median(diff(native3, native2));
      console.log(`    depth 3 over depth 2, same position: page ${pageSearch.toFixed(1)} ms, ` +
                  `native ${nativeSearch.toFixed(1)} ms (medians): ` +
                  `${(pageSearch / nativeSearch).toFixed(1)} times native`);
      console.log(`    replies over 50 ms in the page at 高难度: ${page.high.filter((t) => t > 50).length}` +
                  ` of ${page.high.length}`);
    }
  } finally {
    await server.close();
  }
}

main().catch((e) => {
  console.error(e);
  process.exit(1);
});
