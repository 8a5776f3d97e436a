// The game's page driven as a person would: the mouse (or a finger) on the
// points, the picture buttons, the menus and the boxes, with what the page
// shows read back from its elements. `driver` is a driver of browsers.js.
'use strict';

const { parseIccs } = require('./web_page');

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

// The FEN letter of each piece code: the computer's 1..7, the player's 8..14.
const kLetters = '.krncabpKRNCABP';

class GamePage {
  constructor(driver, { touch = false } = {}) {
    this.driver = driver;
    this.touch = touch;
  }

  evaluate(fn, ...args) { return this.driver.evaluate(fn, ...args); }

  // Waits until the game is on the page, its first new game done.
  async waitForGame(timeout = 60000) {
    await this.driver.waitFor(() => !document.getElementById('window').hidden &&
                              window.lorvaneDone && window.lorvaneDone.length > 0, { timeout, poll: 20 });
  }

  // Operations the core has finished so far.
  done() { return this.evaluate(() => window.lorvaneDone.length); }

  // Runs `action` (one operation of the game) and waits until the core has
  // finished it.
  async finished(action) {
    const before = await this.done();
    await action();
    await this.driver.waitFor((n) => window.lorvaneDone.length > n, { timeout: 20000, poll: 20 }, before)
      .catch(() => { throw new Error(`the game did not finish an operation after its ${before}th`); });
  }

  // Where a point's centre is on the viewport: its cell's in the grid.
  pointAt(x, y) { return this.centreOf(`#grid [data-file="${x}"][data-rank="${y}"]`); }

  centreOf(selector) {
    return this.evaluate((s) => {
      const r = document.querySelector(s).getBoundingClientRect();
      return [r.left + r.width / 2, r.top + r.height / 2];
    }, selector);
  }

  async tapOrClick([x, y]) {
    if (this.touch) await this.driver.touchscreen.tap(Math.round(x), Math.round(y));
    else await this.driver.mouse.click(Math.round(x), Math.round(y));
  }

  // A click on a point: on the piece standing there, or on the board.
  async clickPoint(x, y) {
    const at = await this.pointAt(x, y);
    await this.finished(() => this.tapOrClick(at));
  }

  // The player's move by two clicks; resolves once the computer's reply (if
  // any) is on the page.
  async play(move) {
    const { fx, fy, tx, ty } = parseIccs(move);
    await this.clickPoint(fx, fy);
    await this.clickPoint(tx, ty);
    return this.board();
  }

  // The board as ten rows of FEN letters, read from the pictures shown.
  board() {
    return this.evaluate((letters) => {
      const rows = Array.from({ length: 10 }, () => Array(9).fill('.'));
      for (const img of document.querySelectorAll('#pieces img')) {
        if (!img.hidden) rows[Number(img.dataset.rank)][Number(img.dataset.file)] = letters[Number(img.dataset.code)];
      }
      return rows.map((r) => r.join(''));
    }, kLetters);
  }

  lists() {
    return this.evaluate(() => ['list1', 'list2'].map((id) =>
      [...document.getElementById(id).children].map((li) => li.textContent)));
  }

  // The text of the open message box, or null.
  message() {
    return this.evaluate(() => {
      const box = document.getElementById('message-box');
      return box.open ? document.getElementById('message-text').textContent : null;
    });
  }

  // A picture button: the mouse moves onto it (it lights up), then clicks.
  async pressButton(name) {
    const at = await this.centreOf(`#button-${name}`);
    if (!this.touch) await this.driver.mouse.move(Math.round(at[0]), Math.round(at[1]));
    await this.finished(() => this.tapOrClick(at));
  }

  async chooseOption(level) {
    const at = await this.centreOf(`#option${level === 'high' ? 2 : 1} input`);
    await this.finished(() => this.tapOrClick(at));
  }

  // A menu's item by the mouse: the menu's title, then the item.
  async pickMenuItem(menu, command, { waits = true } = {}) {
    await this.tapOrClick(await this.centreOf(`#${menu}`));
    const item = await this.centreOf(`[data-command="${command}"][role^="menuitem"]`);
    if (waits) await this.finished(() => this.tapOrClick(item));
    else await this.tapOrClick(item);
  }

  // The open message box closed by its 确定 (or a key), and the rest of its
  // operation done.
  async closeMessage(key = null) {
    await this.finished(async () => {
      if (key) await this.driver.keyboard.press(key);
      else await this.tapOrClick(await this.centreOf('#message-box button'));
    });
  }
}

module.exports = { GamePage, sleep };
