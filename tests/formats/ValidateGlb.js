// Runs Khronos' glTF validator over every .glb file named and prints each error and warning;
// fails on any. Usage: node ValidateGlb.js FILE.glb...
"use strict";
const fs = require("fs");
const validator = require("gltf-validator");

async function problemsOf(file) {
  const report = await validator.validateBytes(new Uint8Array(fs.readFileSync(file)), {
    maxIssues: 0,
  });
  return report.issues.messages
    .filter((m) => m.severity <= 1) // 0 errors, 1 warnings
    .map((m) => `${file}: ${m.severity === 0 ? "error" : "warning"} ${m.code} ${m.pointer || ""}: ${m.message}`);
}

Promise.all(process.argv.slice(2).map(problemsOf)).then((lists) => {
  const problems = lists.flat();
  for (const problem of problems) console.log(problem);
  console.log(`${process.argv.length - 2} files, ${problems.length} problems`);
  process.exit(problems.length === 0 ? 0 : 1);
}, (error) => {
  console.log(`failed: ${error.message}`);
  process.exit(1);
});
