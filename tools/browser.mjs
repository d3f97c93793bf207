// Debian's Chromium, headless, driven by puppeteer-core (which never downloads a browser), and
// the built site served on localhost: shared by the web tests, the benchmark and the screenshots.
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import puppeteer from "puppeteer-core";
import { serve } from "./serve.mjs";

export const root = join(dirname(fileURLToPath(import.meta.url)), "..");
export const site = join(root, "build-web", "site");

// Each browser gets a fresh profile, removed when it is closed. BROWSER names the engine a test
// asks for (CTest sets it); Chromium is the only one so far.
export async function launch() {
  const engine = process.env.BROWSER ?? "chromium";
  if (engine !== "chromium") throw new Error(`no launcher for BROWSER=${engine}`);
  const profile = mkdtempSync(join(tmpdir(), "trapezoid-chromium-"));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
    headless: true,
    ignoreDefaultArgs: ["--hide-scrollbars"], // the page's scroll bars belong to its look
    userDataDir: profile,
    args: [
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
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    rmSync(profile, { recursive: true, force: true, maxRetries: 5, retryDelay: 100 });
  };
  return browser;
}

// Serves `dir` (the site by default) on a free port of localhost.
export async function serveSite(dir = site) {
  const server = await serve(dir, 0);
  return { server, url: `http://localhost:${server.address().port}/` };
}
