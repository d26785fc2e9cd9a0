// Files on the page: a chosen file opens, its findings select and mark, a broken file gives
// the desktop's error box and changes nothing, nothing in a file becomes markup, a file over
// 64 MB is refused unread.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { antworte, browser, oeffne, orange, server, waehle } from './seite.mjs';

let s, k, seite;
before(async () => { s = await server(); k = await browser(); seite = await oeffne(k, s); });
after(async () => { await k?.weg(); s?.close(); });

test('the test lists the findings of a chosen file; choosing one selects and marks it', async () => {
  await waehle(seite, '3-zwei-netze-fehler.nz', readFileSync(new URL('../../examples/3-zwei-netze-fehler.nz', import.meta.url)));
  await seite.waitForFunction(() => document.title === '3-zwei-netze-fehler.nz – Verbundo');
  await seite.getByRole('button', { name: 'Konfiguration Testen' }).click();
  const box = seite.locator('dialog[open]');
  assert.equal(await box.locator('p').textContent(), 'Es sind noch 4 Fehler vorhanden.');
  await box.getByText('Details').click();
  assert.equal(await box.locator('li').count(), 4);
  assert.equal(await orange(seite), 0);
  await box.locator('li').first().click();
  assert.ok(await orange(seite) > 50);
  await antworte(seite, 'OK');
});

test('a broken file shows where it broke, as text, and the network stays', async () => {
  const name = '<img src=x onerror="window.boese=1">.nz';
  await waehle(seite, name, Buffer.from('Comp.,  100,   80,x\r\n'));
  assert.equal(await antworte(seite, 'OK'),
    `Die Datei „${name}“ konnte nicht gelesen werden (Zeile 1, Spalte 19):\n'x' is not a valid integer value`);
  assert.equal(await seite.evaluate(() => window.boese), undefined);
  assert.equal(await seite.title(), '3-zwei-netze-fehler.nz – Verbundo');
});

test('a dropped file over 64 MB is refused before it is read', async () => {
  await seite.evaluate(() => {
    const daten = new DataTransfer();
    daten.items.add(new File([new Uint8Array((64 << 20) + 1)], 'gross.nz'));
    document.getElementById('anzeige').dispatchEvent(new DragEvent('drop', { dataTransfer: daten, bubbles: true }));
  });
  assert.equal(await antworte(seite, 'OK'), 'Die Datei ist größer als 64 MB und wird nicht gelesen.');
  assert.equal(await seite.title(), '3-zwei-netze-fehler.nz – Verbundo');
});
