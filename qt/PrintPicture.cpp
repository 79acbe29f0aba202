#include "qt/PrintPicture.h"

#include <algorithm>
#include <chrono>

#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "platform/ViewHost.h"
#include "qt/BitmapImage.h"

namespace dulm {

namespace {

// A view that does not answer within this time (a dialog of its own is open, it is closing) gets
// its screen picture printed.
constexpr std::chrono::milliseconds kRedrawWait{3000};
// A printed picture has at most this many pixels a side: 300 dots an inch across a large page.
constexpr int kLargestSide = 6000;

}  // namespace

QImage PictureForPage(ViewHost& host, QSize page, const Palette& palette, bool* redrawn) {
    if (redrawn) *redrawn = false;
    const std::shared_ptr<Canvas> canvas = host.GetCanvas();
    if (!canvas || page.isEmpty()) return {};
    const Size logical = [&] {
        const auto lock = canvas->Lock();  // the view's thread may resize it meanwhile
        return canvas->GetSize();
    }();
    const double scale = std::min({double(page.width()) / logical.cx, double(page.height()) / logical.cy,
                                   double(kLargestSide) / std::max(logical.cx, logical.cy)});
    const Size device{std::max(1, int(logical.cx * scale)), std::max(1, int(logical.cy * scale))};
    Bitmap picture = host.RequestPicture(device, palette)->Wait(kRedrawWait);
    if (!picture.IsNull()) {
        if (redrawn) *redrawn = true;
        return ImageOf(picture).copy();
    }
    return ImageOf(canvas->Snapshot()).copy();
}

void PaintOnPage(QPrinter& printer, ViewHost& host, const Palette& palette, bool* redrawn) {
    QPainter painter(&printer);
    const QRect page = painter.viewport();
    const QImage picture = PictureForPage(host, page.size(), palette, redrawn);
    if (picture.isNull()) return;
    const QSize fitted = picture.size().scaled(page.size(), Qt::KeepAspectRatio);
    const QRect target(page.left() + (page.width() - fitted.width()) / 2, page.top(), fitted.width(), fitted.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);  // the screen's picture, enlarged
    painter.drawImage(target, picture);
}

void PrintWithPreview(ViewHost& host, const Palette& palette, const QString& title, QWidget* parent,
                      const std::function<void(const QString&)>& say) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(300);
    printer.setDocName(title);
    if (const std::shared_ptr<Canvas> canvas = host.GetCanvas()) {
        const auto lock = canvas->Lock();
        if (canvas->GetSize().cx > canvas->GetSize().cy) printer.setPageOrientation(QPageLayout::Landscape);
    }
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle("Print Preview - " + title);
    bool redrawn = true;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* p) { PaintOnPage(*p, host, palette, &redrawn); });
    preview.exec();
    if (!redrawn && say) say("The picture is in the middle of a run: it is printed as the screen shows it.");
}

}  // namespace dulm
