#include "frontend/BusinessScreen.h"

#include "framework/GdiHandles.h"
#include "framework/SolidFill.h"

#include <string>

namespace {

constexpr int kMargin = 12;
constexpr int kTitleHeight = 28;
constexpr int kToolbarHeight = 34;
constexpr int kButtonSize = 24;
constexpr int kLineHeight = 24;
constexpr int kLabelWidth = 90;
constexpr int kFieldWidth = 180;

void Text(HDC dc, int x, int y, const std::string& text, COLORREF color)
{
    ::SetTextColor(dc, color);
    ::TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

RECT Panel(const RECT& area)
{
    return {area.left + kMargin, area.top + kMargin, area.right - kMargin, area.bottom - kMargin};
}

void PaintToolbar(HDC dc, const RECT& bar, const SessionColors& colors)
{
    FillSolid(dc, bar, colors[kToolbarColor]);
    const char* labels[] = {"New", "Open", "Save", "Print", "Find", "Help"};
    int x = bar.left + 6;
    for (const char* label : labels) {
        const RECT button = {x, bar.top + (kToolbarHeight - kButtonSize) / 2, x + kButtonSize * 2,
                             bar.top + (kToolbarHeight + kButtonSize) / 2};
        FillSolid(dc, button, colors[kFieldColor]);
        FrameSolid(dc, button, colors[kTextColor]);
        Text(dc, button.left + 6, button.top + 5, label, colors[kTextColor]);
        x = button.right + 6;
    }
}

void PaintFields(HDC dc, int left, int top, const SessionColors& colors)
{
    const char* fields[][2] = {{"Customer", "Harbour Supplies Ltd."},
                               {"Order No.", "4711-2024"},
                               {"Order Date", "06.12.2026"},
                               {"Status", "Open"}};
    int y = top;
    for (const auto& field : fields) {
        Text(dc, left, y + 4, field[0], colors[kTextColor]);
        const RECT box = {left + kLabelWidth, y, left + kLabelWidth + kFieldWidth, y + kLineHeight - 4};
        FillSolid(dc, box, colors[kFieldColor]);
        FrameSolid(dc, box, colors[kToolbarColor]);
        Text(dc, box.left + 4, y + 4, field[1], colors[kTextColor]);
        y += kLineHeight;
    }
}

void PaintTable(HDC dc, const RECT& table, const SessionColors& colors)
{
    const char* header[] = {"Item", "Description", "Qty", "Price"};
    const char* rows[][4] = {{"10", "Rope, 12 mm", "40", "3.20"},     {"20", "Shackle, galvanised", "12", "7.85"},
                             {"30", "Fender, large", "4", "39.00"},   {"40", "Cleat, steel", "8", "12.40"},
                             {"50", "Anchor chain, 10 m", "2", "88.00"}, {"60", "Buoy, orange", "6", "21.50"}};
    const int widths[] = {50, 200, 50, 70};
    RECT line = {table.left, table.top, table.right, table.top + kLineHeight};
    FillSolid(dc, line, colors[kHeaderColor]);
    int x = table.left + 6;
    for (int c = 0; c < 4; ++c) {
        Text(dc, x, line.top + 5, header[c], colors[kWindowColor]);
        x += widths[c];
    }
    int row = 0;
    for (const auto& cells : rows) {
        OffsetRect(&line, 0, kLineHeight);
        if (line.bottom > table.bottom)
            break;
        FillSolid(dc, line, colors[row++ % 2 ? kAlternateRowColor : kWindowColor]);
        x = table.left + 6;
        for (int c = 0; c < 4; ++c) {
            Text(dc, x, line.top + 5, cells[c], colors[kTextColor]);
            x += widths[c];
        }
    }
    const RECT drawn = {table.left, table.top, table.right, line.bottom};
    FrameSolid(dc, drawn, colors[kGridColor]);
}

} // namespace

RECT TitleRect(const RECT& area)
{
    const RECT panel = Panel(area);
    return {panel.left, panel.top, panel.right, panel.top + kTitleHeight};
}

RECT ToolbarRect(const RECT& area)
{
    const RECT title = TitleRect(area);
    return {title.left, title.bottom, title.right, title.bottom + kToolbarHeight};
}

void PaintBusinessScreen(HDC dc, const RECT& area, const SessionColors& colors)
{
    FillSolid(dc, area, colors[kDesktopColor]);
    const RECT panel = Panel(area);
    FillSolid(dc, panel, colors[kWindowColor]);
    FrameSolid(dc, panel, colors[kToolbarColor]);

    const int previousMode = ::SetBkMode(dc, TRANSPARENT);
    CSelection font(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    const RECT title = TitleRect(area);
    FillSolid(dc, title, colors[kTextColor]);
    Text(dc, title.left + 8, title.top + 7, "Sales Order 4711 - Harbour Supplies Ltd.", colors[kWindowColor]);
    PaintToolbar(dc, ToolbarRect(area), colors);

    const int top = ToolbarRect(area).bottom + kMargin;
    PaintFields(dc, panel.left + kMargin, top, colors);
    const RECT table = {panel.left + kMargin, top + 4 * kLineHeight + kMargin, panel.right - kMargin,
                        panel.bottom - kMargin};
    PaintTable(dc, table, colors);
    ::SetBkMode(dc, previousMode);
}
