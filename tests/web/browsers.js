// The browsers the page is played in, each behind the same small driver: a
// page to open, script to run in it, a mouse, a keyboard and the viewport's
// picture. Chromium runs headless; Firefox and WebKit each get a virtual X
// screen of their own.
//
//   chromium  Debian's Chromium, puppeteer-core over the DevTools protocol
//   firefox   Debian's Firefox ESR, puppeteer-core over WebDriver BiDi
//   webkit    WebKitGTK's MiniBrowser, WebKitWebDriver over W3C WebDriver
//
// A driver: engine, version, goto(url), evaluate(fn, ...args), waitFor(fn),
// title(), mouse.click(x, y) / mouse.move(x, y), keyboard.press(key),
// screenshot() (a PNG of the viewport), errors(), close().
'use strict';

const fs = require('fs');
const http = require('http');
const os = require('os');
const { freePort } = require('./web_page');
const path = require('path');
const { spawn } = require('child_process');
const puppeteer = require('puppeteer-core');

const kEngines = ['chromium', 'firefox', 'webkit'];
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

// The engines chosen by LORVANE_WEB_ENGINES (comma-separated), all by default.
function chosenEngines() {
  const list = (process.env.LORVANE_WEB_ENGINES || kEngines.join(','))
    .split(',').map((s) => s.trim()).filter(Boolean);
  for (const e of list) if (!kEngines.includes(e)) throw new Error(`unknown browser engine ${e}`);
  return list;
}

// An X server of its own (Xvfb picks a free display and names it on
// descriptor 3). `extra` adds arguments, such as -fbdir.
async function virtualScreen(width, height, extra = []) {
  const server = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', `${width}x${height}x24`,
                                '-nolisten', 'tcp', ...extra],
                       { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
  const display = await new Promise((resolve, reject) => {
    let text = '';
    server.stdio[3].on('data', (d) => {
      text += d;
      if (text.includes('\n')) resolve(text.trim());
    });
    server.on('exit', () => reject(new Error('Xvfb did not start')));
  });
  const exited = new Promise((r) => server.once('exit', r));
  return {
    display: `:${display}`,
    close: async () => {
      if (server.exitCode === null) {
        server.kill();
        await exited;
      }
    },
  };
}

// What every driver shares.
class Driver {
  // Polls fn in the page until it returns a true value, which is returned.
  async waitFor(fn, { timeout = 30000, poll = 100 } = {}, ...args) {
    const start = Date.now();
    for (;;) {
      const v = await this.evaluate(fn, ...args).catch(() => null);
      if (v) return v;
      if (Date.now() - start > timeout) throw new Error(`waited ${timeout} ms for ${fn}`);
      await sleep(poll);
    }
  }

  // Runs action, which makes the page load again, and waits until the new
  // page has loaded: a picture asked for while the page is being replaced
  // may never come.
  async reloadBy(action) {
    await this.evaluate(() => { window.lorvaneBeforeReload = true; });
    await action();
    await this.waitFor(() => !window.lorvaneBeforeReload && document.readyState === 'complete');
  }

  // A real click in the middle of the element `selector`.
  async clickElement(selector) {
    const r = await this.evaluate((s) => {
      const box = document.querySelector(s).getBoundingClientRect();
      return { x: box.left + box.width / 2, y: box.top + box.height / 2 };
    }, selector);
    await this.mouse.click(Math.round(r.x), Math.round(r.y));
  }
}

// --- puppeteer-core: Chromium and Firefox

class PuppeteerDriver extends Driver {
  constructor(engine, page, version, done) {
    super();
    this.engine = engine;
    this.page = page;
    this.version = version;
    this.done = done;
    this.pageErrors = [];
    page.on('pageerror', (e) => this.pageErrors.push(String(e)));
    this.mouse = {
      click: (x, y) => page.mouse.click(x, y),
      move: (x, y) => page.mouse.move(x, y),
    };
    // Firefox's puppeteer knows the space bar only as ' '.
    this.keyboard = { press: (key) => page.keyboard.press(key === 'Space' ? ' ' : key) };
    this.touchscreen = { tap: (x, y) => page.touchscreen.tap(x, y) };
  }

  goto(url) { return this.page.goto(url, { waitUntil: 'load' }); }
  evaluate(fn, ...args) { return this.page.evaluate(fn, ...args); }
  title() { return this.page.title(); }
  screenshot() { return this.page.screenshot({ type: 'png' }); }
  async errors() { return this.pageErrors; }
  async close() { if (this.done) await this.done(); }
}

const kChromiumArgs = ['--no-sandbox', '--disable-background-networking', '--disable-component-update',
                       '--disable-sync', '--no-first-run', '--no-default-browser-check',
                       '--lang=zh-CN'];

async function launchChromium(viewport) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'lorvane-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium', headless: true, userDataDir: profile,
    defaultViewport: viewport, args: kChromiumArgs,
  });
  const [page] = await browser.pages();
  const driver = new PuppeteerDriver('chromium', page || await browser.newPage(),
                                     await browser.version(), async () => {
    await browser.close();
    fs.rmSync(profile, { recursive: true, force: true });
  });
  driver.browser = browser;
  return driver;
}

// Headless Firefox never has the focus, so keys do not reach the page: it
// runs on a virtual screen of its own.
async function launchFirefox(viewport) {
  const screen = await virtualScreen(viewport.width + 200, viewport.height + 200);
  let browser;
  try {
    browser = await puppeteer.launch({
      browser: 'firefox', protocol: 'webDriverBiDi', headless: false,
      executablePath: '/usr/bin/firefox-esr', defaultViewport: viewport,
      env: { ...process.env, DISPLAY: screen.display, MOZ_CRASHREPORTER_DISABLE: '1' },
      extraPrefsFirefox: { 'intl.accept_languages': 'zh-CN', 'browser.shell.checkDefaultBrowser': false },
    });
  } catch (e) {
    await screen.close();
    throw e;
  }
  const [page] = await browser.pages();
  const driver = new PuppeteerDriver('firefox', page || await browser.newPage(),
                                     await browser.version(), async () => {
    await browser.close();
    await screen.close();
  });
  await driver.page.setViewport(viewport);
  driver.browser = browser;
  return driver;
}

// --- WebKitGTK: W3C WebDriver over plain HTTP

const kMiniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
// WebDriver's code points for the keys the tests press.
const kKeys = {
  Enter: '\uE007', Escape: '\uE00C', Space: ' ', Tab: '\uE004', F2: '\uE032',
  ArrowLeft: '\uE012', ArrowUp: '\uE013', ArrowRight: '\uE014', ArrowDown: '\uE015',
};

function request(port, method, url, body) {
  return new Promise((resolve, reject) => {
    const data = body === undefined ? null : Buffer.from(JSON.stringify(body));
    const req = http.request({
      host: '127.0.0.1', port, method, path: url,
      headers: data ? { 'Content-Type': 'application/json', 'Content-Length': data.length } : {},
    }, (res) => {
      const parts = [];
      res.on('data', (d) => parts.push(d));
      res.on('end', () => {
        let reply;
        try {
          reply = JSON.parse(Buffer.concat(parts).toString() || '{}');
        } catch (e) {
          reject(new Error(`WebDriver ${method} ${url}: ${Buffer.concat(parts)}`));
          return;
        }
        const v = reply.value;
        if (res.statusCode !== 200 || (v && v.error))
          reject(new Error(`WebDriver ${method} ${url}: ${v && v.error} ${v && v.message}`));
        else resolve(v);
      });
    });
    req.on('error', reject);
    if (data) req.write(data);
    req.end();
  });
}

class WebKitDriver extends Driver {
  static async launch(viewport) {
    const screen = await virtualScreen(viewport.width + 200, viewport.height + 200);
    const port = await freePort();
    const server = spawn('WebKitWebDriver', [`--port=${port}`],
                         { env: { ...process.env, DISPLAY: screen.display }, stdio: 'ignore' });
    const d = new WebKitDriver(port, server, screen);
    try {
      for (let i = 0; ; i++) {
        const ready = await request(port, 'GET', '/status').then((v) => v && v.ready, () => false);
        if (ready) break;
        if (i > 100) throw new Error('WebKitWebDriver did not answer');
        await sleep(100);
      }
      const session = await request(port, 'POST', '/session', {
        capabilities: { alwaysMatch: { 'webkitgtk:browserOptions': {
          binary: kMiniBrowser, // openBareWindow's script opens a window
          args: ['--automation', '--javascript-can-open-windows-automatically=true'] } } },
      });
      d.session = `/session/${session.sessionId}`;
      d.version = `WebKitGTK ${session.capabilities.browserVersion}`;
      await d.call('POST', '/timeouts', { script: 300000, pageLoad: 120000 });
      await d.setViewport(viewport);
    } catch (e) {
      await d.close();
      throw e;
    }
    return d;
  }

  constructor(port, server, screen) {
    super();
    this.engine = 'webkit';
    this.port = port;
    this.server = server;
    this.screen = screen;
    this.mouse = {
      click: (x, y) => this.pointer([
        { type: 'pointerMove', x: Math.round(x), y: Math.round(y), origin: 'viewport', duration: 0 },
        { type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 }]),
      move: (x, y) => this.pointer([
        { type: 'pointerMove', x: Math.round(x), y: Math.round(y), origin: 'viewport', duration: 0 }]),
    };
    this.keyboard = {
      press: (key) => {
        const value = kKeys[key] || key;
        return this.call('POST', '/actions', { actions: [{
          type: 'key', id: 'keyboard',
          actions: [{ type: 'keyDown', value }, { type: 'keyUp', value }] }] });
      },
    };
  }

  call(method, url, body) { return request(this.port, method, this.session + url, body); }

  pointer(actions) {
    return this.call('POST', '/actions', { actions: [{
      type: 'pointer', id: 'mouse', parameters: { pointerType: 'mouse' }, actions }] });
  }

  // The window is sized so that its viewport is `viewport`.
  async setViewport({ width, height }) {
    for (let i = 0; i < 3; i++) {
      const inner = await this.evaluate(() => [innerWidth, innerHeight]);
      if (inner[0] === width && inner[1] === height) return;
      const rect = await this.call('GET', '/window/rect');
      await this.call('POST', '/window/rect',
                      { width: rect.width + width - inner[0], height: rect.height + height - inner[1] });
    }
    const inner = await this.evaluate(() => [innerWidth, innerHeight]);
    if (inner[0] !== width || inner[1] !== height)
      throw new Error(`the viewport is ${inner.join(' x ')}, not ${width} x ${height}`);
  }

  // A window without MiniBrowser's bars, which keep its own 447 px wide or
  // more: a page as narrow as a phone's. What follows is done in it.
  async openBareWindow(viewport) {
    const before = await this.call('GET', '/window/handles');
    await this.evaluate(() => { open('', '', 'popup'); });
    const handles = await this.call('GET', '/window/handles');
    await this.call('POST', '/window', { handle: handles.find((h) => !before.includes(h)) });
    await this.setViewport(viewport);
  }

  async goto(url) {
    await this.call('POST', '/url', { url });
    // Errors in the page from now on; WebDriver has no channel for them.
    await this.evaluate(() => {
      window.lorvaneErrors = [];
      addEventListener('error', (e) => window.lorvaneErrors.push(String(e.message)));
    });
  }

  async evaluate(fn, ...args) {
    const script = `const done = arguments[arguments.length - 1];
      const args = Array.prototype.slice.call(arguments, 0, -1);
      Promise.resolve().then(() => (${fn}).apply(null, args)).then(
        (v) => done({ result: v === undefined ? null : v }),
        (e) => done({ thrown: String(e) + ' ' + String((e && e.stack) || '') }));`;
    const r = await this.call('POST', '/execute/async', { script, args });
    if (r.thrown !== undefined) throw new Error(`in the page: ${r.thrown}`);
    return r.result;
  }

  title() { return this.call('GET', '/title'); }

  async screenshot() {
    return Buffer.from(await this.call('GET', '/screenshot'), 'base64');
  }

  async errors() {
    return (await this.evaluate(() => window.lorvaneErrors || []).catch(() => [])) || [];
  }

  async close() {
    if (this.session) await this.call('DELETE', '').catch(() => {});
    this.session = null;
    if (this.server.exitCode === null) {
      const exited = new Promise((r) => this.server.once('exit', r));
      this.server.kill();
      await exited;
    }
    await this.screen.close();
  }
}

// The viewport's width and height are odd, so that the centred game window
// (651 x 561) stands on whole CSS pixels, where WebKit's pointer lands.
const kViewport = { width: 1025, height: 769 };
// A phone's browser, for Chromium's emulation of one.
const kPhoneUserAgent = 'Mozilla/5.0 (Linux; Android 14; Pixel 8) AppleWebKit/537.36 (KHTML, like Gecko) ' +
                        'Chrome/156.0 Mobile Safari/537.36';

function launch(engine, viewport = kViewport) {
  if (engine === 'chromium') return launchChromium(viewport);
  if (engine === 'firefox') return launchFirefox(viewport);
  if (engine === 'webkit') return WebKitDriver.launch(viewport);
  throw new Error(`unknown browser engine ${engine}`);
}

module.exports = {
  launch, chosenEngines, virtualScreen, PuppeteerDriver, kChromiumArgs, kViewport, kPhoneUserAgent, kEngines,
};
