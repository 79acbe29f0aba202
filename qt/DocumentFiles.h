// What Open and Save need to know about the demonstrations' files. Documents carry no data, so a
// saved file is empty and an opened one is never read.
#pragma once

#include <optional>
#include <vector>

#include <QString>

#include "platform/DocTemplate.h"

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
    // Writes an empty file; the reason when that fails.
    static std::optional<QString> WriteEmpty(const QString& path);
};

}  // namespace dulm
