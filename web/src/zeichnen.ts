// Replays the core's collected picture (one array of numbers, texts by number) onto a canvas
// or into an SVG document. The codes and the starting settings are the core's
// (src/edit/Sammelleinwand.h).

export interface Stand {
  stift: string; breite: number; punkte: boolean; pinsel: string; leer: boolean;
  name: string; familie: string; px: number;
}

export interface Ziel {
  linie(x1: number, y1: number, x2: number, y2: number, s: Stand): void;
  rechteck(l: number, o: number, r: number, u: number, s: Stand): void;
  fuelle(l: number, o: number, r: number, u: number, s: Stand): void;
  text(x: number, y: number, t: string, s: Stand): void;
  bild(art: number, x: number, y: number, b: number, h: number): void;
  fertig(): void;
}

const farbe = (rgb: number) => '#' + rgb.toString(16).padStart(6, '0');

// The faces the layout names, as the page's font faces (index.html: local fonts first).
export const familie = (name: string) =>
  name === 'Arial Narrow' ? '"Verbundo Schmal"'
    : name === 'Arial' || name === 'MS Sans Serif' ? '"Verbundo Sans"' : `"${name}", sans-serif`;
// A picture file has no page to take faces from: the faces themselves, then their stand-ins.
const svgFamilie = (name: string) =>
  name === 'Arial Narrow' ? '"Liberation Sans Narrow", "Arial Narrow", sans-serif'
    : name === 'Arial' || name === 'MS Sans Serif' ? '"Liberation Sans", Arial, sans-serif' : `"${name}", sans-serif`;
// Points at 96 dots per inch, as the desktop: 8 -> 11 pixels.
export const pixel = (punkte: number) => Math.max(1, Math.round(punkte * 96 / 72));

export function spiele(b: Int32Array, texte: string[], z: Ziel): void {
  const s: Stand = { stift: '#000000', breite: 1, punkte: false, pinsel: '#ffffff', leer: false,
    name: 'MS Sans Serif', familie: familie('MS Sans Serif'), px: pixel(8) };
  for (let i = 0; i < b.length;) {
    const a = i + 1;
    switch (b[i]) {
      case 1: s.stift = farbe(b[a]); i += 2; break;
      case 2: s.breite = b[a]; i += 2; break;
      case 3: s.punkte = b[a] === 1; i += 2; break;
      case 4: s.pinsel = farbe(b[a]); i += 2; break;
      case 5: s.leer = b[a] === 1; i += 2; break;
      case 6: s.name = texte[b[a]]; s.familie = familie(s.name); s.px = pixel(b[a + 1]); i += 3; break;
      case 7: z.fuelle(b[a], b[a + 1], b[a + 2], b[a + 3], s); i += 5; break;
      case 8: z.rechteck(b[a], b[a + 1], b[a + 2], b[a + 3], s); i += 5; break;
      case 9: z.linie(b[a], b[a + 1], b[a + 2], b[a + 3], s); i += 5; break;
      case 10: z.text(b[a], b[a + 1], texte[b[a + 2]], s); i += 4; break;
      case 11: z.bild(b[a], b[a + 1], b[a + 2], b[a + 3], b[a + 4]); i += 6; break;
      default: throw new Error(`Unbekannter Zeichenbefehl ${b[i]}`);
    }
  }
  z.fertig();
}

// A line's pixels as on the desktop: from end to end, a wider one growing below (mostly
// horizontal) or to the right (mostly vertical); as a path through the pixels' middles.
function strecke(x1: number, y1: number, x2: number, y2: number, w: number): number[] {
  const waagerecht = Math.abs(x2 - x1) >= Math.abs(y2 - y1);
  const dx = waagerecht ? 0.5 : w / 2, dy = waagerecht ? w / 2 : 0.5;
  return [x1 + dx, y1 + dy, x2 + dx, y2 + dy];
}

// Text metrics per font: ascent and descent, measured once.
const hoehen = new Map<string, [number, number]>();
export function hoehe(ctx: CanvasRenderingContext2D, font: string): [number, number] {
  let h = hoehen.get(font);
  if (!h) {
    ctx.font = font;
    const m = ctx.measureText('Hg');
    const px = parseInt(font, 10);
    h = [Math.round(m.fontBoundingBoxAscent ?? px * 0.9), Math.round(m.fontBoundingBoxDescent ?? px * 0.22)];
    hoehen.set(font, h);
  }
  return h;
}

export class LeinwandZiel implements Ziel {
  private weg = false; // lines of the same pen are stroked together
  private stift = '';
  constructor(private ctx: CanvasRenderingContext2D, private bilder: CanvasImageSource[]) {}
  private schliesse() { if (this.weg) this.ctx.stroke(); this.weg = false; }
  private pinsel(s: Stand) {
    const c = this.ctx;
    c.strokeStyle = s.stift; c.lineWidth = s.breite; c.setLineDash(s.punkte ? [1, 2] : []);
  }
  linie(x1: number, y1: number, x2: number, y2: number, s: Stand) {
    const schluessel = `${s.stift}${s.breite}${s.punkte}`;
    if (!this.weg || schluessel !== this.stift) {
      this.schliesse(); this.pinsel(s); this.ctx.lineCap = 'square';
      this.ctx.beginPath(); this.weg = true; this.stift = schluessel;
    }
    const [a, b, c, d] = strecke(x1, y1, x2, y2, s.breite);
    this.ctx.moveTo(a, b); this.ctx.lineTo(c, d);
  }
  rechteck(l: number, o: number, r: number, u: number, s: Stand) {
    this.schliesse(); this.pinsel(s); this.ctx.lineCap = 'butt';
    this.ctx.strokeRect(Math.min(l, r) + 0.5, Math.min(o, u) + 0.5, Math.abs(r - l) - 1, Math.abs(u - o) - 1);
  }
  fuelle(l: number, o: number, r: number, u: number, s: Stand) {
    if (s.leer) return;
    this.schliesse(); this.ctx.fillStyle = s.pinsel; this.ctx.fillRect(l, o, r - l, u - o);
  }
  text(x: number, y: number, t: string, s: Stand) {
    this.schliesse();
    const c = this.ctx, font = `${s.px}px ${s.familie}`;
    const [auf, ab] = hoehe(c, font);
    c.font = font;
    if (!s.leer) { c.fillStyle = s.pinsel; c.fillRect(x, y, c.measureText(t).width, auf + ab); }
    c.fillStyle = '#000000'; c.fillText(t, x, y + auf);
  }
  bild(art: number, x: number, y: number, b: number, h: number) {
    this.schliesse(); this.ctx.drawImage(this.bilder[art], 0, 0, b, h, x, y, b, h);
  }
  fertig() { this.schliesse(); }
}

const xml = (t: string) => t.replace(/[&<>"]/g, z => `&#${z.charCodeAt(0)};`);

// An SVG document of the cut [l, o, r, u]: lines, outlines and texts stay vectors, the device
// pictures are embedded.
export class SvgZiel implements Ziel {
  teile: string[] = [];
  constructor(private bilder: string[], private mass: CanvasRenderingContext2D) {}
  private stift(s: Stand) {
    return `fill="none" stroke="${s.stift}" stroke-width="${s.breite}"${s.punkte ? ' stroke-dasharray="1 2"' : ''}`;
  }
  linie(x1: number, y1: number, x2: number, y2: number, s: Stand) {
    const [a, b, c, d] = strecke(x1, y1, x2, y2, s.breite);
    this.teile.push(`<path d="M${a} ${b}L${c} ${d}" stroke-linecap="square" ${this.stift(s)}/>`);
  }
  rechteck(l: number, o: number, r: number, u: number, s: Stand) {
    this.teile.push(`<rect x="${Math.min(l, r) + 0.5}" y="${Math.min(o, u) + 0.5}" width="${Math.abs(r - l) - 1}" height="${Math.abs(u - o) - 1}" ${this.stift(s)}/>`);
  }
  fuelle(l: number, o: number, r: number, u: number, s: Stand) {
    if (!s.leer) this.teile.push(`<rect x="${l}" y="${o}" width="${r - l}" height="${u - o}" fill="${s.pinsel}"/>`);
  }
  text(x: number, y: number, t: string, s: Stand) {
    const font = `${s.px}px ${s.familie}`;
    const [auf, ab] = hoehe(this.mass, font);
    this.mass.font = font;
    if (!s.leer) this.fuelle(x, y, x + this.mass.measureText(t).width, y + auf + ab, s);
    this.teile.push(`<text x="${x}" y="${y + auf}" font-family='${svgFamilie(s.name)}' font-size="${s.px}">${xml(t)}</text>`);
  }
  bild(art: number, x: number, y: number, b: number, h: number) {
    this.teile.push(`<image href="${this.bilder[art]}" x="${x}" y="${y}" width="${b}" height="${h}" preserveAspectRatio="none"/>`);
  }
  fertig() {}
  dokument(l: number, o: number, r: number, u: number): string {
    return `<?xml version="1.0" encoding="UTF-8"?>\n<svg xmlns="http://www.w3.org/2000/svg" width="${r - l}" height="${u - o}" viewBox="${l} ${o} ${r - l} ${u - o}"><title>Verbundo</title>\n${this.teile.join('\n')}\n</svg>\n`;
  }
}
