// Demo > Print...: the active window's picture fitted to the page, after a preview. The view draws
// its picture again at the printer's resolution (its OnDraw onto a canvas of the page's pixels);
// a view in the middle of a run cannot, and its picture is printed as the screen shows it.
#pragma once

#include <functional>

#include <QImage>
#include <QString>

class QPainter;
class QPrinter;
class QWidget;

namespace dulm {

class Palette;
class ViewHost;

// The picture for a page of this many device pixels, the canvas's shape kept; redrawn says whether
// the view drew it again (else it is the screen's picture).
QImage PictureForPage(ViewHost& host, QSize page, const Palette& palette, bool* redrawn = nullptr);
// Paints the picture fitted to the printer's page, centred.
void PaintOnPage(QPrinter& printer, ViewHost& host, const Palette& palette, bool* redrawn = nullptr);
// The preview dialog, then the printer; say tells the status bar about a picture printed as the
// screen shows it.
void PrintWithPreview(ViewHost& host, const Palette& palette, const QString& title, QWidget* parent,
                      const std::function<void(const QString&)>& say);

}  // namespace dulm
