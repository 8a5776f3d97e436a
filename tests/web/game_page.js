// The game window inside a page, driven like a person would: the mouse (or a
// finger) on the points, the picture buttons, the menus and the message boxes,
// with what the window shows read back from the page's pixels. `page` is a
// driver of browsers.js.
'use strict';

const fs = require('fs');
const wp = require('./web_page');

// Client positions of the picture buttons (Left, Top; 67 x 44) and the
// difficulty option buttons.
const kButtons = {
  new: [480, 416], back: [576, 416], draw: [480, 472], resign: [576, 472],
};
const kOptions = { low: [464 + 24 + 8, 328 + 24 + 12], high: [464 + 88 + 8, 328 + 24 + 12] };

// Where message boxes and the About box open: the window's middle.
const kMiddle = [150, 100, 500, 400];

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

class GamePage {
  constructor(page, { touch = false } = {}) {
    this.page = page;
    this.touch = touch;
    this.area = null;
    this.img = null;
  }

  // Waits until the game window is drawn on the page; returns the time taken.
  async waitForWindow(timeout = 120000, poll = 250) {
    const start = Date.now();
    this.area = null;
    while (Date.now() - start < timeout) {
      // While the page is still being replaced (a reload), there may be no
      // page to take a picture of yet.
      this.img = await wp.screenshot(this.page).catch(() => null);
      this.area = this.img && wp.findClientArea(this.img);
      if (this.area) return Date.now() - start;
      await sleep(poll);
    }
    const file = require('path').join(require('os').tmpdir(), 'lorvane-no-window.png');
    fs.writeFileSync(file, await this.page.screenshot());
    throw new Error(`the game window did not appear on the page (last seen: ${file})`);
  }

  // Screenshots until two in a row, 100 ms apart, show the same picture
  // (for at most 5 s): the window has drawn all of its last change, the move
  // lists included, which may come a frame after the board.
  async waitUntilStill() {
    this.img = await wp.readUntilStill(() => wp.screenshot(this.page), await this.shot(), 1);
  }

  async shot() {
    this.img = await wp.screenshot(this.page);
    return this.img;
  }

  async board() {
    await this.shot();
    return wp.readBoard(this.img, this.area);
  }

  // The board around a message box in the window's middle: '?' under it.
  async boardAroundBox() {
    await this.shot();
    return wp.readBoard(this.img, this.area, kMiddle);
  }

  // The page position (CSS pixels) of client position (cx, cy).
  css(cx, cy) {
    const [ix, iy] = this.area.at(cx, cy);
    return [ix / this.img.perCss + this.img.view.left, iy / this.img.perCss + this.img.view.top];
  }

  async clickAt(cx, cy) {
    const [x, y] = this.css(cx, cy);
    if (this.touch) await this.page.touchscreen.tap(x, y);
    else await this.page.mouse.click(x, y);
  }

  async moveTo(cx, cy) {
    const [x, y] = this.css(cx, cy);
    await this.page.mouse.move(x, y);
  }

  async clickPoint(x, y) {
    await this.clickAt(wp.pointLeft(x) + 21, wp.pointTop(y) + 21);
  }

  // Plays move (ICCS) with two clicks and waits until the board changes;
  // returns the board then shown.
  async play(move, before) {
    const { fx, fy, tx, ty } = wp.parseIccs(move);
    await this.clickPoint(fx, fy);
    await this.clickPoint(tx, ty);
    return this.waitForChange(before);
  }

  async waitForChange(before, timeout = 20000) {
    const start = Date.now();
    const was = before.join('/');
    while (Date.now() - start < timeout) {
      const rows = await this.board();
      if (rows.join('/') !== was) return rows;
      await sleep(30);
    }
    throw new Error('the board did not change');
  }

  async pressButton(name) {
    const [left, top] = kButtons[name];
    await this.moveTo(left + 10, top + 10);
    await this.clickAt(left + 33, top + 22);
  }

  async chooseOption(name) {
    await this.clickAt(...kOptions[name]);
  }

  // How much the window's middle differs from the last screenshot: a message
  // box or the About box opens there.
  async middleChange() {
    const before = this.img;
    await sleep(200);
    const after = await this.shot();
    return difference(before, after, this.area, ...kMiddle);
  }

  // Opens menu `title` (0: 文件, 1: 难度设置, 2: 帮助) and picks its item
  // `item` (counting the items, not the separators).
  async pickMenuItem(title, item) {
    const closed = this.img;
    const x = await this.openMenu(title);
    const open = await this.shot();
    const items = menuItems(closed, open, this.area, x);
    if (process.env.LORVANE_DEBUG_MENUS) console.log('# menu', title, x, items);
    if (item >= items.length) throw new Error(`the menu shows ${items.length} items`);
    await this.clickAt(x + 10, items[item]);
    await sleep(200);
  }

  // Opens menu `title` with a click on its title; returns the title's x.
  async openMenu(title) {
    const titles = menuTitles(this.img, this.area);
    if (titles.length !== 3) throw new Error(`found ${titles.length} menu titles, expected 3`);
    await this.clickAt(titles[title], -10);
    await sleep(300);
    return titles[title];
  }

  async pressKey(key) {
    await this.page.keyboard.press(key);
    await sleep(200);
  }
}

// Mean difference of the client rectangle [x0, x1) x [y0, y1) between two
// screenshots.
function difference(a, b, area, x0, y0, x1, y1) {
  const ca = [0, 0, 0];
  const cb = [0, 0, 0];
  let sum = 0;
  let n = 0;
  for (let y = y0; y < y1; y += 3) {
    for (let x = x0; x < x1; x += 3) {
      area.colour(a, x, y, ca);
      area.colour(b, x, y, cb);
      sum += Math.abs(ca[0] - cb[0]) + Math.abs(ca[1] - cb[1]) + Math.abs(ca[2] - cb[2]);
      n++;
    }
  }
  return sum / (3 * n);
}

const dark = (c) => c[0] + c[1] + c[2] < 300;

// The client x of the middle of each menu title, from the dark text in the
// menu bar just above the client area.
function menuTitles(img, area) {
  const c = [0, 0, 0];
  const inked = [];
  for (let x = 0; x < 651; x++) {
    let ink = false;
    for (let y = -18; y < -3 && !ink; y++) ink = dark(area.colour(img, x, y, c));
    inked.push(ink);
  }
  return clusters(inked, 8).map(([a, b]) => (a + b) / 2);
}

// The client y of the middle of each item of the menu opened below title x:
// the rows of dark text inside the region that changed when it opened.
function menuItems(closed, open, area, titleX) {
  const c = [0, 0, 0];
  const d = [0, 0, 0];
  const x0 = Math.max(0, Math.floor(titleX - 40));
  const changed = (x, y) => {
    area.colour(closed, x, y, c);
    area.colour(open, x, y, d);
    return Math.abs(c[0] - d[0]) + Math.abs(c[1] - d[1]) + Math.abs(c[2] - d[2]) > 30;
  };
  // The popup's left edge: the first column that changed under the title.
  let left = x0;
  while (left < x0 + 80 && !changed(left, 20)) left++;
  const inked = [];
  for (let y = 0; y < 260; y++) {
    let ink = false;
    for (let x = left + 4; x < left + 90 && !ink; x++) ink = changed(x, y) && dark(area.colour(open, x, y, d));
    inked.push(ink);
  }
  return clusters(inked, 4).filter(([a, b]) => b - a >= 5).map(([a, b]) => (a + b) / 2);
}

// Runs of true values, joined across gaps shorter than `gap`.
function clusters(flags, gap) {
  const runs = [];
  flags.forEach((on, i) => {
    if (!on) return;
    const last = runs[runs.length - 1];
    if (last && i - last[1] <= gap) last[1] = i;
    else runs.push([i, i]);
  });
  return runs;
}

module.exports = { GamePage, sleep, difference, kButtons, kOptions };
