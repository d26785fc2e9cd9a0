// A tablet: one finger edits, a long press opens the context menu, two fingers zoom. Unsaved
// work survives the tab; once loaded, the page works offline.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { antworte, browser, oeffne, pixel, server } from './seite.mjs';

let s, k, seite, cdp, ecke;
before(async () => {
  s = await server();
  k = await browser({ hasTouch: true });
  seite = await oeffne(k, s);
  cdp = await k.newCDPSession(seite);
  ecke = await seite.locator('#anzeige').boundingBox();
});
after(async () => { await k?.weg(); s?.close(); });

// Fingers at canvas pixels; an empty list lifts them all.
const finger = (type, punkte) => cdp.send('Input.dispatchTouchEvent', {
  type, touchPoints: punkte.map(([x, y], id) => ({ x: ecke.x + x, y: ecke.y + y, id })),
});

test('a tap places a computer, a long press opens the menu, two fingers zoom', async () => {
  await finger('touchStart', [[200, 200]]);
  await finger('touchEnd', []);
  await seite.waitForFunction(() => document.title.includes('*'));
  assert.deepEqual(await pixel(seite, 180, 180), [255, 0, 0]); // the new device's selection

  await finger('touchStart', [[200, 200]]);
  await seite.getByRole('menuitem', { name: 'Nachricht senden' }).waitFor();
  await finger('touchEnd', []);
  await seite.keyboard.press('Escape');

  await finger('touchStart', [[200, 300], [400, 300]]);
  await finger('touchMove', [[250, 300], [350, 300]]);
  await finger('touchMove', [[280, 300], [320, 300]]);
  await finger('touchEnd', []);
  assert.equal(await seite.locator('#lzoom').textContent(), 'Zoomfaktor 5x');
});

test('unsaved work is offered back after the tab closed', async () => {
  await seite.waitForFunction(() => Object.keys(localStorage).some(k => k.startsWith('verbundo-sicherung:')));
  await seite.close();
  seite = await k.newPage();
  await seite.goto(`http://127.0.0.1:${s.address().port}/`);
  assert.match(await antworte(seite, 'Wiederherstellen'), /nicht ordnungsgemäß beendet/);
  await seite.waitForFunction(() => document.title === 'Unbenannt.nz* – Verbundo');
  assert.notDeepEqual(await pixel(seite, 200, 200), [255, 255, 255]);
});

test('once loaded, the page opens without the network', async () => {
  await seite.evaluate(() => navigator.serviceWorker.ready);
  await k.setOffline(true);
  await seite.reload();
  await seite.waitForSelector('body[data-bereit]');
  await k.setOffline(false);
});
