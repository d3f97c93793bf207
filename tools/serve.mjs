// A small static file server for the web page. Text and WebAssembly go out compressed (brotli, or
// gzip for a client that asks for no brotli), as any static host sends them, so that what is
// measured is what users get.
//   node tools/serve.mjs DIR [PORT]      (default port 8080; 0 picks a free one)
// Prints the address once it listens. Also imported by the web tests and benchmark.
import { readFileSync, statSync } from "node:fs";
import { createServer } from "node:http";
import { extname, join, normalize } from "node:path";
import { pathToFileURL } from "node:url";
import { brotliCompressSync, constants, gzipSync } from "node:zlib";

const types = {
  ".html": "text/html; charset=utf-8",
  ".css": "text/css; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".mjs": "text/javascript; charset=utf-8",
  ".json": "application/json",
  ".webmanifest": "application/manifest+json",
  ".wasm": "application/wasm",
  ".svg": "image/svg+xml",
  ".jpg": "image/jpeg",
  ".png": "image/png",
};
const compressible = new Set([".html", ".css", ".js", ".mjs", ".json", ".webmanifest", ".wasm", ".svg"]);

const encoders = {
  br: (bytes) => brotliCompressSync(bytes, { params: { [constants.BROTLI_PARAM_QUALITY]: 11 } }),
  gzip: (bytes) => gzipSync(bytes, { level: 9 }),
};
// Each file is compressed once per encoding and change, as a host compresses at upload.
const compressed = new Map();

function encoded(file, encoding, modified) {
  const key = `${encoding} ${file}`;
  const kept = compressed.get(key);
  if (kept?.modified === modified) return kept.bytes;
  const bytes = encoders[encoding](readFileSync(file));
  compressed.set(key, { modified, bytes });
  return bytes;
}

// The encoding to send `file` in for a request that accepts `accepted`; none for pictures.
function encodingFor(file, accepted = "") {
  if (!compressible.has(extname(file))) return undefined;
  const offered = accepted.split(",").map((e) => e.trim().split(";")[0]);
  return ["br", "gzip"].find((e) => offered.includes(e));
}

// Serves DIR on localhost; resolves to the server once it listens. `refuse(path)` may answer a
// request with 503 (Service Unavailable), as a network that fails for a moment would; `hold(path)`
// may return a promise that the answer waits for, as a slow network would.
export function serve(dir, port = 0, { refuse = () => false, hold = () => undefined } = {}) {
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, "http://localhost").pathname);
    await hold(path);
    if (refuse(path)) return response.writeHead(503).end("unavailable");
    let file = join(dir, normalize(path).replace(/^(\.\.[/\\])+/, ""));
    let modified;
    try {
      if (statSync(file).isDirectory()) file = join(file, "index.html");
      modified = statSync(file).mtimeMs;
    } catch {
      return response.writeHead(404).end("not found");
    }
    const encoding = encodingFor(file, request.headers["accept-encoding"]);
    const headers = { "Content-Type": types[extname(file)] ?? "application/octet-stream" };
    if (compressible.has(extname(file))) headers.Vary = "Accept-Encoding";
    if (encoding) headers["Content-Encoding"] = encoding;
    const body = encoding ? encoded(file, encoding, modified) : readFileSync(file);
    headers["Content-Length"] = body.length;
    response.writeHead(200, headers);
    response.end(request.method === "HEAD" ? undefined : body);
  });
  return new Promise((resolve) => server.listen(port, "127.0.0.1", () => resolve(server)));
}

if (process.argv[1] && import.meta.url === pathToFileURL(process.argv[1]).href) {
  const server = await serve(process.argv[2], Number(process.argv[3] ?? 8080));
  console.log(`serving ${process.argv[2]} on http://localhost:${server.address().port}/`);
}
