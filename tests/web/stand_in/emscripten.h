// A stand-in for emscripten's header, so that the page's core compiles in
// the native build, and a change to the game's interface breaks the quick
// loop (make check) and not only the browser's build. What it compiles is
// never linked or run: a function written in JavaScript becomes one that
// does nothing.
#pragma once

#define EMSCRIPTEN_KEEPALIVE __attribute__((used))
#define EM_JS(ret, name, params, ...) \
  ret name params { return ret(); }
