// The WebAssembly core in a worker of its own, so that compiling it, starting it and every event
// it answers never hold up the page. It keeps the state of one window: the design's (window/form.h),
// or, where the page names the worker "elements", the window for a problem as the book gives it
// (window/elements.h). It starts with that window's load and tells the page that state and the
// default number settings; then each message, a list of events [name, ...arguments], is applied in
// order, and the state they leave is posted back with what the page paints of it besides (the
// picture as SVG; the switch's words), or the error that stopped them. A core that cannot be
// loaded is told once.
const windows = {
  design: { load: "Form_Load", painted: (core, state) => ({ svg: core.Picture1_Svg(state) }) },
  elements: {
    load: "Elements_Load",
    painted: (core, state) => ({ svg: core.Elements_Svg(state), switchText: core.Elements_SwitchText(state) }),
  },
};
const shown = windows[self.name] ?? windows.design;
let core;
let state;

onmessage = ({ data: events }) => {
  try {
    for (const [name, ...args] of events) state = core[name](state, ...args);
    postMessage({ state, ...shown.painted(core, state) });
  } catch (error) {
    postMessage({ error: String(error) });
  }
};

try {
  const { default: createCore } = await import("./trapezoid.js");
  core = await createCore();
  state = core[shown.load]();
  postMessage({ state, defaults: core.defaultSettings() });
} catch (error) {
  postMessage({ failed: String(error) });
}
