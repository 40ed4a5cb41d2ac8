// The start screen's pixels, a game saved when the page is hidden and resumed
// after a reload, one copy per browser, a high score through the name dialog,
// damaged saved files. tests/web/run.sh runs:
//   node browser_test.mjs URL NATIVE_START_RGB GAME_FILES SCRATCH [SHOTS]
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import {fileURLToPath} from 'node:url';
import {launch} from './chromium.mjs';

const [url, nativeStart, gameFiles, scratch, shots] = process.argv.slice(2);
const savedBoard = fileURLToPath(new URL('../e2e/saved_board.py', import.meta.url));
const W = 625, H = 440;
const at = {play: [400, 120], resume: [400, 170], scores: [400, 220], help: [400, 270], end: [535, 400]};
const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));

// Loads the game and waits until it has started (or refused to).
async function open(page, address = url) {
  await page.goto(address);
  await page.waitForFunction('window.vlimsFirstFrameAt || window.vlimsRefused', {timeout: 20000});
  await sleep(1500);
}

// A click, then `after` ms for the game to act on it.
async function click(page, [x, y], after = 400) {
  const box = await (await page.$('canvas')).boundingBox();
  await page.mouse.click(box.x + x * box.width / W, box.y + y * box.height / H, {delay: 150});
  await sleep(after);
}

// The canvas as raw RGB, read from the canvas itself (no colour management).
async function canvasRgb(page) {
  return Buffer.from(await page.evaluate(() => {
    const data = document.getElementById('canvas').getContext('2d').getImageData(0, 0, 625, 440).data;
    let text = '';
    for (let i = 0; i < data.length; i += 4) text += String.fromCharCode(data[i], data[i + 1], data[i + 2]);
    return btoa(text);
  }), 'base64');
}

// A file of the game's Data folder as IndexedDB holds it (null: none).
function storedFile(page, name) {
  return page.evaluate(name => new Promise((resolve, reject) => {
    const open = indexedDB.open('/vlims/Data');
    open.onerror = () => reject(open.error);
    open.onsuccess = () => {
      if (!open.result.objectStoreNames.contains('FILE_DATA')) return resolve(null);
      const get = open.result.transaction('FILE_DATA').objectStore('FILE_DATA').get('/vlims/Data/' + name);
      get.onsuccess = () => resolve(get.result ? btoa(String.fromCharCode(...get.result.contents)) : null);
    };
  }), name).then(b64 => b64 === null ? null : Buffer.from(b64, 'base64'));
}

// Puts a file into the Data folder's storage, as a game that ran before left it.
function storeFile(page, name, bytes) {
  return page.evaluate((name, b64) => new Promise((resolve, reject) => {
    const open = indexedDB.open('/vlims/Data', 21);
    open.onupgradeneeded = () => open.result.createObjectStore('FILE_DATA').createIndex('timestamp', 'timestamp');
    open.onerror = () => reject(open.error);
    open.onsuccess = () => {
      const transaction = open.result.transaction('FILE_DATA', 'readwrite');
      const contents = Uint8Array.from(atob(b64), c => c.charCodeAt(0));
      transaction.objectStore('FILE_DATA').put({timestamp: new Date(), mode: 0o100644, contents}, '/vlims/Data/' + name);
      transaction.oncomplete = () => { open.result.close(); resolve(); };
    };
  }), name, bytes.toString('base64'));
}

// The game loaded again over these files, stored from a page of the site
// where no game runs.
async function openWith(page, files) {
  await page.goto(new URL('Help/Hints.html', url).href);
  for (const [name, bytes] of Object.entries(files)) await storeFile(page, name, bytes);
  await open(page);
}

const write = (name, bytes) => (fs.writeFileSync(path.join(scratch, name), bytes), path.join(scratch, name));

// saved_board.py's check that every cell of the shot shows its saved colour.
function boardShows(resume, shot) {
  execFileSync('python3', [savedBoard, 'compare', write('resume.dat', resume), write('shot.rgb', shot), gameFiles]);
}

const panel = rgb => Buffer.concat(Array.from({length: H}, (_, y) => rgb.subarray((y * W + 440) * 3, (y * W + W) * 3)));

const shot = async (page, name) => shots && (await page.$('canvas')).screenshot({path: path.join(shots, `web-${name}.png`)});

const browser = await launch(path.join(scratch, 'profile'));
const said = [];
try {
  const page = await browser.newPage();
  page.on('console', message => said.push(message.text()));
  await page.setViewport({width: 800, height: 600, deviceScaleFactor: 1});
  await open(page);
  const start = await canvasRgb(page);
  const native = fs.readFileSync(nativeStart), differing = Array.from({length: W * H}, (_, i) => start.compare(native, 3 * i, 3 * i + 3, 3 * i, 3 * i + 3)).filter(Boolean).length;
  assert.equal(differing, 0, `${differing} start screen pixels differ from the native game's`);
  await shot(page, 'start');

  // Help opens the hints page in a tab of its own.
  const opened = new Promise(resolve => browser.once('targetcreated', resolve));
  await click(page, at.help);
  assert.match((await opened).url(), /\/Help\/Hints\.html$/);
  await (await (await opened).page())?.close();
  await page.bringToFront();

  // A game, one swap, then the page hidden: the save is made while the event
  // is handled, and play goes on from it.
  await click(page, at.play, 1900);
  await click(page, [200, 200]);
  await click(page, [240, 200], 3400);
  await page.mouse.move(5, 5);
  const inMemory = await page.evaluate(() => {
    Object.defineProperty(document, 'visibilityState', {configurable: true, get: () => 'hidden'});
    document.dispatchEvent(new Event('visibilitychange'));
    const bytes = FS.readFile('/vlims/Data/Resume.dat').length;
    delete document.visibilityState;
    return bytes;
  });
  assert.equal(inMemory, 416, 'no saved game when the hidden event returned');
  await page.waitForFunction('window.vlimsKept > 0');
  const hiddenSave = await storedFile(page, 'Resume.dat');
  assert.equal(hiddenSave?.length, 416, 'the saved game did not reach IndexedDB');
  await sleep(1500);
  const playing = await canvasRgb(page);
  boardShows(hiddenSave, playing);
  await shot(page, 'board');

  // A second tab is refused and leaves the saved game alone.
  // So is a browser without WebAssembly.
  for (const [wasm, said] of [[true, /already running/], [false, /does not run WebAssembly/]]) {
    const other = await browser.newPage();
    if (!wasm) await other.evaluateOnNewDocument(() => { delete window.WebAssembly; });
    await (wasm ? open(other) : other.goto(url));
    assert.match(await other.$eval('#note', note => note.hidden ? '' : note.textContent), said);
    await other.close();
  }
  assert.deepEqual(await storedFile(page, 'Resume.dat'), hiddenSave, 'the second tab touched the saved game');

  // Reload: Resume shows the same board, level and score.
  await open(page);
  const reloaded = await storedFile(page, 'Resume.dat');
  await click(page, at.resume, 1900);
  await page.mouse.move(5, 5);
  await sleep(500);
  const resumed = await canvasRgb(page);
  boardShows(reloaded, resumed);
  assert.ok(panel(resumed).equals(panel(playing)), 'the level or score differs after Resume');

  // A saved game worth a high score, ended: the name dialog takes a typed
  // and pasted name and Enter, and the table that survives a reload holds it.
  const total = 4321;
  execFileSync('python3', [savedBoard, 'write', path.join(scratch, 'high.dat'), '0', String(total)]);
  await openWith(page, {'Resume.dat': fs.readFileSync(path.join(scratch, 'high.dat'))});
  await click(page, at.resume, 1900);
  await click(page, at.end, 1900);
  const empty = await canvasRgb(page);
  // Typed, then pasted: the paste's first line only.
  await page.keyboard.type('Web ');
  await page.evaluate(() => {
    const clipboardData = new DataTransfer();
    clipboardData.setData('text/plain', 'Tester\nsecond line');
    window.dispatchEvent(new ClipboardEvent('paste', {clipboardData}));
  });
  await sleep(300);
  await shot(page, 'name-dialog');
  await page.keyboard.press('Enter');
  await sleep(1500);
  await page.reload();
  await page.waitForFunction('window.vlimsFirstFrameAt');
  const table = await storedFile(page, 'Info.dat');
  assert.ok(table && table.includes('Web Tester\0') && table.includes(Buffer.from(new Int32Array([total]).buffer)),
            'the high score is not in the table after a reload');
  await sleep(1000);
  await click(page, at.scores, 1900);
  // The table of the game's difficulty, whichever the picture steps to.
  const rowOne = rgb => Buffer.concat(Array.from({length: 16}, (_, y) => rgb.subarray(((81 + y) * W + 50) * 3, ((81 + y) * W + 300) * 3)));
  for (let step = 0; step < 3 && rowOne(await canvasRgb(page)).equals(rowOne(empty)); step++) await click(page, [205, 360], 1400);
  await shot(page, 'scores');
  assert.ok(!rowOne(await canvasRgb(page)).equals(rowOne(empty)), 'the score screen does not show the high score');

  // Damaged files as the desktop meets them: a 3-byte saved game is no game
  // to resume (a box says so, the file stays), a cut table shows the native
  // game's score screen and is not rewritten by being looked at.
  await openWith(page, {'Resume.dat': Buffer.from([1, 2, 3]), 'Info.dat': fs.readFileSync(path.join(scratch, 'cut-info.dat'))});
  await click(page, at.resume, 1200);
  // The box's caption bar is the dialogs' accent blue.
  const box = await canvasRgb(page);
  const accent = Array.from({length: W * H}, (_, i) => box[3 * i] === 58 && box[3 * i + 1] === 102 && box[3 * i + 2] === 170);
  assert.ok(accent.filter(Boolean).length > 3000, 'no "No saved game" box over the game');
  await page.keyboard.press('Enter');
  await sleep(800);
  assert.equal((await storedFile(page, 'Resume.dat')).length, 3, 'the damaged saved game was replaced');
  await openWith(page, {});
  await click(page, at.scores, 1900);
  await shot(page, 'cut-table');
  assert.ok((await canvasRgb(page)).equals(fs.readFileSync(path.join(scratch, 'native-scores.rgb'))), 'the cut table shows otherwise than on the desktop');
  assert.equal((await storedFile(page, 'Info.dat')).length, 410, 'the cut table was rewritten by looking at it');
  console.log('web: all browser tests passed');
} catch (error) {
  console.error('---- the page said ----\n' + said.join('\n'));
  throw error;
} finally {
  await browser.close();
}
