// The built WebAssembly core, loaded in node with its bytes handed over (its loader would
// otherwise fetch the .wasm, which node's fetch cannot do from a file).
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { pathToFileURL } from "node:url";
import { site } from "../../tools/browser.mjs";

export async function loadCore(dir = site) {
  const { default: createCore } = await import(pathToFileURL(join(dir, "trapezoid.js")).href);
  return createCore({ wasmBinary: readFileSync(join(dir, "trapezoid.wasm")) });
}
