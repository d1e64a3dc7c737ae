// Calls into the engine module (quernel-engine.js) through its C interface: the input is encoded
// straight into the module's memory, the output decoded straight out of it, with no copies in
// between. Used by the page and by the tests in node alike.
"use strict";

const QuernelCalls = (() => {
  const kTarrowFormat = 0;
  const kPlainText = 1;
  const kConverted = 0;
  const kFailed = 1;
  const kOutOfMemory = 2;

  const encoder = new TextEncoder();
  const decoder = new TextDecoder();

  function CString(engine, pointer) {
    const end = engine.HEAPU8.indexOf(0, pointer);
    return decoder.decode(engine.HEAPU8.subarray(pointer, end));
  }

  // Runs the engine on length bytes at input, with LF line breaks both ways when box_lines is
  // true and CR LF otherwise. Returns {output} with the output's bytes as a view into the
  // module's memory (valid until the next call), {failure} or {outOfMemory: true}.
  function Run(engine, mode, input, length, box_lines) {
    const outcome = engine._QuernelUnpatch(mode, input, length, box_lines ? 1 : 0);
    if (outcome === kConverted) {
      const data = engine._QuernelOutputData();
      return { output: engine.HEAPU8.subarray(data, data + engine._QuernelOutputSize()) };
    }
    if (outcome === kFailed) {
      return {
        failure: {
          line: engine._QuernelFailureLine(),
          kind: CString(engine, engine._QuernelFailureKind()),
          message: CString(engine, engine._QuernelFailureMessage()),
        },
      };
    }
    if (outcome === kOutOfMemory) {
      return { outOfMemory: true };
    }
    throw new Error(`the engine answered ${outcome} to format ${mode}`);
  }

  // Takes capacity bytes of the module's memory for the input, lets fill write the input there
  // and return its length, and hands both to use; the memory is given back afterwards.
  function WithInput(engine, capacity, fill, use) {
    const input = engine._malloc(Math.max(capacity, 1));
    if (input === 0) {
      return { outOfMemory: true };
    }
    try {
      const length = fill(engine.HEAPU8.subarray(input, input + capacity));
      return use(input, length);
    } finally {
      engine._free(input);
    }
  }

  // A text box's text (a string, lines separated by LF) in, the output as such a text out.
  function UnpatchBoxText(engine, mode, text) {
    // A UTF-16 code unit never takes more than three bytes of UTF-8.
    return WithInput(
      engine,
      text.length * 3,
      (room) => encoder.encodeInto(text, room).written,
      (input, length) => {
        const result = Run(engine, mode, input, length, true);
        return result.output ? { output: decoder.decode(result.output) } : result;
      },
    );
  }

  // A code list's bytes in (lines separated by CR LF, not necessarily valid UTF-8), the output's
  // bytes out (a copy).
  function UnpatchBytes(engine, mode, bytes) {
    return WithInput(
      engine,
      bytes.length,
      (room) => {
        room.set(bytes);
        return bytes.length;
      },
      (input, length) => {
        const result = Run(engine, mode, input, length, false);
        return result.output ? { output: result.output.slice() } : result;
      },
    );
  }

  return { kTarrowFormat, kPlainText, UnpatchBoxText, UnpatchBytes };
})();

if (typeof module === "object" && module.exports) {
  module.exports = QuernelCalls;
}
