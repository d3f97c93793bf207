// The three browser engines that Debian ships, and the built site served on localhost: shared by
// the web tests, the benchmark and the screenshots. Chromium and Firefox ESR are headless and
// driven by puppeteer-core (which never downloads a browser), Chromium over the DevTools protocol,
// Firefox over WebDriver BiDi; WebKitGTK through its WebDriver (tools/webkit.mjs).
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import puppeteer from "puppeteer-core";
import { serve } from "./serve.mjs";
import { WebKitTab } from "./webkit.mjs";

export const root = join(dirname(fileURLToPath(import.meta.url)), "..");
// The built site: build-web's, or the one TRAPEZOID_SITE names (CTest names its own build's).
export const site = process.env.TRAPEZOID_SITE ?? join(root, "build-web", "site");

export const engines = ["chromium", "firefox", "webkit"];

// Firefox takes a touch screen from its settings, at launch.
const firefoxPrefs = (touch) =>
  touch ? { "ui.primaryPointerCapabilities": 1, "ui.allPointerCapabilities": 1, "dom.w3c_touch_events.enabled": 1 } : {};

// A puppeteer Browser of Chromium or Firefox; each gets a fresh profile, removed when it is closed.
// The engine is the one BROWSER names (CTest sets it), unless asked for.
export async function launch(engine = process.env.BROWSER ?? "chromium", { touch = false } = {}) {
  const profile = mkdtempSync(join(tmpdir(), `trapezoid-${engine}-`));
  const firefox = engine === "firefox";
  const browser = await puppeteer.launch({
    browser: firefox ? "firefox" : "chrome",
    executablePath: firefox ? (process.env.FIREFOX ?? "/usr/bin/firefox-esr") : (process.env.CHROMIUM ?? "/usr/bin/chromium"),
    extraPrefsFirefox: { "intl.accept_languages": "en-US", ...firefoxPrefs(touch) },
    headless: true,
    ignoreDefaultArgs: firefox ? [] : ["--hide-scrollbars"], // the page's scroll bars belong to its look
    userDataDir: profile,
    args: firefox ? [] : [
      "--no-sandbox",
      "--disable-gpu",
      "--disable-quic",
      "--no-first-run",
      "--disable-background-networking",
      "--disable-component-update",
      "--disable-sync",
      "--lang=en-US",
      "--font-render-hinting=none",
    ],
  });
  // A browser that does not close within the limit is ended: it was started here.
  const close = browser.close.bind(browser);
  browser.close = async () => {
    try {
      await within(closeLimit, close(), `${engine} to close`);
    } catch {
      browser.process()?.kill("SIGKILL");
    }
    rmSync(profile, { recursive: true, force: true, maxRetries: 5, retryDelay: 100 });
  };
  return browser;
}

const closeLimit = 15_000;
const pause = (ms) => new Promise((resume) => setTimeout(resume, ms));

// `promise`, or an error naming `what` once `ms` have passed without it.
export function within(ms, promise, what) {
  let timer;
  const late = new Promise((_, reject) => {
    timer = setTimeout(() => reject(new Error(`waited ${ms / 1000} s for ${what}`)), ms);
  });
  return Promise.race([promise, late]).finally(() => clearTimeout(timer));
}

// Asks `check` until it answers something truthy, which it returns; after `ms` without, fails
// naming `what`. For what a page shows in its own time.
export async function until(check, what, ms = 30_000) {
  const end = Date.now() + ms;
  for (;;) {
    const answer = await check();
    if (answer) return answer;
    if (Date.now() > end) throw new Error(`waited ${ms / 1000} s for ${what}`);
    await pause(20);
  }
}

// Serves `dir` (the site by default) on a free port of localhost; `options` as serve() takes them.
// close() ends its connections too, so that nothing keeps the process alive.
export async function serveSite(dir = site, options = {}) {
  const server = await serve(dir, 0, options);
  const close = () =>
    new Promise((done) => {
      server.close(() => done());
      server.closeAllConnections();
    });
  return { server, url: `http://localhost:${server.address().port}/`, close };
}

// A page's tab with the calls the tests make of every engine, over a puppeteer Page.
// A browser that exits or drops its connection fails the call under way at once, with that reason.
class PuppeteerTab {
  #browser;
  #page;
  #touch = false;
  #gone;
  dialogs = []; // anything the page says through alert() and its kin
  lost; // why the browser went, once it has

  constructor(engine, browser, page) {
    this.engine = engine;
    this.#browser = browser;
    this.#page = page;
    page.on("dialog", (dialog) => this.dialogs.push(dialog.message()) && dialog.dismiss());
    this.#gone = new Promise((_, reject) =>
      browser.once("disconnected", () => reject((this.lost = new Error(`${engine} exited or dropped its connection`)))),
    );
    this.#gone.catch(() => {}); // told to the call under way, if any
    for (const call of ["size", "open", "reload", "run", "click", "tap", "type", "focus", "key", "screenshot"]) {
      const own = this[call].bind(this);
      this[call] = (...args) => Promise.race([own(...args), this.#gone]);
    }
  }
  static async launch(engine, options) {
    const browser = await launch(engine, options);
    return new PuppeteerTab(engine, browser, await browser.newPage());
  }
  get page() {
    return this.#page;
  }
  close() {
    return this.#browser.close();
  }

  // A phone size (either side under 480) is a touch screen, where the engine can make one.
  async size(width, height, deviceScaleFactor = 1) {
    this.#touch = (width < 480 || height < 480) && this.engine === "chromium";
    await this.#page.setViewport({ width, height, deviceScaleFactor, isMobile: this.#touch, hasTouch: this.#touch });
  }
  async open(url) {
    await this.#page.goto(url, { waitUntil: "load" });
  }
  async reload() {
    await this.#page.reload({ waitUntil: "load" });
  }
  run(fn, ...args) {
    return this.#page.evaluate(fn, ...args);
  }
  click(selector) {
    return this.#page.click(selector);
  }
  tap(selector) {
    return this.#touch ? this.#page.tap(selector) : this.#page.click(selector);
  }
  type(selector, text) {
    return this.#page.type(selector, text);
  }
  focus(selector) {
    return this.#page.focus(selector);
  }
  key(name) {
    return this.#page.keyboard.press(name);
  }
  screenshot(path, clip) {
    return this.#page.screenshot({ path, clip });
  }
}

// `test` of node:test for the tests of one tab (`tabOf()`): once the tab has lost its page or its
// browser, the test under way has failed saying why and every later one is skipped with that
// reason, rather than each failing on a session that is gone.
export const pageTest = (test, tabOf) => (name, options, fn) =>
  test(name, options, (t) => (tabOf()?.lost ? t.skip(tabOf().lost.message) : fn(t)));

// A tab of `engine` ("chromium", "firefox" or "webkit"); `touch` asks Firefox for a touch screen,
// which Chromium takes at each phone size and WebKit cannot have.
export function openTab(engine, { touch = false } = {}) {
  return engine === "webkit" ? WebKitTab.launch() : PuppeteerTab.launch(engine, { touch });
}
