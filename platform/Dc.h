// The device context: the verbs the demonstrations draw with, one canvas pixel per logical unit.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Gdi.h"

namespace dulm {

class Typeface;

// One TextOut call, as tests read it back.
struct TextRecord {
    int x = 0;
    int y = 0;
    Colour colour;
    std::string text;
};

class Dc {
public:
    // viewportExt: the client size of the view the canvas is stretched onto. Every TextOut is
    // appended to textLog when one is given.
    Dc(Canvas& canvas, Size viewportExt, std::vector<TextRecord>* textLog = nullptr);
    ~Dc();
    Dc(const Dc&) = delete;
    Dc& operator=(const Dc&) = delete;

    // Current position and lines. LineTo leaves the target pixel out and makes it current.
    Point MoveTo(int x, int y);
    Point MoveTo(Point p) { return MoveTo(p.x, p.y); }
    void LineTo(int x, int y);
    void LineTo(Point p) { LineTo(p.x, p.y); }
    Point GetCurrentPosition() const { return m_position; }
    void SetPixel(int x, int y, Colour c);
    Colour GetPixel(int x, int y) const;

    // Outlined with the pen, filled with the brush; right and bottom exclusive.
    void Rectangle(int left, int top, int right, int bottom);
    void Ellipse(int left, int top, int right, int bottom);
    // Fills, with the selected brush, the region around (x, y) bounded by the border colour.
    bool FloodFill(int x, int y, Colour border);

    // Text, top-left at the point, without antialiasing so that drawing it again in the
    // background colour restores every pixel. A font whose face cannot be opened throws FontError.
    void TextOut(int x, int y, std::string_view text);
    Size GetTextExtentPoint(std::string_view text) const;
    TextMetrics GetTextMetrics() const;
    Colour SetTextColor(Colour c);
    Colour GetTextColor() const { return m_textColour; }
    Colour SetBkColor(Colour c);
    Colour GetBkColor() const { return m_bkColour; }
    BkMode SetBkMode(BkMode mode);

    // Selection returns the previous object.
    Pen SelectObject(const Pen& pen);
    Brush SelectObject(const Brush& brush);
    Font SelectObject(const Font& font);
    const Brush& CurrentBrush() const { return m_brush; }
    const Font& CurrentFont() const { return m_font; }

    // A rectangular clip region; nullopt removes it.
    void SelectClipRgn(std::optional<Rect> clip);

    // The mapping of the canvas onto the view's client area.
    Size GetViewportExtEx() const { return m_viewportExt; }
    void SetViewportExt(Size ext) { m_viewportExt = ext; }
    Point DPtoLP(Point client) const;
    Point LPtoDP(Point logical) const;

    Canvas& GetCanvas() { return m_canvas; }

    // What a drawing selects and sets, saved and restored together by DcStateSaver.
    struct State {
        Pen pen;
        Brush brush;
        Font font;
        Colour textColour;
        Colour bkColour;
        BkMode bkMode;
        std::optional<Rect> clip;
    };
    State SaveState() const { return {m_pen, m_brush, m_font, m_textColour, m_bkColour, m_bkMode, m_clip}; }
    void RestoreState(const State& state);

private:
    class Writer;
    // The face of the selected font, opened at its first use. Throws FontError.
    const Typeface& Face() const;
    void FillSpan(Writer& w, int y, int x0, int x1, const Brush& brush) const;
    void FillPattern(Writer& w, int y, int x0, int x1, const Brush& brush) const;

    Canvas& m_canvas;
    Size m_viewportExt;
    Point m_position;
    Pen m_pen;
    Brush m_brush;
    Font m_font;
    Colour m_textColour = kBlack;
    Colour m_bkColour = kWhite;
    BkMode m_bkMode = BkMode::Opaque;
    std::optional<Rect> m_clip;
    std::vector<TextRecord>* m_textLog;
    mutable const Typeface* m_typeface = nullptr;
};

// Restores a selection when the scope ends: auto keep = SelectGuard(dc, pen);
template <class Object>
class [[nodiscard]] SelectGuard {
public:
    SelectGuard(Dc& dc, const Object& object) : m_dc(dc), m_previous(dc.SelectObject(object)) {}
    ~SelectGuard() { m_dc.SelectObject(m_previous); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    Dc& m_dc;
    Object m_previous;
};

// Restores pen, brush, font, text colour, background colour and mode and the clip as they were
// when the scope began: const DcStateSaver keep(dc);
class [[nodiscard]] DcStateSaver {
public:
    explicit DcStateSaver(Dc& dc) : m_dc(dc), m_state(dc.SaveState()) {}
    ~DcStateSaver() { m_dc.RestoreState(m_state); }
    DcStateSaver(const DcStateSaver&) = delete;
    DcStateSaver& operator=(const DcStateSaver&) = delete;

private:
    Dc& m_dc;
    Dc::State m_state;
};

}  // namespace dulm
