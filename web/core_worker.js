// The WebAssembly core in a worker of its own, so that compiling it, starting it and every event
// it answers never hold up the page. It keeps the window's state: it starts with the load
// (Form_Load) and tells the page that state and the default number settings; then each message,
// a list of events [name, ...arguments] (window/form.h), is applied in order, and the state they
// leave is posted back with its picture as SVG, or the error that stopped them. A core that
// cannot be loaded is told once.
let core;
let state;

onmessage = ({ data: events }) => {
  try {
    for (const [name, ...args] of events) state = core[name](state, ...args);
    postMessage({ state, svg: core.Picture1_Svg(state) });
  } catch (error) {
    postMessage({ error: String(error) });
  }
};

try {
  const { default: createCore } = await import("./trapezoid.js");
  core = await createCore();
  state = core.Form_Load();
  postMessage({ state, defaults: core.defaultSettings() });
} catch (error) {
  postMessage({ failed: String(error) });
}
