#include "qt/ChildWindow.h"

#include <QCloseEvent>
#include <QIcon>

#include "app/ChildPlacement.h"
#include "demos/Registry.h"
#include "qt/ViewWidget.h"
#include "qt/ZoomArea.h"

namespace dulm {

ChildWindow::ChildWindow(const CMultiDocTemplate& tmpl, const QString& title, QWidget* dialogParent, HelpRequest help)
    : m_template(tmpl), m_view(new ViewWidget(tmpl, title.toStdString(), dialogParent, std::move(help))),
      m_zoom(new ZoomArea(m_view)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    setWindowIcon(IconOf(tmpl.ResourceId()));
    setWidget(m_zoom);
    setFocusProxy(m_view);
    connect(m_view, &ViewWidget::documentRefused, this, &QWidget::close);
}

QIcon ChildWindow::IconOf(unsigned templateId) {
    const DemoDescriptor* demo = FindDemo(templateId);
    return QIcon(QString::fromStdString(":/icons/" + (demo ? demo->icon : std::string("dulm")) + ".xpm"));
}

ViewHost& ChildWindow::Host() const { return *m_view->Host(); }

void ChildWindow::Place(const QRect& mdiViewport) {
    const Rect normal = ChildPlacement::OnChildCreate(
        {mdiViewport.left(), mdiViewport.top(), mdiViewport.left() + mdiViewport.width(),
         mdiViewport.top() + mdiViewport.height()});
    showNormal();
    setGeometry(normal.left, normal.top, normal.Width(), normal.Height());
}

QSize ChildWindow::MinimumSize() {
    const Size min = ChildPlacement::MinTrackSize();
    return {min.cx, min.cy};
}

void ChildWindow::Start(const Palette& palette, RunRecord prepared, bool answerPrepared) {
    m_view->Start(palette, std::move(prepared), answerPrepared);
}

int ChildWindow::Zoom() const { return m_zoom->Zoom(); }
void ChildWindow::SetZoom(int percent) { m_zoom->SetZoom(percent); }

void ChildWindow::closeEvent(QCloseEvent* event) {
    m_view->Shutdown();
    QMdiSubWindow::closeEvent(event);
}

}  // namespace dulm
