// Opens an exported web page in headless Chromium, served over loopback HTTP by this script, and
// checks what a visitor would get: the world loads, nothing fails or leaves 127.0.0.1, and the
// picture shows the sky at the top and the ground at the bottom.
// Usage: node PageInBrowser.js FOLDER PAGE EXPECTED.json SCREENSHOT.png
"use strict";
const fs = require("fs");
const path = require("path");
const { serve, watch, meanColour, checkColour, runChecks } = require(path.join(__dirname, "../support/Browser.js"));

const [folder, pageName, expectedFile, screenshotFile] = process.argv.slice(2);
const expected = JSON.parse(fs.readFileSync(expectedFile, "utf8"));

runChecks(async (browser, problems) => {
  const { base, server } = await serve({ "/": folder });
  try {
    const page = await browser.newPage({ viewport: { width: 640, height: 480 } });
    watch(page, base, problems);
    await page.goto(base + pageName);
    // X_ITE's browser reports the world once it has read it and made its nodes.
    await page.waitForFunction((world) => {
      const scene = window.X3D && X3D.getBrowser().currentScene;
      return scene && scene.worldURL.endsWith("/" + world) && scene.rootNodes.length > 0;
    }, expected.world, { timeout: 60000 });
    await page.waitForTimeout(expected.settleMilliseconds);
    const png = await page.screenshot({ path: screenshotFile });
    checkColour(problems, "sky", await meanColour(browser, png, expected.sky.box), expected.sky);
    checkColour(problems, "ground", await meanColour(browser, png, expected.ground.box), expected.ground);
    if ((await page.title()) !== expected.title) problems.push(`title: ${await page.title()}`);
    // The page binds a walking NavigationInfo; X_ITE's own viewer name says whether it took.
    const viewer = await page.evaluate(() => X3D.getBrowser()._viewer.getValue());
    if (viewer !== expected.viewer) problems.push(`viewer: ${viewer}`);
  } finally {
    server.close();
  }
}, "page loads cleanly");
