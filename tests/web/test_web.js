// make test-web: the page in Chromium, Firefox and WebKit, served by Debian's
// nginx as docs/browser.md says, played with real mouse, key and touch
// events. In each engine: whole games at both levels, with a take-back and a
// new game, every reply of the computer checked against the native
// `lorvane-engine search D` on the same position and every list line against
// the notation; then the message boxes, the menus, the About box and 退出.
// In Chromium and WebKit: phones of 360 x 640 and 390 x 660, the whole game
// in view. In Chromium alone: a game by keyboard with the board, its names
// and the spoken replies read from the browser's accessibility tree, a
// first visit that downloads each file once, an offline start, a phone
// played by touch, and a network that fails.
//
//   node tests/web/test_web.js SITE_DIR SHOTS_DIR
//   LORVANE_WEB_ENGINES=chromium,firefox,webkit (the default) chooses engines
'use strict';

const fs = require('fs');
const path = require('path');
const wp = require('./web_page');
const browsers = require('./browsers');
const { GamePage, sleep } = require('./game_page');
const { AccessibleBoard } = require('./accessible_board');

const site = path.resolve(process.argv[2] || 'build-web/site');
const shots = path.resolve(process.argv[3] || 'build-web-tools/shots');
const seed = Number(process.env.LORVANE_WEB_SEED || 20261208);
// The game's title, as the build wrote it into the site's manifest.
const kTitle = JSON.parse(fs.readFileSync(path.join(site, 'manifest.webmanifest'), 'utf8')).name;

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
  let moves = wp.engineLines(['moves', 'w'], [wp.toFen(rows, 'w')])[0].split(' ').slice(1);
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

// The computer's reply shown after the player's `move` on `rows`, checked
// against the engine tool at `depth`. Returns the board after it, and the
// lines both moves write.
function checkReply(rows, move, shown, depth) {
  const afterPlayer = wp.applyMove(rows, move);
  const lines = [wp.moveLine(rows, move)];
  if (over(afterPlayer)) {
    expectRows(shown, afterPlayer, `after ${move}, which takes the general, the board`);
    return { rows: afterPlayer, lines };
  }
  const reply = wp.movePlayedBetween(afterPlayer, shown);
  const [best] = wp.engineLines(['search', String(depth)], [wp.toFen(afterPlayer, 'b')]);
  expect(reply === best.split(' ')[0],
         `after ${move} the page replied ${reply}, lorvane-engine search ${depth} says ${best}` +
         ` (position ${wp.toFen(afterPlayer, 'b')})`);
  const expected = wp.applyMove(afterPlayer, reply);
  expectRows(shown, expected, `after ${move} ${reply} the board`);
  lines.push(wp.moveLine(afterPlayer, reply));
  return { rows: expected, lines };
}

// A whole game from the opening, played by the mouse: turns until a general
// is taken. Both lists are checked after every turn. Before turn n,
// events[n](rows, played) may act and return the new search depth.
async function playGame(game, rand, name, depth, events = {}) {
  let rows = await game.board();
  expectRows(rows, wp.kInitialRows, `${name}: the opening position`);
  const played = [];
  const written = [[], []];
  for (let turn = 1; turn <= 81 && !over(rows); turn++) {
    if (events[turn]) {
      depth = await events[turn](rows, played, written) || depth;
      rows = await game.board();
    }
    const move = chooseMove(rows, rand);
    const turnDone = checkReply(rows, move, await game.play(move), depth);
    turnDone.lines.forEach((line, i) => written[i].push(line));
    const lists = await game.lists();
    expect(JSON.stringify(lists) === JSON.stringify(written),
           `${name}, turn ${turn}: the lists show ${JSON.stringify(lists)}, not ${JSON.stringify(written)}`);
    played.push({ move, before: rows, depth });
    rows = turnDone.rows;
  }
  expect(over(rows), `${name}: no general was taken in 81 turns`);
  return { rows, played, written };
}

async function shot(driver, name) {
  fs.writeFileSync(path.join(shots, name), await driver.screenshot());
}

// The checks every browser engine runs on one page.
async function wholeGames(engine, server, rand) {
  const tag = (what) => `${engine}: ${what}`;
  const driver = await browsers.launch(engine);
  console.log(`# ${engine}: ${driver.version}`);
  try {
    await driver.goto(server.url);
    const game = new GamePage(driver);
    await game.waitForGame();
    const title = await driver.title();
    expect(title === kTitle, `the page's title is ${title}, not ${kTitle}`);
    const client = await game.evaluate(() => {
      const r = document.getElementById('client').getBoundingClientRect();
      return { left: r.left, width: r.width, height: r.height, page: innerWidth };
    });
    expect(client.width === 651 && client.height === 538 &&
           Math.abs(client.left + client.width / 2 - client.page / 2) <= 1,
           `the client area is ${client.width} x ${client.height} at ${client.left}, not 651 x 538 centred`);
    ok(tag(`the window's client area, 651 x 538, centred under the title ${title}`));
    await shot(driver, `${engine}-desktop.png`);

    // Game 1: low level; a take-back at turn 4; the 高难度 option button at
    // turn 7 makes the rest of the game a depth-3 one.
    const game1 = await playGame(game, rand, 'game 1', 2, {
      4: async (rows, played, written) => {
        await game.pressButton('back');
        const last = played.pop();
        written.forEach((lines) => lines.pop());
        expectRows(await game.board(), last.before, 'after 悔棋 the board');
        const lists = await game.lists();
        expect(JSON.stringify(lists) === JSON.stringify(written), `after 悔棋 the lists show ${lists}`);
        ok(tag(`悔棋 takes back ${last.move} and its reply, on the board and in both lists`));
        return 2;
      },
      7: async () => {
        await game.chooseOption('high');
        const checked = await game.evaluate(() => document.querySelector('[data-command="high"]')
          .getAttribute('aria-checked'));
        expect(checked === 'true', '高难度 in the menu has no check mark after its option button');
        return 3;
      },
    });
    ok(tag(`game 1: ${game1.played.length} turns at 低难度 then 高难度, every reply as ` +
           'lorvane-engine search, every list line as the notation'));
    await shot(driver, `${engine}-game-over.png`);

    // After the end every click on the board says 已经结束!!! in a box, and
    // the click goes on once the box is closed.
    await game.clickPoint(4, 4);
    expect(await game.message() === '已经结束!!!', `after the end a click shows ${await game.message()}`);
    await shot(driver, `${engine}-message.png`);
    await game.closeMessage('Enter');
    expectRows(await game.board(), game1.rows, 'the finished game after its message box');
    ok(tag('a click on the finished game shows 已经结束!!! in a box that Enter closes'));

    // 開始: a new game at the level chosen last (high); the 难度设置 menu's
    // 低难度 at turn 5 switches to depth 2.
    await game.pressButton('new');
    const game2 = await playGame(game, rand, 'game 2', 3, {
      5: async () => {
        await game.pickMenuItem('diff', 'low');
        const option = await game.evaluate(() => document.querySelector('#option1 input').checked);
        expect(option, 'the 低难度 option button is not chosen after the menu');
        return 2;
      },
    });
    ok(tag(`game 2 (開始): ${game2.played.length} turns at 高难度 then 低难度 (menu), every reply as ` +
           'lorvane-engine search'));

    // 求和 is refused in a box; the board stays. The same from the 文件 menu
    // picked by the keyboard: Alt+F, the arrows and Enter.
    await game.pressButton('new');
    let rows = checkReply(wp.kInitialRows, 'h2e2', await game.play('h2e2'), 2).rows;
    await game.pressButton('draw');
    expect(await game.message() === '不和！', `求和 shows ${await game.message()}`);
    await game.closeMessage('Escape');
    expectRows(await game.board(), rows, 'the board after 求和');
    await game.finished(async () => {
      await driver.evaluate(() => document.getElementById('file').focus());
      await driver.keyboard.press('ArrowDown');
      for (let i = 0; i < 2; i++) await driver.keyboard.press('ArrowDown');
      await shot(driver, `${engine}-menu.png`);
      await driver.keyboard.press('Enter');
    });
    expect(await game.message() === '不和！', `文件 → 求和 shows ${await game.message()}`);
    await game.closeMessage();
    expectRows(await game.board(), rows, 'the board after 求和 from the menu');
    ok(tag('求和, by its button and by 文件 → 求和 with the keyboard, answers 不和！ and the game goes on'));

    // 認輸: the new game begins only once its box is closed.
    await game.pressButton('resign');
    expect(await game.message() === '呵呵！算你还识相！', `認輸 shows ${await game.message()}`);
    expectRows(await game.board(), rows, 'the board while the 認輸 box is open');
    await game.closeMessage();
    expectRows(await game.board(), wp.kInitialRows, 'the board after the 認輸 box');
    ok(tag('認輸: 呵呵！算你还识相！, then a new game once the box is closed'));

    // The About box; closing it starts a new game, as on the desktop.
    rows = checkReply(wp.kInitialRows, 'b0c2', await game.play('b0c2'), 2).rows;
    await game.pickMenuItem('help', 'about', { waits: false });
    const about = await game.evaluate(() => document.getElementById('about-box').open &&
      document.getElementById('about-box').innerText);
    expect(about && about.includes(kTitle) && about.includes('是一个简单的中国象棋人机对弈的小游戏'),
           `the About box says ${about}`);
    await shot(driver, `${engine}-about.png`);
    await game.finished(async () => game.tapOrClick(await game.centreOf('#about-ok')));
    expectRows(await game.board(), wp.kInitialRows, 'the board after the About box');
    ok(tag('帮助 → 关于 opens the About box; its 确定 starts a new game'));

    // 退出 ends the game; the page says so and offers to start again.
    await game.pickMenuItem('file', 'quit', { waits: false });
    await driver.waitFor(() => document.getElementById('notice-text').textContent.includes('已退出'));
    await shot(driver, `${engine}-ended.png`);
    await driver.reloadBy(() => driver.clickElement('#restart'));
    await game.waitForGame();
    expectRows(await game.board(), wp.kInitialRows, 'the board after starting again');
    ok(tag('文件 → 退出 ends the game; the page says 已退出 and 重新开始 starts it again'));
    const bareWindow = (width, height) => driver.openBareWindow({ width, height });
    if (engine === 'webkit') await smallPhones(game, server.url, bareWindow);
    const errors = await driver.errors();
    expect(errors.length === 0, `errors on the page: ${errors.join('; ')}`);
  } catch (e) {
    e.message = `${engine}: ${e.message}`;
    await shot(driver, `${engine}-failed.png`).catch(() => {});
    throw e;
  } finally {
    await driver.close();
  }
}

// Phones of 360 x 640 and 390 x 660 (`resize` makes the page so): the board,
// the difficulty and the buttons in view, nothing to scroll; 求和 answered.
async function smallPhones(game, url, resize) {
  for (const [width, height] of [[360, 640], [390, 660]]) {
    const phone = `${game.driver.engine}: on a ${width} x ${height} phone`;
    await resize(width, height);
    await game.driver.goto(url);
    await game.waitForGame();
    const seen = await game.evaluate(() => [innerWidth, innerHeight, document.scrollingElement.scrollHeight,
      ...[...document.querySelectorAll('#board, #frame3, .picture')].filter((e) => {
        const r = e.getBoundingClientRect();
        return r.left < 0 || r.top < 0 || r.right > innerWidth || r.bottom > innerHeight;
      }).map((e) => e.id)]);
    expect(seen.join() === `${width},${height},${height}`, `${phone} (page, its height, out of view): ${seen}`);
    await game.pressButton('draw');
    expect(await game.message() === '不和！', `${phone} 求和 shows ${await game.message()}`);
    await game.closeMessage();
    await shot(game.driver, `${game.driver.engine}-phone-${width}x${height}.png`);
    ok(`${phone} the board, the difficulty and the buttons are in view, nothing scrolls; 求和 answers`);
  }
}

// Chromium only: the keyboard and the accessibility tree, a first visit and
// an offline start, a phone by touch, and a network that fails.
async function chromiumOnly(server, rand) {
  const driver = await browsers.launch('chromium');
  const { page } = driver;
  try {
    // A first visit downloads each file once: the service worker keeps what
    // the page fetched, asking the browser's cache, which nginx answers
    // with "not modified".
    server.clearLog();
    await driver.goto(server.url);
    const game = new GamePage(driver);
    await game.waitForGame();
    await page.waitForFunction(async () => {
      const r = await navigator.serviceWorker.getRegistration();
      if (!r || !r.active) return false;
      const cache = await caches.open((await caches.keys())[0]);
      return (await cache.keys()).some((k) => k.url.endsWith('/pieces/red_general.webp'));
    }, { timeout: 30000, polling: 100 });
    await sleep(500);
    const sent = new Map();
    for (const { path: p, status } of server.log()) if (status === 200) sent.set(p, (sent.get(p) || 0) + 1);
    const twice = [...sent].filter(([, n]) => n > 1).map(([p]) => p);
    expect(twice.length === 0, `the first visit downloaded ${twice.join(', ')} more than once`);
    expect(![...sent.keys()].some((p) => p.includes('@2x')), 'a 1x screen fetched doubled pictures');
    ok(`chromium: a first visit downloads each of its ${sent.size} files once, no doubled picture among them`);

    // A game by keyboard alone, read from the accessibility tree.
    const access = new AccessibleBoard(page);
    const kbd = await access.playGame(rand, chooseMove, checkReply, over, expect);
    await shot(driver, 'keyboard.png');
    ok(`chromium: a game of ${kbd.turns} turns by keyboard alone; the board read from the 90 named cells ` +
       `of the grid 棋盘, each turn's reply heard from the live region (${kbd.spoken[0]} …), ` +
       'F2 and Escape answered there too');

    // Offline: with the server gone the page starts from its service worker
    // and plays.
    const requests = server.log().length;
    await page.setOfflineMode(true);
    await page.reload({ waitUntil: 'load' });
    await game.waitForGame();
    checkReply(wp.kInitialRows, 'h2e2', await game.play('h2e2'), 2);
    await page.setOfflineMode(false);
    expect(server.log().length === requests, 'the page reached the server while offline');
    ok('chromium: offline, the page starts from its service worker and plays');

    // Clicks that wait in the worker while the computer searches are taken
    // on the board the game has then, not on the pictures they were aimed
    // at: the cannon takes the horse, and its new place is clicked again and
    // again while the reply (often the chariot taking it back) is searched.
    await game.pressButton('new');
    await game.chooseOption('high');
    await game.clickPoint(7, 7);
    const before = await game.done();
    const at = await game.pointAt(7, 0);
    for (let i = 0; i < 5; i++) await page.mouse.click(Math.round(at[0]), Math.round(at[1]));
    await page.waitForFunction((n) => window.lorvaneDone.length >= n, { timeout: 20000 }, before + 5);
    const picked = await page.evaluate(() => [...document.querySelectorAll('#grid [role="gridcell"]')]
      .map((c) => c.getAttribute('aria-label')).filter((name) => name.includes('已选中')));
    expect(picked.every((name) => name.startsWith('玩家的')), `a queued click selected ${picked.join(', ')}`);
    const moved = await game.lists();
    expect(moved[0].length === 1 && moved[1].length === 1,
           `queued clicks played ${moved[0].length} moves of the player's, ${moved[1].length} replies`);
    await game.chooseOption('low');
    ok(`chromium: clicks queued during the reply select only the player's pieces (${picked[0] || 'none'})`);
  } finally {
    await driver.close();
  }

  // A phone held upright, played by touch: the board as wide as the screen,
  // the doubled pictures only.
  const phoneDriver = await browsers.launch('chromium');
  try {
    const phone = phoneDriver.page;
    const emulate = (width, height) => phone.emulate({
      userAgent: browsers.kPhoneUserAgent,
      viewport: { width, height, deviceScaleFactor: 2, isMobile: true, hasTouch: true },
    });
    await emulate(412, 915);
    server.clearLog();
    await phone.goto(server.url, { waitUntil: 'load' });
    const mobile = new GamePage(phoneDriver, { touch: true });
    await mobile.waitForGame();
    const box = await mobile.evaluate(() => {
      const r = document.getElementById('board').getBoundingClientRect();
      const side = document.getElementById('side').getBoundingClientRect();
      return { width: r.width, bottom: r.bottom, sideTop: side.top, page: document.documentElement.clientWidth };
    });
    expect(Math.abs(box.width - box.page) < 1 && box.sideTop >= box.bottom,
           `on the phone the board is ${box.width} wide of ${box.page}, the controls at ${box.sideTop}`);
    let rows = wp.kInitialRows;
    for (let turn = 0; turn < 3; turn++) {
      const move = chooseMove(rows, rand);
      rows = checkReply(rows, move, await mobile.play(move), 2).rows;
    }
    await mobile.pressButton('draw');
    expect(await mobile.message() === '不和！', 'no message box after a tap on 求和');
    await shot(phoneDriver, 'phone-message.png');
    await mobile.closeMessage();
    await shot(phoneDriver, 'phone.png');
    const fetched = server.log().map((e) => e.path);
    expect(fetched.some((p) => p.endsWith('board@2x.webp')) && !fetched.some((p) => p.endsWith('board.webp')),
           'the phone did not fetch the doubled board alone');
    ok(`chromium: on a 412 x 915 phone the board is the screen's width (${box.width} px) with the ` +
       'controls below it; taps play, and only the doubled pictures are fetched');
    await smallPhones(mobile, server.url, emulate);
    const errors = await phoneDriver.errors();
    expect(errors.length === 0, `errors on the page: ${errors.join('; ')}`);
  } finally {
    await phoneDriver.close();
  }

  // A network that fails while the page loads: the page says so plainly.
  const cut = await browsers.launch('chromium');
  try {
    await cut.page.setRequestInterception(true);
    cut.page.on('request', (r) => (r.url().endsWith('board.webp') ? r.abort() : r.continue()));
    await cut.goto(server.url);
    await cut.waitFor(() => !document.getElementById('restart').hidden);
    const said = await cut.evaluate(() => document.getElementById('notice-text').textContent);
    await shot(cut, 'network-failed.png');
    expect(said.includes('网络中断'), `with the network failing the page says: ${said}`);
    ok(`chromium: with the network failing the page says: ${said}`);
  } finally {
    await cut.close();
  }

  // A failure of the game's core (here an operation it does not have) is
  // called what it is, its words in the console, and 重新开始 is offered.
  const broken = await browsers.launch('chromium');
  try {
    const logged = [];
    broken.page.on('console', (m) => logged.push(m.text()));
    await broken.goto(server.url);
    await new GamePage(broken).waitForGame();
    await broken.evaluate(() => window.lorvaneCore.postMessage({ op: 'no_such_step', args: [] }));
    await broken.waitFor(() => !document.getElementById('restart').hidden);
    const said = await broken.evaluate(() => document.getElementById('notice-text').textContent);
    expect(said.includes('内部出错') && !said.includes('网络'), `with the core failing the page says: ${said}`);
    expect(logged.some((t) => t.includes('no_such_step')), `the console has not the error: ${logged.join('; ')}`);
    ok(`chromium: with the core failing the page says: ${said}, and the console why`);
  } finally {
    await broken.close();
  }
}

// Releases reach a returning player whole, in Chromium through nginx: a
// copy of the site is served, visited, then made a second build (a picture
// changed, the service worker renamed as a build renames it); the next visit
// keeps the new picture and then starts offline. A third build with a file
// missing fails to install, and the second goes on playing offline.
async function releasesArriveWhole() {
  const copy = fs.mkdtempSync(path.join(require('os').tmpdir(), 'lorvane-site-'));
  fs.cpSync(site, copy, { recursive: true });
  const server = await wp.serveSite(copy);
  const driver = await browsers.launch('chromium');
  const { page } = driver;
  const game = new GamePage(driver);
  // Build n: its service worker's cache gets a name of its own.
  const release = (n) => {
    const sw = path.join(copy, 'sw.js');
    fs.writeFileSync(sw, fs.readFileSync(sw, 'utf8').replace(/lorvane-[0-9a-z-]+'/, `lorvane-build-${n}'`));
    for (const ext of ['.br', '.gz']) fs.rmSync(sw + ext, { force: true });
  };
  const cached = () => page.evaluate(async () => {
    const names = await caches.keys();
    const kept = await caches.match('pictures/marker.webp', { ignoreSearch: true });
    return { names, marker: kept ? (await kept.arrayBuffer()).byteLength : 0 };
  });
  // A returning player's browser looks for a new build as the page opens;
  // the test asks at once. Chromium lets the last build finish what it is
  // doing before the new one takes over (here up to half a minute).
  const checkForUpdate = () => page.evaluate(async () => {
    await (await navigator.serviceWorker.ready).update().catch(() => {});
  });
  const serving = (name) => page.waitForFunction(async (n) => {
    const r = await navigator.serviceWorker.getRegistration();
    return r && r.active && !r.installing && !r.waiting &&
      (await caches.keys()).join() === n && (await caches.match('pictures/marker.webp')) !== undefined;
  }, { timeout: 90000, polling: 250 }, name).catch(async () => {
    throw new Error(`not serving ${name}: ${JSON.stringify(await cached())}`);
  });
  const offline = async () => {
    await page.setOfflineMode(true);
    await page.reload({ waitUntil: 'load' });
    await game.waitForGame();
    await page.setOfflineMode(false);
  };
  try {
    await driver.goto(server.url);
    await game.waitForGame();
    release(1);
    await page.reload({ waitUntil: 'load' });
    await checkForUpdate();
    await serving('lorvane-build-1');
    // Build 2 changes one picture and nothing else of the page.
    const marker = path.join(copy, 'pictures', 'marker.webp');
    fs.copyFileSync(path.join(copy, 'pictures', 'pieces', 'red_general.webp'), marker);
    release(2);
    await page.reload({ waitUntil: 'load' });
    await checkForUpdate();
    await serving('lorvane-build-2');
    const second = await cached();
    expect(second.marker === fs.statSync(marker).size,
           `the returning player keeps a marker of ${second.marker} bytes, not build 2's`);
    await offline();
    ok('chromium: a build that changes a picture reaches a returning player, who then starts offline');
    // Build 3 misses a file: its install fails, build 2 stays whole.
    fs.rmSync(path.join(copy, 'page.css'));
    for (const ext of ['.br', '.gz']) fs.rmSync(path.join(copy, 'page.css' + ext), { force: true });
    release(3);
    await page.reload({ waitUntil: 'load' });
    await checkForUpdate();
    await page.waitForFunction(async () => {
      const r = await navigator.serviceWorker.getRegistration();
      return r && !r.installing && !r.waiting;
    }, { timeout: 90000, polling: 250 });
    const third = await cached();
    expect(third.names.join() === 'lorvane-build-2', `after a failed install the caches are ${third.names}`);
    await offline();
    ok('chromium: a build with a file missing fails to install; the last build stays whole and starts offline');
  } finally {
    await driver.close();
    await server.close();
    fs.rmSync(copy, { recursive: true, force: true });
  }
}

async function main() {
  fs.mkdirSync(shots, { recursive: true });
  const engines = browsers.chosenEngines();
  const server = await wp.serveSite(site);
  console.log(`# site ${site} at ${server.url} (nginx), seed ${seed}, engines ${engines.join(' ')}`);
  try {
    // The same games in every engine: the replies do not depend on it.
    for (const engine of engines) await wholeGames(engine, server, random(seed));
    if (engines.includes('chromium')) await chromiumOnly(server, random(seed + 1));
    if (engines.includes('chromium')) await releasesArriveWhole();
  } finally {
    await server.close();
  }
  console.log(`# ${checks} checks passed; screenshots in ${shots}`);
  console.log(`${checks} passed, 0 failed`);
}

main().catch((e) => {
  console.error(`not ok - ${e.message}`);
  console.log(`${checks} passed, 1 failed`);
  process.exit(1);
});
