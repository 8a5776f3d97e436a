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
      navigator.serviceWorker.register('sw.js').catch(() => {});
    });
  }

  let ended = false;

  // --- the program's download, shown as it goes

  // The size the download will reach, or 0 when it is not known.
  function programSize(response) {
    if (kProgramBytes > 0) return kProgramBytes;
    const encoding = response.headers.get('Content-Encoding');
    const length = Number(response.headers.get('Content-Length'));
    return (!encoding || encoding === 'identity') && length > 0 ? length : 0;
  }

  // The line above the bar changes in steps of 5 %, or of a megabyte when the
  // size is not known, so that a screen reader hears a few steps, not every
  // piece of the download; the bar itself follows every piece.
  let shownStep = -1;
  function showDownload(loaded, total) {
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
    constructor(loaded, total) {
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

  // Fetches lorvane.wasm and compiles it while it arrives, counting what has
  // come; resolves to the instantiated program.
  async function loadProgram(imports) {
    let response;
    try {
      response = await fetch('lorvane.wasm', { credentials: 'same-origin' });
    } catch (e) {
      throw new NetworkCut(0, 0);
    }
    if (!response.ok) throw new Error(`lorvane.wasm: ${response.status} ${response.statusText}`);
    const total = programSize(response);
    let loaded = 0;
    showDownload(0, total);
    if (!response.body || typeof ReadableStream !== 'function') {
      const bytes = await response.arrayBuffer().catch(() => { throw new NetworkCut(0, total); });
      showDownloaded();
      return WebAssembly.instantiate(bytes, imports);
    }
    const reader = response.body.getReader();
    let cut = null;
    const counted = new ReadableStream({
      async pull(controller) {
        let piece;
        try {
          piece = await reader.read();
        } catch (e) {
          // What came is compiled no further: the program is incomplete.
          cut = new NetworkCut(loaded, total);
          controller.close();
          return;
        }
        if (piece.done) {
          // A connection closed early without an error: a cut, if what came
          // does not compile.
          if (total > 0 && loaded < total) cut = new NetworkCut(loaded, total);
          showDownloaded();
          controller.close();
          return;
        }
        loaded += piece.value.byteLength;
        showDownload(loaded, total);
        controller.enqueue(piece.value);
      },
    });
    try {
      if (typeof WebAssembly.instantiateStreaming === 'function') {
        return await WebAssembly.instantiateStreaming(
          new Response(counted, { headers: { 'Content-Type': 'application/wasm' } }), imports);
      }
      const bytes = await new Response(counted).arrayBuffer();
      return await WebAssembly.instantiate(bytes, imports);
    } catch (e) {
      // A program that does not compile came incomplete or damaged: a
      // host that sends it compressed does not say how large it is.
      if (!cut && e instanceof WebAssembly.CompileError) cut = new NetworkCut(loaded, total);
      throw cut || e;
    }
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
        loadProgram(imports).then(
          (result) => receive(result.instance, result.module),
          (error) => {
            ended = true;
            if (error instanceof NetworkCut) sayCut(error);
            else config.onAbort(error);
          });
        return {};
      },
      postRun: [() => {
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
