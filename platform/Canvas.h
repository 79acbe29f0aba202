// The persistent pixel store of one view: written by the view's thread, shown by the window's thread.
// One canvas lives as long as its view's host; rescaling resizes it in place, so that a Dc taken
// before a rescale still draws on the canvas the window shows.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>

#include "platform/Bitmap.h"
#include "platform/Gdi.h"
#include "platform/PictureTexts.h"

namespace dulm {

class Canvas {
public:
    // Throws std::bad_alloc when the pixels cannot be allocated.
    explicit Canvas(Size size, Colour fill = kWhite);

    // Changed only by the view's thread, under the lock: that thread reads it freely, others
    // under the lock or while the view's thread rests.
    Size GetSize() const { return m_size; }
    // The view's thread: new pixels of the given size, filled. Throws std::bad_alloc, leaving the
    // canvas as it was, when they cannot be allocated.
    void Resize(Size size, Colour fill = kWhite);

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
    void NoteText(const Typeface& face, Point at, Colour colour, std::string_view text) {
        m_texts.Note(face, at, colour, text, m_pixels);
    }
    // The texts the picture shows now, in reading order; takes the lock.
    std::vector<PictureText> Texts();

private:
    Size m_size;
    mutable std::mutex m_mutex;
    Bitmap m_pixels;
    PictureTexts m_texts;
    std::function<void()> m_announce;
    std::atomic<bool> m_announced{false};
};

}  // namespace dulm
