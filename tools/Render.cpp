#include "tools/Render.h"

#include <cstdio>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include "app/DataExport.h"
#include "harness/EventScript.h"
#include "platform/Typeface.h"

namespace dulm {

namespace {

void PrintText(int x, int y, Colour c, const std::string& text, std::ostream& out) {
    char colour[8];
    std::snprintf(colour, sizeof colour, "#%02x%02x%02x", c.r, c.g, c.b);
    out << x << ' ' << y << ' ' << colour << ' ' << text << '\n';
}

void PrintTextLog(const Scenario& scenario, std::ostream& out) {
    for (const TextRecord& r : scenario.TextLog()) PrintText(r.x, r.y, r.colour, r.text, out);
}

// The canvas and the copy its picture is written from.
bool CanAllocateCanvas(Size size) {
    try {
        const Bitmap canvas(size);
        const Bitmap copy(size);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void ReportNoMemory(Size size, std::ostream& err) {
    err << "dulm-render: not enough memory for a " << size.cx << " x " << size.cy << " canvas\n";
}

// Unbuffered, so that a failed write is seen at once and not lost in a flush; a short write is
// continued, so that the next one says why the file takes no more.
bool WriteAll(QFileDevice& file, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) return false;
        done += qsizetype(n);
    }
    return true;
}

// A picture replaces a file through a temporary file beside it, renamed over it only once every
// byte is written and the file closed: a full disk or a file-size limit leaves no truncated
// picture. What is not a plain file (a pipe, a terminal, a device) is written in place, and the
// path "-" is standard output, as for other tools.
bool WriteBytes(const QByteArray& png, const std::string& path, std::ostream& out, std::string& cause) {
    if (path == "-") {
        out.write(png.constData(), png.size());
        out.flush();
        if (out) return true;
        cause = "standard output takes no more";
        return false;
    }
    const QString name = QString::fromStdString(path);
    const QFileInfo info(name);
    if (info.exists() && !info.isFile()) {
        QFile file(name);
        if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && WriteAll(file, png)) {
            file.close();
            if (file.error() == QFileDevice::NoError) return true;
        }
        cause = file.errorString().toStdString();
        return false;
    }
    QSaveFile file(name);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && WriteAll(file, png) && file.commit()) return true;
    cause = file.errorString().toStdString();
    return false;
}

bool WritePng(const Bitmap& picture, const std::string& path, std::ostream& out, std::string& cause) {
    // The picture's own pixels, seen as an image without copying them.
    const QImage image(reinterpret_cast<const uchar*>(picture.Row(0)), picture.Width(), picture.Height(),
                       qsizetype(picture.Stride()) * qsizetype(sizeof(std::uint32_t)), QImage::Format_RGB32);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!QImageWriter(&buffer, "png").write(image)) {
        cause = "cannot encode the picture";
        return false;
    }
    return WriteBytes(png, path, out, cause);
}

}  // namespace

int Render(const RenderOptions& options, std::ostream& out, std::ostream& err) {
    if (const std::string missing = CheckFonts(); !missing.empty()) {
        err << "dulm-render: " << missing << '\n';
        return 1;
    }
    const Size size = DeviceSizeAt(options.scenario.canvas, options.scenario.scale);
    if (!CanAllocateCanvas(size)) {
        ReportNoMemory(size, err);
        return 1;
    }
    ScriptedRun run = RunScripted(options);
    if (run.status != 0) {
        err << "dulm-render: " << run.message << '\n';
        return run.status;
    }
    Scenario& scenario = *run.scenario;
    const Bitmap image = scenario.Image();
    // The view rests: its data is read at once.
    const std::optional<std::string> csv = options.csv.empty() ? std::nullopt : ExportCsv(scenario.Host(), {});
    const std::shared_ptr<Canvas> canvas = scenario.Host().GetCanvas();
    const std::vector<PictureText> shown = canvas && options.shownText ? canvas->Texts() : std::vector<PictureText>();
    const std::string description = canvas ? canvas->Description() : std::string();
    scenario.Close();
    if (image.IsNull() || image.GetSize() != size) {
        ReportNoMemory(size, err);
        return 1;
    }
    if (options.text) PrintTextLog(scenario, out);
    for (const PictureText& t : shown) PrintText(t.position.x, t.position.y, t.colour, t.text, out);
    if (options.describe && !description.empty()) out << "Description: " << description << '\n';
    int status = 0;
    if (std::string cause; !options.out.empty() && !WritePng(image, options.out, out, cause)) {
        err << "dulm-render: cannot write " << Excerpt(options.out) << ": " << cause << '\n';
        status = 1;
    }
    if (!options.csv.empty()) {
        std::string cause = "the view had ended";
        if (!csv || !WriteBytes(QByteArray::fromStdString(*csv), options.csv, out, cause)) {
            err << "dulm-render: cannot write " << Excerpt(options.csv) << ": " << cause << '\n';
            status = 1;
        }
    }
    if (run.activity == Activity::Horizon) {
        if (run.horizonMs > kVirtualHourMs)
            err << "dulm-render: the view was still busy a virtual hour after its last scripted input, at "
                << run.horizonMs << " ms\n";
        else
            err << "dulm-render: the view was still busy after a virtual hour\n";
        status = 1;
    }
    return status;
}

int RenderCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string error;
    const std::optional<RenderOptions> options = ParseRenderOptions(args, error);
    if (!options) {
        err << "dulm-render: " << error << "\n" << RenderUsage();
        return 2;
    }
    if (options->help) {
        out << RenderUsage();
        return 0;
    }
    return Render(*options, out, err);
}

}  // namespace dulm
