// Drives the remote page in the system's Chromium for tst_remotepage, one step at a time: after
// each step it prints "STEP name json" and waits for "GO" on standard input, so the test can
// check the station and change it before the page goes on.
//   node remote-page.mjs <url> <pairing code> [screenshot.png]
import { createRequire } from "module";
import { createInterface } from "readline";
import { fileURLToPath } from "url";
import path from "path";

const require = createRequire(path.join(path.dirname(fileURLToPath(import.meta.url)), "package.json"));
const { chromium } = require("playwright-core");

const [url, code, screenshot] = process.argv.slice(2);
const lines = createInterface({ input: process.stdin });
const waiting = [];
lines.on("line", (line) => { const next = waiting.shift(); if (next) next(line); });
const go = () => new Promise((resolve) => waiting.push(resolve));

// Polls from outside the page: the page's policy forbids the eval that waitForFunction needs.
async function until(page, predicate, timeout = 15000) {
  const end = Date.now() + timeout;
  while (!(await page.evaluate(predicate))) {
    if (Date.now() > end) throw new Error("timed out waiting for " + predicate);
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

async function step(name, facts = {}) {
  console.log("STEP " + name + " " + JSON.stringify(facts));
  const answer = await go();
  if (answer !== "GO") throw new Error("stopped after " + name + ": " + answer);
}

const browser = await chromium.launch({
  executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
  args: ["--no-sandbox", "--disable-gpu"],
});
try {
  const context = await browser.newContext({ viewport: { width: 390, height: 844 }, deviceScaleFactor: 2,
                                             isMobile: true, hasTouch: true });
  const page = await context.newPage();
  page.on("pageerror", (error) => console.log("PAGEERROR " + error.message));
  await page.goto(url);
  await page.locator("#pairing").waitFor({ state: "visible" });
  await page.fill("#code", code);
  await page.fill("#deviceName", "Test phone");
  await page.click("#pair");
  await page.locator(".rotor").nth(1).waitFor();
  await until(page, () => [...document.querySelectorAll(".rotor .heading")].every((h) => h.textContent.endsWith("°")));
  const headings = await page.$$eval(".rotor", (cards) => cards.map((c) => [c.dataset.rotor, c.querySelector(".heading").textContent]));
  const overflow = () => page.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);
  await step("paired", { headings, overflow: await overflow(), device: await page.textContent("#title"), role: await page.textContent("#link") });

  const rotor = page.locator('.rotor[data-rotor="Rotor 1"]');
  await rotor.getByRole("button", { name: "Rotate" }).and(page.locator(":enabled")).waitFor();
  if (screenshot) await page.screenshot({ path: screenshot });
  await rotor.locator("input").fill("123");
  await rotor.getByRole("button", { name: "Rotate" }).click();
  await step("rotated");

  await page.click("#stopAll");
  await step("stopped");

  await until(page, () => {
    const h = document.querySelector('.rotor[data-rotor="Rotor 1"] .heading');
    return h !== null && h.classList.contains("orange");
  });
  const stale = await rotor.evaluate((card) => ({
    status: card.querySelector(".status").textContent,
    color: getComputedStyle(card.querySelector(".heading")).color,
    orange: getComputedStyle(document.documentElement).getPropertyValue("--orange").trim(),
  }));
  await step("stale", { ...stale, overflow: await overflow() });
} finally {
  await browser.close();
  lines.close();
}
