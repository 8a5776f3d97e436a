// The page as a screen reader gets it in Chromium: the browser's own
// accessibility tree over the DevTools protocol (Accessibility.getFullAXTree),
// not the page's elements. A game is played there by keyboard alone.
'use strict';

const wp = require('./web_page');

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));
const kKinds = {
  玩家: { 帅: 'K', 车: 'R', 马: 'N', 炮: 'C', 士: 'A', 相: 'B', 兵: 'P' },
  电脑: { 将: 'k', 车: 'r', 马: 'n', 炮: 'c', 士: 'a', 象: 'b', 卒: 'p' },
};

class AccessibleBoard {
  constructor(page) {
    this.page = page;
    this.cursor = [4, 9];
  }

  // The grid 棋盘 with its cells' names (rank by rank from the top), the
  // focused node's role and name, and what the live region 播报 says.
  async read() {
    if (!this.cdp) {
      this.cdp = await this.page.createCDPSession();
      await this.cdp.send('Accessibility.enable');
    }
    const { nodes } = await this.cdp.send('Accessibility.getFullAXTree');
    const byId = new Map(nodes.map((n) => [n.nodeId, n]));
    const role = (n) => n.role && n.role.value;
    const name = (n) => (n.name && n.name.value) || '';
    const below = (n, out = []) => {
      for (const id of n.childIds || []) {
        const c = byId.get(id);
        if (c) { out.push(c); below(c, out); }
      }
      return out;
    };
    const grid = nodes.find((n) => role(n) === 'grid' && name(n) === '棋盘');
    const status = nodes.find((n) => role(n) === 'status' && name(n) === '播报');
    // The page itself is focused too: the focus is on the innermost node.
    const focused = nodes.filter((n) => (n.properties || []).some((p) => p.name === 'focused' && p.value.value))
      .filter((n) => role(n) !== 'RootWebArea').pop();
    const live = status && (status.properties || []).find((p) => p.name === 'live');
    return {
      cells: grid ? below(grid).filter((n) => role(n) === 'gridcell').map(name) : [],
      focused: focused ? { role: role(focused), name: name(focused) } : null,
      polite: !!live && live.value.value === 'polite',
      spoken: status ? below(status).filter((n) => role(n) === 'StaticText').map(name).join('') : '',
    };
  }

  // The board as rows of FEN letters, from the cells' names.
  static rows(cells) {
    const rows = [];
    for (let y = 0; y < 10; y++) {
      rows.push(cells.slice(9 * y, 9 * y + 9).map((n) => {
        const m = /^(玩家|电脑)的(.)，/.exec(n);
        return m ? kKinds[m[1]][m[2]] : '.';
      }).join(''));
    }
    return rows;
  }

  key(k) { return this.page.keyboard.press(k); }

  // A key that asks the game for something; resolves once the game has
  // done it (its words may reach the live region before the cells' new
  // names do).
  async ask(k) {
    const before = await this.page.evaluate(() => window.lorvaneDone.length);
    await this.key(k);
    await this.page.waitForFunction((n) => window.lorvaneDone.length > n, { polling: 20 }, before);
  }

  // Waits until the live region says something `fits`.
  async hear(fits, what) {
    for (let i = 0; i < 600; i++) {
      const seen = await this.read();
      if (fits(seen.spoken)) return seen;
      await sleep(25);
    }
    throw new Error(`the live region never said ${what}; it says ${(await this.read()).spoken}`);
  }

  // The cursor to (x, y) by the arrow keys; the focused cell is then named
  // as that point.
  async moveTo(x, y) {
    const [cx, cy] = this.cursor;
    for (let i = 0; i < Math.abs(x - cx); i++) await this.key(x > cx ? 'ArrowRight' : 'ArrowLeft');
    for (let i = 0; i < Math.abs(y - cy); i++) await this.key(y > cy ? 'ArrowDown' : 'ArrowUp');
    this.cursor = [x, y];
    const seen = await this.read();
    if (!seen.focused || seen.focused.role !== 'gridcell' || seen.focused.name !== seen.cells[9 * y + x])
      throw new Error(`at (${x}, ${y}) the focus is on ${JSON.stringify(seen.focused)}`);
    return seen;
  }

  // A whole game from a new one, by the keyboard alone: Tab onto the board,
  // the arrows, Enter; F2 and Escape once. Every reply is checked as the
  // mouse games check theirs, and heard in the live region.
  async playGame(rand, chooseMove, checkReply, over, expect) {
    await this.page.evaluate(() => { document.activeElement.blur(); window.scrollTo(0, 0); });
    let seen = await this.read();
    for (let i = 0; i < 10 && !(seen.focused && seen.focused.role === 'gridcell'); i++) {
      await this.key('Tab');
      seen = await this.read();
    }
    expect(seen.cells.length === 90, `the grid 棋盘 has ${seen.cells.length} cells, not 90`);
    expect(seen.polite, 'the live region 播报 is not polite');
    expect(seen.focused.name === '玩家的帅，五路，第一行',
           `Tab reaches the board on ${JSON.stringify(seen.focused)}, not 玩家的帅，五路，第一行`);
    let rows = AccessibleBoard.rows(seen.cells);
    expect(rows.join('/') === wp.kInitialRows.join('/'), `the cells' names give ${rows.join('/')}`);
    await this.ask('F2');
    await this.hear((t) => t.startsWith('电脑：将 ５路第１行；车 １路第１行、９路第１行'), 'the position');
    await this.ask('Escape');
    await this.hear((t) => t === '没有选中的棋子', '没有选中的棋子');

    const spoken = [];
    let turns = 0;
    for (; turns < 81 && !over(rows); turns++) {
      const move = chooseMove(rows, rand);
      const { fx, fy, tx, ty } = wp.parseIccs(move);
      const from = (await this.moveTo(fx, fy)).cells[9 * fy + fx];
      await this.ask('Enter');
      await this.hear((t) => t === `选中${from}`, `选中${from}`);
      await this.moveTo(tx, ty);
      await this.ask(' ');
      seen = await this.hear((t) => t.startsWith('玩家：'), 'the turn');
      const done = checkReply(rows, move, AccessibleBoard.rows(seen.cells), 2);
      const [player, computer] = done.lines;
      expect(seen.spoken.startsWith(`玩家：${player}`) && (!computer || seen.spoken.includes(`。电脑：${computer}`)),
             `after ${move} the live region says ${seen.spoken}`);
      spoken.push(seen.spoken);
      rows = done.rows;
    }
    expect(over(rows), 'no general was taken in 81 turns');
    return { turns, spoken };
  }
}

module.exports = { AccessibleBoard };
