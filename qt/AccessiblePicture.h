// What a screen reader is told about the program's own widgets.
//
// A demonstration's picture is a chart named after its demonstration, described by the line the
// view keeps for what its texts do not say, and its children are the texts the picture shows, in
// reading order: each a label with its text and its place on the screen. The view widget reads
// the picture now and then (at most once a second while it changes, and always its final state)
// and the picture tells the reader which texts came and went and when its description changed.
// The help window is announced as a window.
#pragma once

#include <vector>

#include <QAccessibleWidget>
#include <QPointer>

#include "platform/PictureTexts.h"

namespace dulm {

class ViewWidget;

// Installs the interfaces below; every call after the first does nothing.
void InstallAccessibleInterfaces();

class AccessiblePicture final : public QAccessibleWidget {
public:
    explicit AccessiblePicture(ViewWidget* view);
    ~AccessiblePicture() override;

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    // The view widget read its picture anew: the texts that left are removed, the new ones added
    // (each announced to the reader), and a new description is announced.
    static void PictureRead(ViewWidget& view, bool descriptionChanged);

private:
    struct Child {
        PictureText text;
        QAccessible::Id id;
    };
    // The view while it is one: null once it is being destroyed.
    ViewWidget* View() const;
    // Brings the children up to the texts the view read last; announces the changes when asked.
    void Sync(bool announce) const;
    void Clear();

    mutable std::vector<Child> m_children;
    mutable unsigned m_readingSeen = 0;
    mutable Size m_canvas;
};

}  // namespace dulm
