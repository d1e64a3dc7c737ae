// The conversion tables of the engine tests, exported by the native build, run through the
// WebAssembly build: outputs and failures must match byte for byte.
// Usage: QUERNEL_PAGE_DIR=build/web QUERNEL_CASES=cases.jsonl node --test tests/web/
"use strict";

const assert = require("node:assert/strict");
const fs = require("node:fs");
const { before, test } = require("node:test");
const { LoadEngine } = require("./engine_module.js");

const page_dir = process.env.QUERNEL_PAGE_DIR || "build/web";
const cases_path = process.env.QUERNEL_CASES;

let engine;
let calls;
before(async () => {
  ({ engine, calls } = await LoadEngine(page_dir));
});

function Mode(name) {
  return name === "TarrowFormat" ? calls.kTarrowFormat : calls.kPlainText;
}

function Bytes(base64) {
  return new Uint8Array(Buffer.from(base64, "base64"));
}

test("every row of the engine's conversion tables gives the native result", () => {
  assert.ok(cases_path, "QUERNEL_CASES must name the exported table");
  const rows = fs
    .readFileSync(cases_path, "utf8")
    .split("\n")
    .filter((line) => line !== "")
    .map((line) => JSON.parse(line));
  assert.ok(rows.length > 0, `${cases_path} holds no rows`);
  for (const row of rows) {
    const label = `${row.mode}: ${row.name}`;
    const result = calls.UnpatchBytes(engine, Mode(row.mode), Bytes(row.input));
    if (row.output !== undefined) {
      assert.ok(result.output, `${label}: failed with ${JSON.stringify(result.failure)}`);
      assert.deepEqual(Buffer.from(result.output), Buffer.from(row.output, "base64"), label);
    } else {
      assert.ok(result.failure, `${label}: did not fail`);
      assert.equal(result.failure.kind, row.kind, label);
      assert.equal(result.failure.line, row.line, label);
      assert.equal(result.failure.message, Buffer.from(row.message, "base64").toString(), label);
    }
  }
  console.log(`${rows.length} table rows match the native engine`);
});

test("box text in and out: LF line breaks both ways, non-ASCII text kept", () => {
  const rows = [
    {
      mode: calls.kTarrowFormat,
      input: "Kraft ÄÖ|50000200 0000    20100000 0001|€ ✓|",
      output: "Kraft ÄÖ 1|20100000 0001|€ ✓|\nKraft ÄÖ 2|20100000 0001|€ ✓|\n",
    },
    {
      mode: calls.kPlainText,
      input: "Größe\n50000202 0000\n80010000 0001\n",
      output: "Größe\n80010000 0001\n80010002 0001\n\n",
    },
    { mode: calls.kPlainText, input: "\n\n", output: "\n\n\n" },
    { mode: calls.kPlainText, input: "", output: "" },
  ];
  for (const row of rows) {
    assert.deepEqual(calls.UnpatchBoxText(engine, row.mode, row.input), { output: row.output });
  }
  const failure = calls.UnpatchBoxText(engine, calls.kPlainText, "a\n\n5\n");
  assert.equal(failure.failure.line, 3, "the line of a failure counts LF line breaks");
});

// Entries of Count FFF that write 93,078 bytes each: 720 of them fit in 64 MiB, the 721st passes it.
function BulkEntries(entries) {
  return Array(entries).fill("E|500FFF04 0001    20100000 0010|").join("\r\n");
}

test("the 64 MiB output bound holds in the module's growing memory", () => {
  const rows = [
    { entries: 720, failure_line: 0 },
    { entries: 721, failure_line: 721 },
    { entries: 5000, failure_line: 721 },
  ];
  for (const row of rows) {
    const result = calls.UnpatchBytes(
      engine,
      calls.kTarrowFormat,
      new TextEncoder().encode(BulkEntries(row.entries)),
    );
    if (row.failure_line === 0) {
      assert.ok(result.output, `${row.entries} entries: ${JSON.stringify(result.failure)}`);
      assert.equal(result.output.length, row.entries * 93078);
    } else {
      assert.ok(result.failure, `${row.entries} entries did not fail`);
      assert.equal(result.failure.kind, "OutOfRange", `${row.entries} entries`);
      assert.equal(result.failure.line, row.failure_line, `${row.entries} entries`);
      assert.match(result.failure.message, /64 MiB/);
    }
  }
});

test("a format other than the two is refused", () => {
  assert.throws(() => calls.UnpatchBoxText(engine, 7, "x"), /answered 3/);
});
