// What the browser tests and the benchmark share: the site served by Debian's
// nginx as docs/browser.md says (scripts/serve-web.sh), positions as rows of
// FEN letters, the native engine tool, and the move lists' notation written
// independently of the game's, to check the page's lines against.
// The browsers themselves are in browsers.js; the page in game_page.js.
'use strict';

const fs = require('fs');
const net = require('net');
const os = require('os');
const path = require('path');
const { spawn, execFileSync } = require('child_process');

const kRoot = path.resolve(__dirname, '..', '..');

// --- the site, served by nginx on a loopback port

// A loopback port no one listens on now.
function freePort() {
  return new Promise((resolve, reject) => {
    const s = net.createServer();
    s.on('error', reject);
    s.listen(0, '127.0.0.1', () => {
      const { port } = s.address();
      s.close(() => resolve(port));
    });
  });
}

// Serves `site` until close(). log() reads nginx's access log: one entry per
// answer, { path, status, bytes } (bytes sent, headers included).
async function serveSite(site) {
  const port = await freePort();
  const logFile = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'lorvane-log-')), 'access.log');
  const server = spawn(path.join(kRoot, 'scripts', 'serve-web.sh'), [site, String(port), logFile],
                       { stdio: ['ignore', 'pipe', 'inherit'] });
  const exited = new Promise((r) => server.once('exit', r));
  const url = await new Promise((resolve, reject) => {
    server.stdout.once('data', (d) => resolve(String(d).trim()));
    server.once('exit', () => reject(new Error('scripts/serve-web.sh did not start')));
  });
  // nginx answers once it listens.
  for (let i = 0; ; i++) {
    const up = await fetch(url).then((r) => r.ok, () => false);
    if (up) break;
    if (i > 100) throw new Error(`nginx does not answer at ${url}`);
    await new Promise((r) => setTimeout(r, 50));
  }
  fs.writeFileSync(logFile, '');
  return {
    url,
    log: () => fs.readFileSync(logFile, 'utf8').trim().split('\n').filter(Boolean).map((line) => {
      const [p, status, bytes] = line.split(' ');
      return { path: p, status: Number(status), bytes: Number(bytes) };
    }),
    clearLog: () => fs.writeFileSync(logFile, ''),
    close: async () => {
      if (server.exitCode === null) {
        server.kill('SIGTERM');
        await exited;
      }
      fs.rmSync(path.dirname(logFile), { recursive: true, force: true });
    },
  };
}

// --- positions: ten rows of FEN letters, the computer's pieces in small
// letters at the top

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

// --- the move lists' notation, written here from the rules of the lists:
// the name of the piece now on the to-point, the from-file, the direction
// and the to-rank counted from the mover's back rank (one for a pawn).

const kNames = {
  K: '帅', R: '车', N: '马', C: '炮', A: '士', B: '相', P: '兵',
  k: '将', r: '车', n: '马', c: '炮', a: '士', b: '象', p: '卒',
};
const kNumerals = ['', '一', '二', '三', '四', '五', '六', '七', '八', '九', '十'];

// The line a move (ICCS) writes, on the board before it.
function moveLine(rows, move) {
  const { fx, fy, tx, ty } = parseIccs(move);
  const piece = rows[fy][fx];
  const name = `【${kNames[piece]}】`;
  if (piece === piece.toUpperCase()) {
    const dir = ty < fy ? '进' : ty === fy ? '平' : '退';
    return name + kNumerals[9 - fx] + dir + (piece === 'P' ? '一' : kNumerals[10 - ty]);
  }
  const dir = ty > fy ? '进' : ty === fy ? '平' : '退';
  return `${name} ${fx + 1}${dir}${piece === 'p' ? 1 : ty + 1}`;
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
  kRoot, freePort, serveSite, kInitialRows, toFen, parseIccs, toIccs, applyMove, movePlayedBetween,
  moveLine, engineLines, kEngineTool, movesKeepingTheGeneral,
};
