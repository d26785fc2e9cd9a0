// The core as the page sees it (web/Bindung.cpp).

export interface Seite {
  druecke(t: number, x: number, y: number): number; bewege(x: number, y: number): number;
  lasse(t: number, x: number, y: number): number; abbrechen(): number; modus(): number;
  werkzeug(): number; setWerkzeug(w: number): void;
  sichtbar(p: number): boolean; eingabefrage(p: number): { titel: string; frage: string; vorgabe: string } | null;
  fuehre(p: number, antwort: string | null): number;
  speicherfragetext(): string; ungespeichert(): boolean; darfVerwerfen(a: number): boolean;
  speichern(): boolean; groessenfehler(n: number): string; lade(n: string, b: Uint8Array, h: boolean): boolean;
  titel(): string; dateiname(): string; rueckgaengig(): boolean; wiederholen(): boolean;
  kannRueckgaengig(): boolean; kannWiederholen(): boolean;
  sicherungGeaendert(t: number): [number, number]; sicherungFaellig(t: number): string; wiederherstellen(t: string): boolean;
  takt(): void; zeichne(immer: boolean): boolean; bild(): number[]; befehle(): Int32Array;
  texte(ab: number): string[]; generation(): number;
  ansicht(): { zoom: number; sx: number; sy: number; maxX: number; maxY: number };
  setzeAnsicht(z: number, sx: number, sy: number, b: number, h: number): void;
  rolle(dx: number, dy: number): void; zoomeUm(z: number, x: number, y: number): void; rad(w: number, x: number, y: number): void;
  pruefe(): { bericht: string; zeilen: string[] }; zeigeBefund(nr: number): boolean;
  routing(): string[]; protokoll(): string[];
  aufgabe(): Aufgabenansicht; pruefeAufgabe(): void; zeigePruefpunkt(nr: number, frei: number): boolean;
}
// A check's line: erfuellt -1 not checked since the last change, 0 not met, 1 met.
export interface Pruefzeile { text: string; erfuellt: -1 | 0 | 1; grund: string }
export interface Aufgabenansicht { vorhanden: boolean; text: string; zeilen: Pruefzeile[]; punkte: string }
export interface Modul {
  Seite: new (js: object) => Seite;
  zoomText(z: number, d: string): string; geschwindigkeitText(i: number, d: string): string;
  wiederherstellungsfrage(): string;
}
