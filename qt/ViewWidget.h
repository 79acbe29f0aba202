// The client area of a demonstration window: runs the view on its own thread (through a ViewHost),
// shows the view's canvas, drawn at the area's size in device pixels (a larger window, a zoom, a
// screen of more pixels per unit), pixel for pixel, and passes keys and clicks on to the view.
// The view's thread announces every change of its canvas; the widget shows it at most once per
// display frame and does nothing while the view draws nothing.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include "platform/Bitmap.h"
#include "platform/PictureTexts.h"
#include "platform/ViewHost.h"
#include "qt/HelpWindow.h"
#include "qt/QtUi.h"

namespace dulm {

class ViewWidget final : public QWidget {
    Q_OBJECT
public:
    ViewWidget(const CMultiDocTemplate& tmpl, std::string title, QWidget* dialogParent, HelpRequest help,
               QWidget* parent = nullptr);
    ~ViewWidget() override;

    // Opens the document and starts the view at the widget's present size, in the given palette,
    // repeating a saved run when one is given (see ViewOptions::prepared).
    void Start(const Palette& palette = Palette::Classic(), RunRecord prepared = {}, bool answerPrepared = false);
    // Tells the view it is closing, cancels its dialogs and message boxes, then ends its thread.
    // Returns once the view and its document are destroyed.
    void Shutdown();

    ViewHost* Host() const { return m_host.get(); }
    QtUi& Ui() const { return *m_ui; }
    // The canvas as last shown, scaled to the widget.
    const QImage& Shown() const { return m_scaled.isNull() ? m_snapshot : m_scaled; }
    // How many times the widget took a new picture of the canvas.
    int Presentations() const { return m_presentations; }

    // What a screen reader is told the picture shows (qt/AccessiblePicture.h): its texts in
    // reading order, the line the view keeps for the rest, and the canvas's size in its units.
    // While a screen reader listens, the picture is read again a second after a change at most,
    // and always after the last; the generation counts the readings that found a change.
    struct PictureReading {
        std::vector<PictureText> texts;
        std::string description;
        Size canvas;
        unsigned generation = 0;
    };
    // The last reading; the picture is read now when it changed while no reader listened.
    const PictureReading& Reading();
    // The demonstration's name in the "New" list: the picture's name for a screen reader.
    QString DemonstrationName() const;

signals:
    // The document refused to open (its OnNewDocument failed): the window has no view to show.
    void documentRefused();
    // A tracked command's state or the view's status text changed.
    void stateChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool focusNextPrevChild(bool) override { return false; }  // Tab belongs to the view

private:
    void AnnounceCanvasChange();
    void AnnounceStateChange();
    Q_INVOKABLE void OnCanvasChanged();
    Q_INVOKABLE void OnStateChanged();
    Q_INVOKABLE void OnDocumentRefused();
    void Present();
    void ScheduleReading();
    void ReadPicture();
    void Rescale();
    // The widget's size in the screen's pixels: the size of the canvas's pixels.
    Size DeviceSize() const;
    void PostKey(unsigned message, const QKeyEvent& event);

    const CMultiDocTemplate& m_template;
    std::string m_title;
    std::unique_ptr<QtUi> m_ui;          // outlives the host, which calls it
    std::unique_ptr<ViewHost> m_host;
    std::atomic<bool> m_shutDown{false};
    QTimer m_nextFrame;             // a change announced within a frame of the last picture
    QElapsedTimer m_sincePresent;
    int m_presentations = 0;
    Bitmap m_picture;   // the canvas as last copied
    QImage m_snapshot;  // the same pixels, as Qt sees them
    QImage m_scaled;    // resampled to the widget when its size is not the canvas's
    std::string m_failure;  // what the view's thread said when it failed
    QTimer m_nextReading;   // a change read a second after the last reading at most
    QElapsedTimer m_sinceReading;
    PictureReading m_reading;
    bool m_readingStale = true;  // changed since the last reading
};

}  // namespace dulm
