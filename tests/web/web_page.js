// What the browser tests and the benchmark share: a static server for the
// built site, and reading the game window from the page's pixels: where the
// window is, which piece stands on each point, and where its controls are.
// The browsers themselves are in browsers.js.
'use strict';

const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const { PNG } = require('pngjs');

const kRoot = path.resolve(__dirname, '..', '..');
const kPictures = path.join(kRoot, 'assets', 'pictures');

// --- the site, served from a folder on localhost

const kTypes = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.webmanifest': 'application/manifest+json',
};

// Serves dir at http://127.0.0.1:<port>/ until close(); counts requests and
// records the files asked for. As a
// well-set host does (web/serve.py), a file with a brotli or gzip copy beside
// it goes out as that copy to a browser that accepts it, and every answer
// carries its length. `options.cut`: lorvane.wasm stops after that share
// of its bytes, as a failing network does.
function serveFolder(dir, port = 0, options = {}) {
  const sockets = new Set();
  const served = { requests: 0, files: new Set() };
  const held = new Set();
  served.cut = () => { for (const res of held) res.destroy(); held.clear(); };
  const server = http.createServer((req, res) => {
    served.requests++;
    let file = decodeURIComponent(new URL(req.url, 'http://x').pathname);
    served.files.add(file);
    if (file.endsWith('/')) file += 'index.html';
    const full = path.join(dir, path.normalize(file));
    if (!full.startsWith(dir) || !fs.existsSync(full) || !fs.statSync(full).isFile()) {
      res.writeHead(404);
      res.end();
      return;
    }
    const headers = { 'Content-Type': kTypes[path.extname(full)] || 'application/octet-stream',
                      'Vary': 'Accept-Encoding' };
    const accepted = String(req.headers['accept-encoding'] || '');
    let body = full;
    for (const [name, suffix] of [['br', '.br'], ['gzip', '.gz']]) {
      if (options.plain || !accepted.includes(name) || !fs.existsSync(full + suffix)) continue;
      headers['Content-Encoding'] = name;
      body = full + suffix;
      break;
    }
    const size = fs.statSync(body).size;
    headers['Content-Length'] = size;
    res.writeHead(200, headers);
    if (options.cut && file.endsWith('.wasm')) {
      // The share is sent and the answer then waits, unfinished, until
      // cut() breaks it off: the page has by then had all that was sent (a
      // browser drops what it has not yet read when a connection breaks).
      const stream = fs.createReadStream(body, { end: Math.floor(size * options.cut) });
      stream.pipe(res, { end: false });
      held.add(res);
      return;
    }
    fs.createReadStream(body).pipe(res);
  });
  server.on('connection', (s) => { sockets.add(s); s.on('close', () => sockets.delete(s)); });
  return new Promise((resolve) => {
    server.listen(port, '127.0.0.1', () => {
      served.url = `http://127.0.0.1:${server.address().port}/`;
      served.close = () => new Promise((done) => {
        for (const s of sockets) s.destroy();
        server.close(done);
      });
      resolve(served);
    });
  });
}

// --- pictures

function readPng(file) {
  return PNG.sync.read(fs.readFileSync(file));
}

async function screenshot(page) {
  const png = PNG.sync.read(await page.screenshot({ type: 'png' }));
  // Pixels of the picture per CSS pixel of the page's visual viewport.
  const view = await page.evaluate(() => ({
    width: visualViewport.width, left: visualViewport.offsetLeft, top: visualViewport.offsetTop,
  }));
  png.perCss = png.width / view.width;
  png.view = view;
  return png;
}

// Reads pictures with `read` (after `last`, the one read before), 100 ms
// apart, until `stills` reads in a row have shown the same picture (for at
// most 5 s); returns the last one read.
async function readUntilStill(read, last, stills) {
  for (let still = 0, i = 0; still < stills && i < 50; i++) {
    await new Promise((r) => setTimeout(r, 100));
    const again = await read();
    still = again.data.equals(last.data) ? still + 1 : 0;
    last = again;
  }
  return last;
}

// The colour at a fractional position, interpolated between pixels.
function sample(img, x, y, out) {
  const x0 = Math.max(0, Math.min(img.width - 2, Math.floor(x)));
  const y0 = Math.max(0, Math.min(img.height - 2, Math.floor(y)));
  const fx = Math.max(0, Math.min(1, x - x0));
  const fy = Math.max(0, Math.min(1, y - y0));
  const d = img.data;
  for (let c = 0; c < 3; c++) {
    const i = (y0 * img.width + x0) * 4 + c;
    const top = d[i] * (1 - fx) + d[i + 4] * fx;
    const bottom = d[i + img.width * 4] * (1 - fx) + d[i + img.width * 4 + 4] * fx;
    out[c] = top * (1 - fy) + bottom * fy;
  }
  return out;
}

// The window's client area (below the menu bar) as the screenshot shows it:
// `at` maps a client position to a picture position.
class ClientArea {
  constructor(x, y, scale) {
    this.x = x;
    this.y = y;
    this.scale = scale;
  }
  at(cx, cy) {
    return [this.x + cx * this.scale, this.y + cy * this.scale];
  }
  // The colour the client area shows at client pixel (cx, cy).
  colour(img, cx, cy, out = [0, 0, 0]) {
    const s = this.scale;
    return sample(img, this.x + (cx + 0.5) * s - 0.5, this.y + (cy + 0.5) * s - 0.5, out);
  }
}

const board = readPng(path.join(kPictures, 'board.png'));
// Strips of the board picture that no piece or marker ever covers: its top
// ten rows and left twelve columns (board.png sits at client (0, 16)).
const kBoardSamples = (() => {
  const points = [];
  for (let x = 1; x < board.width - 1; x += 5) points.push([x, 2], [x, 7]);
  for (let y = 12; y < board.height - 1; y += 5) points.push([3, y], [9, y]);
  return points.map(([x, y]) => {
    const i = (y * board.width + x) * 4;
    return [x, y, board.data[i], board.data[i + 1], board.data[i + 2]];
  });
})();

// Finds the game window's client area in a screenshot by its board picture.
function findClientArea(img) {
  const s = img.perCss;
  const rgb = [0, 0, 0];
  const score = (ox, oy, limit) => {
    let sum = 0;
    for (let k = 0; k < kBoardSamples.length; k++) {
      const [x, y, r, g, b] = kBoardSamples[k];
      sample(img, ox + (x + 0.5) * s - 0.5, oy + (y + 0.5) * s - 0.5, rgb);
      sum += Math.abs(rgb[0] - r) + Math.abs(rgb[1] - g) + Math.abs(rgb[2] - b);
      if (sum > limit * (k + 1) * 3 && k >= 8) return Infinity;
    }
    return sum / (3 * kBoardSamples.length);
  };
  const limit = s === 1 ? 3 : 30;
  let best = { score: Infinity };
  const w = img.width - board.width * s;
  const h = img.height - board.height * s;
  for (let oy = 0; oy <= h; oy++) {
    for (let ox = 0; ox <= w; ox++) {
      const v = score(ox, oy, limit);
      if (v < best.score) best = { score: v, ox, oy };
    }
  }
  if (best.score > limit) return null;
  if (s !== 1) {
    // A scaled window rarely starts on a whole pixel: a finer search nearby.
    const around = best;
    for (let dy = -1; dy <= 1; dy += 0.125) {
      for (let dx = -1; dx <= 1; dx += 0.125) {
        const v = score(around.ox + dx, around.oy + dy, Infinity);
        if (v < best.score) best = { score: v, ox: around.ox + dx, oy: around.oy + dy };
      }
    }
  }
  return new ClientArea(best.ox, best.oy - 16 * s, s);
}

// --- the pieces

const kPieceFiles = {
  k: 'black_general', r: 'black_chariot', n: 'black_horse', c: 'black_cannon',
  a: 'black_advisor', b: 'black_elephant', p: 'black_pawn',
  K: 'red_general', R: 'red_chariot', N: 'red_horse', C: 'red_cannon',
  A: 'red_advisor', B: 'red_elephant', P: 'red_pawn',
};
const pieces = Object.entries(kPieceFiles).map(([letter, name]) =>
  ({ letter, img: readPng(path.join(kPictures, 'pieces', name + '.png')) }));
// The disc every piece picture covers completely.
const kDisc = (() => {
  const points = [];
  const { width, height } = pieces[0].img;
  for (let y = 0; y < height; y++)
    for (let x = 0; x < width; x++)
      if (pieces.every(({ img }) => img.data[(y * width + x) * 4 + 3] === 255)) points.push([x, y]);
  return points;
})();

// Left and Top of a picture on point (x, y), in the client area.
const pointLeft = (x) => 48 * x + 12;
const pointTop = (y) => 48 * y + 26;

// What stands on (x, y): a FEN letter, or '.' for an empty point, judged by
// the disc of the picture there against every piece and the bare board.
function pieceAt(img, area, x, y) {
  const left = pointLeft(x);
  const top = pointTop(y);
  const shown = kDisc.map(([dx, dy]) => area.colour(img, left + dx, top + dy));
  const difference = (colourOf) => {
    let sum = 0;
    shown.forEach((rgb, k) => {
      const c = colourOf(kDisc[k]);
      sum += Math.abs(rgb[0] - c[0]) + Math.abs(rgb[1] - c[1]) + Math.abs(rgb[2] - c[2]);
    });
    return sum / (3 * shown.length);
  };
  const candidates = pieces.map(({ letter, img: p }) => ({
    letter,
    d: difference(([dx, dy]) => p.data.subarray((dy * p.width + dx) * 4, (dy * p.width + dx) * 4 + 3)),
  }));
  candidates.push({
    letter: '.',
    d: difference(([dx, dy]) => {
      const i = ((top - 16 + dy) * board.width + left + dx) * 4;
      return board.data.subarray(i, i + 3);
    }),
  });
  candidates.sort((a, b) => a.d - b.d);
  const tolerance = area.scale === 1 ? 6 : 30;
  if (candidates[0].d > tolerance)
    throw new Error(`point (${x}, ${y}) shows no piece picture nor the board ` +
                    `(closest ${candidates[0].letter}, ${candidates[0].d.toFixed(1)})`);
  return candidates[0].letter;
}

// The board as the window shows it: ten rows from the top, nine letters each.
// Points whose picture reaches into client rectangle `hidden` ([left, top,
// right, bottom], covered by a box) read '?'.
function readBoard(img, area, hidden = null) {
  const covered = (x, y) => hidden && pointLeft(x) < hidden[2] && pointLeft(x) + 43 > hidden[0] &&
                            pointTop(y) < hidden[3] && pointTop(y) + 43 > hidden[1];
  const rows = [];
  for (let y = 0; y < 10; y++) {
    let row = '';
    for (let x = 0; x < 9; x++) row += covered(x, y) ? '?' : pieceAt(img, area, x, y);
    rows.push(row);
  }
  return rows;
}

const kInitialRows = [
  'rnbakabnr', '.........', '.c.....c.', 'p.p.p.p.p', '.........',
  '.........', 'P.P.P.P.P', '.C.....C.', '.........', 'RNBAKABNR',
];

function toFen(rows, side) {
  return rows.map((row) => row.replace(/\.+/g, (run) => String(run.length))).join('/') + ' ' + side;
}

// ICCS "h2e2": files a..i from the left, ranks 0..9 from the bottom.
function parseIccs(move) {
  return {
    fx: move.charCodeAt(0) - 97, fy: 9 - Number(move[1]),
    tx: move.charCodeAt(2) - 97, ty: 9 - Number(move[3]),
  };
}
function toIccs(fx, fy, tx, ty) {
  return String.fromCharCode(97 + fx) + (9 - fy) + String.fromCharCode(97 + tx) + (9 - ty);
}

function applyMove(rows, move) {
  const { fx, fy, tx, ty } = parseIccs(move);
  const cells = rows.map((r) => r.split(''));
  cells[ty][tx] = cells[fy][fx];
  cells[fy][fx] = '.';
  return cells.map((r) => r.join(''));
}

// The computer's move that turns `before` into `after`, or null if none did.
function movePlayedBetween(before, after) {
  let from = null;
  let to = null;
  for (let y = 0; y < 10; y++) {
    for (let x = 0; x < 9; x++) {
      if (before[y][x] === after[y][x]) continue;
      if (after[y][x] === '.') from = { x, y };
      else to = { x, y };
    }
  }
  if (from === null || to === null) return null;
  return toIccs(from.x, from.y, to.x, to.y);
}

// --- the move lists

// The insides of the two move lists, client Left, Top, width and height.
const kLists = { player: [464, 24, 81, 280], computer: [560, 24, 81, 280] };

// How unlike two windows' move list `which` looks, line by line, from 0 to 1:
// for the line that differs most, the share of its text's dark pixels in
// either list with no dark pixel at or next to the same place in the other.
// Font smoothing moves the edges of strokes, not the strokes.
function listDifference(a, areaA, b, areaB, which) {
  const [x0, y0, w, h] = kLists[which];
  const c = [0, 0, 0];
  // 2: dark, 1: grey (a smoothed edge), 0: light.
  const inkOf = (img, area) => {
    const ink = new Uint8Array(w * h);
    for (let y = 0; y < h; y++)
      for (let x = 0; x < w; x++) {
        area.colour(img, x0 + x, y0 + y, c);
        const sum = c[0] + c[1] + c[2];
        ink[y * w + x] = sum < 384 ? 2 : sum < 720 ? 1 : 0;
      }
    return ink;
  };
  const inkA = inkOf(a, areaA);
  const inkB = inkOf(b, areaB);
  // A dark pixel is matched by a dark or grey one at or next to its place.
  const near = (ink, x, y) => {
    for (let dy = -1; dy <= 1; dy++)
      for (let dx = -1; dx <= 1; dx++) {
        const xx = x + dx;
        const yy = y + dy;
        if (xx >= 0 && yy >= 0 && xx < w && yy < h && ink[yy * w + xx]) return true;
      }
    return false;
  };
  // Per row: dark pixels in either list, and those unmatched in the other.
  const total = new Array(h).fill(0);
  const unmatched = new Array(h).fill(0);
  for (let y = 0; y < h; y++)
    for (let x = 0; x < w; x++) {
      if (inkA[y * w + x] === 2) { total[y]++; if (!near(inkB, x, y)) unmatched[y]++; }
      if (inkB[y * w + x] === 2) { total[y]++; if (!near(inkA, x, y)) unmatched[y]++; }
    }
  // Lines: runs of rows with text.
  let worst = 0;
  for (let y = 0; y < h;) {
    if (!total[y]) { y++; continue; }
    let t = 0;
    let u = 0;
    for (; y < h && total[y]; y++) { t += total[y]; u += unmatched[y]; }
    worst = Math.max(worst, u / t);
  }
  return worst;
}

// --- the native engine tool

const kEngineTool = path.join(kRoot, process.env.BUILD || 'build', 'lorvane-engine');

function engineLines(args, fens) {
  const out = execFileSync(kEngineTool, args, { input: fens.join('\n') + '\n' }).toString();
  return out.trim().split('\n');
}

// The player's moves (ICCS) after which the computer cannot take the
// player's general at once; all of them when every move loses it.
function movesKeepingTheGeneral(rows, moves) {
  const after = moves.map((m) => applyMove(rows, m));
  const replies = engineLines(['moves', 'b'], after.map((r) => toFen(r, 'b')));
  const safe = moves.filter((m, i) => !replies[i].split(' ').slice(1).some((r) => {
    const { tx, ty } = parseIccs(r);
    return after[i][ty][tx] === 'K';
  }));
  return safe.length > 0 ? safe : moves;
}

module.exports = {
  movesKeepingTheGeneral,
  kRoot, serveFolder, readPng, screenshot, readUntilStill, findClientArea, ClientArea,
  readBoard, pointLeft, pointTop, kInitialRows, toFen, parseIccs, toIccs, applyMove,
  movePlayedBetween, engineLines, kEngineTool, listDifference,
};
