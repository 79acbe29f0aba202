// The persistent pixel store of one view: written by the view's thread, shown by the window's thread.
// One canvas lives as long as its view's host; rescaling resizes it in place, so that a Dc taken
// before a rescale still draws on the canvas the window shows.
// The view draws in logical units, the canvas's size; its pixels may be more (the device size: a
// zoomed window, a screen of more pixels per unit, a printer), and the Dc maps every drawing onto
// them. The palette decides which pixel each colour becomes.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

#include "platform/Bitmap.h"
#include "platform/Gdi.h"
#include "platform/Palette.h"
#include "platform/PictureTexts.h"

namespace dulm {

// Told, for every line, pixel, outline and text drawn, its colour and the colour most of the pixels
// it covered had before (what it stands on), and every colour a fill or a text's cell paints;
// tests collect what the pictures draw on what.
class InkRecorder {
public:
    virtual ~InkRecorder() = default;
    virtual void Inked(Colour ink, Colour ground, long pixels) = 0;
    virtual void Filled(Colour fill) = 0;
};

class Canvas {
public:
    // Throws std::bad_alloc when the pixels cannot be allocated. Without a device size, one pixel
    // per unit.
    explicit Canvas(Size size, Colour fill = kWhite);
    Canvas(Size size, Size device, Colour fill = kWhite);

    // Changed only by the view's thread, under the lock: that thread reads it freely, others
    // under the lock or while the view's thread rests.
    Size GetSize() const { return m_size; }
    // The view's thread: new pixels of the given size, filled. Throws std::bad_alloc, leaving the
    // canvas as it was, when they cannot be allocated.
    void Resize(Size size, Colour fill = kWhite);
    // The same with pixels of the given device size.
    void Resize(Size size, Size device, Colour fill = kWhite);
    // The view's thread: the pixels at another device size, the picture so far resampled onto them
    // (nearest pixel) until the view draws it again. Throws std::bad_alloc, leaving the canvas as
    // it was.
    void SetDeviceSize(Size device);
    // The pixels' size: the view's thread reads it freely, others under the lock.
    Size DeviceSize() const { return m_pixels.GetSize(); }
    // A copy of another canvas's picture, size and palette (taken under its lock), for a canvas no
    // other thread sees yet.
    void CopyPicture(const Canvas& other);
    // Any thread: the pixels drawn so far are rewritten in the new palette, and what is drawn from
    // now on is written in it.
    void SetPalette(const Palette& palette);
    // Under the lock.
    const Palette& GetPalette() const { return *m_palette; }
    // Tests: set before the view draws, on the view's thread.
    void SetInkRecorder(InkRecorder* recorder) { m_recorder = recorder; }
    InkRecorder* GetInkRecorder() const { return m_recorder; }

    // Every access to the pixels holds this lock; a drawing operation takes it once.
    std::unique_lock<std::mutex> Lock() const { return std::unique_lock(m_mutex); }
    Bitmap& Pixels() { return m_pixels; }
    const Bitmap& Pixels() const { return m_pixels; }

    // After the pixels changed, outside the lock: announces the change unless an announcement is
    // still waiting for the window to look. The lock orders it against the window's Rearm and copy:
    // either the copy came after this change, or the Rearm came before this look at the flag.
    void MarkChanged() {
        if (m_announce && !m_announced.load(std::memory_order_relaxed) && !m_announced.exchange(true)) m_announce();
    }
    // Set before the view draws: called on the drawing thread, at most once per Rearm.
    void SetAnnouncer(std::function<void()> announce) { m_announce = std::move(announce); }
    // The window, before it copies the pixels: the next change is announced again. A change that
    // lands after this call either shows in the copy or is announced anew.
    void Rearm() { m_announced.store(false); }

    // A copy of the pixels, taken under the lock.
    Bitmap Snapshot() const;
    // The same into a picture the caller keeps, which keeps its memory when the size is unchanged.
    void CopyTo(Bitmap& picture) const;
    Colour PixelAt(int x, int y) const;

    // Under the lock of the drawing operation: the text it just drew (see PictureTexts).
    void NoteText(const Typeface& face, Point at, Colour colour, std::string_view text, TextInk ink) {
        m_texts.Note(face, at, colour, text, ink, m_pixels, *m_palette);
    }
    // The texts the picture shows now, in reading order; takes the lock.
    std::vector<PictureText> Texts();
    // One line saying what the picture shows that its texts do not ("Histogram of 1000 sample
    // means, tallest bar at 0.05"), for screen readers. The view's thread sets it, followed by
    // MarkChanged; any thread reads it. Empty when the texts say it all.
    void SetDescription(std::string description);
    std::string Description() const;

private:
    Size m_size;
    mutable std::mutex m_mutex;
    Bitmap m_pixels;
    PictureTexts m_texts;
    std::string m_description;
    const Palette* m_palette = &Palette::Classic();
    InkRecorder* m_recorder = nullptr;
    std::function<void()> m_announce;
    std::atomic<bool> m_announced{false};
};

}  // namespace dulm
