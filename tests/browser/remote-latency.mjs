// For the remote page's benchmark: pairs, then records when each new heading of the first rotor
// appears in the page (the browser's own clock, milliseconds since the epoch). Prints "READY"
// once it watches, and on "DONE" from standard input prints "SEEN" and the records as JSON.
//   node remote-latency.mjs <url> <pairing code>
import { createRequire } from "module";
import { createInterface } from "readline";
import { fileURLToPath } from "url";
import path from "path";

const require = createRequire(path.join(path.dirname(fileURLToPath(import.meta.url)), "package.json"));
const { chromium } = require("playwright-core");

const [url, code] = process.argv.slice(2);
const browser = await chromium.launch({
  executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
  args: ["--no-sandbox", "--disable-gpu"],
});
try {
  const page = await browser.newPage({ viewport: { width: 390, height: 844 } });
  await page.goto(url);
  await page.locator("#pairing").waitFor({ state: "visible" });
  await page.fill("#code", code);
  await page.click("#pair");
  await page.locator(".rotor .heading").first().waitFor();
  await page.evaluate(() => {
    window.seen = [];
    const heading = document.querySelector(".rotor .heading");
    new MutationObserver(() => {
      window.seen.push([heading.textContent, performance.timeOrigin + performance.now()]);
    }).observe(heading, { childList: true, characterData: true, subtree: true });
  });
  console.log("READY");
  const lines = createInterface({ input: process.stdin });
  await new Promise((resolve) => lines.on("line", (line) => { if (line === "DONE") resolve(); }));
  lines.close();
  console.log("SEEN " + JSON.stringify(await page.evaluate(() => window.seen)));
} finally {
  await browser.close();
}
