// web_bench.js -- the page in headless Chromium, measured as a player meets it:
// the first frame drawn after the page is asked for, the bytes fetched before
// the start screen stands, the animation frames from a key to the frame that
// shows it (typing in the password panel), the tab's work on an idle start
// screen, and what the page weighs. Prints "name value unit" lines.
// Usage: node web_bench.js URL SITE_DIR [IDLE_SECONDS]
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const puppeteer = require('puppeteer-core');

const [url, siteDir, idleArg] = process.argv.slice(2);
const idleSeconds = Number(idleArg || 10);
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));
const median = (a) => [...a].sort((x, y) => x - y)[Math.floor(a.length / 2)];
const say = (name, value, unit) => console.log(`${name} ${value} ${unit}`);

// In the page, before its scripts: animation frames counted, and each draw
// call noted with the frame it falls in; a key's frame and time noted as it
// arrives, and the first draw after it gives its lag.
function instrument() {
  window.bench = {frame: 0, draws: 0, firstDraw: null, key: null, lags: []};
  const b = window.bench;
  const raf = window.requestAnimationFrame.bind(window);
  window.requestAnimationFrame = (cb) => raf((t) => { b.frame++; cb(t); });
  addEventListener('keydown', () => { b.key = {frame: b.frame, t: performance.now()}; }, true);
  for (const proto of [WebGLRenderingContext.prototype])
    for (const name of ['drawArrays', 'drawElements']) {
      const draw = proto[name];
      proto[name] = function(...a) {
        b.draws++;
        if (b.firstDraw === null) b.firstDraw = performance.now();
        if (b.key) {
          b.lags.push({frames: b.frame - b.key.frame, ms: performance.now() - b.key.t});
          b.key = null;
        }
        return draw.apply(this, a);
      };
    }
}

(async () => {
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium-headless-shell',
    args: ['--no-sandbox', '--disable-gpu', '--enable-unsafe-swiftshader', '--use-angle=swiftshader',
      '--disable-background-networking', '--disable-component-update', '--no-first-run'],
  });
  try {
    const page = await browser.newPage();
    await page.setViewport({width: 640, height: 480});
    const cdp = await page.target().createCDPSession();
    await cdp.send('Network.enable');
    await cdp.send('Performance.enable');
    // The game asks for the later part of its data once the start screen
    // stands: what was fetched by then is what the start screen cost.
    let fetched = 0, beforeLater = null;
    cdp.on('Network.loadingFinished', (e) => { fetched += e.encodedDataLength; });
    cdp.on('Network.requestWillBeSent', (e) => {
      if (/-later\./.test(e.request.url) && beforeLater === null) beforeLater = fetched;
    });
    await page.evaluateOnNewDocument(instrument);
    await page.goto(url);
    const bench = () => page.evaluate(() => window.bench);
    for (let i = 0; i < 300 && (await bench()).firstDraw === null; i++) await sleep(50);
    say('web_first_frame', Math.round((await bench()).firstDraw), 'ms');
    // The logo holds three seconds and fades; a key skips it.
    await sleep(3000);
    await page.keyboard.press('Space');
    await sleep(2500);
    say('web_fetched_by_start_screen', beforeLater === null ? 'none' : (beforeLater / 1e6).toFixed(1), 'MB');
    say('web_fetched_in_all', (fetched / 1e6).toFixed(1), 'MB');

    const task = async () => (await cdp.send('Performance.getMetrics')).metrics.find((m) => m.name === 'TaskDuration').value;
    const [t0, d0] = [await task(), (await bench()).draws];
    await sleep(idleSeconds * 1000);
    const [t1, d1] = [await task(), (await bench()).draws];
    say('web_idle_start_screen_cpu', ((t1 - t0) / idleSeconds * 100).toFixed(1), '%_of_a_core');
    say('web_idle_start_screen_draws', ((d1 - d0) / idleSeconds).toFixed(1), 'per_s');

    // The password panel: each letter typed is drawn.
    const box = await (await page.$('#canvas')).boundingBox();
    await page.mouse.click(box.x + 330 * box.width / 640, box.y + 250 * box.height / 480);
    await sleep(1000);
    await page.evaluate(() => { window.bench.lags = []; });
    for (let i = 0; i < 21; i++) {
      await page.keyboard.press(i % 2 ? 'Backspace' : 'a');
      await sleep(150 + Math.random() * 100);
    }
    const lags = (await bench()).lags;
    say('web_key_to_frame_median', median(lags.map((l) => l.frames)), 'frames');
    say('web_key_to_frame_median_ms', median(lags.map((l) => l.ms)).toFixed(1), 'ms');
    say('web_keys_drawn', `${lags.length}/21`, 'keys');
  } finally {
    await browser.close();
  }
  for (const file of ['cryptsliders.wasm', 'cryptsliders.js', 'cryptsliders.data', 'cryptsliders-later.data']) {
    const bytes = fs.readFileSync(path.join(siteDir, file));
    say(`web_${file.replace(/[.-]/g, '_')}`, (bytes.length / 1e3).toFixed(0), 'kB');
    say(`web_${file.replace(/[.-]/g, '_')}_gzip`, (zlib.gzipSync(bytes, {level: 9}).length / 1e3).toFixed(0), 'kB');
  }
})().catch((e) => {
  console.error(String(e.stack || e));
  process.exit(1);
});
