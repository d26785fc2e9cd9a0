// The page: the window's controls around the core. Every event becomes a call of the core
// (web/Bindung.cpp), and the page shows what the core reports.

import { bindeAufgabe } from './aufgabe.js';
import { beschaeftigt, box, eingabe, fehler, frage, information } from './dialoge.js';
import type { Modul, Seite } from './typen.js';
import { familie, LeinwandZiel, pixel, spiele, SvgZiel } from './zeichnen.js';
import { bindeZeiger } from './zeiger.js';

declare const Verbundo: (m: object) => Promise<Modul>;

const $ = <T extends HTMLElement = HTMLElement>(id: string) => document.getElementById(id) as T;
const anzeige = $<HTMLCanvasElement>('anzeige'), ansicht = $('ansicht'), weite = $('weite');
const ctx = anzeige.getContext('2d', { alpha: false })!;
const mass = document.createElement('canvas').getContext('2d')!;
const dezimal = (0.5).toLocaleString(navigator.language).charAt(1);
const MENUE = ['Löschen', 'IP Adresse festlegen', 'Zweite IP Adresse festlegen', 'Netz ID festlegen',
  'Subnetmask festlegen', 'Berechne Routingtabelle', 'Auf Hub umstellen', 'Auf Switch umstellen',
  'Auf 6 Anschlüsse umstellen', 'Auf 24 Anschlüsse umstellen', 'Mailserver stoppen',
  'Mailserver starten', 'Nachricht senden'];
const ROUTING_AN = 13, ROUTING_AUS = 14, LOESCHEN = 0;

let m: Modul, ed: Seite;
let bilder: HTMLImageElement[] = [];
let befehle = new Int32Array(0);
let texte: string[] = [], generation = 0;
let imTakt = false, taktHinweise = 0;
let aufgabe: ((neu?: boolean) => void) | undefined;

// --- the core's questions ----------------------------------------------------------------------
const seitenteil = {
  miss(name: string, punkte: number, text: string) {
    mass.font = `${pixel(punkte)}px ${familie(name)}`;
    return Math.round(mass.measureText(text).width);
  },
  // A delivery notice stops the simulation until it is closed; the picture stays live.
  information(text: string) {
    if (imTakt) taktHinweise++;
    const aus = imTakt;
    information(text).then(() => { if (aus) taktHinweise--; });
  },
  fehler(text: string) { void fehler(text); },
  herunterladen(name: string, bytes: Uint8Array) { herunterladen(name, new Blob([bytes.slice()])); },
  verlauf() { zeigeVerlauf(); aufgabe?.(); },
};

function herunterladen(name: string, inhalt: Blob) {
  const a = document.createElement('a');
  a.href = URL.createObjectURL(inhalt);
  a.download = name;
  a.click();
  setTimeout(() => URL.revokeObjectURL(a.href), 60000);
}

// --- the picture -------------------------------------------------------------------------------
function holeBild() {
  if (ed.generation() !== generation) { texte = []; generation = ed.generation(); }
  texte.push(...ed.texte(texte.length));
  befehle = ed.befehle().slice();
}

// Draws anew when the picture changed (or always), then shows it.
function zeichneNetz(immer = false) {
  if (ed.zeichne(immer)) holeBild();
  male();
}

// The collected picture onto the canvas: pixel (x, y) is the surface point (x, y) at zoom 1
// and scroll 0; further out it is reduced, with averaging.
function male() {
  const a = ed.ansicht(), v = devicePixelRatio || 1, f = 100 / a.zoom;
  ctx.setTransform(v, 0, 0, v, 0, 0);
  ctx.fillStyle = getComputedStyle(document.body).backgroundColor;
  ctx.fillRect(0, 0, anzeige.width, anzeige.height);
  ctx.setTransform(v * f, 0, 0, v * f, -a.sx * v * f, -a.sy * v * f);
  ctx.imageSmoothingEnabled = a.zoom !== 100 || v !== 1;
  spiele(befehle, texte, new LeinwandZiel(ctx, bilder));
}

// The view's size and the scroll bars' range follow the core's view.
function passeAnsichtAn() {
  const b = ansicht.clientWidth, h = ansicht.clientHeight, v = devicePixelRatio || 1;
  const a = ed.ansicht();
  ed.setzeAnsicht(a.zoom, a.sx, a.sy, b, h);
  const n = ed.ansicht();
  anzeige.style.width = `${b}px`; anzeige.style.height = `${h}px`;
  if (anzeige.width !== Math.round(b * v) || anzeige.height !== Math.round(h * v)) {
    anzeige.width = Math.round(b * v); anzeige.height = Math.round(h * v);
  }
  weite.style.width = `${b + n.maxX}px`; weite.style.height = `${n.maxY}px`;
  if (ansicht.scrollLeft !== n.sx) ansicht.scrollLeft = n.sx;
  if (ansicht.scrollTop !== n.sy) ansicht.scrollTop = n.sy;
  $('lzoom').textContent = m.zoomText(n.zoom, dezimal);
  $<HTMLInputElement>('zoom').value = String(n.zoom);
  male();
}

function setzeAnsicht(zoom: number, sx: number, sy: number) {
  ed.setzeAnsicht(zoom, sx, sy, ansicht.clientWidth, ansicht.clientHeight);
  passeAnsichtAn();
}

// --- the tick ----------------------------------------------------------------------------------
let intervall = 500, uhr = 0;
function takt() {
  if (taktHinweise === 0) { imTakt = true; try { ed.takt(); } finally { imTakt = false; } }
  zeichneNetz();
  holeProtokoll();
}
function starteUhr() { clearInterval(uhr); uhr = setInterval(takt, intervall); }

// --- the caption, undo and redo, the recovery copy ---------------------------------------------
const SICHERUNG = 'verbundo-sicherung:';
const eigeneSicherung = SICHERUNG + Date.now().toString(36) + Math.random().toString(36).slice(2);
let sicherungsuhr = 0;

function zeigeVerlauf() {
  document.title = ed.titel();
  $('titel').textContent = ed.titel();
  $<HTMLButtonElement>('rueckgaengig').disabled = !ed.kannRueckgaengig();
  $<HTMLButtonElement>('wiederholen').disabled = !ed.kannWiederholen();
  const [tun, ms] = ed.sicherungGeaendert(performance.now());
  if (tun === 2) { clearTimeout(sicherungsuhr); localStorage.removeItem(eigeneSicherung); }
  if (tun === 1) sicherungsuhr = setTimeout(sichere, ms);
}
function sichere() {
  const text = ed.sicherungFaellig(performance.now());
  // Storage that is full or switched off is not the learner's concern now.
  try { if (text) localStorage.setItem(eigeneSicherung, text); } catch { /* next change tries again */ }
}

// Copies whose tab no longer runs (each open tab holds a lock named by its copy).
async function verwaisteSicherungen(): Promise<string[]> {
  const held = new Set((await navigator.locks?.query())?.held?.map(l => l.name) ?? []);
  return Object.keys(localStorage).filter(k => k.startsWith(SICHERUNG) && k !== eigeneSicherung && !held.has(k));
}
async function bieteWiederherstellungAn() {
  void navigator.locks?.request(eigeneSicherung, () => new Promise(() => {}));
  for (const schluessel of await verwaisteSicherungen()) {
    const a = await frage(m.wiederherstellungsfrage(), ['Wiederherstellen', 'Verwerfen', 'Später']);
    if (a === 0 && ed.wiederherstellen(localStorage.getItem(schluessel) ?? '')) {
      sichere();
      localStorage.removeItem(schluessel);
      zeichneNetz(true);
      break;
    }
    if (a !== 1) break;
    localStorage.removeItem(schluessel);
  }
}

// --- files -------------------------------------------------------------------------------------
async function darfVerwerfen(): Promise<boolean> {
  return ed.darfVerwerfen(ed.ungespeichert()
    ? await frage(ed.speicherfragetext(), ['Speichern', 'Verwerfen', 'Abbrechen']) : 1);
}
function waehleDatei(): Promise<File | undefined> {
  const feld = $<HTMLInputElement>('datei');
  return new Promise(fertig => {
    feld.value = '';
    feld.onchange = () => fertig(feld.files?.[0]);
    feld.oncancel = () => fertig(undefined);
    feld.click();
  });
}
async function oeffne(hinzufuegen: boolean, datei?: File) {
  if (!hinzufuegen && !await darfVerwerfen()) return;
  datei ??= await waehleDatei();
  if (!datei) return;
  const zuGross = ed.groessenfehler(datei.size);
  if (zuGross) { void fehler(zuGross); return; }
  if (ed.lade(datei.name, new Uint8Array(await datei.arrayBuffer()), hinzufuegen)) aufgabe?.(!hinzufuegen);
  zeigeWerkzeug();
  zeichneNetz();
}

// The network as a picture: what is drawn with its margin, without the selection.
function bildSvg(): [string, number, number] {
  const [l, o, r, u] = ed.bild();
  holeBild();
  const svg = new SvgZiel(bilder.map(b => { const c = document.createElement('canvas');
    c.width = b.naturalWidth; c.height = b.naturalHeight; c.getContext('2d')!.drawImage(b, 0, 0);
    return c.toDataURL('image/png'); }), mass);
  spiele(befehle, texte, svg);
  zeichneNetz(true);
  return [svg.dokument(l, o, r, u), r - l, u - o];
}
async function bildExportieren() {
  const name = ed.dateiname().replace(/\.[^.]*$/, '');
  const a = await frage(`„${name}“ als Bild speichern: PNG mit doppelter Auflösung oder SVG als Vektorgrafik.`,
    ['PNG-Bild', 'SVG-Grafik', 'Abbrechen']);
  if (a === 1) herunterladen(`${name}.svg`, new Blob([bildSvg()[0]], { type: 'image/svg+xml' }));
  if (a !== 0) return;
  const [l, o, r, u] = ed.bild();
  holeBild();
  const c = document.createElement('canvas');
  c.width = (r - l) * 2; c.height = (u - o) * 2;
  const k = c.getContext('2d')!;
  k.setTransform(2, 0, 0, 2, -2 * l, -2 * o);
  spiele(befehle, texte, new LeinwandZiel(k, bilder));
  zeichneNetz(true);
  c.toBlob(b => b && herunterladen(`${name}.png`, b), 'image/png');
}
async function drucken() {
  const [svg, b, h] = bildSvg();
  const bild = new Image();
  bild.src = URL.createObjectURL(new Blob([svg], { type: 'image/svg+xml' }));
  await bild.decode();
  const heute = new Date().toLocaleDateString('de-DE', { day: '2-digit', month: '2-digit', year: 'numeric' });
  const kopf = document.createElement('p');
  kopf.textContent = `${ed.dateiname()}  –  ${heute}`;
  const seite = document.createElement('style');
  seite.textContent = `@page { size: ${b > h ? 'landscape' : 'portrait'}; }`;
  $('druck').replaceChildren(seite, kopf, bild);
  window.print();
}

// --- the tool bar and the panels ---------------------------------------------------------------
const werkzeuge = [...document.querySelectorAll<HTMLButtonElement>('[data-werkzeug]')];
function zeigeWerkzeug() {
  for (const b of werkzeuge) b.setAttribute('aria-pressed', String(Number(b.dataset.werkzeug) === ed.werkzeug()));
}
function reagiere(r: number) { if (r & 1) zeichneNetz(); zeigeWerkzeug(); }

async function pruefen() {
  const e = ed.pruefe();
  zeichneNetz();
  await box({ titel: 'Information', text: e.bericht, knoepfe: ['OK'], art: 'information', liste: e.zeilen,
    gewaehlt: nr => { if (ed.zeigeBefund(nr)) { zeichneNetz(); passeAnsichtAn(); } } });
}

function zeigeRouting(an: boolean) {
  $('routing').hidden = !an;
  $('listbox1').replaceChildren(...(an ? ed.routing() : []).map(z => {
    const d = document.createElement('div'); d.textContent = z; d.setAttribute('role', 'option'); return d;
  }));
}
// The log's lines in blocks as they came; the newest 10 000 lines stay, as in the core.
const bloecke: [Text, number][] = [];
let protokollzeilen = 0;
function holeProtokoll() {
  if ($('protokollfenster').hidden) return;
  const neu = ed.protokoll();
  if (!neu.length) return;
  const p = $('protokoll'), block = document.createTextNode(neu.join('\n') + '\n');
  p.append(block);
  bloecke.push([block, neu.length]);
  protokollzeilen += neu.length;
  while (protokollzeilen - bloecke[0][1] >= 10000) {
    const [alt, n] = bloecke.shift()!;
    alt.remove();
    protokollzeilen -= n;
  }
  p.scrollTop = p.scrollHeight;
}

// --- the context menu --------------------------------------------------------------------------
const menue = $('menue'), decke = $('decke');
function oeffneMenue(x: number, y: number) {
  const punkte = MENUE.map((_, p) => ed.sichtbar(p));
  punkte.push(true, !$('routing').hidden);
  for (const [i, knopf] of [...menue.children].entries()) (knopf as HTMLElement).hidden = !punkte[i];
  decke.hidden = false; menue.hidden = false;
  const r = menue.getBoundingClientRect();
  menue.style.left = `${Math.min(x, innerWidth - r.width)}px`;
  menue.style.top = `${Math.min(y, innerHeight - r.height)}px`;
  (menue.querySelector('button:not([hidden])') as HTMLElement | null)?.focus();
}
function schliesseMenue() { menue.hidden = true; decke.hidden = true; anzeige.focus(); }
async function menuepunkt(p: number) {
  schliesseMenue();
  if (p === ROUTING_AN || p === ROUTING_AUS) { zeigeRouting(p === ROUTING_AN); return; }
  const f = ed.eingabefrage(p);
  const antwort = f ? await eingabe(f.titel, f.frage, f.vorgabe) : null;
  reagiere(ed.fuehre(p, antwort));
}
MENUE.concat('Routingtabelle anzeigen', 'Routingtabelle ausblenden').forEach((text, p) => {
  const b = document.createElement('button');
  b.textContent = text; b.setAttribute('role', 'menuitem');
  b.addEventListener('click', () => void menuepunkt(p));
  menue.append(b);
});
menue.addEventListener('keydown', e => {
  const sichtbar = [...menue.querySelectorAll<HTMLElement>('button:not([hidden])')];
  const i = sichtbar.indexOf(document.activeElement as HTMLElement);
  if (e.key === 'ArrowDown' || e.key === 'ArrowUp')
    sichtbar[(i + (e.key === 'ArrowDown' ? 1 : sichtbar.length - 1)) % sichtbar.length]?.focus();
  else return;
  e.preventDefault();
});
decke.addEventListener('pointerdown', e => { e.preventDefault(); schliesseMenue(); });

// --- keys --------------------------------------------------------------------------------------
document.addEventListener('keydown', e => {
  if (!menue.hidden && e.key === 'Escape') schliesseMenue();
  if (beschaeftigt() || !menue.hidden) return;
  const strg = e.ctrlKey || e.metaKey, k = e.key.toLowerCase();
  const tun: Record<string, () => unknown> = strg ? {
    z: () => e.shiftKey ? wiederholen() : rueckgaengig(), y: wiederholen,
    o: () => oeffne(false), s: () => ed.speichern(), e: bildExportieren, p: drucken,
  } : document.activeElement === anzeige ? {
    escape: () => reagiere(ed.abbrechen()),
    delete: () => ed.modus() === 0 && ed.sichtbar(LOESCHEN) && void menuepunkt(LOESCHEN),
  } : {};
  if (!tun[k]) return;
  e.preventDefault();
  // Not in the middle of a gesture.
  if (!strg || ed.modus() === 0 || k === 'z' || k === 'y') void tun[k]();
});
function rueckgaengig() { if (ed.rueckgaengig()) zeichneNetz(); }
function wiederholen() { if (ed.wiederholen()) zeichneNetz(); }

// --- start -------------------------------------------------------------------------------------
async function ladeBild(pfad: string) {
  const b = new Image();
  b.src = pfad;
  await b.decode();
  return b;
}

async function start() {
  m = await Verbundo({ locateFile: (f: string) => f });
  ed = new m.Seite(seitenteil);
  bilder = await Promise.all(['computer', 'mailserver', 'switch', 'drucker', 'router', 'dokument']
    .map(n => ladeBild(`bilder/${n}.bmp`)));
  // Widths are measured once and kept: the faces must be there first.
  await Promise.all(['"Verbundo Schmal"', '"Verbundo Sans"'].map(f => document.fonts.load(`11px ${f}`)));

  const klick = (id: string, tun: () => unknown) => $(id).addEventListener('click', () => { if (!beschaeftigt()) void tun(); });
  klick('oeffnen', () => oeffne(false));
  klick('hinzufuegen', () => oeffne(true));
  klick('speichern', () => ed.speichern());
  klick('pruefen', pruefen);
  klick('rueckgaengig', rueckgaengig);
  klick('wiederholen', wiederholen);
  klick('exportieren', bildExportieren);
  klick('drucken', drucken);
  const protokoll = (an: boolean) => {
    $('protokollfenster').hidden = !an;
    $('protokollknopf').setAttribute('aria-pressed', String(an));
    holeProtokoll();
  };
  klick('protokollknopf', () => protokoll($('protokollfenster').hidden));
  klick('protokollzu', () => protokoll(false));
  for (const b of werkzeuge) b.addEventListener('click', () => { ed.setWerkzeug(Number(b.dataset.werkzeug)); zeigeWerkzeug(); });
  $<HTMLInputElement>('zoom').addEventListener('input', e => {
    const a = ed.ansicht();
    setzeAnsicht(Number((e.target as HTMLInputElement).value), a.sx, a.sy);
  });
  $<HTMLInputElement>('tempo').addEventListener('input', e => {
    intervall = Number((e.target as HTMLInputElement).value);
    $('lgeschw').textContent = m.geschwindigkeitText(intervall, dezimal);
    starteUhr();
  });
  addEventListener('beforeunload', e => { if (ed.ungespeichert()) { e.preventDefault(); e.returnValue = ''; } });
  // A tab that goes keeps its newest work, not the copy of up to half a minute ago.
  addEventListener('pagehide', () => { clearTimeout(sicherungsuhr); sichere(); });
  new ResizeObserver(passeAnsichtAn).observe(ansicht);
  aufgabe = bindeAufgabe(ed, () => { zeichneNetz(); passeAnsichtAn(); });
  bindeZeiger(anzeige, ansicht, { ed, reagiere, passeAnsichtAn, setzeAnsicht, oeffneMenue, oeffne });

  zeigeWerkzeug();
  zeigeVerlauf();
  passeAnsichtAn();
  // A network named in the address (?datei=beispiele/2-zwei-netze.nz) opens, from this site only.
  const datei = new URLSearchParams(location.search).get('datei');
  if (datei) {
    const url = new URL(datei, location.href);
    const antwort = url.origin === location.origin ? await fetch(url) : undefined;
    if (antwort?.ok) await oeffne(false, new File([await antwort.blob()], url.pathname.split('/').pop()!));
  }
  zeichneNetz(true);
  performance.mark('erstes-bild');
  document.body.dataset.bereit = '1';
  starteUhr();
  await bieteWiederherstellungAn();
  if ('serviceWorker' in navigator && location.protocol !== 'file:') void navigator.serviceWorker.register('sw.js');
}

start().catch(e => { document.body.textContent = `Verbundo konnte nicht starten: ${e}`; });
