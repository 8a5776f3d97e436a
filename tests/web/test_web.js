// make test-web: the browser build in Chromium, Firefox and WebKit, played
// with real mouse, key and touch events. In each engine, whole games at both
// levels, with a take-back and a new game; every reply of the computer is
// checked against the native `lorvane-engine search D` on the same position,
// and the move lists against the desktop window's after the same moves (the
// desktop game on a virtual X screen, played alongside). Then the message
// boxes, which keep the keyboard after a click beside them, the About box and
// 退出. In Chromium alone: the download's progress on the page, a download
// broken off, offline play after the first load, a phone-sized screen played
// by touch, and a browser without WebAssembly.
//
//   node tests/web/test_web.js SITE_DIR SHOTS_DIR
//   LORVANE_WEB_ENGINES=chromium,firefox,webkit (the default) chooses engines
'use strict';

const fs = require('fs');
const path = require('path');
const wp = require('./web_page');
const browsers = require('./browsers');
const { GamePage, sleep } = require('./game_page');
const { DesktopWindow } = require('./desktop_window');

const site = path.resolve(process.argv[2] || 'build-web/site');
const shots = path.resolve(process.argv[3] || 'build-web-tools/shots');
const seed = Number(process.env.LORVANE_WEB_SEED || 20261208);
// The game's title, the window's caption, as the build wrote it into the
// site's manifest.
const kTitle = JSON.parse(fs.readFileSync(path.join(site, 'manifest.webmanifest'), 'utf8')).name;
// Where a click lands on the game window beside a message box (in the
// window's middle): the bare form below the picture buttons.
const kBeside = [620, 528];

let checks = 0;
function ok(what) {
  checks++;
  console.log(`ok ${checks} - ${what}`);
}
function expect(condition, what) {
  if (!condition) throw new Error(what);
}
function expectRows(shown, wanted, what) {
  if (shown.join('/') !== wanted.join('/'))
    throw new Error(`${what}\n  shown:  ${shown.join('/')}\n  wanted: ${wanted.join('/')}`);
}

// A small seeded generator, so a failing game can be played again.
function random(seedValue) {
  let s = seedValue >>> 0;
  return () => {
    s = (s + 0x6d2b79f5) >>> 0;
    let t = s;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

// The player's move: the computer's general when it can be taken; else one
// that does not leave the player's general to be taken at once, often a
// capture, else any move the rules allow.
function chooseMove(rows, rand) {
  const line = wp.engineLines(['moves', 'w'], [wp.toFen(rows, 'w')])[0].split(' ');
  let moves = line.slice(1);
  expect(moves.length > 0, 'the player has no move');
  const target = (m) => { const { tx, ty } = wp.parseIccs(m); return rows[ty][tx]; };
  const general = moves.find((m) => target(m) === 'k');
  if (general) return general;
  moves = wp.movesKeepingTheGeneral(rows, moves);
  const captures = moves.filter((m) => target(m) !== '.');
  const pool = captures.length > 0 && rand() < 0.5 ? captures : moves;
  return pool[Math.floor(rand() * pool.length)];
}

const over = (rows) => !rows.join('').includes('k') || !rows.join('').includes('K');

// One turn: the player's move by two clicks, and the computer's reply checked
// against the engine tool at `depth`. Returns the new board.
async function playTurn(game, rows, move, depth) {
  const afterPlayer = wp.applyMove(rows, move);
  const shown = await game.play(move, rows);
  if (over(afterPlayer)) {
    expectRows(shown, afterPlayer, `after ${move}, which takes the general, the board`);
    return afterPlayer;
  }
  const reply = wp.movePlayedBetween(afterPlayer, shown);
  const [best] = wp.engineLines(['search', String(depth)], [wp.toFen(afterPlayer, 'b')]);
  const engineMove = best.split(' ')[0];
  expect(reply === engineMove,
         `after ${move} the page replied ${reply}, lorvane-engine search ${depth} says ${best}` +
         ` (position ${wp.toFen(afterPlayer, 'b')})`);
  const expected = wp.applyMove(afterPlayer, reply);
  expectRows(shown, expected, `after ${move} ${reply} the board`);
  return expected;
}

// The page's move lists against the desktop window's after the same moves:
// each list looks like the desktop's now more than like the desktop's before
// the last step, and no line differs from the desktop's by more than font
// smoothing does (up to about 0.08 seen: the page's digits are a little
// bolder; a line missing or one line off gives 1).
const kListTolerance = Number(process.env.LORVANE_LIST_TOLERANCE || 0.12);
const listStats = { worst: 0, compared: 0 };
async function compareLists(game, desk, before, what) {
  await game.waitUntilStill();
  for (const list of ['player', 'computer']) {
    const same = wp.listDifference(game.img, game.area, desk.img, desk.area, list);
    listStats.worst = Math.max(listStats.worst, same);
    listStats.compared++;
    expect(same <= kListTolerance,
           `${what}: the ${list} list differs from the desktop window's (${same.toFixed(3)})`);
    if (before) {
      const earlier = wp.listDifference(game.img, game.area, before.img, before.area, list);
      const changed = wp.listDifference(desk.img, desk.area, before.img, before.area, list) > 0;
      expect(!changed || same < earlier,
             `${what}: the ${list} list looks more like the desktop's before this step ` +
             `(${earlier.toFixed(3)}) than after it (${same.toFixed(3)})`);
    }
  }
}

// A whole game from the position shown, played on the page and, move for
// move, on the desktop window `desk`: turns until a general is taken. Before
// turn n, events[n](rows, played) may act and return the new search depth.
async function playGame(game, desk, rand, name, depth, events = {}) {
  let rows = await game.board();
  expectRows(rows, wp.kInitialRows, `${name}: the opening position`);
  const played = [];
  for (let turn = 1; turn <= 81 && !over(rows); turn++) {
    if (events[turn]) depth = await events[turn](rows, played) || depth;
    rows = await game.board();
    const move = chooseMove(rows, rand);
    const next = await playTurn(game, rows, move, depth);
    const before = { img: desk.img, area: desk.area };
    await desk.play(move, next);
    await compareLists(game, desk, before, `${name}, turn ${turn}`);
    played.push({ move, reply: wp.movePlayedBetween(wp.applyMove(rows, move), next), depth });
    rows = next;
  }
  expect(over(rows), `${name}: no general was taken in 81 turns`);
  return { rows, played };
}

// The checks every browser engine runs, on one page: the window, two whole
// games beside the desktop window, the message boxes (keeping the keyboard
// after a click beside them), the About box, 退出 and 重新开始.
async function wholeGames(engine, server, rand) {
  const tag = (what) => `${engine}: ${what}`;
  const driver = await browsers.launch(engine);
  let desk = null;
  console.log(`# ${engine}: ${driver.version}`);
  try {
    await driver.goto(server.url);
    const game = new GamePage(driver);
    await game.waitForWindow();
    const title = await driver.title();
    expect(title === kTitle, `the page's title is ${title}, not ${kTitle}`);
    const [ox, oy] = game.area.at(0, 0);
    const width = game.img.width / game.img.perCss;
    const centred = Math.abs(ox + 651 / 2 - width / 2) <= 8;
    expect(centred && game.area.scale === 1, `the window is not centred at 1:1 (client at ${ox}, ${oy})`);
    ok(tag(`the window is drawn, centred at 1:1, under the title ${title}`));
    fs.writeFileSync(path.join(shots, `${engine}-desktop.png`), await driver.screenshot());

    // Game 1: low level; a take-back at turn 4; the 高难度 option button at
    // turn 7 makes the rest of the game a depth-3 one.
    listStats.worst = 0;
    listStats.compared = 0;
    desk = await DesktopWindow.open();
    const game1 = await playGame(game, desk, rand, 'game 1', 2, {
      4: async (rows, played) => {
        await game.pressButton('back');
        const back = await game.waitForChange(rows);
        const last = played.pop();
        let before = wp.kInitialRows;
        for (const t of played) before = wp.applyMove(wp.applyMove(before, t.move), t.reply);
        expectRows(back, before, 'after 悔棋 the board');
        const shown = { img: desk.img, area: desk.area };
        await desk.pressButton('back');
        await desk.waitForBoard(before, 'after 悔棋');
        await compareLists(game, desk, shown, 'after 悔棋');
        ok(tag(`悔棋 takes back ${last.move} ${last.reply}, on the board and in both lists`));
        return 2;
      },
      7: async () => {
        await game.chooseOption('high');
        await desk.chooseOption('high');
        return 3;
      },
    });
    ok(tag(`game 1: ${game1.played.length} turns at 低难度 then 高难度, every reply as lorvane-engine search`));
    ok(tag(`game 1: after every turn both move lists look like the desktop window's ` +
           `(worst ${listStats.worst.toFixed(3)} of ${kListTolerance})`));

    // After the end every click on the board says 已经结束!!! in a message box;
    // a click on the window beside the box leaves the keyboard with the box.
    await game.shot();
    await game.clickPoint(4, 4);
    expect(await game.middleChange() > 8, 'no message box after a click on a finished game');
    await game.clickAt(...kBeside);
    await sleep(200);
    await game.pressKey('Enter');
    expectRows(await game.board(), game1.rows, 'the finished game after its message box');
    ok(tag('a click on the finished game opens a message box; after a click beside it, Enter closes it'));

    // 開始: a new game at the level chosen last (high); the 难度设置 menu's
    // 低难度 at turn 5 switches to depth 2.
    await game.pressButton('new');
    await game.waitForChange(game1.rows);
    await desk.pressButton('new');
    await desk.waitForBoard(wp.kInitialRows, 'after 開始');
    await compareLists(game, desk, null, 'after 開始');
    const game2 = await playGame(game, desk, rand, 'game 2', 3, {
      5: async () => {
        await game.shot();
        await game.pickMenuItem(1, 0);
        await desk.chooseOption('low');
        return 2;
      },
    });
    await desk.close();
    desk = null;
    ok(tag(`game 2 (開始): ${game2.played.length} turns at 高难度 then 低难度 (menu), every reply as lorvane-engine search`));
    ok(tag(`both games: ${listStats.compared} list comparisons with the desktop window, ` +
           `worst difference ${listStats.worst.toFixed(3)} of ${kListTolerance}`));

    // 求和 is refused in a message box that holds the click: the board stays.
    // Escape closes the box, after a click beside it too.
    await game.pressButton('new');
    let rows = await game.waitForChange(game2.rows);
    rows = await playTurn(game, rows, 'h2e2', 2);
    await game.shot();
    await game.pressButton('draw');
    expect(await game.middleChange() > 8, 'no message box after 求和');
    await game.clickAt(...kBeside);
    await sleep(200);
    await game.pressKey('Escape');
    expectRows(await game.board(), rows, 'the board after 求和');
    ok(tag('求和 answers in a message box and the game goes on; after a click beside the box, Escape closes it'));

    // The same box from the 文件 menu, picked with the arrow keys and Enter:
    // a key, as well as a click, can wait in its box.
    await game.shot();
    await game.openMenu(0);
    for (let i = 0; i < 3; i++) await game.pressKey('ArrowDown');
    await game.shot();
    await game.pressKey('Enter');
    expect(await game.middleChange() > 8, 'no message box after 文件 → 求和 by the keyboard');
    await game.pressKey('Enter');
    expectRows(await game.board(), rows, 'the board after 求和 from the menu');
    ok(tag('文件 → 求和, picked by the arrow keys and Enter, answers in the same box'));

    // 認輸: the new game begins only once its message box is closed; Space
    // presses its 确定 after a click beside it.
    await game.shot();
    await game.pressButton('resign');
    expect(await game.middleChange() > 8, 'no message box after 認輸');
    const covered = await game.boardAroundBox();
    expectRows(covered, rows.map((r, y) => r.split('').map((c, x) => (covered[y][x] === '?' ? '?' : c)).join('')),
               'the board around the 認輸 box while it is open');
    await game.clickAt(...kBeside);
    await sleep(200);
    await game.pressKey('Space');
    expectRows(await game.board(), wp.kInitialRows, 'the board after the 認輸 box');
    ok(tag('認輸: the message box holds the click; the new game follows its closing by Space after a click beside it'));

    // The About box beside the game; a click back into the game window starts
    // a new game, as on the desktop.
    rows = await playTurn(game, wp.kInitialRows, 'b0c2', 2);
    await game.shot();
    await game.pickMenuItem(2, 0);
    expect(await game.middleChange() > 8, 'no About box');
    fs.writeFileSync(path.join(shots, `${engine}-about.png`), await driver.screenshot());
    const aside = await game.boardAroundBox();
    expectRows(aside, rows.map((r, y) => r.split('').map((c, x) => (aside[y][x] === '?' ? '?' : c)).join('')),
               'the board around the About box');
    await game.clickAt(640, 405);
    await sleep(300);
    expectRows(await game.board(), wp.kInitialRows, 'the board after clicking back into the game');
    ok(tag('帮助 → 关于 opens the About box; clicking back into the game window starts a new game'));

    // 退出 ends the program; the page says so and offers to start again.
    await game.shot();
    await game.pickMenuItem(0, 4);
    await driver.waitFor(() => document.getElementById('message').textContent.includes('已退出'),
                         { timeout: 10000 });
    fs.writeFileSync(path.join(shots, `${engine}-ended.png`), await driver.screenshot());
    await driver.reloadBy(() => driver.clickElement('#restart'));
    await game.waitForWindow();
    expectRows(await game.board(), wp.kInitialRows, 'the board after starting again');
    ok(tag('文件 → 退出 ends the program; the page says 已退出 and 重新开始 starts it again'));
    const errors = await driver.errors();
    expect(errors.length === 0, `errors on the page: ${errors.join('; ')}`);
  } catch (e) {
    e.message = `${engine}: ${e.message}`;
    throw e;
  } finally {
    if (desk) await desk.close();
    await driver.close();
  }
}

// The lines the page's notice shows from its start, in order.
function recordNotices() {
  const seen = [];
  window.lorvaneNotices = seen;
  document.addEventListener('DOMContentLoaded', () => {
    const message = document.getElementById('message');
    const note = () => { if (seen[seen.length - 1] !== message.textContent) seen.push(message.textContent); };
    note();
    new MutationObserver(note).observe(message, { childList: true, characterData: true, subtree: true });
  });
}

// The steps of the download the notice showed (shares in %, or megabytes
// where the size is not known), and whether it then said the download was
// done.
function downloadSteps(notices) {
  const steps = notices.map((t) => /^正在载入 Lorvane…… (?:(\d+)%|已下载 (\d+) MB)$/.exec(t)).filter(Boolean);
  const shares = steps.filter((m) => m[1] !== undefined).map((m) => Number(m[1]));
  const megabytes = steps.filter((m) => m[2] !== undefined).map((m) => Number(m[2]));
  const rising = (v) => v.every((x, i) => i === 0 || x > v[i - 1]);
  return {
    shares, megabytes, done: notices.includes('下载完成，正在启动……'),
    rising: rising(shares) && rising(megabytes) && shares.every((v) => v <= 100),
    text: shares.length ? `${shares.join(' ')} %` : `${megabytes.join(' ')} MB`,
  };
}

// Chromium only: the program's download shown on the page, a network that
// fails halfway, offline play after the first load, and a phone by touch.
async function chromiumOnly(rand) {
  const driver = await browsers.launch('chromium');
  const { page } = driver;
  const server = await wp.serveFolder(site);
  let cutServer = null;
  try {
    // A slow network: the bar fills while lorvane.wasm arrives, the line
    // under it counting in steps, then the program starts. The server sends
    // the program compressed, so the page counts against the size the build
    // wrote in, or in megabytes.
    await page.evaluateOnNewDocument(recordNotices);
    const cdp = await page.createCDPSession();
    await cdp.send('Network.enable');
    await cdp.send('Network.emulateNetworkConditions',
                   { offline: false, latency: 20, downloadThroughput: 2 * 1048576, uploadThroughput: 1048576 });
    await page.goto(server.url, { waitUntil: 'domcontentloaded' });
    await page.waitForFunction(() => {
      const m = /(\d+)(%| MB)$/.exec(document.getElementById('message').textContent);
      return m && Number(m[1]) >= (m[2] === '%' ? 40 : 8);
    }, { timeout: 60000, polling: 50 });
    fs.writeFileSync(path.join(shots, 'loading.png'), await page.screenshot());
    await cdp.send('Network.emulateNetworkConditions',
                   { offline: false, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
    const game = new GamePage(driver);
    await game.waitForWindow();
    let steps = downloadSteps(await page.evaluate(() => window.lorvaneNotices));
    expect(steps.shares.length + steps.megabytes.length >= 5 && steps.rising && steps.done,
           `while the program downloads the notice showed ${steps.text}` +
           (steps.done ? ', then 下载完成' : ', and never 下载完成'));
    ok(`chromium: a slow download shows its progress (${steps.text}), then 下载完成，正在启动……`);

    // Offline: the service worker has kept the files; with the server gone
    // the page still opens and plays, and counts its download from the cache.
    await page.waitForFunction(async () => {
      const r = await navigator.serviceWorker.getRegistration();
      return !!(r && r.active);
    }, { timeout: 30000 });
    const requests = server.requests;
    await server.close();
    await page.reload({ waitUntil: 'load' });
    await game.waitForWindow();
    let rows = await playTurn(game, await game.board(), 'h2e2', 2);
    expect(server.requests === requests, 'the page reached the server while offline');
    steps = downloadSteps(await page.evaluate(() => window.lorvaneNotices));
    expect(steps.done && steps.rising && steps.megabytes.length === 0,
           `from the service worker the notice showed ${steps.text} and ${steps.done ? '' : 'not '}下载完成`);
    ok(`chromium: with the server stopped, the page reloads from its service worker (${steps.text}) and plays`);

    // A download broken off halfway says so and offers to start again.
    const fresh = await driver.browser.createBrowserContext();
    const cutPage = await fresh.newPage();
    await cutPage.setViewport(browsers.kViewport);
    cutServer = await wp.serveFolder(site, 0, { plain: true, cut: 0.5 });
    await cutPage.goto(cutServer.url, { waitUntil: 'load' });
    // Once the half has come, the network breaks.
    await cutPage.waitForFunction(() => document.getElementById('message').textContent.endsWith('50%'),
                                  { timeout: 60000, polling: 50 });
    cutServer.cut();
    await cutPage.waitForFunction(() => !document.getElementById('restart').hidden, { timeout: 60000 });
    const said = await cutPage.$eval('#notice', (e) => e.innerText);
    fs.writeFileSync(path.join(shots, 'cut.png'), await cutPage.screenshot());
    expect(said.includes('网络中断') && said.includes('已下载 50%'), `after a broken download the page says: ${said}`);
    ok(`chromium: a download broken off halfway says: ${said.split('\n').slice(0, 2).join(' ')}`);
    await fresh.close();
    await cutServer.close();
    cutServer = null;

    // A phone: the whole window scaled down to fit, played by touch.
    const phoneServer = await wp.serveFolder(site);
    const phone = await driver.browser.newPage();
    const phoneErrors = [];
    await phone.emulate({
      userAgent: 'Mozilla/5.0 (Linux; Android 14; Pixel 8) AppleWebKit/537.36 (KHTML, like Gecko) ' +
                 'Chrome/156.0 Mobile Safari/537.36',
      viewport: { width: 412, height: 915, deviceScaleFactor: 2, isMobile: true, hasTouch: true },
    });
    phone.on('console', (m) => { if (m.type() === 'error') phoneErrors.push(`${m.text()} (${m.location().url || ''})`); });
    await phone.goto(phoneServer.url, { waitUntil: 'load' });
    const phoneDriver = new browsers.PuppeteerDriver('chromium', phone, driver.version, null);
    const mobile = new GamePage(phoneDriver, { touch: true });
    await mobile.waitForWindow().catch((e) => { throw new Error(`${e.message}; ${phoneErrors.join('; ')}`); });
    const right = mobile.area.at(651, 538);
    expect(mobile.area.scale < 2 && right[0] <= mobile.img.width,
           `the window does not fit the phone's screen (scale ${mobile.area.scale.toFixed(2)})`);
    rows = await mobile.board();
    expectRows(rows, wp.kInitialRows, 'the phone shows the opening position');
    const opening = mobile.img;
    for (let turn = 0; turn < 2; turn++) rows = await playTurn(mobile, rows, chooseMove(rows, rand), 2);
    fs.writeFileSync(path.join(shots, 'phone.png'), await phone.screenshot());
    // Only a screen of more than one device pixel to the pixel fetches the
    // doubled pictures.
    expect(phoneServer.files.has('/pictures@2x.rcc') && !server.files.has('/pictures@2x.rcc'),
           'the doubled pictures were not fetched by the phone alone');
    // Its service worker keeps them from this first visit on: without the
    // server the phone starts again and draws the same opening.
    await phone.waitForFunction(async () => {
      for (const name of await caches.keys()) {
        if (await (await caches.open(name)).match('pictures@2x.rcc')) return true;
      }
      return false;
    }, { timeout: 30000, polling: 200 });
    await phoneServer.close();
    await phone.reload({ waitUntil: 'load' });
    await mobile.waitForWindow();
    let differing = 0;
    for (let i = 0; i < opening.data.length; i++) if (opening.data[i] !== mobile.img.data[i]) differing++;
    expect(mobile.img.width === opening.width && differing < opening.data.length / 1000,
           `offline, the phone's opening differs in ${differing} of ${opening.data.length} bytes`);
    // A tap waits in a message box too.
    await mobile.shot();
    await mobile.pressButton('draw');
    expect(await mobile.middleChange() > 8, 'no message box after a tap on 求和');
    const errors = [...phoneErrors, ...await phoneDriver.errors(), ...await driver.errors()];
    expect(errors.length === 0, `errors on the page: ${errors.join('; ')}`);
    ok(`chromium: on a 412 x 915 phone screen the window fits (${(mobile.area.scale / 2).toFixed(2)}:1), ` +
       'taps play and wait in a box, and offline it starts again with the doubled pictures');
    await phone.close();
    await phoneServer.close();
  } finally {
    await driver.close();
    await server.close().catch(() => {});
    if (cutServer) await cutServer.close();
  }

  // A browser without WebAssembly gets a plain message instead of the game.
  const bare = await browsers.launch('chromium');
  const again = await wp.serveFolder(site);
  try {
    await bare.page.evaluateOnNewDocument(() => { delete globalThis.WebAssembly; });
    await bare.page.goto(again.url, { waitUntil: 'load' });
    const text = await bare.page.$eval('#notice', (e) => (e.hidden ? '' : e.innerText));
    expect(text.includes('不能运行 WebAssembly'), `without WebAssembly the page says: ${text}`);
    ok(`chromium: without WebAssembly the page says: ${text.split('\n')[0]}`);
  } finally {
    await bare.close();
    await again.close();
  }
}

async function main() {
  fs.mkdirSync(shots, { recursive: true });
  const engines = browsers.chosenEngines();
  const server = await wp.serveFolder(site);
  console.log(`# site ${site} at ${server.url}, seed ${seed}, engines ${engines.join(' ')}`);
  try {
    // The same games in every engine: the replies do not depend on it.
    for (const engine of engines) await wholeGames(engine, server, random(seed));
  } finally {
    await server.close();
  }
  if (engines.includes('chromium')) await chromiumOnly(random(seed + 1));
  console.log(`# ${checks} checks passed; screenshots in ${shots}`);
}

main().catch((e) => {
  console.error(`not ok - ${e.message}`);
  process.exit(1);
});
