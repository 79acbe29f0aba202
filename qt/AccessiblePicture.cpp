#include "qt/AccessiblePicture.h"

#include <algorithm>

#include <QWindow>

#include "qt/ViewWidget.h"

namespace dulm {

namespace {

// One text on a picture: a label with the text as its name, placed where the picture shows it.
// It belongs to its picture's interface, which deletes it when the text leaves the picture or
// the picture goes.
class AccessiblePictureText final : public QAccessibleInterface {
public:
    AccessiblePictureText(QWidget* view, PictureText text, Size canvas)
        : m_view(view), m_text(std::move(text)), m_canvas(canvas) {}

    bool isValid() const override { return View() != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        const QWidget* view = View();
        return view ? view->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        QWidget* view = View();
        return view ? QAccessible::queryAccessibleInterface(view) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QString::fromStdString(m_text.text) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        if (!View() || !View()->isVisible()) state.invisible = true;
        return state;
    }
    // The text's box on the screen: the canvas fills the view, whatever its zoom and pixels.
    QRect rect() const override {
        const QWidget* view = View();
        if (!view || m_canvas.cx <= 0 || m_canvas.cy <= 0) return {};
        const double sx = double(view->width()) / m_canvas.cx;
        const double sy = double(view->height()) / m_canvas.cy;
        const QPoint topLeft(int(m_text.position.x * sx), int(m_text.position.y * sy));
        const QPoint bottomRight(int((m_text.position.x + m_text.size.cx) * sx),
                                 int((m_text.position.y + m_text.size.cy) * sy));
        return {view->mapToGlobal(topLeft), view->mapToGlobal(bottomRight - QPoint(1, 1))};
    }

private:
    // The widget while it is still a view: a widget being destroyed is one no more.
    QWidget* View() const { return m_view && qobject_cast<ViewWidget*>(m_view.data()) ? m_view.data() : nullptr; }

    QPointer<QWidget> m_view;
    PictureText m_text;
    Size m_canvas;
};

// The interfaces of our own widgets: a demonstration's picture, and the help, which is a window.
QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className == QLatin1String("dulm::ViewWidget")) return new AccessiblePicture(static_cast<ViewWidget*>(object));
    if (className == QLatin1String("dulm::HelpWindow"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() {
    static const bool installed = (QAccessible::installFactory(&Factory), true);
    (void)installed;
}

AccessiblePicture::AccessiblePicture(ViewWidget* view) : QAccessibleWidget(view, QAccessible::Chart) {}

AccessiblePicture::~AccessiblePicture() { Clear(); }

ViewWidget* AccessiblePicture::View() const { return qobject_cast<ViewWidget*>(object()); }

QString AccessiblePicture::text(QAccessible::Text t) const {
    ViewWidget* view = View();
    if (!view) return {};
    switch (t) {
    case QAccessible::Name:
        return view->DemonstrationName();
    case QAccessible::Description:
        return QString::fromStdString(view->Reading().description);
    default:
        return QAccessibleWidget::text(t);
    }
}

int AccessiblePicture::childCount() const {
    Sync(false);
    return int(m_children.size());
}

QAccessibleInterface* AccessiblePicture::child(int index) const {
    Sync(false);
    if (index < 0 || index >= int(m_children.size())) return nullptr;
    return QAccessible::accessibleInterface(m_children[size_t(index)].id);
}

int AccessiblePicture::indexOfChild(const QAccessibleInterface* child) const {
    if (!child) return -1;
    const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child));
    const auto it = std::find_if(m_children.begin(), m_children.end(), [id](const Child& c) { return c.id == id; });
    return it == m_children.end() ? -1 : int(it - m_children.begin());
}

QAccessibleInterface* AccessiblePicture::childAt(int x, int y) const {
    Sync(false);
    for (const Child& c : m_children)
        if (QAccessibleInterface* iface = QAccessible::accessibleInterface(c.id); iface && iface->rect().contains(x, y))
            return iface;
    return nullptr;
}

void AccessiblePicture::Sync(bool announce) const {
    ViewWidget* view = View();
    if (!view) return;
    const ViewWidget::PictureReading& reading = view->Reading();
    if (reading.generation == m_readingSeen) return;
    m_readingSeen = reading.generation;
    // Texts placed on a canvas of another size are in other places: all are new.
    const bool moved = reading.canvas != m_canvas;
    m_canvas = reading.canvas;

    // A text still on the picture keeps its label, so that the reader sees only what changed.
    std::vector<Child> kept(reading.texts.size(), Child{{}, 0});
    std::vector<Child> gone;
    for (Child& old : m_children) {
        auto same = reading.texts.end();
        for (auto it = reading.texts.begin(); it != reading.texts.end(); ++it)
            if (!moved && *it == old.text && kept[size_t(it - reading.texts.begin())].id == 0) {
                same = it;
                break;
            }
        if (same != reading.texts.end())
            kept[size_t(same - reading.texts.begin())] = old;
        else
            gone.push_back(old);
    }
    if (announce)
        for (const Child& c : gone)
            if (QAccessibleInterface* iface = QAccessible::accessibleInterface(c.id)) {
                QAccessibleEvent event(iface, QAccessible::ObjectDestroyed);
                QAccessible::updateAccessibility(&event);
            }
    std::vector<QAccessible::Id> added;
    for (size_t i = 0; i < kept.size(); ++i)
        if (kept[i].id == 0) {
            kept[i].text = reading.texts[i];
            kept[i].id = QAccessible::registerAccessibleInterface(
                new AccessiblePictureText(view, reading.texts[i], reading.canvas));
            added.push_back(kept[i].id);
        }
    m_children = std::move(kept);
    if (announce)
        for (QAccessible::Id id : added)
            if (QAccessibleInterface* iface = QAccessible::accessibleInterface(id)) {
                QAccessibleEvent event(iface, QAccessible::ObjectCreated);
                QAccessible::updateAccessibility(&event);
            }
    for (const Child& c : gone) QAccessible::deleteAccessibleInterface(c.id);
}

void AccessiblePicture::Clear() {
    for (const Child& c : m_children) QAccessible::deleteAccessibleInterface(c.id);
    m_children.clear();
}

void AccessiblePicture::PictureRead(ViewWidget& view, bool descriptionChanged) {
    if (!QAccessible::isActive()) return;
    auto* picture = dynamic_cast<AccessiblePicture*>(QAccessible::queryAccessibleInterface(&view));
    if (!picture) return;
    picture->Sync(true);
    if (descriptionChanged) {
        QAccessibleEvent event(&view, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace dulm
