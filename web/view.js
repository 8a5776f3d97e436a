// The page as the game's view: it shows each step the game reports, in its
// order, as the desktop window shows it. The pieces and markers stand where
// the game's geometry puts them; the lines, messages and spoken words are
// the game's own text.

// The pictures of the pieces by code: 1..7 the computer's, 8..14 the
// player's, each side's general, chariot, horse, cannon, advisor, elephant
// and pawn.
const kKinds = ['general', 'chariot', 'horse', 'cannon', 'advisor', 'elephant', 'pawn'];
const kMarkers = 4;

function picture(img, file) {
  img.src = `pictures/${file}.webp`;
  img.srcset = `pictures/${file}@2x.webp 2x`;
}

export function piecePicture(code) {
  return `pieces/${code <= 7 ? 'black' : 'red'}_${kKinds[(code - 1) % 7]}`;
}

export class PageView {
  constructor(doc) {
    this.doc = doc;
    this.board = doc.getElementById('board');
    this.piecesBox = doc.getElementById('pieces');
    this.markersBox = doc.getElementById('markers');
    this.grid = doc.getElementById('grid');
    this.lists = [doc.getElementById('list1'), doc.getElementById('list2')];
    this.spoken = doc.getElementById('spoken');
    this.messageBox = doc.getElementById('message-box');
    this.messageText = doc.getElementById('message-text');
    this.cells = [];
    this.markers = [];
    // Called with the level whenever the game says it.
    this.onDifficulty = null;
  }

  // The window's geometry from the game: on the first line the client area,
  // the board picture's place and size, the sizes of pieces and markers, the
  // pictures' left edges per file and top edges per rank; then each
  // control's place by its name, and each file number's place and text.
  geometry(text) {
    const [first, ...places] = text.split('\n');
    const v = first.trim().split(' ').map(Number);
    const [, , boardLeft, boardTop, boardWidth, boardHeight, pieceSize, markerSize] = v;
    this.left = v.slice(8, 17);
    this.top = v.slice(17, 27);
    for (const line of places) this.place(...line.split(' '));
    this.pieceSize = pieceSize;
    Object.assign(this.board.style, {
      left: `${boardLeft}px`, top: `${boardTop}px`, width: `${boardWidth}px`, height: `${boardHeight}px`,
    });
    // The board's column of the window: the board picture's width.
    this.doc.getElementById('board-box').style.width = `${boardLeft + boardWidth}px`;
    for (let i = 0; i < kMarkers; i++) {
      const img = this.doc.createElement('img');
      img.alt = '';
      img.draggable = false;
      img.hidden = true;
      img.width = img.height = markerSize;
      picture(img, 'marker');
      this.markersBox.appendChild(img);
      this.markers.push(img);
    }
    // The 90 cells of the board's grid, row by row from the top; the cursor
    // frames the point 4 pixels beyond its marker.
    for (let y = 0; y < this.top.length; y++) {
      const row = this.doc.createElement('div');
      row.setAttribute('role', 'row');
      for (let x = 0; x < this.left.length; x++) {
        const cell = this.doc.createElement('div');
        cell.setAttribute('role', 'gridcell');
        cell.tabIndex = -1;
        cell.dataset.file = x;
        cell.dataset.rank = y;
        cell.style.left = `${this.left[x] - 4}px`;
        cell.style.top = `${this.top[y] - 4}px`;
        row.appendChild(cell);
        this.cells.push(cell);
      }
      this.grid.appendChild(row);
    }
  }

  // Every piece drawn again where the game's board has it.
  redrawPieces(text) {
    const imgs = [...this.piecesBox.children];
    let i = 0;
    for (const line of text.split('\n')) {
      if (!line) continue;
      const [code, x, y] = line.split(' ').map(Number);
      let img = imgs[i++];
      if (!img) {
        img = this.doc.createElement('img');
        img.alt = '';
        img.draggable = false;
        img.width = img.height = this.pieceSize;
        this.piecesBox.appendChild(img);
      }
      const file = piecePicture(code);
      if (img.dataset.picture !== file) {
        picture(img, file);
        img.dataset.picture = file;
      }
      img.dataset.code = code;
      img.dataset.file = x;
      img.dataset.rank = y;
      img.style.left = `${this.left[x]}px`;
      img.style.top = `${this.top[y]}px`;
      img.hidden = false;
    }
    for (; i < imgs.length; i++) imgs[i].hidden = true;
  }

  showMarker(which, x, y) {
    const img = this.markers[which];
    img.style.left = `${this.left[x]}px`;
    img.style.top = `${this.top[y]}px`;
    img.hidden = false;
  }

  hideMarker(which) { this.markers[which].hidden = true; }

  // The newest line is kept in view.
  addLine(list, text) {
    const item = this.doc.createElement('li');
    item.textContent = text;
    this.lists[list].appendChild(item);
    this.lists[list].scrollTop = this.lists[list].scrollHeight;
  }

  removeLine(list, i) {
    const item = this.lists[list].children[i];
    if (item) item.remove();
    this.lists[0].scrollTop = this.lists[0].scrollHeight;
  }

  clearLines() {
    for (const list of this.lists) list.replaceChildren();
  }

  // A message in its box; the game goes on once the box is closed.
  showMessage(text) {
    this.messageText.textContent = text;
    this.messageBox.showModal();
  }

  // The newest words replace what was said before. The same words again are
  // said again: the region is emptied first and filled a moment later, as
  // screen readers do not repeat a region whose text did not change.
  say(words) {
    clearTimeout(this.sayLater);
    if (this.spoken.textContent !== words) {
      this.spoken.textContent = words;
      return;
    }
    this.spoken.textContent = '';
    this.sayLater = setTimeout(() => { this.spoken.textContent = words; }, 100);
  }

  showDifficulty(high) {
    if (this.onDifficulty) this.onDifficulty(high);
  }

  // A control at its place in the window, which page.css gives it on a wide
  // screen; a file number, made here, at its place over or under the board.
  place(name, left, top, width, height, text) {
    const px = { left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px` };
    if (name === 'number') {
      const number = this.doc.createElement('div');
      number.className = 'label';
      number.setAttribute('aria-hidden', 'true');
      number.textContent = text;
      Object.assign(number.style, px);
      this.board.before(number);
      return;
    }
    const control = this.doc.getElementById(name);
    for (const [side, value] of Object.entries(px)) control.style.setProperty(`--${side}`, value);
  }

  // Each point's name as the game says it.
  nameCells(text) {
    const names = text.split('\n');
    this.cells.forEach((cell, i) => cell.setAttribute('aria-label', names[i] || ''));
  }

  // One step of the game, as core_worker.js hands it over.
  show({ step, a, b, c, text }) {
    switch (step) {
      case 'geometry': this.geometry(text); break;
      case 'pieces': this.redrawPieces(text); break;
      case 'showMarker': this.showMarker(a, b, c); break;
      case 'hideMarker': this.hideMarker(a); break;
      case 'addLine': this.addLine(a, text); break;
      case 'removeLine': this.removeLine(a, b); break;
      case 'clearLines': this.clearLines(); break;
      case 'message': this.showMessage(text); break;
      case 'say': this.say(text); break;
      case 'difficulty': this.showDifficulty(a); break;
      case 'names': this.nameCells(text); break;
      default: break;
    }
  }
}
