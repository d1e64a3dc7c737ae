// The page in a real browser: typed lists, the exact output, a failure that changes nothing,
// keyboard order, colour schemes, opening from file:// and that nothing leaves the page.
// Usage: QUERNEL_PAGE_DIR=build/web node --test tests/web/
"use strict";

const assert = require("node:assert/strict");
const path = require("node:path");
const { after, before, test } = require("node:test");
const { LaunchChromium, ServeFolder } = require("./browser.js");

const page_dir = path.resolve(process.env.QUERNEL_PAGE_DIR || "build/web");

let browser;
let CloseBrowser;
let served;
let page;
const requests = [];
const page_errors = [];

before(async () => {
  served = await ServeFolder(page_dir);
  ({ browser, Close: CloseBrowser } = await LaunchChromium());
  page = await browser.newPage();
  await page.setViewport({ width: 680, height: 560 });
  page.on("request", (request) => requests.push(request.url()));
  page.on("pageerror", (error) => page_errors.push(String(error)));
  page.on("console", (message) => {
    if (message.type() === "error") {
      page_errors.push(message.text());
    }
  });
  await page.goto(`${served.origin}/`, { waitUntil: "load" });
});

after(async () => {
  await CloseBrowser?.();
  served?.server.close();
});

async function Value(id) {
  return page.$eval(`#${id}`, (element) => element.value);
}

async function FailureText() {
  return page.$eval("#Failure", (element) => element.textContent);
}

// Replaces the input box's text by typing it, as a user would (Enter for each line break).
async function TypeInput(text) {
  await page.$eval("#Text1", (box) => {
    box.value = "";
  });
  await page.type("#Text1", text);
}

async function Press() {
  await page.click("#Command1");
  // The press awaits the engine once; give its handler a turn to finish.
  await page.evaluate(() => new Promise((resolve) => setTimeout(resolve, 0)));
}

const kPlainInput = [
  "50000302 0001",
  "80010000 0005",
  "30020000 00FF",
  "50000204 0010",
  "10030000 0100",
  "Max Money",
].join("\n");
const kPlainOutput =
  "80010000 0005\n80010002 0006\n80010004 0007\n10030000 0100\n10030004 0110\n" +
  "10030000 0100\nMax Money\n";
const kTarrowInput = [
  "Main codes",
  "Infinite Lives|50000304 0001    20100000 0010|",
  "Max Money|50000004 0001    20100020 0999|(hold L)|",
].join("\n");
const kTarrowOutput =
  "Infinite Lives 1|20100000 0010|\nInfinite Lives 2|20100004 0011|\n" +
  "Infinite Lives 3|20100008 0012|\nMax Money 1|20100020 0999|(hold L)|\n";

test("the page starts like the window: captions, empty boxes, no format, focus in the input", async () => {
  const start = await page.evaluate(() => ({
    title: document.title,
    heading: document.getElementById("Label2").textContent,
    input_label: document.getElementById("Label1").textContent,
    option1: document.querySelector("label:has(#Option1)").textContent,
    option2: document.querySelector("label:has(#Option2)").textContent,
    command: document.getElementById("Command1").textContent,
    output_label: document.getElementById("Label3").textContent,
    kinds: ["Text1", "Text2", "Option1", "Option2", "Command1"].map(
      (id) => `${id}:${document.getElementById(id).tagName}:${document.getElementById(id).type}`,
    ),
    checked: document.getElementById("Option1").checked || document.getElementById("Option2").checked,
    focus: document.activeElement.id,
    alert: document.querySelectorAll('[role="alert"]').length,
  }));
  assert.deepEqual(start, {
    title: "Quernel v1.1",
    heading: "Quernel v1.1",
    input_label: "Input ",
    option1: "Tarrow Format",
    option2: "Plain Text",
    command: "Unpatch!",
    output_label: "Output",
    kinds: [
      "Text1:TEXTAREA:textarea",
      "Text2:TEXTAREA:textarea",
      "Option1:INPUT:radio",
      "Option2:INPUT:radio",
      "Command1:BUTTON:button",
    ],
    checked: false,
    focus: "Text1",
    alert: 1,
  });
  assert.equal(await Value("Text1"), "");
  assert.equal(await Value("Text2"), "");
});

test("a press with no format chosen does nothing", async () => {
  await TypeInput(kPlainInput);
  await Press();
  assert.equal(await Value("Text2"), "");
  assert.equal(await FailureText(), "");
});

test("the README's Plain Text example gives its exact output", async () => {
  await TypeInput(kPlainInput);
  await page.click("#Option2");
  await Press();
  assert.equal(await Value("Text2"), kPlainOutput);
  assert.equal(await Value("Text1"), kPlainInput);
});

test("the README's Tarrow Format example gives its exact output", async () => {
  await TypeInput(kTarrowInput);
  await page.click("#Option1");
  await Press();
  assert.equal(await Value("Text2"), kTarrowOutput);
  await page.screenshot({ path: path.join(page_dir, "screenshot.png") });
});

test("a failing list shows why, selects its line and changes nothing", async () => {
  const failing = "Max Money\n50000302 0001\n80010000 0005 health";
  await TypeInput(failing);
  await page.click("#Option2");
  await Press();
  assert.equal(
    await FailureText(),
    "The list could not be unpatched; nothing was changed.\n" +
      'line 2: NotANumber: the value field "0005 health" of the target code on line 3 is not a ' +
      "hexadecimal number",
  );
  assert.equal(await Value("Text2"), kTarrowOutput);
  assert.equal(await Value("Text1"), failing);
  const state = await page.evaluate(() => {
    const box = document.getElementById("Text1");
    return {
      selected: box.value.slice(box.selectionStart, box.selectionEnd),
      focus: document.activeElement.id,
      option2: document.getElementById("Option2").checked,
    };
  });
  assert.deepEqual(state, { selected: "50000302 0001", focus: "Text1", option2: true });

  // The next good press takes the message away.
  await TypeInput(kPlainInput);
  await Press();
  assert.equal(await Value("Text2"), kPlainOutput);
  assert.equal(await FailureText(), "");
});

test("Enter in a box adds a line; Tab follows the window's order", async () => {
  await page.$eval("#Text2", (box) => {
    box.value = "";
  });
  await page.focus("#Text2");
  await page.keyboard.type("a");
  await page.keyboard.press("Enter");
  await page.keyboard.type("b");
  assert.equal(await Value("Text2"), "a\nb");
  await page.focus("#Text1");
  const order = [];
  for (let step = 0; step < 3; ++step) {
    await page.keyboard.press("Tab");
    order.push(await page.evaluate(() => document.activeElement.id));
  }
  // Option2 is the chosen format now, so the group is entered there.
  assert.deepEqual(order, ["Text2", "Command1", "Option2"]);
  // Space on the focused button presses it.
  await TypeInput(kTarrowInput);
  await page.click("#Option1");
  await page.focus("#Command1");
  await page.keyboard.press("Space");
  await page.evaluate(() => new Promise((resolve) => setTimeout(resolve, 0)));
  assert.equal(await Value("Text2"), kTarrowOutput);
});

test("the page follows the light and the dark colour scheme", async () => {
  const Lightness = () =>
    page.evaluate(() => {
      const [r, g, b] = getComputedStyle(document.body).backgroundColor.match(/\d+/g).map(Number);
      return (r + g + b) / 3;
    });
  await page.emulateMediaFeatures([{ name: "prefers-color-scheme", value: "dark" }]);
  const dark = await Lightness();
  await page.emulateMediaFeatures([{ name: "prefers-color-scheme", value: "light" }]);
  const light = await Lightness();
  assert.ok(dark < 64 && light > 192, `background lightness: dark ${dark}, light ${light}`);
});

test("nothing is loaded from elsewhere and nothing goes wrong in the page", () => {
  const foreign = requests.filter(
    (url) => !url.startsWith(`${served.origin}/`) && !url.startsWith("data:"),
  );
  assert.deepEqual(foreign, []);
  assert.deepEqual(page_errors, []);
});

test("the page also works opened as a file", async () => {
  const file_page = await browser.newPage();
  const errors = [];
  file_page.on("pageerror", (error) => errors.push(String(error)));
  await file_page.goto(`file://${path.join(page_dir, "index.html")}`, { waitUntil: "load" });
  await file_page.type("#Text1", kTarrowInput);
  await file_page.click("#Option1");
  await file_page.click("#Command1");
  await file_page.waitForFunction(() => document.getElementById("Text2").value !== "");
  assert.equal(await file_page.$eval("#Text2", (box) => box.value), kTarrowOutput);
  assert.deepEqual(errors, []);
  await file_page.close();
});
