// The pointer on the canvas: mouse and pen as on the desktop; one finger edits, two scroll and
// zoom, a long press opens the context menu. The wheel scrolls and zooms, a dropped file opens.

import { beschaeftigt } from './dialoge.js';
import type { Seite } from './typen.js';

export interface Kontext {
  ed: Seite;
  reagiere(r: number): void;
  passeAnsichtAn(): void;
  setzeAnsicht(zoom: number, sx: number, sy: number): void;
  oeffneMenue(x: number, y: number): void;
  oeffne(hinzufuegen: boolean, datei: File): Promise<void>;
}

export function bindeZeiger(anzeige: HTMLCanvasElement, ansicht: HTMLElement, k: Kontext) {
  const { ed, reagiere, passeAnsichtAn, setzeAnsicht, oeffneMenue, oeffne } = k;
  const TASTE = [0, 2, 1]; // pointer button 0 left, 1 middle, 2 right -> the core's Links, Mitte, Rechts
  const finger = new Map<number, { x: number; y: number }>();
  let wartend: { x: number; y: number; uhr: number } | undefined; // a touch not yet an edit
  let zwei: { abstand: number; mx: number; my: number; zoom: number; sx: number; sy: number } | undefined;
  let fingerZieht = false;
  const gedrueckt = new Set<number>(); // pointers pressed on the canvas, wherever they are released

  const punkt = (e: PointerEvent) => {
    const r = anzeige.getBoundingClientRect();
    return { x: Math.floor(e.clientX - r.left), y: Math.floor(e.clientY - r.top) };
  };
  function loslassen(taste: number, x: number, y: number) {
    const r = ed.lasse(taste, x, y);
    reagiere(r);
    if (r & 2 && x >= 0 && y >= 0 && x < anzeige.clientWidth && y < anzeige.clientHeight) {
      const a = anzeige.getBoundingClientRect();
      oeffneMenue(a.left + x, a.top + y);
    }
  }
  function beginneZwei() {
    const [a, b] = [...finger.values()];
    const v = ed.ansicht();
    zwei = { abstand: Math.hypot(a.x - b.x, a.y - b.y) || 1, mx: (a.x + b.x) / 2, my: (a.y + b.y) / 2,
      zoom: v.zoom, sx: v.sx, sy: v.sy };
  }
  anzeige.addEventListener('pointerdown', e => {
    if (beschaeftigt()) return;
    anzeige.focus();
    gedrueckt.add(e.pointerId);
    const p = punkt(e);
    if (e.pointerType !== 'touch') {
      anzeige.setPointerCapture(e.pointerId);
      reagiere(ed.druecke(TASTE[e.button] ?? 2, p.x, p.y));
      return;
    }
    finger.set(e.pointerId, p);
    if (finger.size === 1) {
      wartend = { ...p, uhr: setTimeout(() => {
        // A long press is a right click.
        wartend = undefined;
        reagiere(ed.druecke(1, p.x, p.y));
        loslassen(1, p.x, p.y);
      }, 500) };
    } else if (finger.size === 2) {
      if (wartend) clearTimeout(wartend.uhr);
      wartend = undefined;
      if (fingerZieht) reagiere(ed.abbrechen());
      fingerZieht = false;
      beginneZwei();
    }
  });
  anzeige.addEventListener('pointermove', e => {
    const p = punkt(e);
    if (e.pointerType !== 'touch') { if (!beschaeftigt()) reagiere(ed.bewege(p.x, p.y)); return; }
    if (!finger.has(e.pointerId)) return;
    finger.set(e.pointerId, p);
    if (zwei && finger.size === 2) {
      const [a, b] = [...finger.values()];
      const z = zwei.zoom * zwei.abstand / (Math.hypot(a.x - b.x, a.y - b.y) || 1);
      ed.setzeAnsicht(zwei.zoom, zwei.sx, zwei.sy, ansicht.clientWidth, ansicht.clientHeight);
      ed.zoomeUm(Math.round(z), zwei.mx, zwei.my);
      ed.rolle((a.x + b.x) / 2 - zwei.mx, (a.y + b.y) / 2 - zwei.my);
      passeAnsichtAn();
    } else if (wartend && Math.hypot(p.x - wartend.x, p.y - wartend.y) > 8) {
      clearTimeout(wartend.uhr);
      reagiere(ed.druecke(0, wartend.x, wartend.y));
      wartend = undefined;
      fingerZieht = true;
    }
    if (fingerZieht) reagiere(ed.bewege(p.x, p.y));
  });
  function pointerEnde(e: PointerEvent, abgebrochen: boolean) {
    if (!gedrueckt.delete(e.pointerId)) return;
    const p = punkt(e);
    if (e.pointerType !== 'touch') { if (!beschaeftigt()) loslassen(TASTE[e.button] ?? 2, p.x, p.y); return; }
    if (!finger.delete(e.pointerId)) return;
    if (wartend) {
      clearTimeout(wartend.uhr);
      wartend = undefined;
      if (!abgebrochen) { reagiere(ed.druecke(0, p.x, p.y)); loslassen(0, p.x, p.y); }
    } else if (fingerZieht) {
      fingerZieht = false;
      if (abgebrochen) reagiere(ed.abbrechen()); else loslassen(0, p.x, p.y);
    }
    if (finger.size === 0) zwei = undefined;
  }
  addEventListener('pointerup', e => pointerEnde(e, false));
  addEventListener('pointercancel', e => pointerEnde(e, true));
  anzeige.addEventListener('contextmenu', e => e.preventDefault());

  // The wheel scrolls, sideways with Shift; with Ctrl it zooms about the pointer.
  anzeige.addEventListener('wheel', e => {
    e.preventDefault();
    if (beschaeftigt()) return;
    const zeile = e.deltaMode === 1 ? 20 : e.deltaMode === 2 ? anzeige.clientHeight : 1;
    let dx = -e.deltaX * zeile, dy = -e.deltaY * zeile;
    if (e.ctrlKey) {
      const p = punkt(e as unknown as PointerEvent);
      ed.rad(Math.round((dy || dx) * (e.deltaMode === 0 ? 1.2 : 2)), p.x, p.y);
    } else {
      if (e.shiftKey && dx === 0) [dx, dy] = [dy, 0];
      ed.rolle(Math.round(dx), Math.round(dy));
    }
    passeAnsichtAn();
  }, { passive: false });
  ansicht.addEventListener('scroll', () => {
    const a = ed.ansicht();
    if (a.sx !== ansicht.scrollLeft || a.sy !== ansicht.scrollTop) setzeAnsicht(a.zoom, ansicht.scrollLeft, ansicht.scrollTop);
  });

  // A file dropped on the canvas opens.
  anzeige.addEventListener('dragover', e => e.preventDefault());
  anzeige.addEventListener('drop', e => {
    e.preventDefault();
    const datei = e.dataTransfer?.files[0];
    if (datei && !beschaeftigt()) void oeffne(false, datei);
  });
}
