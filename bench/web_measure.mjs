// Measures (does not assert) the web build in Debian's headless chromium:
// navigation to the first drawn frame, and the CPU of the tab's renderer
// process over 10 s on an idle board and while playing (a swap every 1.5 s).
// Run by bench/web_measure.sh: node web_measure.mjs URL [SHOTS_DIR]
import path from 'node:path';
import {launch} from '../tests/web/chromium.mjs';

const [url] = process.argv.slice(2);
const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));
const seconds = 10;

const browser = await launch(path.join(process.env.SCRATCH, 'profile'));
try {
  const page = await browser.newPage();
  await page.setViewport({width: 800, height: 600, deviceScaleFactor: 1});
  const loads = [];
  for (let round = 0; round < 3; round++) {
    await page.goto(url);
    await page.waitForFunction('window.vlimsFirstFrameAt', {timeout: 20000});
    loads.push(await page.evaluate('window.vlimsFirstFrameAt'));
  }
  console.log(`navigation to first frame: ${loads.map(ms => ms.toFixed(0)).join(', ')} ms`);

  const session = await browser.target().createCDPSession();
  // CPU seconds of the renderer (the tab) and of all of chromium's processes
  // (the GPU process composites the canvas, the browser process routes input).
  const cpuSeconds = async () => {
    const {processInfo} = await session.send('SystemInfo.getProcessInfo');
    const sum = list => list.reduce((total, p) => total + p.cpuTime, 0);
    return [sum(processInfo.filter(p => p.type === 'renderer')), sum(processInfo)];
  };
  const box = await (await page.$('canvas')).boundingBox();
  const click = (x, y) => page.mouse.click(box.x + x, box.y + y, {delay: 150});
  const measure = async (name, during) => {
    const before = await cpuSeconds();
    const start = Date.now();
    await during();
    const after = await cpuSeconds();
    const share = i => (100 * (after[i] - before[i]) / ((Date.now() - start) / 1000)).toFixed(1);
    console.log(`${name}: renderer CPU ${share(0)}% of a core, all chromium ${share(1)}%`);
  };
  await sleep(1000);
  await measure('start screen idle', () => sleep(seconds * 1000));
  await click(400, 120);
  await sleep(3000);
  await page.mouse.move(box.x + 600, box.y + 30);
  await measure('board idle', () => sleep(seconds * 1000));
  await measure('playing', async () => {
    for (let move = 0; move < seconds / 1.5; move++) {
      const y = 60 + 40 * (move % 8);
      await click(200, y);
      await sleep(300);
      await click(240, y);
      await sleep(1000);
    }
  });
} finally {
  await browser.close();
}
