// make test-web: the browser build in Debian's headless Chromium, played with
// real mouse and touch events. Whole games at both levels, with a take-back
// and a new game; every reply of the computer is checked against the native
// `lorvane-engine search D` on the same position, and the move lists against
// the desktop window's after the same moves (the desktop game on a virtual X
// screen, played alongside). Then the message boxes, the
// About box, 退出, offline play after the first load, and a phone-sized
// screen played by touch.
//
//   node tests/web/test_web.js SITE_DIR SHOTS_DIR
'use strict';

const fs = require('fs');
const path = require('path');
const wp = require('./web_page');
const { GamePage, sleep } = require('./game_page');
const { DesktopWindow } = require('./desktop_window');

const site = path.resolve(process.argv[2] || 'build-web');
const shots = path.resolve(process.argv[3] || site + '-tools/shots');
const seed = Number(process.env.LORVANE_WEB_SEED || 20261208);

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
function compareLists(game, desk, before, what) {
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
    compareLists(game, desk, before, `${name}, turn ${turn}`);
    played.push({ move, reply: wp.movePlayedBetween(wp.applyMove(rows, move), next), depth });
    rows = next;
  }
  expect(over(rows), `${name}: no general was taken in 81 turns`);
  return { rows, played };
}

async function main() {
  fs.mkdirSync(shots, { recursive: true });
  const server = await wp.serveFolder(site);
  const { browser, close } = await wp.launchBrowser();
  const rand = random(seed);
  let desk = null;
  console.log(`# site ${site} at ${server.url}, seed ${seed}, ${await browser.version()}`);
  try {
    const page = await browser.newPage();
    await page.setViewport({ width: 1024, height: 768 });
    const errors = [];
    page.on('pageerror', (e) => errors.push(String(e)));
    await page.goto(server.url, { waitUntil: 'load' });
    const game = new GamePage(page);
    await game.waitForWindow();
    expect(await page.title() === 'Lorvane V2.0', `the page's title is ${await page.title()}`);
    const [ox, oy] = game.area.at(0, 0);
    const centred = Math.abs(ox + 651 / 2 - 1024 / 2) <= 8;
    expect(centred && game.area.scale === 1, `the window is not centred at 1:1 (client at ${ox}, ${oy})`);
    ok(`the window is drawn, centred at 1:1, under the title ${await page.title()}`);
    fs.writeFileSync(path.join(shots, 'desktop.png'), await page.screenshot());

    // Game 1: low level; a take-back at turn 4; the 高难度 option button at
    // turn 7 makes the rest of the game a depth-3 one.
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
        compareLists(game, desk, shown, 'after 悔棋');
        ok(`悔棋 takes back ${last.move} ${last.reply}, on the board and in both lists`);
        return 2;
      },
      7: async () => {
        await game.chooseOption('high');
        await desk.chooseOption('high');
        return 3;
      },
    });
    ok(`game 1: ${game1.played.length} turns at 低难度 then 高难度, every reply as lorvane-engine search`);
    ok(`game 1: after every turn both move lists look like the desktop window's ` +
       `(worst ${listStats.worst.toFixed(3)} of ${kListTolerance})`);

    // After the end every click on the board says 已经结束!!! in a message box.
    await game.shot();
    await game.clickPoint(4, 4);
    expect(await game.middleChange() > 8, 'no message box after a click on a finished game');
    await game.pressKey('Enter');
    expectRows(await game.board(), game1.rows, 'the finished game after its message box');
    ok('a click on the finished game opens a message box; Enter closes it');

    // 開始: a new game at the level chosen last (high); the 难度设置 menu's
    // 低难度 at turn 5 switches to depth 2.
    await game.pressButton('new');
    await game.waitForChange(game1.rows);
    await desk.pressButton('new');
    await desk.waitForBoard(wp.kInitialRows, 'after 開始');
    compareLists(game, desk, null, 'after 開始');
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
    ok(`game 2 (開始): ${game2.played.length} turns at 高难度 then 低难度 (menu), every reply as lorvane-engine search`);
    ok(`both games: ${listStats.compared} list comparisons with the desktop window, ` +
       `worst difference ${listStats.worst.toFixed(3)} of ${kListTolerance}`);

    // 求和 is refused in a message box that holds the click: the board stays.
    await game.pressButton('new');
    let rows = await game.waitForChange(game2.rows);
    rows = await playTurn(game, rows, 'h2e2', 2);
    await game.shot();
    await game.pressButton('draw');
    expect(await game.middleChange() > 8, 'no message box after 求和');
    await game.pressKey('Enter');
    expectRows(await game.board(), rows, 'the board after 求和');
    ok('求和 answers in a message box and the game goes on');

    // 認輸: the new game begins only once its message box is closed.
    await game.shot();
    await game.pressButton('resign');
    expect(await game.middleChange() > 8, 'no message box after 認輸');
    const covered = await game.boardAroundBox();
    expectRows(covered, rows.map((r, y) => r.split('').map((c, x) => (covered[y][x] === '?' ? '?' : c)).join('')),
               'the board around the 認輸 box while it is open');
    await game.pressKey('Enter');
    expectRows(await game.board(), wp.kInitialRows, 'the board after the 認輸 box');
    ok('認輸: the message box holds the click; the new game follows its closing');

    // The About box beside the game; a click back into the game window starts
    // a new game, as on the desktop.
    rows = await playTurn(game, wp.kInitialRows, 'b0c2', 2);
    await game.shot();
    await game.pickMenuItem(2, 0);
    expect(await game.middleChange() > 8, 'no About box');
    fs.writeFileSync(path.join(shots, 'about.png'), await page.screenshot());
    const aside = await game.boardAroundBox();
    expectRows(aside, rows.map((r, y) => r.split('').map((c, x) => (aside[y][x] === '?' ? '?' : c)).join('')),
               'the board around the About box');
    await game.clickAt(640, 405);
    await sleep(300);
    expectRows(await game.board(), wp.kInitialRows, 'the board after clicking back into the game');
    ok('帮助 → 关于 opens the About box; clicking back into the game window starts a new game');

    // 退出 ends the program; the page says so and offers to start again.
    await game.shot();
    await game.pickMenuItem(0, 4);
    await page.waitForFunction(() => document.getElementById('message').textContent.includes('已退出'),
                               { timeout: 10000 });
    fs.writeFileSync(path.join(shots, 'ended.png'), await page.screenshot());
    await page.click('#restart');
    await game.waitForWindow();
    expectRows(await game.board(), wp.kInitialRows, 'the board after starting again');
    ok('文件 → 退出 ends the program; the page says 已退出 and 重新开始 starts it again');
    expect(errors.length === 0, `errors on the page: ${errors.join('; ')}`);

    // Offline: the service worker has kept the files; with the server gone
    // the page still opens and plays.
    await page.waitForFunction(async () => {
      const r = await navigator.serviceWorker.getRegistration();
      return !!(r && r.active);
    }, { timeout: 30000 });
    const requests = server.requests;
    await server.close();
    await page.reload({ waitUntil: 'load' });
    await game.waitForWindow();
    rows = await playTurn(game, await game.board(), 'h2e2', 2);
    expect(server.requests === requests, 'the page reached the server while offline');
    ok('with the server stopped, the page reloads from its service worker and plays');
    await page.close();

    // A phone: the whole window scaled down to fit, played by touch.
    const phoneServer = await wp.serveFolder(site);
    const phone = await browser.newPage();
    await phone.emulate({
      userAgent: 'Mozilla/5.0 (Linux; Android 14; Pixel 8) AppleWebKit/537.36 (KHTML, like Gecko) ' +
                 'Chrome/156.0 Mobile Safari/537.36',
      viewport: { width: 412, height: 915, deviceScaleFactor: 2, isMobile: true, hasTouch: true },
    });
    phone.on('pageerror', (e) => errors.push(String(e)));
    phone.on('console', (m) => { if (m.type() === 'error') errors.push(m.text()); });
    await phone.goto(phoneServer.url, { waitUntil: 'load' });
    const mobile = new GamePage(phone, { touch: true });
    await mobile.waitForWindow().catch((e) => { throw new Error(`${e.message}; ${errors.join('; ')}`); });
    const right = mobile.area.at(651, 538);
    expect(mobile.area.scale < 2 && right[0] <= mobile.img.width,
           `the window does not fit the phone's screen (scale ${mobile.area.scale.toFixed(2)})`);
    rows = await mobile.board();
    expectRows(rows, wp.kInitialRows, 'the phone shows the opening position');
    for (let turn = 0; turn < 2; turn++) rows = await playTurn(mobile, rows, chooseMove(rows, rand), 2);
    fs.writeFileSync(path.join(shots, 'phone.png'), await phone.screenshot());
    ok(`on a 412 x 915 phone screen the window fits (${(mobile.area.scale / 2).toFixed(2)}:1) and taps play`);
    await phone.close();
    await phoneServer.close();
  } finally {
    if (desk) await desk.close();
    await close();
    await server.close().catch(() => {});
  }

  // A browser without WebAssembly gets a plain message instead of the game.
  const bare = await wp.launchBrowser();
  const again = await wp.serveFolder(site);
  try {
    const page = await bare.browser.newPage();
    await page.evaluateOnNewDocument(() => { delete globalThis.WebAssembly; });
    await page.goto(again.url, { waitUntil: 'load' });
    const text = await page.$eval('#notice', (e) => (e.hidden ? '' : e.innerText));
    expect(text.includes('不能运行 WebAssembly'), `without WebAssembly the page says: ${text}`);
    ok(`without WebAssembly the page says: ${text.split('\n')[0]}`);
  } finally {
    await bare.close();
    await again.close();
  }
  console.log(`# ${checks} checks passed; screenshots in ${shots}`);
}

main().catch((e) => {
  console.error(`not ok - ${e.message}`);
  process.exit(1);
});
