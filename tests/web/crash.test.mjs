// WebKit's page crashing ends its WebDriver session: the call under way fails saying so, every
// later call fails at once with that same reason, and the page tests after it are skipped instead
// of each failing on a session that is gone. The crash is made by killing the page's web process,
// which this test's own browser started.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { test } from "node:test";
import { openTab, pageTest, serveSite } from "../../tools/browser.mjs";

// The processes this test started, and theirs, by name.
function descendants(name) {
  const rows = execFileSync("ps", ["-A", "-o", "pid=,ppid=,comm="], { encoding: "utf8" })
    .trim()
    .split("\n")
    .map((row) => row.trim().split(/\s+/));
  const ours = new Set([String(process.pid)]);
  for (let grew = true; grew; ) {
    grew = false;
    for (const [pid, parent] of rows) {
      if (ours.has(parent) && !ours.has(pid)) grew = ours.add(pid);
    }
  }
  return rows.filter(([pid, , command]) => ours.has(pid) && command.startsWith(name)).map(([pid]) => Number(pid));
}

test("a crash of WebKit's page fails once, naming it", { timeout: 90_000 }, async () => {
  const served = await serveSite();
  const tab = await openTab("webkit");
  try {
    await tab.open(served.url);
    assert.equal(await tab.run(() => document.getElementById("Tessorin") !== null), true);
    const pages = descendants("WebKitWebProces");
    assert.ok(pages.length > 0, "the page's web process");
    for (const pid of pages) process.kill(pid, "SIGKILL");

    await assert.rejects(tab.run(() => true), /crash/);
    assert.match(tab.lost?.message ?? "", /crash/);
    await assert.rejects(tab.click("#Command1_0"), (error) => error === tab.lost);

    const skipped = [];
    let ran = false;
    const later = pageTest((name, options, fn) => fn({ skip: (why) => skipped.push(why) }), () => tab);
    await later("a later test", {}, () => (ran = true));
    assert.deepEqual([ran, skipped], [false, [tab.lost.message]]);
  } finally {
    await Promise.allSettled([tab.close(), served.close()]);
  }
});
