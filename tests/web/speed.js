// Times the page's interface (box text in, box text out, as a press does) on the engine benchmark's bulk Tarrow list (500 entries of Count
// FFF, 2,047,500 output lines) in headless Chromium, next to the native engine's time for the
// same list from the engine benchmark's JSON report.
// Usage: node tests/web/speed.js PAGE_DIR NATIVE_BENCHMARK_JSON
"use strict";

const fs = require("node:fs");
const { LaunchChromium, ServeFolder } = require("./browser.js");

async function Main() {
  const [page_dir, native_report] = process.argv.slice(2);
  const native = JSON.parse(fs.readFileSync(native_report, "utf8")).benchmarks.find(
    (benchmark) => benchmark.name.startsWith("Unpatch/bulk_tarrow"),
  );
  const served = await ServeFolder(page_dir);
  const { browser, Close } = await LaunchChromium();
  try {
    const page = await browser.newPage();
    await page.goto(`${served.origin}/`, { waitUntil: "load" });
    // As a user would, press a moment after the page has loaded.
    await new Promise((resolve) => setTimeout(resolve, 1000));
    const browser_ms = await page.evaluate(async () => {
      const engine = await window.quernel_engine;
      const entries = [];
      for (let entry = 0; entry < 500; ++entry) {
        const address = (0x20100000 + entry * 0x10000).toString(16).toUpperCase();
        entries.push(`Item|500FFF04 0001    ${address} 0010|\n`);
      }
      const text = entries.join("");
      const start = performance.now();
      const result = QuernelCalls.UnpatchBoxText(engine, QuernelCalls.kTarrowFormat, text);
      const elapsed = performance.now() - start;
      if (result.output === undefined || result.output.split("\n").length !== 2047501) {
        throw new Error("the bulk list did not convert");
      }
      return elapsed;
    });
    const native_ms = native.real_time;
    console.log(`native engine: ${native_ms.toFixed(1)} ms`);
    console.log(`page interface in Chromium, box text in and out: ${browser_ms.toFixed(1)} ms`);
    console.log(`ratio: ${(browser_ms / native_ms).toFixed(2)}`);
  } finally {
    await Close();
    served.server.close();
  }
}

Main().catch((error) => {
  console.error(error);
  process.exit(1);
});
