// A demonstration window (the "dulchild" frame): opens restored over the whole MDI client area,
// can't be made smaller than a fifth of it, and holds the view of one document.
#pragma once

#include <QMdiSubWindow>

#include "platform/Palette.h"

#include "platform/DocTemplate.h"
#include "platform/RunMemory.h"
#include "qt/HelpWindow.h"

namespace dulm {

class ViewHost;
class ViewWidget;
class ZoomArea;

class ChildWindow final : public QMdiSubWindow {
    Q_OBJECT
public:
    ChildWindow(const CMultiDocTemplate& tmpl, const QString& title, QWidget* dialogParent, HelpRequest help);

    const CMultiDocTemplate& Template() const { return m_template; }
    unsigned TemplateId() const { return m_template.ResourceId(); }
    QString Title() const { return windowTitle(); }
    ViewWidget& View() const { return *m_view; }
    ViewHost& Host() const;

    // Records the MDI client area (the viewport, in its own coordinates) and covers it.
    void Place(const QRect& mdiViewport);
    // The minimum size every demonstration window follows, from the latest placement.
    static QSize MinimumSize();
    void Start(const Palette& palette = Palette::Classic(), RunRecord prepared = {}, bool answerPrepared = false);
    // The picture's zoom, in percent of the size that fits the window (100 to 300).
    int Zoom() const;
    void SetZoom(int percent);

protected:
    // Every close (the window's own, "&Close", Exit) ends the view before the widgets go.
    void closeEvent(QCloseEvent* event) override;

private:
    static QIcon IconOf(unsigned templateId);

    const CMultiDocTemplate& m_template;
    ViewWidget* m_view;
    ZoomArea* m_zoom;
};

}  // namespace dulm
