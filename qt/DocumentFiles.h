// What Open and Save need to know about the demonstrations' files. A document keeps the run of its
// window (its dialogs' answers and its seed, app/DemoFile.h), so that opening it runs the same
// demonstration again.
#pragma once

#include <optional>
#include <vector>

#include <QString>

#include "platform/DocTemplate.h"
#include "platform/RunMemory.h"

namespace dulm {

class DocumentFiles {
public:
    // The file dialog filters of the templates, "Cent Files (*.cnt)" and so on, in their order.
    static QString OpenFilters(const std::vector<const CMultiDocTemplate*>& templates);
    static QString Filter(const CMultiDocTemplate& tmpl);
    // The window title of an opened document: its file name, each control character (a newline,
    // a tab) and line or paragraph separator in it shown as a space, so that the title, the
    // caption and the Window menu stay one line.
    static QString TitleOf(const QString& path);
    // The name Save suggests: the window's title with the template's extension.
    static QString DefaultSaveName(const QString& title, const CMultiDocTemplate& tmpl);
    // Writes the run of a window of `demo` (its folder name); the reason when that fails.
    static std::optional<QString> Write(const QString& path, const std::string& demo, const RunRecord& run);
    // The run a document prepares for a window of `demo`; nullopt with the reason when the file
    // cannot be read or is not a document of that demonstration (never reads more than the limit).
    static std::optional<RunRecord> Read(const QString& path, const std::string& demo, QString& error);
    // Writes bytes to a file, replacing it only once all are written; the reason when that fails.
    static std::optional<QString> WriteBytes(const QString& path, const QByteArray& bytes);
};

}  // namespace dulm
