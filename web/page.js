// The page's one action: a press of "Unpatch!" converts the input box's list in the chosen format
// and replaces the output box with the result. A list that cannot be converted changes nothing:
// the message says why and the line at fault is selected in the input box.
"use strict";

(() => {
  const kWarmUpTarrowList = "A|500FFF04 0001    20100000 0010|\nB|500FFF04 0001    20100000 0010|";
  const kWarmUpPlainTextList = "A\n500FFF04 0001\n80100000 0010\n500FFF04 0001\n80100000 0010";
  const text1 = document.getElementById("Text1");
  const text2 = document.getElementById("Text2");
  const option1 = document.getElementById("Option1");
  const option2 = document.getElementById("Option2");
  const failure = document.getElementById("Failure");
  // The engine's first run is slow: the browser compiles the module's code for speed only once
  // that code has run a while. A small list of each format, run while the page waits for the
  // user, has that done before the first press.
  const engine = QuernelEngine().then((module) => {
    QuernelCalls.UnpatchBoxText(module, QuernelCalls.kTarrowFormat, kWarmUpTarrowList);
    QuernelCalls.UnpatchBoxText(module, QuernelCalls.kPlainText, kWarmUpPlainTextList);
    return module;
  });
  // For whoever drives the page from outside, such as its speed measurement.
  window.quernel_engine = engine;

  function ShowFailure(message) {
    failure.textContent = message;
  }

  // Selects line (1-based) of the box and scrolls it into sight.
  function SelectLine(box, line) {
    let start = 0;
    for (let passed = 1; passed < line; ++passed) {
      const lf = box.value.indexOf("\n", start);
      if (lf < 0) {
        return;
      }
      start = lf + 1;
    }
    const lf = box.value.indexOf("\n", start);
    box.focus();
    box.setSelectionRange(start, lf < 0 ? box.value.length : lf);
    const line_height = parseFloat(getComputedStyle(box).lineHeight) || 16;
    box.scrollTop = Math.max(0, (line - 2) * line_height);
  }

  function Convert(module, mode) {
    let result;
    try {
      result = QuernelCalls.UnpatchBoxText(module, mode, text1.value);
    } catch (error) {
      ShowFailure(`The conversion stopped unexpectedly; nothing was changed.\n${error}`);
      return;
    }
    if (result.output !== undefined) {
      text2.value = result.output;
      text2.scrollTop = 0;
      text2.scrollLeft = 0;
      ShowFailure("");
    } else if (result.failure) {
      ShowFailure(
        `The list could not be unpatched; nothing was changed.\n${result.failure.message}`,
      );
      if (result.failure.line > 0) {
        SelectLine(text1, result.failure.line);
      }
    } else {
      ShowFailure("The list is too large for the memory of this page; nothing was changed.");
    }
  }

  async function Command1Click() {
    // The two buttons form one group, so at most one of them names a format; with neither
    // chosen a press does nothing.
    let mode;
    if (option1.checked) {
      mode = QuernelCalls.kTarrowFormat;
    } else if (option2.checked) {
      mode = QuernelCalls.kPlainText;
    } else {
      return;
    }
    let module;
    try {
      module = await engine;
    } catch (error) {
      ShowFailure(`This browser cannot run the conversion engine: ${error}`);
      return;
    }
    Convert(module, mode);
  }

  document.getElementById("Command1").addEventListener("click", Command1Click);
  text1.focus();
})();
