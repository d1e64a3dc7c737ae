// Loads the page's engine module and its calls from a built page folder, for tests in node.
"use strict";

const path = require("node:path");

async function LoadEngine(page_dir) {
  const QuernelEngine = require(path.resolve(page_dir, "quernel-engine.js"));
  const calls = require(path.resolve(page_dir, "engine_calls.js"));
  return { engine: await QuernelEngine(), calls };
}

module.exports = { LoadEngine };
