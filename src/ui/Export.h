#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include <optional>

class QPrinter;

namespace verbundo {

class TBilder;
class TNetz;

// Pictures of the network for worksheets and slides: what is drawn plus a margin, without the
// selection or a gesture, drawn by the same function as the view.
enum class TBildformat { Png, Svg, Pdf };

// By the file's ending, upper or lower case; none for any other.
std::optional<TBildformat> BildformatVon(const QString& pfad);

// The size of the picture in surface pixels.
QSize Bildgroesse(const TNetz& netz, const TBilder& bilder);

// The file's contents: PNG at twice the surface's resolution, SVG and PDF as vector drawings
// with the icons embedded. The PDF has one page of the picture's size. Empty when the picture
// could not be made (no memory for its pixels, a painter that would not start).
QByteArray BildDaten(const TNetz& netz, const TBilder& bilder, TBildformat format);

// The picture fitted into the printer's page below a small header line kopf. Raises EFehler
// when the printer cannot be opened.
void DruckeBild(const TNetz& netz, const TBilder& bilder, QPrinter& drucker, const QString& kopf);

} // namespace verbundo
