// WebKitGTK, the engine of Safari, through Debian's WebKitWebDriver, which starts MiniBrowser.
// MiniBrowser has no headless mode, so it draws on an Xvfb of our own, stopped by its process id
// with the driver. Plain W3C WebDriver over HTTP: no console, no offline switch, and no window
// narrower than about 447 px, so a phone's screen is an <iframe> of the phone's size.
import { spawn } from "node:child_process";
import { writeFileSync } from "node:fs";
import { createServer } from "node:net";

const miniBrowser = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser";
const element = "element-6066-11e4-a52e-4f735466cecf";
const keys = { Enter: "\uE007", Escape: "\uE00C", Tab: "\uE004", ArrowDown: "\uE015", Backspace: "\uE003", F1: "\uE031" };

const freePort = () =>
  new Promise((resolve) => {
    const probe = createServer().listen(0, "127.0.0.1", () => {
      const { port } = probe.address();
      probe.close(() => resolve(port));
    });
  });
// No one WebDriver call waits longer: a browser that stops answering fails the test that asked.
const callLimit = 60_000;
const pause = (ms) => new Promise((settle) => setTimeout(settle, ms));

// An Xvfb on a display it picks itself (-displayfd), so that runs side by side never meet.
function startXvfb() {
  const xvfb = spawn("Xvfb", ["-displayfd", "3", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"], {
    stdio: ["ignore", "ignore", "ignore", "pipe"],
  });
  return new Promise((resolve, reject) => {
    let number = "";
    xvfb.stdio[3].on("data", (data) => {
      number += data;
      if (number.endsWith("\n")) resolve({ xvfb, display: `:${number.trim()}` });
    });
    xvfb.on("error", reject);
    xvfb.on("exit", (code) => reject(new Error(`Xvfb ended (${code})`)));
  });
}

export async function launchWebKit() {
  const { xvfb, display } = await startXvfb();
  const port = await freePort();
  const driver = spawn("WebKitWebDriver", [`--port=${port}`], { stdio: "ignore", env: { ...process.env, DISPLAY: display } });
  const stop = () => {
    driver.kill();
    xvfb.kill();
  };
  process.once("exit", stop); // a run that ends early leaves neither behind
  // A driver or display that ends fails the call under way at once, with that reason.
  const gone = new Promise((_, reject) => {
    for (const [name, child] of [["WebKitWebDriver", driver], ["Xvfb", xvfb]]) {
      child.once("exit", (code, signal) => reject(new Error(`${name} ended (${signal ?? code})`)));
    }
  });
  gone.catch(() => {});
  // A page that crashes or hangs takes the session with it: the driver says why once, and after
  // that only that the session is unknown. Every later call fails at once with the first reason.
  let lost;
  async function ask(method, path, body) {
    if (lost) throw lost;
    const response = await fetch(`http://127.0.0.1:${port}${path}`, {
      method,
      headers: { "content-type": "application/json" },
      body: body && JSON.stringify(body),
      signal: AbortSignal.timeout(callLimit),
    });
    const { value } = await response.json();
    if (value?.error === "invalid session id") throw (lost = new Error(`WebKit lost its page: ${value.message}`));
    if (value?.error) throw new Error(`WebDriver ${path}: ${value.error}: ${value.message}`);
    return value;
  }
  const call = (method, path, body) => Promise.race([ask(method, path, body), gone]);
  let session;
  const end = Date.now() + callLimit;
  while (!session) {
    try {
      const options = { binary: miniBrowser, args: ["--automation"] };
      session = await call("POST", "/session", { capabilities: { alwaysMatch: { "webkitgtk:browserOptions": options } } });
    } catch (error) {
      // Refused: the driver is not listening yet. Anything else, or too long, is a fault.
      if (error.cause?.code !== "ECONNREFUSED" || Date.now() > end) {
        stop();
        throw error;
      }
      await pause(50);
    }
  }
  const at = (path) => `/session/${session.sessionId}${path}`;
  // The call under way when the page crashes fails saying only what it could not do; the session,
  // asked after it, says why.
  async function checked(method, path, body) {
    try {
      return await call(method, at(path), body);
    } catch (error) {
      if (!lost) await call("GET", at("/url")).catch(() => {});
      throw lost ?? error;
    }
  }
  return {
    call: checked,
    get lost() {
      return lost;
    },
    async close() {
      await call("DELETE", at("")).catch(() => {});
      stop();
    },
  };
}

// The page's tab in WebKit, with the calls the tests make of every engine.
export class WebKitTab {
  engine = "webkit";
  #session;
  #frame = null; // {width, height} while a phone's screen is shown

  constructor(session) {
    this.#session = session;
  }
  static async launch() {
    return new WebKitTab(await launchWebKit());
  }
  // Why the page was lost (a crash), once it has been; the tab answers nothing after that.
  get lost() {
    return this.#session.lost;
  }
  close() {
    return this.#session.close();
  }

  // Desktop sizes are the window's; a phone's is an <iframe> of its size in an empty page.
  async size(width, height) {
    const phone = width < 480 || height < 480;
    this.#frame = phone ? { width, height } : null;
    if (!phone) await this.#session.call("POST", "/window/rect", { width, height: height + 38 });
  }

  async open(url) {
    const call = this.#session.call;
    await call("POST", "/frame", { id: null });
    if (!this.#frame) return call("POST", "/url", { url });
    await call("POST", "/window/rect", { width: 800, height: 900 });
    await call("POST", "/url", { url: "about:blank" });
    await call("POST", "/execute/sync", {
      script: `const [src, width, height] = arguments;
        const frame = Object.assign(document.createElement("iframe"), { src, width, height });
        frame.style.border = "0";
        document.body.style.margin = "0";
        document.body.append(frame);
        return new Promise((loaded) => frame.addEventListener("load", () => loaded(true), { once: true }));`,
      args: [url, this.#frame.width, this.#frame.height],
    });
    await call("POST", "/frame", { id: 0 });
    // Keys go to the frame only once it has the focus, which the first key gives it: a Shift.
    const shift = [{ type: "keyDown", value: "\uE008" }, { type: "keyUp", value: "\uE008" }];
    await call("POST", "/actions", { actions: [{ type: "key", id: "keyboard", actions: shift }] });
  }

  // As the reload button, with what the browser keeps of the page (at desktop sizes: a phone's
  // frame would be reloaded with the empty page around it).
  async reload() {
    await this.#session.call("POST", "/refresh", {});
  }

  run(fn, ...args) {
    const script = `return (${fn}).apply(null, arguments);`;
    return this.#session.call("POST", "/execute/sync", { script, args });
  }

  async #find(selector) {
    return (await this.#session.call("POST", "/element", { using: "css selector", value: selector }))[element];
  }
  async click(selector) {
    await this.#session.call("POST", `/element/${await this.#find(selector)}/click`, {});
  }
  tap(selector) {
    return this.click(selector); // MiniBrowser has no touch screen
  }
  // As puppeteer types: the focus into the element, then one key after another (WebKit's own
  // "send keys" finds nothing focusable inside a frame).
  async type(selector, text) {
    await this.focus(selector);
    const actions = [...text].flatMap((value) => [
      { type: "keyDown", value },
      { type: "keyUp", value },
    ]);
    await this.#session.call("POST", "/actions", { actions: [{ type: "key", id: "keyboard", actions }] });
  }
  focus(selector) {
    return this.run((s) => document.querySelector(s).focus(), selector);
  }
  key(name) {
    const value = keys[name] ?? name;
    const actions = [{ type: "key", id: "keyboard", actions: [{ type: "keyDown", value }, { type: "keyUp", value }] }];
    return this.#session.call("POST", "/actions", { actions });
  }
  async screenshot(path) {
    await this.#session.call("POST", "/frame", { id: null });
    const picture = await this.#session.call("GET", "/screenshot");
    writeFileSync(path, Buffer.from(picture, "base64"));
    if (this.#frame) await this.#session.call("POST", "/frame", { id: 0 });
  }
}
