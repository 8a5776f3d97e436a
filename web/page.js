// Lorvane's page: starts the game's core in a worker, shows what it reports
// (view.js) and hands it what the player does (controls.js). While the game
// is not on the page, it says why: loading (with a bar, where loading takes
// long enough to be seen), a network that failed, or 退出.
import { PageView } from './view.js';
import { Controls } from './controls.js';

const doc = document;
const windowBox = doc.getElementById('window');
const client = doc.getElementById('client');
const notice = doc.getElementById('notice');
const noticeText = doc.getElementById('notice-text');
const progress = doc.getElementById('progress');
const restart = doc.getElementById('restart');
const board = doc.getElementById('board');

function say(text, offerRestart) {
  windowBox.hidden = true;
  notice.hidden = false;
  progress.hidden = true;
  noticeText.textContent = text;
  restart.hidden = !offerRestart;
}
restart.addEventListener('click', () => location.reload());

// What failed: the network while the page loads, or the game's core (a
// fault in it, or an operation it does not have), whose own words go to the
// console.
let ended = false;
function failed(cause = 'network', text = '') {
  if (ended) return;
  ended = true;
  if (text) console.error(`Lorvane: ${text}`);
  say(cause === 'core' ? 'Lorvane 内部出错，这一局无法继续。请重新开始。'
    : '网络中断，无法载入 Lorvane。请检查网络连接，然后重新开始。', true);
}

// --- the game's core, in a worker that the page started from its head
// (index.html): the computer's search never holds the page, so the player's
// move is drawn while the computer thinks.

let worker = window.lorvaneCore || null;
if (typeof WebAssembly !== 'object' || !worker) {
  ended = true;
  if (worker) worker.terminate();
  worker = null;
  say('这个浏览器不能运行 Lorvane：请换用较新版本的浏览器。', false);
}

const view = new PageView(doc);
const post = (op, ...args) => { if (!ended) worker.postMessage({ op, args }); };
const game = {
  newGame: () => post('new_game'),
  clickAt: (x, y) => post('click_at', x, y),
  clickPoint: (x, y) => post('click_point', x, y),
  takeBack: () => post('take_back'),
  offerDraw: () => post('offer_draw'),
  resign: () => post('resign'),
  setDifficulty: (high) => post('set_difficulty', high ? 1 : 0),
  dropSelection: () => post('drop_selection'),
  readPosition: () => post('read_position'),
  messageClosed: (x, y) => post('message_closed', x, y),
  // The program ends at once; a page cannot close its own tab.
  quit: () => {
    worker.terminate();
    ended = true;
    say('Lorvane 已退出。', true);
  },
};
const controls = new Controls(doc, game, view);
// For the tests and the benchmark: each finished operation, with the time
// the core took for it.
window.lorvaneDone = [];

// --- loading: the core and the board's picture; a bar once it takes long
// enough to be seen

const loading = { core: false, board: false };
let shownOnce = false;
async function loaded() {
  if (ended || shownOnce || !Object.values(loading).every(Boolean)) return;
  shownOnce = true;
  // The board is shown with its pieces drawn.
  const pictures = [board, ...doc.querySelectorAll('#pieces img:not([hidden])')];
  await Promise.all(pictures.map((img) => img.decode().catch(() => {})));
  if (ended) return;
  notice.hidden = true;
  windowBox.hidden = false;
  fitToScreen();
  controls.placeCursor(4, 9, false);
  requestAnimationFrame(() => performance.mark('lorvane-board'));
  // The buttons' bright pictures wait for the board; they are asked for
  // now, so they are there under the mouse.
  for (const img of doc.querySelectorAll('img[loading="lazy"]')) img.loading = 'eager';
  keepForOffline();
}
const shown = () => Object.values(loading).filter(Boolean).length / Object.keys(loading).length;
setTimeout(() => {
  if (ended || windowBox.hidden === false) return;
  progress.hidden = false;
  progress.value = shown();
}, 300);
function part(name) {
  loading[name] = true;
  progress.value = shown();
  loaded();
}

function fromCore(data) {
  // The core's first step, if it came after this module ran.
  if (!performance.getEntriesByName('lorvane-core').length) performance.mark('lorvane-core');
  if (data.step === 'failed') {
    failed(data.cause, data.text);
    return;
  }
  if (data.step === 'done') {
    window.lorvaneDone.push(data);
    if (!loading.core) part('core');
    return;
  }
  view.show(data);
}

if (worker) {
  // What the core said before this module ran, then the rest as it comes.
  worker.onmessage = ({ data }) => fromCore(data);
  worker.onerror = (event) => fromCore(window.lorvaneFailure(event));
  for (const data of window.lorvaneSaid.splice(0)) fromCore(data);
  // The picture may have come, or failed, before this module ran.
  if (board.complete) {
    if (board.naturalWidth > 0) part('board');
    else failed();
  } else {
    board.addEventListener('load', () => part('board'), { once: true });
    board.addEventListener('error', () => failed(), { once: true });
  }
}

// --- the layout: on a narrow screen the board is scaled to its width, or
// to the height page.css leaves its area once the controls have theirs

function fitToScreen() {
  // page.css lays the board out in the page's flow on a narrow screen.
  const area = doc.getElementById('board-area');
  const narrow = getComputedStyle(area).position !== 'absolute';
  let scale = 1;
  if (narrow) {
    const box = doc.getElementById('board-box');
    scale = area.clientWidth / box.offsetWidth;
    client.style.setProperty('--board-scale', String(scale));
    // Less than a pixel shorter is the layout's rounding.
    const height = area.getBoundingClientRect().height;
    if (height < box.offsetHeight * scale - 0.5) scale = height / box.offsetHeight;
  }
  client.style.setProperty('--board-scale', String(scale));
  // Clicks on the board are measured in the client area's own pixels.
  if (narrow) client.dataset.scale = String(scale);
  else delete client.dataset.scale;
}
window.addEventListener('resize', fitToScreen);

// --- offline: the service worker keeps the page's files. It is told which
// the page fetched (the pictures of this screen's size among them), so that
// it fetches none of them a second time. A build that takes over is told
// again: what was told to the build it replaces may be lost with it.

function keepForOffline() {
  if (!('serviceWorker' in navigator) || location.protocol === 'file:') return;
  const workers = navigator.serviceWorker;
  const tell = (worker) => worker && worker.postMessage({
    keep: performance.getEntriesByType('resource').map((entry) => entry.name)
      .filter((url) => url.startsWith(location.origin)),
  });
  workers.addEventListener('controllerchange', () => tell(workers.controller));
  workers.register('sw.js').then(() => workers.ready).then((registration) => tell(registration.active))
    .catch(() => {});
}
