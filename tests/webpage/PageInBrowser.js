// An exported page in headless Chromium over loopback HTTP: the world loads, nothing fails or
// leaves 127.0.0.1, sky above and ground below, axe-core finds no fault; the snippet inside a long
// page that scrolls, its world drawn; with WebGL off, the page's fallback text shows.
// Usage: node PageInBrowser.js FOLDER PAGE EXPECTED.json SCREENSHOT.png
"use strict";
const fs = require("fs");
const path = require("path");
const { serve, launch, watch, checkColour, runChecks } = require(path.join(__dirname, "../support/Browser.js"));

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

// The export ships only what the page fetches, besides X_ITE's licence and the snippet.
function checkShipped(requested, problems) {
  const files = fs.readdirSync(folder, { recursive: true });
  for (const file of files.filter((name) => fs.statSync(path.join(folder, name)).isFile()))
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
  for (const part of ["sky", "ground"].filter((name) => expected[name])) // a scene's own colours
    await checkColour(browser, problems, part, png, expected[part]);
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
  if (expected.ground) await checkColour(browser, problems, "snippet ground", png, expected.ground);
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
