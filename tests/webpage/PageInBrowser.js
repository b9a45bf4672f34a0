// Opens an exported web page in headless Chromium, served over loopback HTTP by this script, and
// checks what a visitor would get: the world loads, nothing fails or leaves 127.0.0.1, the
// picture shows the sky at the top and the ground at the bottom, and axe-core finds nothing to
// fault. Then the snippet, pasted between paragraphs of a page of the visitor's own: the page
// scrolls and the world draws in its box. Then, with WebGL off, the page's fallback text shows.
// Usage: node PageInBrowser.js FOLDER PAGE EXPECTED.json SCREENSHOT.png
"use strict";
const fs = require("fs");
const path = require("path");
const { serve, launch, watch, meanColour, checkColour, runChecks } = require(path.join(__dirname, "../support/Browser.js"));

const [folder, pageName, expectedFile, screenshotFile] = process.argv.slice(2);
const expected = JSON.parse(fs.readFileSync(expectedFile, "utf8"));
const paragraphs = "<p>Some text of the visitor's own page.</p>\n".repeat(30);
const hostPage = `<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>Host</title>
<link rel="icon" href="data:,"></head><body><main><h1>Our town</h1>${paragraphs}
${fs.readFileSync(path.join(folder, "embed.html"), "utf8")}${paragraphs}</main></body></html>`;

// Waits until X_ITE has read the world of `canvas` (a selector) and made its nodes.
function worldLoaded(page, selector) {
  return page.waitForFunction(({ selector, world }) => {
    const canvas = document.querySelector(selector);
    const scene = window.X3D && canvas && X3D.getBrowser(canvas).currentScene;
    return scene && scene.worldURL.endsWith("/" + world) && scene.rootNodes.length > 0;
  }, { selector, world: expected.world }, { timeout: 60000 });
}

async function axeViolations(page, problems, label) {
  await page.addScriptTag({ path: require.resolve("axe-core/axe.min.js") });
  const violations = await page.evaluate(async () => (await axe.run()).violations);
  for (const v of violations)
    problems.push(`${label}: axe ${v.id}: ${v.help} (${v.nodes.map((n) => n.target).join(" ")})`);
}

// Every file of the folder, relative to it.
function filesIn(dir, prefix = "") {
  return fs.readdirSync(path.join(dir, prefix), { withFileTypes: true }).flatMap((entry) =>
    entry.isDirectory() ? filesIn(dir, path.join(prefix, entry.name)) : [path.join(prefix, entry.name)]);
}

// The export ships only what the page fetches, besides X_ITE's licence and the snippet.
function checkShipped(requested, problems) {
  for (const file of filesIn(folder))
    if (!requested.has(file) && file !== "x_ite/LICENSE.md" && file !== "embed.html")
      problems.push(`shipped but never fetched: ${file}`);
}

async function fullPage(browser, base, problems) {
  const page = await browser.newPage({ viewport: { width: 640, height: 480 } });
  watch(page, base, problems);
  const requested = new Set();
  page.on("request", (request) => requested.add(decodeURIComponent(new URL(request.url()).pathname.slice(1))));
  await page.goto(base + pageName);
  await worldLoaded(page, "x3d-canvas");
  await page.waitForTimeout(expected.settleMilliseconds);
  const png = await page.screenshot({ path: screenshotFile });
  checkColour(problems, "sky", await meanColour(browser, png, expected.sky.box), expected.sky);
  checkColour(problems, "ground", await meanColour(browser, png, expected.ground.box), expected.ground);
  if ((await page.title()) !== expected.title) problems.push(`title: ${await page.title()}`);
  // The page binds a walking NavigationInfo; X_ITE's own viewer name says whether it took.
  const viewer = await page.evaluate(() => X3D.getBrowser()._viewer.getValue());
  if (viewer !== expected.viewer) problems.push(`viewer: ${viewer}`);
  await axeViolations(page, problems, "page");
  checkShipped(requested, problems);
  await page.close();
}

async function snippetInAPage(browser, base, problems) {
  const page = await browser.newPage({ viewport: { width: 640, height: 480 } });
  watch(page, base, problems, "snippet: ");
  await page.goto(base + "host.html");
  await page.mouse.wheel(0, 2000);
  await page.waitForFunction(() => window.scrollY > 0, null, { timeout: 10000 })
    .catch(() => problems.push("snippet: the page does not scroll"));
  await page.locator("x3d-canvas").scrollIntoViewIfNeeded();
  await worldLoaded(page, "x3d-canvas");
  await page.waitForTimeout(expected.settleMilliseconds);
  const png = await page.locator("x3d-canvas").screenshot();
  checkColour(problems, "snippet ground", await meanColour(browser, png, expected.ground.box), expected.ground);
  await axeViolations(page, problems, "snippet");
  await page.close();
}

async function withoutWebGL(base, problems) {
  const browser = await launch(["--disable-webgl", "--disable-webgl2"]);
  try {
    const page = await browser.newPage({ viewport: { width: 640, height: 480 } });
    await page.goto(base + pageName);
    await page.waitForTimeout(expected.settleMilliseconds);
    if (!(await page.getByText("This 3D world needs a browser with WebGL 2").isVisible()))
      problems.push("without WebGL: the fallback text is not shown");
  } finally {
    await browser.close();
  }
}

runChecks(async (browser, problems) => {
  const { base, server } = await serve({ "/": folder }, { "/host.html": hostPage });
  try {
    await fullPage(browser, base, problems);
    await snippetInAPage(browser, base, problems);
    await withoutWebGL(base, problems);
  } finally {
    server.close();
  }
}, "page loads cleanly");
