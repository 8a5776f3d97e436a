// Lorvane's page: loads the game program (lorvane.js and lorvane.wasm, built
// with Qt for WebAssembly) onto the page's screen, fits the game window on a
// small screen, and says in Chinese what is happening when the game is not
// on the screen: loading, a browser that cannot run it, the program's end.
'use strict';

(function () {
  // The game window with its menu bar, and a margin around it.
  const kWindowWidth = @LORVANE_LAYOUT_WIDTH@;
  const kWindowHeight = @LORVANE_SCREEN_HEIGHT@ + 16;

  const screenBox = document.getElementById('screen');
  const notice = document.getElementById('notice');
  const message = document.getElementById('message');
  const detail = document.getElementById('detail');
  const restart = document.getElementById('restart');

  function say(text, more, offerRestart) {
    message.textContent = text;
    detail.textContent = more || '';
    detail.hidden = !more;
    restart.hidden = !offerRestart;
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

  function start() {
    const config = {
      qtContainerElements: [screenBox],
      qtFontDpi: 96,
      locateFile: (file) => file,
      print: (text) => console.log(text),
      printErr: (text) => console.warn(text),
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
