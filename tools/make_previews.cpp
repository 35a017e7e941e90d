// Writes the theme preview pictures DEFPRV.bmp, HCPRV.bmp and TIDEWAY.bmp:
// a front-end screen (desktop, a window with title bar, menu, toolbar, a
// form and a table, status bar) at 208 x 143 pixels, 8 bits per pixel,
// uncompressed, rows from the bottom.
//
// DEFPRV and TIDEWAY draw everything but black (and, in TIDEWAY, white at
// index 74) with the five indices 128 to 132, whose colour-table entries the
// theme library rewrites for a preview:
//   128 window background   129 fields and table rows   130 frames, toolbar
//   131 text, title bar     132 desktop
// HCPRV is the high-contrast picture: a fixed palette of 255 entries drawn
// with indices 0, 66, 75, 95, 104 and 247, never recoloured.
//
// Build and run natively:
//   g++ -std=c++17 tools/make_previews.cpp -o make_previews && ./make_previews res/previews
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

const int kWidth = 208;
const int kHeight = 143;

struct Rgb {
    uint8_t r, g, b;
};

// What each part of the screen is drawn with: palette indices.
struct Scheme {
    uint8_t desktop;
    uint8_t windowFrame;
    uint8_t titleBar;
    uint8_t titleText;
    uint8_t windowBackground;
    uint8_t text;
    uint8_t toolbar;
    uint8_t button;
    uint8_t buttonGlyph;
    uint8_t field;
    uint8_t fieldFrame;
    uint8_t commandField;
    uint8_t headerBar;
    uint8_t headerText;
    uint8_t rowEven;
    uint8_t rowOdd;
    uint8_t gridLine;
    uint8_t selectedRow;
    uint8_t selectedText;
    uint8_t statusText;
};

// A 3 x 5 pixel font: five rows of three columns, '#' set.
struct Glyph {
    char c;
    const char* rows[5];
};

const Glyph kFont[] = {
    {'A', {"###", "#.#", "###", "#.#", "#.#"}}, {'B', {"##.", "#.#", "##.", "#.#", "##."}},
    {'C', {"###", "#..", "#..", "#..", "###"}}, {'D', {"##.", "#.#", "#.#", "#.#", "##."}},
    {'E', {"###", "#..", "##.", "#..", "###"}}, {'F', {"###", "#..", "##.", "#..", "#.."}},
    {'G', {"###", "#..", "#.#", "#.#", "###"}}, {'H', {"#.#", "#.#", "###", "#.#", "#.#"}},
    {'I', {"###", ".#.", ".#.", ".#.", "###"}}, {'J', {"..#", "..#", "..#", "#.#", "###"}},
    {'K', {"#.#", "#.#", "##.", "#.#", "#.#"}}, {'L', {"#..", "#..", "#..", "#..", "###"}},
    {'M', {"#.#", "###", "###", "#.#", "#.#"}}, {'N', {"##.", "#.#", "#.#", "#.#", "#.#"}},
    {'O', {"###", "#.#", "#.#", "#.#", "###"}}, {'P', {"###", "#.#", "###", "#..", "#.."}},
    {'Q', {".#.", "#.#", "#.#", "##.", ".##"}}, {'R', {"##.", "#.#", "##.", "#.#", "#.#"}},
    {'S', {"###", "#..", "###", "..#", "###"}}, {'T', {"###", ".#.", ".#.", ".#.", ".#."}},
    {'U', {"#.#", "#.#", "#.#", "#.#", "###"}}, {'V', {"#.#", "#.#", "#.#", "#.#", ".#."}},
    {'W', {"#.#", "#.#", "###", "###", "#.#"}}, {'X', {"#.#", "#.#", ".#.", "#.#", "#.#"}},
    {'Y', {"#.#", "#.#", ".#.", ".#.", ".#."}}, {'Z', {"###", "..#", ".#.", "#..", "###"}},
    {'0', {"###", "#.#", "#.#", "#.#", "###"}}, {'1', {".#.", "##.", ".#.", ".#.", "###"}},
    {'2', {"###", "..#", "###", "#..", "###"}}, {'3', {"###", "..#", ".##", "..#", "###"}},
    {'4', {"#.#", "#.#", "###", "..#", "..#"}}, {'5', {"###", "#..", "###", "..#", "###"}},
    {'6', {"###", "#..", "###", "#.#", "###"}}, {'7', {"###", "..#", "..#", "..#", "..#"}},
    {'8', {"###", "#.#", "###", "#.#", "###"}}, {'9', {"###", "#.#", "###", "..#", "###"}},
    {'-', {"...", "...", "###", "...", "..."}}, {':', {"...", ".#.", "...", ".#.", "..."}},
    {'.', {"...", "...", "...", "...", ".#."}}, {'/', {"..#", "..#", ".#.", "#..", "#.."}},
};

const Glyph* GlyphOf(char c)
{
    for (const Glyph& glyph : kFont) {
        if (glyph.c == c)
            return &glyph;
    }
    return nullptr;
}

class Picture {
public:
    Picture() : m_pixels(static_cast<size_t>(kWidth) * kHeight, 0) {}

    void Fill(int left, int top, int right, int bottom, uint8_t index)
    {
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x)
                Set(x, y, index);
        }
    }
    void Frame(int left, int top, int right, int bottom, uint8_t index)
    {
        Fill(left, top, right, top + 1, index);
        Fill(left, bottom - 1, right, bottom, index);
        Fill(left, top, left + 1, bottom, index);
        Fill(right - 1, top, right, bottom, index);
    }
    // Text in the 3 x 5 font, one pixel between letters; answers the end.
    int Text(int x, int y, const std::string& text, uint8_t index)
    {
        for (char c : text) {
            if (const Glyph* glyph = GlyphOf(c)) {
                for (int row = 0; row < 5; ++row) {
                    for (int col = 0; col < 3; ++col) {
                        if (glyph->rows[row][col] == '#')
                            Set(x + col, y + row, index);
                    }
                }
            }
            x += 4;
        }
        return x;
    }

    // Rows from the bottom, each kWidth bytes (a multiple of four already).
    std::vector<uint8_t> BottomUpRows() const
    {
        std::vector<uint8_t> rows;
        for (int y = kHeight - 1; y >= 0; --y) {
            const auto begin = m_pixels.begin() + static_cast<long>(y) * kWidth;
            rows.insert(rows.end(), begin, begin + kWidth);
        }
        return rows;
    }

private:
    void Set(int x, int y, uint8_t index)
    {
        if (x >= 0 && y >= 0 && x < kWidth && y < kHeight)
            m_pixels[static_cast<size_t>(y) * kWidth + x] = index;
    }

    std::vector<uint8_t> m_pixels;
};

// The screen: one front-end window with an order overview on a desktop.
Picture DrawScreen(const Scheme& s)
{
    Picture p;
    p.Fill(0, 0, kWidth, kHeight, s.desktop);

    // Window with its frame and title bar.
    const int left = 6, top = 5, right = 202, bottom = 138;
    p.Fill(left, top, right, bottom, s.windowBackground);
    p.Frame(left, top, right, bottom, s.windowFrame);
    p.Fill(left + 1, top + 1, right - 1, top + 11, s.titleBar);
    p.Text(left + 4, top + 3, "QOR GUI - SALES ORDER OVERVIEW", s.titleText);
    for (int i = 0; i < 3; ++i) {
        const int bx = right - 28 + i * 9;
        p.Frame(bx, top + 3, bx + 7, top + 9, s.titleText);
    }

    // Menu bar.
    p.Text(left + 4, top + 14, "ORDER  EDIT  GOTO  EXTRAS  SYSTEM  HELP", s.text);
    p.Fill(left + 1, top + 21, right - 1, top + 22, s.fieldFrame);

    // Toolbar: a command field and buttons with glyphs.
    p.Fill(left + 1, top + 22, right - 1, top + 34, s.toolbar);
    p.Fill(left + 5, top + 25, left + 55, top + 32, s.commandField);
    p.Frame(left + 5, top + 25, left + 55, top + 32, s.fieldFrame);
    for (int i = 0; i < 9; ++i) {
        const int bx = left + 62 + i * 13;
        p.Fill(bx, top + 24, bx + 10, top + 33, s.button);
        p.Frame(bx, top + 24, bx + 10, top + 33, s.fieldFrame);
        p.Fill(bx + 3, top + 27, bx + 7, top + 30, s.buttonGlyph);
    }

    // Form: labels and entry fields.
    p.Text(left + 6, top + 38, "ITEM OVERVIEW", s.text);
    const char* labels[] = {"CUSTOMER", "ORDER NO", "DATE"};
    const char* values[] = {"4711 MILLER", "0815", "12.05.2026"};
    for (int i = 0; i < 3; ++i) {
        const int y = top + 47 + i * 10;
        p.Text(left + 6, y + 2, labels[i], s.text);
        p.Fill(left + 44, y, left + 110, y + 9, s.field);
        p.Frame(left + 44, y, left + 110, y + 9, s.fieldFrame);
        p.Text(left + 47, y + 2, values[i], s.text);
    }
    p.Text(left + 118, top + 49, "STATUS", s.text);
    p.Fill(left + 145, top + 47, left + 189, top + 56, s.field);
    p.Frame(left + 145, top + 47, left + 189, top + 56, s.fieldFrame);
    p.Text(left + 148, top + 49, "OPEN", s.text);

    // Table: header, rows, grid, one selected row.
    const int tableLeft = left + 6, tableRight = right - 6, tableTop = top + 80;
    const int rowHeight = 7, rowCount = 5;
    p.Fill(tableLeft, tableTop, tableRight, tableTop + rowHeight + 1, s.headerBar);
    p.Text(tableLeft + 3, tableTop + 2, "ITEM", s.headerText);
    p.Text(tableLeft + 30, tableTop + 2, "DESCRIPTION", s.headerText);
    p.Text(tableLeft + 118, tableTop + 2, "QTY", s.headerText);
    p.Text(tableLeft + 150, tableTop + 2, "PRICE", s.headerText);
    const char* items[] = {"10", "20", "30", "40", "50"};
    const char* names[] = {"PUMP HOUSING", "SEAL KIT", "VALVE", "FLANGE", "BEARING"};
    const char* quantities[] = {"2", "12", "4", "8", "1"};
    const char* prices[] = {"120.00", "8.50", "46.20", "19.90", "75.00"};
    for (int i = 0; i < rowCount; ++i) {
        const int y = tableTop + (i + 1) * rowHeight + 1;
        const bool selected = i == 2;
        p.Fill(tableLeft, y, tableRight, y + rowHeight,
               selected ? s.selectedRow : (i % 2 ? s.rowOdd : s.rowEven));
        const uint8_t ink = selected ? s.selectedText : s.text;
        p.Text(tableLeft + 3, y + 1, items[i], ink);
        p.Text(tableLeft + 30, y + 1, names[i], ink);
        p.Text(tableLeft + 118, y + 1, quantities[i], ink);
        p.Text(tableLeft + 150, y + 1, prices[i], ink);
    }
    const int tableBottom = tableTop + (rowCount + 1) * rowHeight + 1;
    p.Frame(tableLeft, tableTop, tableRight, tableBottom, s.gridLine);
    for (int x : {tableLeft + 27, tableLeft + 115, tableLeft + 147})
        p.Fill(x, tableTop, x + 1, tableBottom, s.gridLine);

    // Status bar.
    p.Fill(left + 1, bottom - 9, right - 1, bottom - 1, s.toolbar);
    p.Text(left + 4, bottom - 7, "READY   SYSTEM PRD   CLIENT 100", s.statusText);
    return p;
}

// The recolourable pictures: 256 entries, black but for the five preview
// entries (and the given extras).
std::vector<Rgb> PreviewTable(const Rgb (&preview)[5], int whiteIndex)
{
    std::vector<Rgb> table(256, Rgb{0, 0, 0});
    for (int i = 0; i < 5; ++i)
        table[128 + i] = preview[i];
    if (whiteIndex >= 0)
        table[static_cast<size_t>(whiteIndex)] = Rgb{255, 255, 255};
    return table;
}

// The fixed high-contrast palette of 255 entries: a colour cube of six red,
// seven green and six blue levels, greys at 128 to 132, and the six colours
// the picture uses at their indices.
std::vector<Rgb> HighContrastTable()
{
    std::vector<Rgb> table;
    for (int i = 0; i < 255; ++i) {
        const int cube = i % 252;
        table.push_back(Rgb{static_cast<uint8_t>(cube / 42 * 51), static_cast<uint8_t>(cube / 6 % 7 * 42),
                            static_cast<uint8_t>(cube % 6 * 51)});
    }
    const uint8_t greys[5] = {64, 96, 128, 160, 192};
    for (int i = 0; i < 5; ++i)
        table[128 + static_cast<size_t>(i)] = Rgb{greys[i], greys[i], greys[i]};
    table[0] = Rgb{0, 0, 0};
    table[66] = Rgb{255, 255, 0};
    table[75] = Rgb{0, 255, 255};
    table[95] = Rgb{0, 255, 0};
    table[104] = Rgb{128, 0, 255};
    table[247] = Rgb{255, 255, 255};
    return table;
}

void Put16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::vector<uint8_t> BitmapFile(const Picture& picture, const std::vector<Rgb>& table)
{
    const uint32_t headers = 14 + 40;
    const uint32_t tableBytes = static_cast<uint32_t>(table.size()) * 4;
    const std::vector<uint8_t> rows = picture.BottomUpRows();
    std::vector<uint8_t> file;
    file.push_back('B');
    file.push_back('M');
    Put32(file, headers + tableBytes + static_cast<uint32_t>(rows.size()));
    Put32(file, 0);
    Put32(file, headers + tableBytes);
    Put32(file, 40);
    Put32(file, kWidth);
    Put32(file, kHeight);  // positive: rows from the bottom
    Put16(file, 1);
    Put16(file, 8);
    Put32(file, 0);  // BI_RGB
    Put32(file, static_cast<uint32_t>(rows.size()));
    Put32(file, 2835);  // 72 dpi
    Put32(file, 2835);
    Put32(file, static_cast<uint32_t>(table.size()));
    Put32(file, 0);
    for (const Rgb& c : table) {
        file.insert(file.end(), {c.b, c.g, c.r, 0});
    }
    file.insert(file.end(), rows.begin(), rows.end());
    return file;
}

bool Write(const std::string& path, const std::vector<uint8_t>& bytes)
{
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && written;
}

// The default theme: cool blue-grey.
const Scheme kRecolourable = {
    /*desktop*/ 132, /*windowFrame*/ 131, /*titleBar*/ 131, /*titleText*/ 128,
    /*windowBackground*/ 128, /*text*/ 0, /*toolbar*/ 130, /*button*/ 129, /*buttonGlyph*/ 131,
    /*field*/ 129, /*fieldFrame*/ 130, /*commandField*/ 128, /*headerBar*/ 131, /*headerText*/ 128,
    /*rowEven*/ 128, /*rowOdd*/ 129, /*gridLine*/ 130, /*selectedRow*/ 131, /*selectedText*/ 128,
    /*statusText*/ 0};

Scheme Tideway()
{
    Scheme s = kRecolourable;
    s.titleText = 74;
    s.commandField = 74;
    s.field = 74;
    s.headerText = 74;
    s.selectedText = 74;
    return s;
}

const Scheme kHighContrast = {
    /*desktop*/ 0, /*windowFrame*/ 247, /*titleBar*/ 104, /*titleText*/ 247,
    /*windowBackground*/ 0, /*text*/ 247, /*toolbar*/ 0, /*button*/ 0, /*buttonGlyph*/ 75,
    /*field*/ 0, /*fieldFrame*/ 247, /*commandField*/ 0, /*headerBar*/ 104, /*headerText*/ 247,
    /*rowEven*/ 0, /*rowOdd*/ 0, /*gridLine*/ 75, /*selectedRow*/ 66, /*selectedText*/ 0,
    /*statusText*/ 95};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s output-folder\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const Rgb defaultColours[5] = {{238, 249, 255}, {174, 206, 220}, {157, 188, 204}, {77, 103, 118},
                                   {149, 178, 195}};
    const Rgb tidewayColours[5] = {{239, 240, 241}, {203, 212, 225}, {165, 177, 191}, {38, 91, 143},
                                   {149, 178, 195}};
    const bool written =
        Write(folder + "/DEFPRV.bmp", BitmapFile(DrawScreen(kRecolourable), PreviewTable(defaultColours, -1)))
        && Write(folder + "/TIDEWAY.bmp", BitmapFile(DrawScreen(Tideway()), PreviewTable(tidewayColours, 74)))
        && Write(folder + "/HCPRV.bmp", BitmapFile(DrawScreen(kHighContrast), HighContrastTable()));
    if (!written) {
        std::fprintf(stderr, "cannot write the pictures into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
