// The game's core (core.wasm) in a worker of its own: it runs the operations
// the page asks for, one after another, and hands the page each step of the
// game as it happens, so that the page draws the player's move while the
// computer's search runs here. The build appends this to emscripten's
// loader (core.js), so the worker is one file.

// The steps by number, as core.cpp posts them (web/core_interface.cmake).
const kSteps = [@LORVANE_CORE_STEP_NAMES@];

let core = null;
let broken = false;
const early = [];

// An operation, then word that it is done, with the time it took. A fault
// in the core, or an operation it does not have, ends the game: the core's
// state can no longer be trusted, and the page is told what failed.
function run({ op, args }) {
  if (broken) return;
  const start = performance.now();
  try {
    const operation = core[`_lorvane_${op}`];
    if (typeof operation !== 'function') throw new Error(`the core has no operation "${op}"`);
    operation(...args);
  } catch (error) {
    broken = true;
    postMessage({ step: 'failed', cause: 'core', text: `${op}: ${(error && error.stack) || error}` });
    return;
  }
  postMessage({ step: 'done', op, ms: performance.now() - start });
}

onmessage = ({ data }) => {
  if (core) run(data);
  else early.push(data);
};

// The core's code could not be fetched: the network failed.
LorvaneCore({
  lorvaneStep: (kind, a, b, c, text) => postMessage({ step: kSteps[kind], a, b, c, text }),
}).then((module) => {
  core = module;
  run({ op: 'start', args: [] });
  for (const data of early.splice(0)) run(data);
}, (error) => postMessage({ step: 'failed', cause: 'network', text: String(error) }));
