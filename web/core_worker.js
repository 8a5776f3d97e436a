// The game's core (core.wasm) in a worker of its own: it runs the operations
// the page asks for, one after another, and hands the page each step of the
// game as it happens, so that the page draws the player's move while the
// computer's search runs here. The build appends this to emscripten's
// loader (core.js), so the worker is one file.

// The steps by number, as core.cpp posts them.
const kSteps = ['geometry', 'pieces', 'showMarker', 'hideMarker', 'addLine', 'removeLine',
                'clearLines', 'message', 'say', 'difficulty', 'names'];

let core = null;
const early = [];

// An operation, then word that it is done, with the time it took.
function run({ op, args }) {
  const start = performance.now();
  core[`_lorvane_${op}`](...args);
  postMessage({ step: 'done', op, ms: performance.now() - start });
}

onmessage = ({ data }) => {
  if (core) run(data);
  else early.push(data);
};

LorvaneCore({
  lorvaneStep: (kind, a, b, c, text) => postMessage({ step: kSteps[kind], a, b, c, text }),
}).then((module) => {
  core = module;
  run({ op: 'start', args: [] });
  for (const data of early.splice(0)) run(data);
}, (error) => postMessage({ step: 'failed', text: String(error) }));
