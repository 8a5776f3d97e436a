// Lorvane's page: loads the game program (lorvane.js and lorvane.wasm, built
// with Qt for WebAssembly) onto the page's screen, fits the game window on a
// small screen, and says in Chinese what is happening when the game is not
// on the screen: loading (with a bar for the program's download), a browser
// that cannot run it, a network that fails, the program's end.
'use strict';

(function () {
  // The game window with its menu bar, and a margin around it.
  const kWindowWidth = @LORVANE_LAYOUT_WIDTH@;
  const kWindowHeight = @LORVANE_SCREEN_HEIGHT@ + 16;
  // lorvane.wasm's size in bytes, written in once the program is built. A
  // host that sends the program compressed announces the compressed size,
  // while the download counts the program's own bytes.
  const kProgramBytes = @LORVANE_PROGRAM_BYTES@;

  const screenBox = document.getElementById('screen');
  const notice = document.getElementById('notice');
  const message = document.getElementById('message');
  const detail = document.getElementById('detail');
  const progress = document.getElementById('progress');
  const restart = document.getElementById('restart');

  function say(text, more, offerRestart) {
    message.textContent = text;
    detail.textContent = more || '';
    detail.hidden = !more;
    restart.hidden = !offerRestart;
    progress.hidden = true;
    notice.hidden = false;
  }

  restart.addEventListener('click', () => location.reload());

  // On a screen narrower or lower than the window (a phone), the layout is
  // made as wide as needed for the whole window to show; the browser then
  // scales the page down to fit, keeping its proportions, and a tap still
  // lands where it is seen. Desktop browsers ignore this and show 1:1.
  function fitToScreen() {
    const viewport = document.getElementById('viewport');
    const w = screen.width;
    const h = screen.height;
    let content = 'width=' + kWindowWidth;
    if (w >= kWindowWidth && h >= kWindowHeight) content = 'width=device-width, initial-scale=1';
    else if (w && h) content = 'width=' + Math.ceil(Math.max(kWindowWidth, (kWindowHeight * w) / h));
    if (viewport.content !== content) viewport.content = content;
  }
  fitToScreen();
  window.addEventListener('orientationchange', fitToScreen);

  function webGLAvailable() {
    try {
      const canvas = document.createElement('canvas');
      return !!(canvas.getContext('webgl2') || canvas.getContext('webgl'));
    } catch (e) {
      return false;
    }
  }

  if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') {
    say('这个浏览器不能运行 WebAssembly，Lorvane 无法在这里打开。',
        '请使用较新版本的 Chrome、Edge、Firefox 或 Safari 打开本页；' +
        '如果浏览器关闭了 WebAssembly（例如某些安全设置），请把它打开。');
    return;
  }
  if (!webGLAvailable()) {
    say('这个浏览器不能使用 WebGL，Lorvane 无法画出棋盘。',
        '请打开浏览器的硬件加速，或换用较新版本的浏览器。');
    return;
  }

  // Once the page has been opened, the service worker keeps its files, so
  // the game also starts without a network.
  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    window.addEventListener('load', () => {
      navigator.serviceWorker.register('sw.js')
        .then(() => navigator.serviceWorker.ready)
        .then((registration) => {
          // The doubled pictures, fetched before the worker was there on a
          // first visit, are kept too, for the next start without a network.
          if (doubledPictures) registration.active.postMessage({ keep: 'pictures@2x.rcc' });
        })
        .catch(() => {});
    });
  }

  let ended = false;

  // --- the program's download, shown as it goes

  // A screen of more than one device pixel to the pixel shows the pictures
  // drawn at twice their size, which come in a file of their own
  // (pictures@2x.rcc, of kDoubledPicturesBytes bytes), fetched beside the
  // program; an ordinary screen never downloads them.
  const kDoubledPicturesBytes = @LORVANE_DOUBLED_PICTURES_BYTES@;
  const doubledPictures = (window.devicePixelRatio || 1) > 1;

  // What has come of the downloads, and what they will reach (0 when that is
  // not known).
  let loaded = 0;
  let total = 0;

  // The line above the bar changes in steps of 5 %, or of a megabyte when the
  // size is not known, so that a screen reader hears a few steps, not every
  // piece of the download; the bar itself follows every piece.
  let shownStep = -1;
  function showDownload() {
    progress.hidden = false;
    let text;
    let step;
    if (total > 0) {
      const share = Math.min(0.99, loaded / total);
      progress.value = share;
      step = Math.floor(share * 20);
      text = `正在载入 Lorvane…… ${step * 5}%`;
    } else {
      progress.removeAttribute('value');
      step = Math.floor(loaded / 1048576);
      text = `正在载入 Lorvane…… 已下载 ${step} MB`;
    }
    if (step !== shownStep) {
      shownStep = step;
      message.textContent = text;
    }
  }

  function showDownloaded() {
    progress.value = 1;
    message.textContent = '下载完成，正在启动……';
  }

  // A download that the network broke off.
  class NetworkCut extends Error {
    constructor() {
      super('network');
      this.loaded = loaded;
      this.total = total;
    }
  }

  function sayCut(cut) {
    const share = cut.total > 0
      ? `已下载 ${Math.floor((100 * Math.min(cut.loaded, cut.total)) / cut.total)}%`
      : `已下载 ${(cut.loaded / 1048576).toFixed(1)} MB`;
    screenBox.hidden = true;
    say(cut.loaded > 0 ? `网络中断，Lorvane 没有下载完（${share}）。` : '无法载入 Lorvane。',
        '请检查网络连接，然后重新开始。', true);
  }

  async function fetchFile(file) {
    let response;
    try {
      response = await fetch(file, { credentials: 'same-origin' });
    } catch (e) {
      throw new NetworkCut();
    }
    if (!response.ok) throw new Error(`${file}: ${response.status} ${response.statusText}`);
    return response;
  }

  // The response's body as a stream that counts what comes; `cut.error`
  // is set when the network breaks it off, or when it ends short of `size`.
  function counted(response, size, cut) {
    const reader = response.body.getReader();
    let own = 0;
    return new ReadableStream({
      async pull(controller) {
        let piece;
        try {
          piece = await reader.read();
        } catch (e) {
          // What came is used no further: the file is incomplete.
          cut.error = new NetworkCut();
          controller.close();
          return;
        }
        if (piece.done) {
          // A connection closed early without an error.
          if (size > 0 && own < size) cut.error = new NetworkCut();
          controller.close();
          return;
        }
        own += piece.value.byteLength;
        loaded += piece.value.byteLength;
        showDownload();
        controller.enqueue(piece.value);
      },
    });
  }

  // Fetches the doubled pictures; resolves to their bytes.
  async function loadDoubledPictures() {
    const response = await fetchFile('pictures@2x.rcc');
    if (!response.body || typeof ReadableStream !== 'function') {
      return response.arrayBuffer().catch(() => { throw new NetworkCut(); });
    }
    const cut = {};
    const bytes = await new Response(counted(response, kDoubledPicturesBytes, cut)).arrayBuffer();
    if (cut.error) throw cut.error;
    return bytes;
  }

  // Fetches lorvane.wasm and compiles it while it arrives, counting what has
  // come; resolves to the instantiated program.
  async function loadProgram(imports) {
    const response = await fetchFile('lorvane.wasm');
    showDownload();
    if (!response.body || typeof ReadableStream !== 'function') {
      const bytes = await response.arrayBuffer().catch(() => { throw new NetworkCut(); });
      return WebAssembly.instantiate(bytes, imports);
    }
    const cut = {};
    const stream = counted(response, kProgramBytes, cut);
    try {
      if (typeof WebAssembly.instantiateStreaming === 'function') {
        return await WebAssembly.instantiateStreaming(
          new Response(stream, { headers: { 'Content-Type': 'application/wasm' } }), imports);
      }
      const bytes = await new Response(stream).arrayBuffer();
      return await WebAssembly.instantiate(bytes, imports);
    } catch (e) {
      // A program that does not compile came incomplete or damaged: a
      // host that sends it compressed does not say how large it is.
      if (!cut.error && e instanceof WebAssembly.CompileError) cut.error = new NetworkCut();
      throw cut.error || e;
    }
  }

  // The program and, on such a screen, the doubled pictures, fetched side by
  // side; the pictures are handed to the program (which registers them before
  // the window is made) with its instance.
  async function loadAll(imports, config) {
    if (kProgramBytes > 0) total = kProgramBytes + (doubledPictures ? kDoubledPicturesBytes : 0);
    const pictures = doubledPictures ? loadDoubledPictures() : Promise.resolve(null);
    // Either download failing ends both; the other's rejection is then seen.
    pictures.catch(() => {});
    const result = await loadProgram(imports);
    config.lorvaneDoubledPictures = await pictures;
    showDownloaded();
    // Marks on the page's timeline, for anyone measuring the start.
    performance.mark('lorvane-compiled');
    return result;
  }

  function start() {
    const config = {
      qtContainerElements: [screenBox],
      qtFontDpi: 96,
      locateFile: (file) => file,
      print: (text) => console.log(text),
      printErr: (text) => console.warn(text),
      // The program's download, with its progress on the page.
      instantiateWasm: (imports, receive) => {
        loadAll(imports, config).then(
          (result) => receive(result.instance, result.module),
          (error) => {
            ended = true;
            if (error instanceof NetworkCut) sayCut(error);
            else config.onAbort(error);
          });
        return {};
      },
      postRun: [() => {
        // The window has been made and shown.
        performance.mark('lorvane-running');
        // The window is drawn on the next frames; the notice stays until then.
        requestAnimationFrame(() => requestAnimationFrame(() => {
          if (!ended) notice.hidden = true;
        }));
      }],
      // The game program has ended (退出, or the window's close button).
      onExit: () => {
        ended = true;
        screenBox.hidden = true;
        say('Lorvane 已退出。', '游戏程序已经结束；网页不能关闭自己所在的标签页。', true);
      },
      onAbort: (what) => {
        ended = true;
        screenBox.hidden = true;
        say('Lorvane 出错停止了。', String(what || ''), true);
      },
    };
    createQtAppInstance(config).catch((error) => config.onAbort(error));
  }

  const script = document.createElement('script');
  script.src = 'lorvane.js';
  script.onload = start;
  script.onerror = () => say('无法载入 Lorvane。', '请检查网络连接，然后重新载入本页。', true);
  document.body.appendChild(script);
})();
