// An exported page in headless Chromium over loopback HTTP: the poster shows until the world has
// loaded, nothing fails or leaves 127.0.0.1, sky above and ground below, axe-core finds no fault;
// the snippet inside a long page that scrolls, its world drawn; on a phone, a swipe beside the
// world scrolls and one on it walks; with WebGL off, the fallback text and poster show.
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
// Icons of X_ITE's menu that it shows only in states a page test does not reach: full screen,
// a world with animations or information, the shading submenu, a browser with XR.
const iconsOfOtherStates = ["animation", "fullscreen_exit", "globe", "play_circle", "stop_circle",
                            "stroke_partial", "xr"].map((icon) => `x_ite/assets/images/${icon}.svg`);
const neverFetched = new Set(["x_ite/LICENSE.md", "embed.html", ...iconsOfOtherStates]);

function checkShipped(requested, problems) {
  const files = fs.readdirSync(folder, { recursive: true });
  for (const file of files.filter((name) => fs.statSync(path.join(folder, name)).isFile()))
    if (!requested.has(file) && !neverFetched.has(file))
      problems.push(`shipped but never fetched: ${file}`);
}

// Holds back the world until the poster covers its place, and checks that it goes once it has.
async function posterWhileLoading(page, base, problems) {
  let release;
  const held = new Promise((resolve) => (release = resolve));
  await page.route("**/" + expected.world, async (route) => { await held; await route.continue(); });
  await page.goto(base + pageName, { waitUntil: "domcontentloaded" });
  await page.waitForFunction(() => {
    const poster = document.querySelector(".poster");
    return poster && !poster.hidden && poster.complete && poster.naturalWidth > 0;
  }, null, { timeout: 10000 }).catch(() => problems.push("the poster is not shown while the world loads"));
  release();
  await worldLoaded(page, "x3d-canvas");
  if (await page.locator(".poster").count()) problems.push("the poster stays over the loaded world");
}

// Adds the folder's names that `page` asks for to `requested`.
function noteRequests(page, requested) {
  page.on("request", (request) => requested.add(decodeURIComponent(new URL(request.url()).pathname.slice(1))));
}

// X_ITE's menu (a right click, or a long press on a phone) shows icons that the page ships.
async function openMenu(page, problems, requested) {
  const box = await page.locator("x3d-canvas").boundingBox();
  await page.mouse.click(box.x + 20, box.y + 20, { button: "right" });
  await page.locator(".x_ite-private-menu").first().waitFor({ timeout: 5000 })
    .catch(() => problems.push("a right click on the world opens no menu"));
  await menuIconsAsked(requested);
}

// The menu asks for its icons after it shows, later still on a busy machine; waits up to 20 s
// until the page has asked for each icon that a menu of this state shows.
async function menuIconsAsked(requested) {
  const icons = fs.readdirSync(path.join(folder, "x_ite/assets/images"))
    .map((name) => `x_ite/assets/images/${name}`).filter((icon) => !neverFetched.has(icon));
  for (const deadline = Date.now() + 20000; Date.now() < deadline;) {
    if (icons.every((icon) => requested.has(icon))) return;
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
}

async function fullPage(browser, base, problems, requested) {
  const page = await browser.newPage({ viewport: { width: 640, height: 480 } });
  watch(page, base, problems);
  noteRequests(page, requested);
  await posterWhileLoading(page, base, problems);
  await page.waitForTimeout(expected.settleMilliseconds);
  const png = await page.screenshot({ path: screenshotFile });
  for (const part of ["sky", "ground"].filter((name) => expected[name])) // a scene's own colours
    await checkColour(browser, problems, part, png, expected[part]);
  if ((await page.title()) !== expected.title) problems.push(`title: ${await page.title()}`);
  // The page binds a walking NavigationInfo; X_ITE's own viewer name says whether it took.
  const viewer = await page.evaluate(() => X3D.getBrowser()._viewer.getValue());
  if (viewer !== expected.viewer) problems.push(`viewer: ${viewer}`);
  await axeViolations(page, problems, "page");
  await openMenu(page, problems, requested);
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

// A finger's swipe from (x, y) by dy pixels, through Chromium's own touch input.
async function swipe(session, x, y, dy) {
  const at = (t) => [{ x, y: y + dy * t }];
  await session.send("Input.dispatchTouchEvent", { type: "touchStart", touchPoints: at(0) });
  for (let step = 1; step <= 10; ++step)
    await session.send("Input.dispatchTouchEvent", { type: "touchMove", touchPoints: at(step / 10) });
  await session.send("Input.dispatchTouchEvent", { type: "touchEnd", touchPoints: [] });
}

// A swipe over the text above the world scrolls the page. On a busy machine a swipe made while
// X_ITE starts can come to nothing, so up to three swipes are tried, each given 5 s.
async function swipeScrolls(page, session) {
  for (let attempt = 0; attempt < 3; ++attempt) {
    await swipe(session, 195, 700, -400);
    if (await page.waitForFunction(() => window.scrollY > 0, null, { timeout: 5000 }).then(() => true, () => false))
      return true;
  }
  return false;
}

async function onAPhone(browser, base, problems, requested) {
  const context = await browser.newContext({ viewport: { width: 390, height: 844 }, isMobile: true,
                                             hasTouch: true, deviceScaleFactor: 2 });
  const page = await context.newPage();
  watch(page, base, problems, "phone: ");
  noteRequests(page, requested);
  await page.goto(base + "host.html");
  const session = await context.newCDPSession(page);
  if (!(await swipeScrolls(page, session)))
    problems.push("phone: a swipe beside the world does not scroll the page");
  const canvas = page.locator("x3d-canvas");
  await canvas.scrollIntoViewIfNeeded();
  await worldLoaded(page, "x3d-canvas");
  await page.waitForTimeout(expected.settleMilliseconds);
  const before = await canvas.screenshot(), scrolled = await page.evaluate(() => window.scrollY);
  const box = await canvas.boundingBox();
  await swipe(session, box.x + box.width / 2, box.y + box.height * 0.7, -box.height * 0.4);
  await page.waitForTimeout(expected.settleMilliseconds);
  if (before.equals(await canvas.screenshot())) problems.push("phone: a swipe on the world does not walk");
  if ((await page.evaluate(() => window.scrollY)) !== scrolled) problems.push("phone: a swipe on the world scrolls");
  await context.close();
}

async function withoutWebGL(base, problems) {
  const browser = await launch(["--disable-webgl", "--disable-webgl2"]);
  try {
    const page = await browser.newPage({ viewport: { width: 640, height: 480 } });
    await page.goto(base + pageName);
    await page.waitForTimeout(expected.settleMilliseconds);
    if (!(await page.getByText("This 3D world needs a browser with WebGL 2").isVisible()))
      problems.push("without WebGL: the fallback text is not shown");
    if (!(await page.locator("x3d-canvas img").isVisible()) || (await page.locator(".poster").isVisible()))
      problems.push("without WebGL: the fallback poster is not shown, or covered");
  } finally {
    await browser.close();
  }
}

runChecks(async (browser, problems) => {
  const { base, server } = await serve({ "/": folder }, { "/host.html": hostPage });
  try {
    const requested = new Set();
    await fullPage(browser, base, problems, requested);
    await snippetInAPage(browser, base, problems);
    await onAPhone(browser, base, problems, requested);
    checkShipped(requested, problems);
    await withoutWebGL(base, problems);
  } finally {
    server.close();
  }
}, "page loads cleanly");
