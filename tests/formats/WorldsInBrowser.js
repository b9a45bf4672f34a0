// The worlds of a red car straight ahead in the web's 3D libraries, headless Chromium: three.js and
// X_ITE draw the GLB (red on the car, green below), X_ITE the X3D as the VRML (the same colour class
// in most cells of a grid), X3DOM loads the X3D; none reports an error.
// Usage: node WorldsInBrowser.js FOLDER(red-car.glb, .x3d, .wrl, textures) MODULES EXPECTED.json SHOTS
"use strict";
const fs = require("fs");
const path = require("path");
const { serve, watch, gridColours, checkColour, runChecks } = require(path.join(__dirname, "../support/Browser.js"));

const [folder, modules, expectedFile, shots] = process.argv.slice(2);
const expected = JSON.parse(fs.readFileSync(expectedFile, "utf8"));
const kHead = '<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>world</title><link rel="icon" href="data:,">';
const kWorld = 'new URLSearchParams(location.search).get("world")';

// Each viewer's page and how it says that the world is drawn.
const kViewers = {
  three: {
    page: `${kHead}<script type="importmap">{"imports": {"three": "/modules/three/build/three.module.js",
      "three/addons/": "/modules/three/examples/jsm/"}}</script></head><body style="margin:0"><script type="module">
      import * as THREE from "three";
      import { GLTFLoader } from "three/addons/loaders/GLTFLoader.js";
      const renderer = new THREE.WebGLRenderer({ preserveDrawingBuffer: true });
      renderer.setSize(640, 480);
      document.body.appendChild(renderer.domElement);
      new GLTFLoader().load(${kWorld}, (gltf) => {
        const camera = gltf.cameras[0];
        camera.aspect = 640 / 480;
        camera.updateProjectionMatrix();
        renderer.render(gltf.scene, camera);
        window.worldDrawn = true;
      }, undefined, (error) => console.error(String(error)));
      </script></body></html>`,
    drawn: () => window.worldDrawn === true,
  },
  xite: {
    page: `${kHead}<script src="/modules/x_ite/dist/x_ite.min.js"></script></head><body style="margin:0">
      <x3d-canvas style="width:640px;height:480px"></x3d-canvas>
      <script>document.querySelector("x3d-canvas").setAttribute("src", ${kWorld});</script></body></html>`,
    drawn: () => {
      const scene = document.querySelector("x3d-canvas").browser.currentScene;
      return scene && scene.rootNodes.length > 0;
    },
  },
  x3dom: {
    page: `${kHead}<link rel="stylesheet" href="/modules/x3dom/x3dom.css"><script src="/modules/x3dom/x3dom.js"></script>
      </head><body style="margin:0"><x3d width="640px" height="480px"><scene><inline id="world"></inline></scene></x3d>
      <script>document.getElementById("world").setAttribute("url", ${kWorld});</script></body></html>`,
    drawn: () => document.querySelector("canvas") !== null && document.querySelector("x3d").runtime !== undefined,
  },
};

// A coarse name for a colour, enough to tell sky, grass, car and the rest apart.
function colourClass([r, g, b]) {
  if (r > g + 60 && r > b + 60) return "red";
  if (g > r + 20 && g > b + 20) return "green";
  if (b > r + 20 && b > g) return "blue";
  return Math.max(r, g, b) > 180 ? "light" : Math.max(r, g, b) < 60 ? "dark" : "grey";
}

runChecks(async (browser, problems) => {
  const pages = Object.fromEntries(Object.entries(kViewers).map(([name, v]) => [`/${name}.html`, v.page]));
  const { base, server } = await serve({ "/modules/": modules, "/": folder }, pages);
  const shoot = async (viewer, world) => {
    const page = await browser.newPage({ viewport: { width: 640, height: 480 } });
    watch(page, base, problems, `${viewer} ${world}: `);
    await page.goto(`${base}${viewer}.html?world=${world}`);
    await page.waitForFunction(kViewers[viewer].drawn, null, { timeout: 60000 });
    await page.waitForTimeout(expected.settleMilliseconds);
    const png = await page.screenshot({ path: path.join(shots, `${viewer}-${world}.png`) });
    await page.close();
    return png;
  };
  try {
    for (const viewer of ["three", "xite"]) {
      const png = await shoot(viewer, "red-car.glb");
      await checkColour(browser, problems, `${viewer} car`, png, expected.car);
      await checkColour(browser, problems, `${viewer} ground`, png, expected.ground);
    }
    const { rows, columns, sameAtLeast } = expected.grid;
    const [x3d, wrl] = [await shoot("xite", "red-car.x3d"), await shoot("xite", "red-car.wrl")];
    const [x3dCells, wrlCells] = [await gridColours(browser, x3d, rows, columns), await gridColours(browser, wrl, rows, columns)];
    const same = x3dCells.filter((cell, i) => colourClass(cell) === colourClass(wrlCells[i])).length;
    if (same < sameAtLeast * rows * columns) problems.push(`X3D and VRML alike in ${same} of ${rows * columns} cells`);
    const x3dom = await shoot("x3dom", "red-car.x3d");
    await checkColour(browser, problems, "x3dom ground", x3dom, expected.ground);
  } finally {
    server.close();
  }
}, "the worlds load and look alike");
