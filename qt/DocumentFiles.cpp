#include "qt/DocumentFiles.h"

#include <string_view>

#include <QFile>
#include <QSaveFile>
#include <QFileInfo>
#include <QStringList>

#include "app/DemoFile.h"

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

std::optional<QString> DocumentFiles::WriteBytes(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return std::nullopt;
}

std::optional<QString> DocumentFiles::Write(const QString& path, const std::string& demo, const RunRecord& run) {
    return WriteBytes(path, QByteArray::fromStdString(WriteDemoFile(demo, run)));
}

std::optional<RunRecord> DocumentFiles::Read(const QString& path, const std::string& demo, QString& error) {
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        error = QFileInfo(path).isDir() ? QString("It is a folder.") : file.errorString();
        return std::nullopt;
    }
    const QByteArray bytes = file.read(qint64(kDemoFileLimit) + 1);  // a huge file is never read whole
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return std::nullopt;
    }
    std::string why;
    std::optional<RunRecord> run = ReadDemoFile(std::string_view(bytes.constData(), size_t(bytes.size())), demo, why);
    if (!run) error = QString::fromStdString(why);
    return run;
}

}  // namespace dulm
