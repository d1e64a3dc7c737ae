// Starts the system's Chromium for the page checks (never a downloaded browser), and serves a
// built page folder on 127.0.0.1.
"use strict";

const fs = require("node:fs");
const http = require("node:http");
const os = require("node:os");
const path = require("node:path");
const puppeteer = require("puppeteer-core");

const kChromium = process.env.QUERNEL_CHROMIUM || "/usr/bin/chromium";

const kTypes = {
  ".html": "text/html; charset=utf-8",
  ".css": "text/css",
  ".js": "text/javascript",
  ".png": "image/png",
};

// Serves the files of dir, and nothing outside it. Resolves to {server, origin}.
function ServeFolder(dir) {
  const root = path.resolve(dir);
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, "http://127.0.0.1").pathname);
    const file = path.join(root, name === "/" ? "index.html" : name);
    if (!file.startsWith(root + path.sep) || !fs.existsSync(file)) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { "Content-Type": kTypes[path.extname(file)] || "text/plain" });
    fs.createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => {
    server.listen(0, "127.0.0.1", () => {
      resolve({ server, origin: `http://127.0.0.1:${server.address().port}` });
    });
  });
}

// A headless Chromium with a profile of its own. Resolves to {browser, Close}; Close ends the
// browser and removes the profile.
async function LaunchChromium() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "quernel-chromium-"));
  const browser = await puppeteer.launch({
    executablePath: kChromium,
    headless: true,
    userDataDir: profile,
    args: [
      "--no-sandbox",
      "--disable-gpu",
      "--disable-quic",
      "--no-first-run",
      "--disable-background-networking",
      "--disable-component-update",
      "--disable-sync",
    ],
  });
  async function Close() {
    await browser.close();
    fs.rmSync(profile, { recursive: true, force: true, maxRetries: 5 });
  }
  return { browser, Close };
}

module.exports = { LaunchChromium, ServeFolder };
