#include "qt/DocumentFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace dulm {

QString DocumentFiles::Filter(const CMultiDocTemplate& tmpl) {
    return QString::fromStdString(tmpl.GetDocString(CMultiDocTemplate::filterName));
}

QString DocumentFiles::OpenFilters(const std::vector<const CMultiDocTemplate*>& templates) {
    QStringList filters;
    for (const CMultiDocTemplate* t : templates) filters << Filter(*t);
    return filters.join(";;");
}

QString DocumentFiles::TitleOf(const QString& path) {
    QString title = QFileInfo(path).fileName();
    for (QChar& c : title)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
            c.category() == QChar::Separator_Paragraph)
            c = u' ';
    return title;
}

QString DocumentFiles::DefaultSaveName(const QString& title, const CMultiDocTemplate& tmpl) {
    return title + QString::fromStdString(tmpl.GetDocString(CMultiDocTemplate::filterExt));
}

std::optional<QString> DocumentFiles::WriteEmpty(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return file.errorString();
    file.close();
    if (file.error() != QFileDevice::NoError) return file.errorString();
    return std::nullopt;
}

}  // namespace dulm
