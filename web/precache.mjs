// Build step: lists every file of the site, prints the list, and writes the service worker that
// keeps exactly those files under a cache named after a hash of their contents.
//   node precache.mjs SITE_DIR SERVICE_WORKER_SOURCE
import { createHash } from "node:crypto";
import { readFileSync, readdirSync, writeFileSync } from "node:fs";
import { join, relative } from "node:path";

const [site, source] = process.argv.slice(2);
const worker = "sw.js";

function* walk(dir) {
  for (const entry of readdirSync(dir, { withFileTypes: true })) {
    const path = join(dir, entry.name);
    if (entry.isDirectory()) yield* walk(path);
    else yield relative(site, path).split("\\").join("/");
  }
}

const files = [...walk(site)].filter((file) => file !== worker).sort();
const hash = createHash("sha256");
for (const file of files) hash.update(`${file}\0`).update(readFileSync(join(site, file)));
const cache = `trapezoid-${hash.digest("hex").slice(0, 16)}`;

writeFileSync(
  join(site, worker),
  `const CACHE = ${JSON.stringify(cache)};\nconst FILES = ${JSON.stringify(files, null, 1)};\n\n` +
    readFileSync(source, "utf8"),
);
console.log(`${cache}: ${files.length} files\n  ${[...files, worker].join("\n  ")}`);
