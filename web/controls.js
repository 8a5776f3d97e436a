// What the player does on the page, handed to the game: the mouse or a
// finger on the pieces and the board, the picture buttons that light up
// under the mouse, the menu bar, the difficulty, the keyboard on the board's
// grid, and the boxes' OK buttons.

// Where the pointer is in the client area's own pixels, whatever the page's
// scale: from the board's corner, which is the client area's on a wide
// screen and the scaled board's on a phone.
function clientPoint(client, boardBox, event) {
  const box = boardBox.getBoundingClientRect();
  const scale = client.dataset.scale ? Number(client.dataset.scale) : 1;
  return [Math.floor((event.clientX - box.left) / scale), Math.floor((event.clientY - box.top) / scale)];
}

export class Controls {
  // `game` runs the game's operations (page.js); `view` is the PageView.
  constructor(doc, game, view) {
    this.doc = doc;
    this.game = game;
    this.view = view;
    this.client = doc.getElementById('client');
    this.boardBox = doc.getElementById('board-box');
    this.buttons = [...doc.querySelectorAll('.picture')];
    this.radios = [...doc.querySelectorAll('input[name="level"]')];
    this.menuButtons = [...doc.querySelectorAll('#menubar > .menu > [role="menuitem"]')];
    this.messageBox = doc.getElementById('message-box');
    this.aboutBox = doc.getElementById('about-box');
    this.pointer = [0, 0];
    this.cursor = [4, 9];
    // The picture buttons go back to normal once the box of a draw offer or
    // a resignation is closed.
    this.buttonsAfterBox = false;

    this.wirePointer();
    this.wireButtons();
    this.wireMenus();
    this.wireGrid();
    this.wireBoxes();
    this.radios.forEach((radio, high) => radio.addEventListener('change', () => {
      if (radio.checked) game.setDifficulty(high);
    }));
    view.onDifficulty = (high) => this.showDifficulty(high);
  }

  command(name) {
    const game = this.game;
    switch (name) {
      case 'new': game.newGame(); break;
      case 'back': game.takeBack(); break;
      case 'draw': this.buttonsAfterBox = true; game.offerDraw(); break;
      case 'resign': this.buttonsAfterBox = true; game.resign(); break;
      case 'quit': game.quit(); break;
      case 'low': game.setDifficulty(0); break;
      case 'high': game.setDifficulty(1); break;
      case 'about': this.aboutBox.showModal(); break;
      default: break;
    }
  }

  // The menu's check marks and the option buttons both show the level.
  showDifficulty(high) {
    this.radios[high ? 1 : 0].checked = true;
    for (const item of this.doc.querySelectorAll('[role="menuitemradio"]'))
      item.setAttribute('aria-checked', String((item.dataset.command === 'high') === !!high));
  }

  // --- the mouse and the finger on the board

  wirePointer() {
    const track = (event) => { this.pointer = clientPoint(this.client, this.boardBox, event); };
    this.doc.addEventListener('pointermove', track, true);
    this.doc.addEventListener('pointerdown', track, true);
    this.client.addEventListener('click', (event) => {
      track(event);
      // What the click lands on, a piece or the board, is the game's to
      // decide when it takes the click.
      const target = event.target;
      if ((target.parentElement && target.parentElement.id === 'pieces') || target.id === 'board')
        this.game.clickAt(...this.pointer);
    });
    // Moving over the window's background or the board puts every picture
    // button back to its normal picture.
    this.client.addEventListener('pointermove', (event) => {
      if (!event.target.closest('.picture, .frame')) this.unlightButtons();
    });
  }

  // --- the picture buttons

  wireButtons() {
    for (const button of this.buttons) {
      button.addEventListener('pointermove', () => button.classList.add('lit'));
      button.addEventListener('click', () => this.command(button.dataset.command));
    }
  }

  unlightButtons() {
    for (const button of this.buttons) button.classList.remove('lit');
  }

  // --- the menu bar: a WAI-ARIA menubar with the window's access keys

  wireMenus() {
    const bar = this.doc.getElementById('menubar');
    this.openMenu = null;
    this.menuButtons.forEach((button, i) => {
      button.addEventListener('click', () => {
        if (this.openMenu === button) this.closeMenu(true);
        else this.showMenu(i, false);
      });
      button.addEventListener('pointerenter', () => {
        if (this.openMenu && this.openMenu !== button) this.showMenu(i, false);
      });
      button.addEventListener('keydown', (event) => {
        const keys = { ArrowRight: 1, ArrowLeft: -1 };
        if (event.key in keys) {
          this.focusMenuButton((i + keys[event.key] + this.menuButtons.length) % this.menuButtons.length);
        } else if (['ArrowDown', 'Enter', ' '].includes(event.key)) {
          this.showMenu(i, true);
        } else if (event.key === 'ArrowUp') {
          this.showMenu(i, true, -1);
        } else {
          return;
        }
        event.preventDefault();
      });
    });
    for (const item of bar.querySelectorAll('[role="menu"] [role^="menuitem"]')) {
      item.addEventListener('click', () => this.pick(item));
      item.addEventListener('pointerenter', () => item.focus());
    }
    bar.addEventListener('keydown', (event) => {
      const menu = event.target.closest('[role="menu"]');
      if (menu) this.menuKey(menu, event);
    });
    // Alt and a menu's access key opens it, as in the window.
    this.doc.addEventListener('keydown', (event) => {
      if (!event.altKey || event.ctrlKey || event.metaKey || this.doc.querySelector('dialog[open]')) return;
      const i = this.menuButtons.findIndex((b) => b.dataset.key === event.key.toLowerCase());
      if (i < 0) return;
      event.preventDefault();
      this.showMenu(i, true);
    });
    this.doc.addEventListener('pointerdown', (event) => {
      if (this.openMenu && !event.target.closest('#menubar')) this.closeMenu(false);
    });
  }

  focusMenuButton(i) {
    const wasOpen = !!this.openMenu;
    this.menuButtons.forEach((b, j) => { b.tabIndex = j === i ? 0 : -1; });
    if (wasOpen) this.showMenu(i, true);
    else this.menuButtons[i].focus();
  }

  items(menu) { return [...menu.querySelectorAll('[role^="menuitem"]')]; }

  // Opens menu i; with `focusItem`, its first item (or its last, for -1)
  // takes the keyboard.
  showMenu(i, focusItem, which = 0) {
    // Where the keyboard was before the menu bar took it, as the window
    // gives the focus back there once a command is picked.
    const active = this.doc.activeElement;
    if (!this.openMenu && active && !active.closest('#menubar')) this.focusBeforeMenu = active;
    this.closeMenu(false);
    const button = this.menuButtons[i];
    const menu = this.doc.getElementById(button.getAttribute('aria-controls'));
    this.menuButtons.forEach((b, j) => { b.tabIndex = j === i ? 0 : -1; });
    button.setAttribute('aria-expanded', 'true');
    menu.hidden = false;
    this.openMenu = button;
    const items = this.items(menu);
    if (focusItem) items[which < 0 ? items.length - 1 : 0].focus();
    else button.focus();
  }

  closeMenu(focusButton) {
    const button = this.openMenu;
    if (!button) return;
    this.openMenu = null;
    button.setAttribute('aria-expanded', 'false');
    this.doc.getElementById(button.getAttribute('aria-controls')).hidden = true;
    if (focusButton) button.focus();
  }

  pick(item) {
    this.closeMenu(false);
    const before = this.focusBeforeMenu;
    this.focusBeforeMenu = null;
    if (before && before.isConnected) before.focus();
    this.command(item.dataset.command);
  }

  menuKey(menu, event) {
    const items = this.items(menu);
    const i = items.indexOf(this.doc.activeElement);
    const at = this.menuButtons.indexOf(this.openMenu);
    const n = this.menuButtons.length;
    const key = event.key;
    if (key === 'ArrowDown' || key === 'ArrowUp') {
      items[(i + (key === 'ArrowDown' ? 1 : items.length - 1)) % items.length].focus();
    } else if (key === 'Home' || key === 'End') {
      items[key === 'Home' ? 0 : items.length - 1].focus();
    } else if (key === 'ArrowRight' || key === 'ArrowLeft') {
      this.showMenu((at + (key === 'ArrowRight' ? 1 : n - 1)) % n, true);
    } else if (key === 'Enter' || key === ' ') {
      if (i >= 0) this.pick(items[i]);
    } else if (key === 'Escape') {
      this.closeMenu(true);
    } else if (key === 'Tab') {
      this.closeMenu(false);
      return;
    } else {
      const item = items.find((it) => it.dataset.key === key.toLowerCase());
      if (!item) return;
      this.pick(item);
    }
    event.preventDefault();
  }

  // --- the keyboard on the board: one Tab stop, the arrows move the cursor

  cell(x, y) { return this.view.cells[y * 9 + x]; }

  wireGrid() {
    const grid = this.doc.getElementById('grid');
    grid.addEventListener('keydown', (event) => {
      if (event.altKey || event.ctrlKey || event.metaKey) return;
      const moves = { ArrowLeft: [-1, 0], ArrowRight: [1, 0], ArrowUp: [0, -1], ArrowDown: [0, 1] };
      const [x, y] = this.cursor;
      if (event.key in moves) {
        const [dx, dy] = moves[event.key];
        this.placeCursor(Math.min(8, Math.max(0, x + dx)), Math.min(9, Math.max(0, y + dy)));
      } else if (event.key === 'Enter' || event.key === ' ') {
        this.game.clickPoint(x, y);
      } else if (event.key === 'Escape') {
        this.game.dropSelection();
      } else if (event.key === 'F2') {
        this.game.readPosition();
      } else {
        return;
      }
      event.preventDefault();
    });
  }

  // The grid is made once the game's geometry is known.
  placeCursor(x, y, focus = true) {
    const old = this.cell(...this.cursor);
    if (old) old.tabIndex = -1;
    this.cursor = [x, y];
    const cell = this.cell(x, y);
    cell.tabIndex = 0;
    if (focus) cell.focus();
  }

  // --- the boxes

  wireBoxes() {
    // Enter presses a box's one button wherever the keyboard is in the box,
    // as in the window's boxes.
    for (const box of [this.messageBox, this.aboutBox]) {
      box.addEventListener('keydown', (event) => {
        if (event.key !== 'Enter' || event.altKey || event.ctrlKey || event.metaKey) return;
        event.preventDefault();
        box.close();
      });
    }
    this.messageBox.addEventListener('close', () => {
      if (this.buttonsAfterBox) {
        this.buttonsAfterBox = false;
        this.unlightButtons();
      }
      this.game.messageClosed(...this.pointer);
    });
    // Closing the About box makes the game window the active one again,
    // which starts a new game, as on the desktop.
    this.aboutBox.addEventListener('close', () => this.game.newGame());
  }
}
