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
    // The name Save suggests: the window's title with the template's extension.
    static QString DefaultSaveName(const QString& title, const CMultiDocTemplate& tmpl);
    // Writes an empty file; the reason when that fails.
    static std::optional<QString> WriteEmpty(const QString& path);
};

}  // namespace dulm
