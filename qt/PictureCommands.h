// What a teacher takes out of a demonstration window: its picture with its texts (Copy Picture,
// Save Picture As...) and its data (Export Data...). The picture is the canvas at the view's own
// resolution, as the render tool writes it, not the window's stretched copy.
#pragma once

#include <memory>
#include <optional>

#include <QImage>
#include <QString>

class QMimeData;

namespace dulm {

class ViewHost;

class PictureCommands {
public:
    // A copy of the canvas; a null image before the view has one.
    static QImage Picture(const ViewHost& host);
    // The picture as an image and its texts, line by line, as plain text.
    static std::unique_ptr<QMimeData> ClipboardData(const ViewHost& host);
    // Writes the picture as PNG; the reason when that fails.
    static std::optional<QString> SavePicture(const ViewHost& host, const QString& path);
    // The window's CSV, read while its view rests in a wait (at most a few seconds' patience); the
    // reason when there is none (a run that never pauses, an ended view) or it cannot be written.
    static std::optional<QString> ExportData(ViewHost& host, const QString& path);
};

}  // namespace dulm
