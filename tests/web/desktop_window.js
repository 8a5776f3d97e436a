// The desktop game (build/lorvane) on a virtual X screen, clicked with
// xdotool and read from the screen's memory: the same moves played on the
// desktop window, to compare what its move lists show with the page's.
'use strict';

const fs = require('fs');
const os = require('os');
const path = require('path');
const { spawn, execFileSync } = require('child_process');
const wp = require('./web_page');
const { virtualScreen } = require('./browsers');
const { kButtons, kOptions } = require('./game_page');

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

// An XWD picture (the format Xvfb keeps its screen in), 24 or 32 bits per
// pixel, as RGBA.
function readXwd(file) {
  const b = fs.readFileSync(file);
  const u = (i) => b.readUInt32BE(i * 4);
  const headerSize = u(0);
  const width = u(4);
  const height = u(5);
  const byteOrder = u(7);
  const bitsPerPixel = u(11);
  const bytesPerLine = u(12);
  const ncolors = u(19);
  const start = headerSize + ncolors * 12;
  const data = Buffer.alloc(width * height * 4);
  const step = bitsPerPixel / 8;
  for (let y = 0; y < height; y++) {
    for (let x = 0; x < width; x++) {
      const i = start + y * bytesPerLine + x * step;
      const px = byteOrder === 0 ? b.readUInt32LE(i) : b.readUInt32BE(i);
      const o = (y * width + x) * 4;
      data[o] = (px >> 16) & 255;
      data[o + 1] = (px >> 8) & 255;
      data[o + 2] = px & 255;
      data[o + 3] = 255;
    }
  }
  return { width, height, data, perCss: 1, view: { left: 0, top: 0 } };
}

class DesktopWindow {
  static async open() {
    const w = new DesktopWindow();
    w.dir = fs.mkdtempSync(path.join(os.tmpdir(), 'lorvane-xvfb-'));
    w.screen = await virtualScreen(800, 640, ['-fbdir', w.dir]);
    w.env = { ...process.env, DISPLAY: w.screen.display, QT_QPA_PLATFORM: 'xcb' };
    const screen = path.join(w.dir, 'Xvfb_screen0');
    w.game = spawn(path.join(wp.kRoot, process.env.BUILD || 'build', 'lorvane'), [],
                   { env: w.env, stdio: 'ignore' });
    w.screenFile = screen;
    for (let i = 0; i < 100; i++) {
      await sleep(100);
      w.img = readXwd(screen);
      w.area = wp.findClientArea(w.img);
      if (w.area) return w;
    }
    await w.close();
    throw new Error('the desktop window did not appear on the virtual screen');
  }

  xdotool(...args) {
    execFileSync('xdotool', args.map(String), { env: this.env });
  }

  async clickAt(cx, cy) {
    const [x, y] = this.area.at(cx, cy);
    this.xdotool('mousemove', Math.round(x), Math.round(y));
    await sleep(30);
    this.xdotool('click', '1');
    // The game reads the pointer's place as it handles the click; then the
    // pointer, which Xvfb draws into the screen, leaves the window.
    await sleep(150);
    this.xdotool('mousemove', this.img.width - 1, this.img.height - 1);
  }

  async clickPoint(x, y) {
    await this.clickAt(wp.pointLeft(x) + 21, wp.pointTop(y) + 21);
  }

  async pressButton(name) {
    const [left, top] = kButtons[name];
    const [x, y] = this.area.at(left + 10, top + 10);
    this.xdotool('mousemove', Math.round(x), Math.round(y));
    await sleep(100);
    await this.clickAt(left + 33, top + 22);
  }

  async chooseOption(name) {
    await this.clickAt(...kOptions[name]);
  }

  // Waits until the board shows `expected` and the window has stopped
  // changing: the move lists lay out their lines a moment after the board is
  // drawn, later still on a busy machine.
  async waitForBoard(expected, what) {
    for (let i = 0; i < 100; i++) {
      this.img = readXwd(this.screenFile);
      if (wp.readBoard(this.img, this.area).join('/') === expected.join('/')) return this.waitUntilStill();
      await sleep(50);
    }
    throw new Error(`the desktop window does not show ${expected.join('/')} ${what}`);
  }

  // Reads the screen until three reads 100 ms apart have shown the same
  // picture (for at most 5 s).
  async waitUntilStill() {
    this.img = await wp.readUntilStill(() => readXwd(this.screenFile), this.img, 3);
  }

  // Plays a move and waits until the board shows it and the reply.
  async play(move, expected) {
    const { fx, fy, tx, ty } = wp.parseIccs(move);
    await this.clickPoint(fx, fy);
    await this.clickPoint(tx, ty);
    await this.waitForBoard(expected, `after ${move}`);
  }

  async close() {
    if (this.game && this.game.exitCode === null) {
      const exited = new Promise((r) => this.game.once('exit', r));
      this.game.kill();
      await exited;
    }
    if (this.screen) await this.screen.close();
    fs.rmSync(this.dir, { recursive: true, force: true });
  }
}

module.exports = { DesktopWindow, readXwd };
