// Opens an exported web page in headless Chromium, served over loopback HTTP by this script, and
// checks what a visitor would get: the world loads, nothing fails or leaves 127.0.0.1, and the
// picture shows the sky at the top and the ground at the bottom.
// Usage: node PageInBrowser.js FOLDER PAGE EXPECTED.json SCREENSHOT.png
"use strict";
const fs = require("fs");
const http = require("http");
const path = require("path");
const { chromium } = require("playwright-core");

const [folder, pageName, expectedFile, screenshotFile] = process.argv.slice(2);
const expected = JSON.parse(fs.readFileSync(expectedFile, "utf8"));
const kTypes = { ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".css": "text/css",
                 ".wrl": "model/vrml", ".jpg": "image/jpeg", ".png": "image/png", ".svg": "image/svg+xml",
                 ".wav": "audio/wav", ".woff2": "font/woff2", ".wasm": "application/wasm" };
const problems = [];

function serve(request, response) {
  const file = path.join(folder, decodeURIComponent(new URL(request.url, "http://x").pathname));
  if (!file.startsWith(folder + path.sep) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
    response.writeHead(404).end();
    return;
  }
  response.writeHead(200, { "Content-Type": kTypes[path.extname(file)] || "application/octet-stream" });
  response.end(fs.readFileSync(file));
}

// Mean colour of a box of the screenshot `png`, given as fractions of its rows and columns,
// decoded by the browser itself in a blank page.
async function meanColour(browser, png, box) {
  const page = await browser.newPage();
  const colour = await page.evaluate(async ({ data, box }) => {
    const image = new Image();
    image.src = "data:image/png;base64," + data;
    await image.decode();
    const canvas = document.createElement("canvas");
    canvas.width = image.width;
    canvas.height = image.height;
    const context = canvas.getContext("2d");
    context.drawImage(image, 0, 0);
    const [top, bottom] = box.rows.map((f) => Math.round(f * image.height));
    const [left, right] = box.columns.map((f) => Math.round(f * image.width));
    const pixels = context.getImageData(left, top, right - left, bottom - top).data;
    const sum = [0, 0, 0];
    for (let i = 0; i < pixels.length; i += 4) for (let c = 0; c < 3; ++c) sum[c] += pixels[i + c];
    return sum.map((s) => Math.round(s / (pixels.length / 4)));
  }, { data: png.toString("base64"), box });
  await page.close();
  return colour;
}

function checkColour(name, colour, range) {
  for (let c = 0; c < 3; ++c)
    if (colour[c] < range.min[c] || colour[c] > range.max[c])
      problems.push(`${name}: mean colour ${colour} outside ${range.min} .. ${range.max}`);
}

function watch(page, base) {
  page.on("console", (message) => {
    if (message.type() === "error") problems.push(`console error: ${message.text()}`);
  });
  page.on("pageerror", (error) => problems.push(`page error: ${error.message}`));
  page.on("requestfailed", (request) => problems.push(`failed: ${request.url()}`));
  page.on("response", (response) => {
    if (response.status() >= 400) problems.push(`HTTP ${response.status()}: ${response.url()}`);
  });
  page.on("request", (request) => {
    if (!request.url().startsWith(base) && !request.url().startsWith("data:") &&
        !request.url().startsWith("blob:"))
      problems.push(`leaves the folder: ${request.url()}`);
  });
}

async function main() {
  const server = http.createServer(serve);
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  const base = `http://127.0.0.1:${server.address().port}/`;
  // launch() gives Chromium a fresh profile folder of its own and removes it afterwards.
  const browser = await chromium.launch({
    executablePath: process.env.NORVANE_CHROMIUM || "/usr/bin/chromium",
    args: ["--no-sandbox", "--headless", "--disable-gpu", "--use-angle=swiftshader",
           "--enable-unsafe-swiftshader", "--disable-quic", "--no-first-run",
           "--disable-background-networking", "--disable-component-update", "--disable-sync"],
  });
  try {
    const page = await browser.newPage({ viewport: { width: 640, height: 480 } });
    watch(page, base);
    await page.goto(base + pageName);
    // X_ITE's browser reports the world once it has read it and made its nodes.
    await page.waitForFunction((world) => {
      const scene = window.X3D && X3D.getBrowser().currentScene;
      return scene && scene.worldURL.endsWith("/" + world) && scene.rootNodes.length > 0;
    }, expected.world, { timeout: 60000 });
    await page.waitForTimeout(expected.settleMilliseconds);
    const png = await page.screenshot({ path: screenshotFile });
    checkColour("sky", await meanColour(browser, png, expected.sky.box), expected.sky);
    checkColour("ground", await meanColour(browser, png, expected.ground.box), expected.ground);
    if ((await page.title()) !== expected.title) problems.push(`title: ${await page.title()}`);
    // The page binds a walking NavigationInfo; X_ITE's own viewer name says whether it took.
    const viewer = await page.evaluate(() => X3D.getBrowser()._viewer.getValue());
    if (viewer !== expected.viewer) problems.push(`viewer: ${viewer}`);
  } finally {
    await browser.close();
    server.close();
  }
}

main().then(() => {
  for (const problem of problems) console.log(problem);
  console.log(problems.length === 0 ? "page loads cleanly" : `${problems.length} problems`);
  process.exit(problems.length === 0 ? 0 : 1);
}, (error) => {
  console.log(`failed: ${error.message}`);
  process.exit(1);
});
