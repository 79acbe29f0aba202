#include "qt/PictureCommands.h"

#include <QBuffer>
#include <QImageWriter>
#include <QMimeData>

#include "app/DataExport.h"
#include "platform/ViewHost.h"
#include "qt/BitmapImage.h"
#include "qt/DocumentFiles.h"

namespace dulm {

namespace {

constexpr std::chrono::milliseconds kExportPatience{3000};

}  // namespace

QImage PictureCommands::Picture(const ViewHost& host) {
    const std::shared_ptr<Canvas> canvas = host.GetCanvas();
    if (!canvas) return {};
    const Bitmap pixels = canvas->Snapshot();
    return ImageOf(pixels).copy();
}

std::unique_ptr<QMimeData> PictureCommands::ClipboardData(const ViewHost& host) {
    auto data = std::make_unique<QMimeData>();
    const std::shared_ptr<Canvas> canvas = host.GetCanvas();
    if (!canvas) return data;
    data->setImageData(Picture(host));
    data->setText(QString::fromStdString(PlainText(canvas->Texts())));
    return data;
}

std::optional<QString> PictureCommands::SavePicture(const ViewHost& host, const QString& path) {
    const QImage picture = Picture(host);
    if (picture.isNull()) return QString("The window has no picture yet.");
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!QImageWriter(&buffer, "png").write(picture)) return QString("The picture could not be encoded.");
    return DocumentFiles::WriteBytes(path, png);
}

std::optional<QString> PictureCommands::ExportData(ViewHost& host, const QString& path) {
    const std::optional<std::string> csv = ExportCsv(host, kExportPatience);
    if (!csv)
        return QString("The demonstration did not pause to give its data. Export again when its run pauses or ends.");
    return DocumentFiles::WriteBytes(path, QByteArray::fromStdString(*csv));
}

}  // namespace dulm
