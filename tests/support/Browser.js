// What the browser tests share: a loopback HTTP server over a folder (and other roots at their
// own URL prefixes), headless Chromium, the problems a page reports, and colours of screenshots.
"use strict";
const fs = require("fs");
const http = require("http");
const path = require("path");
const { chromium } = require("playwright-core");

const kTypes = { ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".mjs": "text/javascript",
                 ".css": "text/css", ".wrl": "model/vrml", ".x3d": "model/x3d+xml", ".x3dv": "model/x3d+vrml",
                 ".glb": "model/gltf-binary", ".jpg": "image/jpeg", ".png": "image/png",
                 ".svg": "image/svg+xml", ".wav": "audio/wav", ".woff2": "font/woff2", ".wasm": "application/wasm" };

// Serves `roots` ({ "/prefix/": folder, ... }, "/" last) and `pages` ({ "/name.html": text }) on
// 127.0.0.1; resolves to the base URL and the server.
async function serve(roots, pages = {}) {
  const server = http.createServer((request, response) => {
    const urlPath = decodeURIComponent(new URL(request.url, "http://x").pathname);
    if (pages[urlPath] !== undefined) {
      response.writeHead(200, { "Content-Type": kTypes[".html"] }).end(pages[urlPath]);
      return;
    }
    const prefix = Object.keys(roots).find((p) => urlPath.startsWith(p));
    const folder = prefix && roots[prefix];
    const file = folder && path.join(folder, urlPath.slice(prefix.length));
    if (!file || !file.startsWith(folder + path.sep) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { "Content-Type": kTypes[path.extname(file)] || "application/octet-stream" });
    response.end(fs.readFileSync(file));
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  return { base: `http://127.0.0.1:${server.address().port}/`, server };
}

// launch() gives Chromium a fresh profile folder of its own and removes it afterwards.
function launch(extraArgs = []) {
  return chromium.launch({
    executablePath: process.env.NORVANE_CHROMIUM || "/usr/bin/chromium",
    args: ["--no-sandbox", "--headless", "--disable-gpu", "--use-angle=swiftshader",
           "--enable-unsafe-swiftshader", "--disable-quic", "--no-first-run",
           "--disable-background-networking", "--disable-component-update", "--disable-sync",
           ...extraArgs],
  });
}

// Adds to `problems` what `page` reports: console errors, page errors, failed or refused
// requests, and requests that leave `base`.
function watch(page, base, problems, label = "") {
  page.on("console", (message) => {
    if (message.type() === "error") problems.push(`${label}console error: ${message.text()}`);
  });
  page.on("pageerror", (error) => problems.push(`${label}page error: ${error.message}`));
  page.on("requestfailed", (request) => problems.push(`${label}failed: ${request.url()}`));
  page.on("response", (response) => {
    if (response.status() >= 400) problems.push(`${label}HTTP ${response.status()}: ${response.url()}`);
  });
  page.on("request", (request) => {
    if (!request.url().startsWith(base) && !request.url().startsWith("data:") &&
        !request.url().startsWith("blob:"))
      problems.push(`${label}leaves the folder: ${request.url()}`);
  });
}

// Mean colours of boxes of the screenshot `png`, each given as fractions of its rows and columns
// ({ rows: [top, bottom], columns: [left, right] }), decoded by the browser itself in a blank page.
async function boxColours(browser, png, boxes) {
  const page = await browser.newPage();
  const colours = await page.evaluate(async ({ data, boxes }) => {
    const image = new Image();
    image.src = "data:image/png;base64," + data;
    await image.decode();
    const canvas = document.createElement("canvas");
    canvas.width = image.width;
    canvas.height = image.height;
    const context = canvas.getContext("2d");
    context.drawImage(image, 0, 0);
    return boxes.map((box) => {
      const [top, bottom] = box.rows.map((f) => Math.round(f * image.height));
      const [left, right] = box.columns.map((f) => Math.round(f * image.width));
      const pixels = context.getImageData(left, top, right - left, bottom - top).data;
      const sum = [0, 0, 0];
      for (let i = 0; i < pixels.length; i += 4) for (let c = 0; c < 3; ++c) sum[c] += pixels[i + c];
      return sum.map((s) => Math.round(s / (pixels.length / 4)));
    });
  }, { data: png.toString("base64"), boxes });
  await page.close();
  return colours;
}

// The mean colours of a grid of `rows` × `columns` cells of `png`, row by row.
function gridColours(browser, png, rows, columns) {
  const boxes = [];
  for (let r = 0; r < rows; ++r)
    for (let c = 0; c < columns; ++c)
      boxes.push({ rows: [r / rows, (r + 1) / rows], columns: [c / columns, (c + 1) / columns] });
  return boxColours(browser, png, boxes);
}

// Adds a problem when the mean colour of `range.box` of `png` lies outside range.min .. range.max.
async function checkColour(browser, problems, name, png, range) {
  const [colour] = await boxColours(browser, png, [range.box]);
  if ([0, 1, 2].some((c) => colour[c] < range.min[c] || colour[c] > range.max[c]))
    problems.push(`${name}: mean colour ${colour} outside ${range.min} .. ${range.max}`);
}

// Runs `body(browser, problems)`, prints the problems and exits with 0 only when there are none
// (a failure to start the browser rejects, which node reports with status 1).
async function runChecks(body, success) {
  const problems = [];
  const browser = await launch();
  try {
    await body(browser, problems);
  } catch (error) {
    problems.push(`failed: ${error.message}`);
  } finally {
    await browser.close();
  }
  for (const problem of problems) console.log(problem);
  console.log(problems.length === 0 ? success : `${problems.length} problems`);
  process.exit(problems.length === 0 ? 0 : 1);
}

module.exports = { serve, launch, watch, gridColours, checkColour, runChecks };
