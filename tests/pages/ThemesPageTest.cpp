// The Color Settings page as a user works it through the real module's sheet: its lists, name text, linked hues,
// enabling, painting, windows, what Apply stores, applies and tells, and the keyboard.
#include "color/TimeBlend.h"
#include "framework/GdiHandles.h"
#include "model/ColorConversions.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/LoadedModule.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/StandInTest.h"
#include "tests/support/Themes.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace qortest;
using Texts = std::vector<std::string>;

static bool operator==(const RECT& a, const RECT& b)
{
    return ::EqualRect(&a, &b) != FALSE;
}

namespace {

enum : int {
    kThemes = 1027, kThemeGroup = 1031, kGroup = 1032, kList = 4096, kColor = 4098, kBackground = 4099, kLink = 4102,
    kSaveAs = 4103, kDelete = 4104, kStart = 4105, kEnd = 0x10010, kName = 0x10011, kActivate = 0x10014,
    kShiftBy = 0x10015, kDayStart = 0x10016, kDayEnd = 0x10017, kRestore = 0x10018, kApply = 0x3021,
    kScrollBar = 4096, kSample = 4097, kTimeBar = 4097, kNameEdit = 205, kCustomTime = 208, kTimeEdit = 209,
    kSetDefault = 210,
};
// A setting of Lark's (or another theme's) with the palettes the tests read back.
void Store(const std::string& name, DWORD scheduled = 0, DWORD writeProtected = 0, const std::string& theme = "Lark",
           const std::string& main = Palette("ff0000", "0000ff"), const char* times = "Day;00:00;23:59", HKEY hive = HKEY_CURRENT_USER)
{
    qortest::StoreSetting(theme, name, main, Palette("00ff00", "ffffff"), scheduled, times, writeProtected, hive);
}

std::string LastCall(const char* function)
{
    const std::vector<std::string> calls = CallsTo(ThemeLibraryCalls(), function);
    return calls.empty() ? "" : calls.back();
}

// The page as the user sees and works it, from the answerer's thread.
struct Page {
    HWND sheet, hwnd;

    HWND Item(int id) const { return ::GetDlgItem(hwnd, id); }
    std::string Text(int id) const { return TextOf(Item(id)); }
    bool Enabled(int id) const { return ::IsWindowEnabled(Item(id)) != FALSE; }
    bool SheetEnabled(int id) const { return ::IsWindowEnabled(::GetDlgItem(sheet, id)) != FALSE; }
    int Hue(int id) const { return ::GetScrollPos(::GetDlgItem(Item(id), kScrollBar), SB_CTL); }
    int Chosen() const { return static_cast<int>(::SendMessageA(Item(kList), LB_GETCURSEL, 0, 0)); }
    Texts Entries(int id = kList) const
    {
        Texts texts(static_cast<size_t>(::SendMessageA(Item(id), id == kList ? LB_GETCOUNT : CB_GETCOUNT, 0, 0)));
        char text[300];
        for (size_t i = 0; i < texts.size(); ++i)
            texts[i].assign(text, ::SendMessageA(Item(id), id == kList ? LB_GETTEXT : CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text)));
        return texts;
    }
    bool Shows(const Texts& entries, int chosen, const std::string& name) const
    {
        return Entries() == entries && Chosen() == chosen && Text(kName) == name;
    }
    // What a control tells the page when the user clicks or picks in it.
    void Command(int id, UINT code) const { ::SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id))); }
    // A click that opens a modal window: posted, so that the answerer goes on.
    void Click(int id) const { ::PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id))); }
    void Pick(int entry) const { ::SendMessageA(Item(kList), LB_SETCURSEL, entry, 0), Command(kList, LBN_SELCHANGE); }
    void Apply() const { ::SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0); }
    static size_t Previews() { return CallsTo(ThemeLibraryCalls(), "RmApplyColorsForPreview").size(); }
    // Drags the hue scroll bar of a colour control; waits until the preview shows it.
    void MoveHue(int id, int hue) const
    {
        const size_t before = Previews();
        ::SendMessageA(Item(id), WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, hue), reinterpret_cast<LPARAM>(::GetDlgItem(Item(id), kScrollBar)));
        EXPECT_TRUE(WaitUntil([&] { return Previews() > before; }));
    }
    // Dark pixels in an area of the face: painted text.
    bool ShowsText(const RECT& area) const
    {
        const CClientDC dc(hwnd);
        bool dark = false;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                dark = dark || GetGValue(::GetPixel(dc.Get(), x, y)) < 100;
        return dark;
    }
};

// A window the page opens, as the user answers it: types into edits or clicks buttons (no text) in turn,
// ends it with a button, then goes on working the page.
struct Answer {
    ModalAnswerer::Match window;
    std::vector<std::pair<int, const char*>> input;
    int press;
    std::function<void(const Page&)> then = [](const Page&) {};
};

// A dialog whose item shows the text: the Save As dialog's name (205), the time dialog's default time (211).
ModalAnswerer::Match Showing(int id, const std::string& text)
{
    return [=](HWND dialog) { return DialogItemText(dialog, id) == text; };
}

// Opens the sheet on the Color Settings page, lets work run on it, answers the windows it opens, then cancels it.
void OnColorPage(const std::function<void(const Page&)>& work, const std::vector<Answer>& answers = {})
{
    LoadedModule module;
    ModalAnswerer answerer;
    Page page = {};
    answerer.Then(WindowWithCaption("Qor GUI Settings"), [&](HWND sheet) {
        ::SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
        ::RedrawWindow(sheet, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);  // as the screen shows it
        page = Page{sheet, reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0))};
        work(page);
        if (answers.empty())
            PressSheetButton(sheet, PSBTN_CANCEL);
    });
    for (const Answer& answer : answers)
        answerer.Then(answer.window, [&](HWND window) {
            for (const auto& [id, text] : answer.input)
                text ? (void)::SetDlgItemTextA(window, id, text) : (void)::SendMessageA(window, WM_COMMAND, id, 0);
            PressButton(window, answer.press);
            EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(window); }));
            ::SendMessageA(page.hwnd, WM_NULL, 0, 0);  // returns once the page's command has ended
            answer.then(page);
            if (&answer == &answers.back())
                PressSheetButton(page.sheet, PSBTN_CANCEL);
        });
    module.ColorSettingsDialog();
    EXPECT_TRUE(answerer.Wait());
}

using ThemesPageTest = StandInTest;

// The themes in the registry's order, the active one chosen (System Dependent: the system default), another one
// applied when chosen; overlong names, no Themes key and a failing reload open safely with nothing listed.
TEST_F(ThemesPageTest, OpensOnTheActiveThemeAndSafelyOnBadKeysAnotherThemeAppliedWhenChosen)
{
    const std::string overlong(255, 't');
    const Texts themes = {"Theme-B", "ThemeA", overlong};  // the registry's order; sorted, A would come first
    const struct {
        const char* active;   // null: no themes
        bool volatileThemes;  // no lasting theme key below: the manager cannot load
        Texts themes;
        const char *chosen, *loaded, *caption;  // the theme group's caption is the template's when the page stops early
    } cases[] = {
        {"sYSTEM dEPENDENT", false, themes, "ThemeA", "ThemeA", "Theme setting"},
        {"Unknown", false, themes, "Theme-B", "Unknown", "Theme setting"},
        {nullptr, false, {}, "", "Standard Theme", "Theme setting"},  // the library's own active theme
        {nullptr, true, {}, "", "", "Select theme"},
    };
    for (const auto& c : cases) {
        ResetQorKeys();
        ResetStandIns();
        if (c.volatileThemes)
            CreateVolatileKey(HKEY_CURRENT_USER, kThemesKey);
        for (const std::string& theme : c.themes)
            SetStringUnder(HKEY_CURRENT_USER, kThemesKey, theme, "Path", "C:\\windows");
        if (c.active) {
            SetString(HKEY_CURRENT_USER, kThemesKey, "SystemDefault", "ThemeA");
            SetString(HKEY_CURRENT_USER, QORRM_STANDIN_KEY, "ActiveTheme", c.active);
            SetStringUnder(HKEY_CURRENT_USER, ThemeKey("ThemeA"), std::string(255, 's'), "strTimeSettings", "default");
            Store("Dusk", 0, 0, "Theme-B");
            SetString(HKEY_CURRENT_USER, ThemeKey("Theme-B"), "ActiveColorSetting", "Dusk");
        }
        OnColorPage([&](const Page& page) {
            EXPECT_EQ(page.Entries(kThemes), c.themes);
            EXPECT_TRUE(page.Text(kThemes) == c.chosen && page.Text(kThemeGroup) == c.caption) << c.chosen;
            EXPECT_EQ(LastCall("RmLoadNewTheme"), *c.loaded ? "RmLoadNewTheme(\"" + std::string(c.loaded) + "\")" : "");
            EXPECT_TRUE(page.Shows({}, LB_ERR, "[Custom Setting]")) << c.chosen;
            if (std::string(c.chosen) != "ThemeA")
                return;
            ::SendMessageA(page.Item(kThemes), CB_SETCURSEL, 0, 0);
            page.Command(kThemes, CBN_SELENDOK);
            EXPECT_EQ(LastCall("RmLoadNewTheme"), "RmLoadNewTheme(\"Theme-B\")");
            EXPECT_EQ(LastCall("RmApplyColors"), "RmApplyColors(" + Palette("ff0000", "0000ff", ",") + ", \"Theme-B\")");
            EXPECT_TRUE(page.Shows({"Dusk"}, 0, "Dusk"));
        });
    }
}

// Settings sorted, without the theme's own custom values. The background follows the foreground by the difference
// taken when loaded or linked again (wrapped by 359). A reload by the host while open keeps the edit and the choice.
TEST_F(ThemesPageTest, LinkedHuesAndAReloadByTheHostWhileOpen)
{
    UseTheme("Lark", "Alpha");
    Store("_Zulu", 0, 0, "Lark", Palette("ff002a", "ff2b00"));  // hues 350 and 10
    Store("Alpha", 0, 0, "Lark", Palette("ff1600", "ff002a"));  // hues 5 and 350
    SetString(HKEY_CURRENT_USER, kLark, "strTimeSettings", "default");  // custom values of the theme
    // A host window on the sheet's thread calls QorThemeReinit when sent WM_APP, as a front end's menu can.
    WNDCLASSA hostClass = {};
    hostClass.lpszClassName = "QorReinitHost";
    hostClass.lpfnWndProc = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_APP)
            reinterpret_cast<void (*)()>(::GetProcAddress(::GetModuleHandleA("qorthmcust.dll"), "QorThemeReinit"))();
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    };
    ::RegisterClassA(&hostClass);
    HWND host = ::CreateWindowA("QorReinitHost", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    OnColorPage([&](const Page& page) {
        EXPECT_TRUE(page.Shows({"_Zulu", "Alpha"}, 1, "Alpha") && !page.SheetEnabled(kApply));
        const struct {
            int entry, fore, back, moveTo, linked;
        } cases[] = {{1, 5, 350, 20, 6}, {0, 350, 10, 355, 15}};
        for (const auto& c : cases) {
            page.Pick(c.entry);
            EXPECT_TRUE(page.Text(kName) == page.Entries()[c.entry] && page.SheetEnabled(kApply));
            EXPECT_TRUE(page.Hue(kColor) == c.fore && page.Hue(kBackground) == c.back);
            page.MoveHue(kColor, c.moveTo);
            EXPECT_EQ(page.Hue(kBackground), c.linked);
        }
        page.Command(kLink, BN_CLICKED);
        page.MoveHue(kColor, 100);
        EXPECT_EQ(page.Hue(kBackground), 15) << "unlinked";
        page.Command(kLink, BN_CLICKED);
        page.MoveHue(kBackground, 16);
        EXPECT_EQ(page.Hue(kColor), 101) << "linked again at the difference of that moment";
        Store("Zeta");
        ::SendMessageA(host, WM_APP, 0, 0);
        page.MoveHue(kColor, 30);
        EXPECT_TRUE(page.Shows({"_Zulu", "Alpha", "Zeta"}, -1, "Custom, Derived From _Zulu"));
        page.Pick(2);
        ::SendMessageA(host, WM_APP, 0, 0);
        page.Apply();
    });
    ::DestroyWindow(host);
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLark, "ActiveColorSetting"), "Zeta");
}

// Editing only where allowed, Delete only where it can act: never for a write-protected setting nor in the derived
// state; the time bars blend each start colour into its end colour. Apply activates the setting shown (the custom
// one is saved instead), applies it, records the schedule and tells every process, in that order.
TEST_F(ThemesPageTest, EnablingTheLinkPlacedAndPaintedTimeBarsAndApply)
{
    const std::string process = std::to_string(::GetCurrentProcessId());
    const struct {
        DWORD scheduled, disable, writeProtected;
        bool editable, deletable, derive;
        const char *active, *hueShiftTheme, *hueShiftColor;
        size_t applies;  // the schedule runs once more
    } cases[] = {{0, 0, 1, true, false, false, "Noon", "", "", 1}, {0, 1, 0, false, false, false, "Noon", "", "", 1},
                 {1, 0, 0, true, true, false, "Noon", "Lark", "Noon", 2}, {1, 0, 0, true, true, true, "", "Lark", "", 2}};
    UseTheme("Lark", "Noon");
    for (const auto& k : cases) {
        SetDword(HKEY_CURRENT_USER, kLark, "DisableSetting", k.disable);
        Store("Noon", k.scheduled, k.writeProtected);
        SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftTheme", "Old");
        ChildProcess probe(ProgramBeside("qorprobe.exe") + " session QorPageProbe 20000");
        ASSERT_TRUE(WaitUntil([] { return ::FindWindowA("QorPageProbe", nullptr) != nullptr; }));
        OnColorPage([&](const Page& page) {
            // The link box centred between the columns, the day's end at the right edge.
            const RECT group = RectInParent(page.Item(kGroup));
            const int l = group.left + 8, t = group.top + 20, r = group.right - 8, c = r - 208;
            const int link = l + 208 + (c - l - 208 - 16) / 2;
            EXPECT_EQ(RectInParent(page.Item(kLink)), (RECT{link, t + 191, link + 16, t + 207}));
            EXPECT_EQ(RectInParent(page.Item(kDayEnd)), (RECT{r - 40, t + 323, r, t + 343}));
            EXPECT_TRUE(page.ShowsText({l + 208, t + 171, c, t + 187})) << "<- Link ->";
            EXPECT_EQ(::SendMessageA(page.hwnd, WM_GETFONT, 0, 0), ::SendMessageA(page.sheet, WM_GETFONT, 0, 0));
            for (int id : {kColor, kBackground, kLink, kActivate, kSaveAs, kRestore})
                EXPECT_EQ(page.Enabled(id), k.editable) << id;
            for (int id : {kList, kStart, kEnd, kDayStart, kDayEnd, kThemes})
                EXPECT_TRUE(page.Enabled(id)) << id;
            EXPECT_EQ(page.Enabled(kDelete), k.deletable);
            if (k.derive) {
                page.MoveHue(kColor, 60);
                EXPECT_FALSE(page.Enabled(kDelete)) << "derived";
            }
            const std::pair<HsbColor, HsbColor> pairs[] = {{{60, 100, 100}, {120, 100, 100}}, {{300, 100, 100}, {0, 0, 100}}};
            HWND time = page.Item(kBackground);  // the time controls come after the colour controls
            for (int i = 0; k.derive && i < 2; ++i) {
                while ((time = ::GetWindow(time, GW_HWNDNEXT)) && ::GetDlgCtrlID(time) != kColor) {}
                const HWND bar = ::GetDlgItem(time, kTimeBar);
                const COLORREF middle = CTimeBlend(pairs[i].first, pairs[i].second, 176).Column(88);
                EXPECT_TRUE(WaitUntil([&] { return ::GetPixel(CClientDC(bar).Get(), 88, 4) == middle; })) << "time bar " << i;
            }
            ResetStandIns();
            page.Apply();
            const std::vector<std::string> applies = CallsTo(ThemeLibraryCalls(), "RmApplyColors");
            EXPECT_EQ(applies.size(), k.applies);
            const std::string colors = k.derive ? Palette("feff00", "fe00ff", ",") : Palette("ff0000", "0000ff", ",");
            EXPECT_EQ(applies.empty() ? "" : applies.front(), "RmApplyColors(" + colors + ", \"Lark\")");
        });
        EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLark, "ActiveColorSetting"), k.active);
        EXPECT_EQ(GetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftTheme"), k.hueShiftTheme);
        EXPECT_EQ(GetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftColor"), k.hueShiftColor);
        EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLark, "strPaletteMain").has_value(), k.derive) << "custom setting saved";
        ::PostMessageA(::FindWindowA("QorPageProbe", nullptr), WM_CLOSE, 0, 0);
        std::string told = probe.Finish();  // and the General page's sound (2)
        told.erase(std::remove(told.begin(), told.end(), '\r'), told.end());
        EXPECT_NE(told.find("appearance 1 " + process + "\nappearance 5 " + process + "\n"), std::string::npos) << told;
        EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 3) << told;
    }
}

const char kAskDelete[] = "Do you want to delete this color setting?", kInvalidName[] = "Enter a valid name.";
const char kAskRestore[] = "This will restore the original default settings.\nSettings you have created will not be affected.";

// Save As: blank and backslash refused, any letter case overwritten, an unlisted key, stored before listed; Delete:
// asked, failing, the neighbour or the custom setting next; Restore: shipped values beside the user's own, Close only.
TEST_F(ThemesPageTest, SaveAsDeleteAndRestoreOnAShrinkingList)
{
    UseTheme("Lark", "Alpha");
    for (const char* name : {"Alpha", "Beta", "Noon"})
        Store(name, 0, name[0] == 'A');
    Store("Noon", 0, 1, "Lark", Palette("00ff00", "0000ff"), "default", HKEY_LOCAL_MACHINE);
    SetString(HKEY_CURRENT_USER, kLark + "\\Beta\\Child", "x", "");  // a key with a subkey cannot be deleted
    SetString(HKEY_CURRENT_USER, kLark + "\\Ghost", "x", "");          // a key without time settings: not listed
    const auto next = [](const Texts& entries, int chosen, const std::string& name, int pick = LB_ERR, int click = kDelete) {
        return [=](const Page& page) {
            EXPECT_TRUE(page.Shows(entries, chosen, name) && page.Enabled(kDelete) == (chosen != LB_ERR)) << name;
            pick == LB_ERR ? void() : page.Pick(pick);
            page.Click(click);
        };
    };
    const Texts all = {"Alpha", "Beta", "Noon"};
    OnColorPage([](const Page& page) { page.MoveHue(kColor, 60), page.Click(kSaveAs); }, {
        {Showing(kNameEdit, "Alpha"), {{kNameEdit, "   "}}, IDOK}, {MessageBoxWithText(kInvalidName), {}, IDOK},
        {Showing(kNameEdit, "   "), {{kNameEdit, "a\\b"}}, IDOK}, {MessageBoxWithText(kInvalidName), {}, IDOK},
        {Showing(kNameEdit, "a\\b"), {{kNameEdit, " alpha "}}, IDOK, [&](const Page& page) {
             EXPECT_TRUE(GetDword(HKEY_CURRENT_USER, kLark + "\\Alpha", "bWriteProtected") == 0u
                         && GetString(HKEY_CURRENT_USER, kLark + "\\Alpha", "strPaletteMain") == Palette("feff00", "fe00ff"));
             next(all, 0, "alpha", LB_ERR, kSaveAs)(page);
         }},
        {Showing(kNameEdit, "alpha"), {{kNameEdit, "Ghost"}}, IDOK, next({"Alpha", "Beta", "Ghost", "Noon"}, 2, "Ghost")},
        {MessageBoxWithText(kAskDelete), {}, IDNO, next({"Alpha", "Beta", "Ghost", "Noon"}, 2, "Ghost")},
        {MessageBoxWithText(kAskDelete), {}, IDYES, next(all, 1, "Beta")}, {MessageBoxWithText(kAskDelete), {}, IDYES},
        {MessageBoxWithText("Unable to delete color setting"), {}, IDOK,
         [&](const Page& page) { DeleteKeyTree(HKEY_CURRENT_USER, kLark + "\\Beta\\Child"), next(all, 1, "Beta", 0)(page); }},
        {MessageBoxWithText(kAskDelete), {}, IDYES, next({"Beta", "Noon"}, 0, "Beta", 1)},
        {MessageBoxWithText(kAskDelete), {}, IDYES, next({"Beta"}, 0, "Beta")},
        {MessageBoxWithText(kAskDelete), {}, IDYES, next({}, LB_ERR, "", LB_ERR, kSaveAs)},
        {Showing(kNameEdit, ""), {{kNameEdit, "Mine"}}, IDOK, [](const Page& page) {
             EXPECT_TRUE(page.Shows({"Mine"}, 0, "Mine") && !KeyExists(HKEY_CURRENT_USER, kLark + "\\Ghost"));
             page.Apply();
             EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLark, "ActiveColorSetting"), "Mine") << "the manager holds what was saved";
             page.Click(kRestore);
         }},
        {MessageBoxWithText(kAskRestore), {}, IDCANCEL, [](const Page& page) {
             EXPECT_TRUE(page.Shows({"Mine"}, 0, "Mine") && page.SheetEnabled(IDCANCEL));
             ResetStandIns(), page.Click(kRestore);
         }},
        {MessageBoxWithText(kAskRestore), {}, IDOK, [](const Page& page) {
             EXPECT_TRUE(page.Shows({"Mine", "Noon"}, 0, "Mine") && !page.SheetEnabled(IDCANCEL) && !LastCall("RmApplyColors").empty());
             EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLark + "\\Noon", "strPaletteMain"), Palette("00ff00", "0000ff"));
             DeleteKeyTree(HKEY_CURRENT_USER, kLark);
             CreateVolatileKey(HKEY_CURRENT_USER, kLark);  // no lasting setting key below
             page.Click(kSaveAs);
         }},
        {Showing(kNameEdit, "Mine"), {{kNameEdit, "Other"}}, IDOK, next({"Mine", "Noon"}, 0, "Mine", LB_ERR, kRestore)},
        {MessageBoxWithText(kAskRestore), {}, IDOK, [](const Page& page) { EXPECT_TRUE(page.Shows({}, LB_ERR, "[Custom Setting]")); }},
    });
}

// The schedule's controls come and go with the switch, End edits the end pair, the time dialog sets the day's ends.
TEST_F(ThemesPageTest, ScheduleSwitchEndPairAndDayTimesFromTheTimeDialog)
{
    UseTheme("Lark", "Noon");
    Store("Noon", 0, 0, "Lark", Palette("ff0000", "0000ff"), "default");
    Store("Early", 0, 0, "Lark", Palette("ff0000", "0000ff"), "Day;09:30");
    // The schedule's buttons and lists, the painted "Adjust" left of End and "Shift Colors By" left of the "Day" list; the pair edited.
    const auto shows = [](const Page& page, bool on, bool endPair) {
        const RECT end = RectInParent(page.Item(kEnd)), day = RectInParent(page.Item(kShiftBy));
        const std::string colors = endPair ? Palette("00ff00", "ffffff", ",") : Palette("ff0000", "0000ff", ",");
        bool same = page.ShowsText({end.left - 130, end.top, end.left - 60, end.bottom}) == on && page.Hue(kColor) == (endPair ? 120 : 0)
                    && page.ShowsText({day.left - 108, day.top, day.left, day.top + 20}) == on
                    && LastCall("RmApplyColorsForPreview") == "RmApplyColorsForPreview(" + colors + ")";
        for (int id : {kStart, kEnd, kShiftBy, kDayStart, kDayEnd})
            same = same && (::IsWindowVisible(page.Item(id)) != FALSE) == on;
        return same;
    };
    OnColorPage([&](const Page& page) {
        EXPECT_TRUE(shows(page, false, false));
        const struct { int click; bool on, endPair; } clicks[] = {{kActivate, true, false}, {kEnd, true, true}, {kStart, true, false},
                                                                  {kEnd, true, true}, {kActivate, false, false}};  // off: back to Start
        for (const auto& c : clicks) {
            page.Command(c.click, BN_CLICKED);
            EXPECT_TRUE(shows(page, c.on, c.endPair)) << c.click;
        }
        EXPECT_TRUE(page.Text(kName) == "Custom, Derived From Noon" && page.Chosen() == LB_ERR
                    && ::SendMessageA(page.Item(kStart), BM_GETCHECK, 0, 0) == BST_CHECKED);
        page.Command(kActivate, BN_CLICKED), page.Click(kDayEnd);
    }, {
        {Showing(211, "18:00"), {{kCustomTime, nullptr}, {kTimeEdit, "18:30"}}, IDOK, [](const Page& page) {
             page.Apply();
             EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLark, "strTimeSettings"), "Day;default;18:30");
             page.Click(kDayStart);
         }},
        {Showing(211, "08:00"), {{kCustomTime, nullptr}, {kTimeEdit, "07:30"}, {kSetDefault, nullptr}}, IDOK, [](const Page& page) {
             EXPECT_TRUE(page.Text(kDayStart) == "07:30" && page.Text(kDayEnd) == "18:30");
             EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLark, "strDefaultDayStart"), "07:30");
             page.Pick(0);
             EXPECT_TRUE(page.Text(kName) == "Early" && page.Text(kDayStart).empty() && page.Text(kDayEnd) == "09:30");
         }},
    });
}

// The page and the picker worked with the keyboard alone: Tab goes round the page as it is seen and on to the
// sheet's buttons, Enter on the sample opens the picker and takes what its keys chose, a key on the hue tells the
// page once, and Enter on OK stores the colour.
TEST_F(ThemesPageTest, TheKeyboardAloneGoesAsThePageIsSeenAndChangesAndStoresAColour)
{
    UseTheme("Lark", "Noon");
    Store("Noon", 1);
    OnColorPage([](const Page& page) {
        HWND foreground = page.Item(kColor), background = page.Item(kBackground);
        const auto part = [](HWND control, int id) { return ::GetDlgItem(control, id); };
        const HWND seen[] = {page.Item(kList), page.Item(kSaveAs), page.Item(kDelete), page.Item(kRestore),
                             part(foreground, kSample), part(foreground, kScrollBar), page.Item(kLink),
                             part(background, kSample), part(background, kScrollBar), page.Item(kActivate),
                             page.Item(kStart), page.Item(kEnd), page.Item(kShiftBy), page.Item(kDayStart),
                             page.Item(kDayEnd), ::GetDlgItem(page.sheet, IDOK)};
        ::SendMessageA(page.sheet, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(page.Item(kThemes)), TRUE);
        for (HWND stop : seen) {
            PressKey(page.sheet, VK_TAB);
            EXPECT_TRUE(WaitUntil([&] { return FocusOf(page.sheet) == stop; })) << ::GetDlgCtrlID(stop);
            if (stop == part(foreground, kSample)) {
                PressKey(page.sheet, VK_RETURN);
                HWND picker = nullptr, field = nullptr;
                EXPECT_TRUE(WaitUntil([&] { return (picker = ::FindWindowA(nullptr, "Color Picker")) && ::IsWindowVisible(picker); }));
                ::SendMessageA(picker, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field = ::GetDlgItem(picker, kSample)), TRUE);
                PressKey(picker, VK_NEXT);
                EXPECT_TRUE(WaitUntil([&] { return TextOf(field) == "Color: saturation 100, brightness 90"; }));
                PressKey(picker, VK_RETURN);
                if (!WaitUntil([&] { return page.Text(kName) == "Custom, Derived From Noon"; })) {
                    ADD_FAILURE() << "Enter in the picker";
                    ::PostMessageA(picker, WM_CLOSE, 0, 0);  // so that the test ends
                }
            } else if (stop == part(foreground, kScrollBar)) {
                const size_t before = page.Previews();
                PressKey(page.sheet, VK_RIGHT);
                EXPECT_TRUE(WaitUntil([&] { return page.Previews() > before; }));
                ::Sleep(200);
                EXPECT_TRUE(page.Previews() == before + 1 && page.Hue(kBackground) == 242);
                EXPECT_EQ(TextOf(foreground), "Foreground Color: hue 2, saturation 100, brightness 90");
            }
        }
        PressKey(page.sheet, VK_RETURN);
    });
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLark, "strPaletteMain"),
              Palette(Hex(HsbToColorRef({2, 100, 90})), Hex(HsbToColorRef({242, 100, 100}))));
}

} // namespace
