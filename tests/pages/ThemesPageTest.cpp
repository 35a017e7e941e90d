// The Color Settings page as a user works it, through the real module's sheet:
// the two lists, the name text, linked hues, the enabling rules, the layout
// and what the page paints, and what Apply stores, applies and tells.
#include "color/TimeBlend.h"
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
    kThemes = 1027, kThemeGroup = 1031, kGroup = 1032, kList = 4096, kPreview = 4097, kColor = 4098,
    kBackground = 4099, kLink = 4102, kSaveAs = 4103, kDelete = 4104, kStart = 4105, kEnd = 0x10010,
    kName = 0x10011, kActivate = 0x10014, kShiftBy = 0x10015, kDayStart = 0x10016, kDayEnd = 0x10017,
    kRestore = 0x10018, kApply = 0x3021, kScrollBar = 4096, kTimeBar = 4097, kNameEdit = 205, kCustomTime = 208,
    kTimeEdit = 209, kSetDefault = 210,
};
// A setting of Lark's (or another theme's) with the palettes the tests read back.
void Store(const std::string& name, DWORD scheduled = 0, DWORD writeProtected = 0, const std::string& theme = "Lark",
                  const std::string& main = Palette("ff0000", "0000ff"), const char* times = "Day;00:00;23:59",
                  HKEY hive = HKEY_CURRENT_USER)
{
    qortest::StoreSetting(theme, name, main, Palette("00ff00", "ffffff"), scheduled, times, writeProtected, hive);
}

std::string LastCall(const char* function)
{
    const std::vector<std::string> calls = CallsTo(ThemeLibraryCalls(), function);
    return calls.empty() ? "" : calls.back();
}

// The children with an id, in the order of their creation.
std::vector<HWND> ChildrenWithId(HWND page, int id)
{
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(page, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (::GetDlgCtrlID(child) == id)
            children.push_back(child);
    return children;
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
    // Drags the hue scroll bar of a colour control; waits until the preview shows it.
    void MoveHue(int id, int hue) const
    {
        const auto previews = [] { return CallsTo(ThemeLibraryCalls(), "RmApplyColorsForPreview").size(); };
        const size_t before = previews();
        ::SendMessageA(Item(id), WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, hue), reinterpret_cast<LPARAM>(::GetDlgItem(Item(id), kScrollBar)));
        EXPECT_TRUE(WaitUntil([&] { return previews() > before; }));
    }
    // Dark pixels in an area of the face: painted text.
    bool ShowsText(const RECT& area) const
    {
        const HDC dc = ::GetDC(hwnd);
        bool dark = false;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                dark = dark || GetGValue(::GetPixel(dc, x, y)) < 100;
        return ::ReleaseDC(hwnd, dc), dark;
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

// A message box: its text and caption, its default button, whether it shows an icon.
ModalAnswerer::Match Box(const std::string& text, int defaultButton, bool icon = true, const char* caption = "Qor GUI Settings")
{
    return [=](HWND box) {
        return MessageBoxWithText(text)(box) && TextOf(box) == caption
               && (::SendDlgItemMessageA(box, 0x440, STM_GETICON, 0, 0) != 0) == icon
               && (::GetWindowLongA(::GetDlgItem(box, defaultButton), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    };
}

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

// The host calls QorThemeReinit on the sheet's thread while the sheet is
// open, as a front-end window's menu can: sent WM_APP does it.
LRESULT CALLBACK ReinitOnRequest(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_APP)
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    const FARPROC reinit = ::GetProcAddress(::GetModuleHandleA("qorthmcust.dll"), "QorThemeReinit");
    reinterpret_cast<void(WINAPI*)()>(reinterpret_cast<void*>(reinit))();
    return 0;
}

using ThemesPageTest = StandInTest;

TEST_F(ThemesPageTest, ThemesListedInRegistryOrderTheActiveOneChosenAnotherOneAppliedWhenChosen)
{
    const struct {
        const char *active, *chosen, *loaded;
    } cases[] = {{"sYSTEM dEPENDENT", "ThemeA", "ThemeA"}, {"Unknown", "Theme-B", "Unknown"}};
    for (const auto& c : cases) {
        ResetQorKeys();
        for (const char* theme : {"\\Theme-B", "\\ThemeA"})  // the registry's order; sorted, A would come first
            SetString(HKEY_CURRENT_USER, kThemesKey + std::string(theme), "Path", "C:\\windows");
        SetString(HKEY_CURRENT_USER, kThemesKey, "SystemDefault", "ThemeA");
        SetString(HKEY_CURRENT_USER, QORRM_STANDIN_KEY, "ActiveTheme", c.active);
        Store("Dusk", 0, 0, "Theme-B");
        SetString(HKEY_CURRENT_USER, ThemeKey("Theme-B"), "ActiveColorSetting", "Dusk");
        OnColorPage([&](const Page& page) {
            EXPECT_EQ(page.Entries(kThemes), (Texts{"Theme-B", "ThemeA"}));
            EXPECT_EQ(page.Text(kThemes), c.chosen) << c.active;
            EXPECT_EQ(LastCall("RmLoadNewTheme"), "RmLoadNewTheme(\"" + std::string(c.loaded) + "\")");
            if (std::string(c.chosen) == "Theme-B")
                return;
            ::SendMessageA(page.Item(kThemes), CB_SETCURSEL, 0, 0);
            page.Command(kThemes, CBN_SELENDOK);
            EXPECT_EQ(LastCall("RmLoadNewTheme"), "RmLoadNewTheme(\"Theme-B\")");
            EXPECT_EQ(LastCall("RmApplyColors"), "RmApplyColors(" + Palette("ff0000", "0000ff", ",") + ", \"Theme-B\")");
            EXPECT_EQ(page.Entries(), Texts{"Dusk"});
        });
    }
}

TEST_F(ThemesPageTest, SettingsSortedWithoutTheCustomSettingNameInItsThreeStatesLinkedHues)
{
    UseTheme("Lark", "Alpha");
    Store("_Zulu", 0, 0, "Lark", Palette("ff002a", "ff2b00"));  // hues 350 and 10
    Store("Alpha", 0, 0, "Lark", Palette("ff1600", "ff002a"));  // hues 5 and 350
    SetString(HKEY_CURRENT_USER, kLark, "strTimeSettings", "default");  // custom values of the theme
    OnColorPage([](const Page& page) {
        EXPECT_EQ(page.Entries(), (Texts{"_Zulu", "Alpha"}));
        EXPECT_TRUE(page.Chosen() == 1 && page.Text(kName) == "Alpha" && !page.SheetEnabled(kApply));
        // Foreground moves, background follows by the difference taken when loaded (wrapped by 359).
        const struct {
            int entry, fore, back, moveTo, linked;
        } cases[] = {{0, 350, 10, 355, 15}, {1, 5, 350, 20, 6}};
        for (const auto& c : cases) {
            page.Pick(c.entry);
            EXPECT_TRUE(page.Text(kName) == page.Entries()[c.entry] && page.SheetEnabled(kApply));
            EXPECT_TRUE(page.Hue(kColor) == c.fore && page.Hue(kBackground) == c.back);
            page.MoveHue(kColor, c.moveTo);
            EXPECT_EQ(page.Hue(kBackground), c.linked);
        }
        page.Command(kLink, BN_CLICKED);
        EXPECT_EQ(::SendMessageA(page.Item(kLink), BM_GETCHECK, 0, 0), BST_UNCHECKED);
        page.MoveHue(kColor, 100);
        EXPECT_EQ(page.Hue(kBackground), 6) << "unlinked";
        page.Command(kLink, BN_CLICKED);
        page.MoveHue(kBackground, 16);
        EXPECT_EQ(page.Hue(kColor), 110) << "linked again at the difference of that moment";
        EXPECT_EQ(page.Text(kName), "Custom, Derived From Alpha");
    });
}

// Delete is offered only where it can act: never for a write-protected setting nor in the derived state.
TEST_F(ThemesPageTest, LayoutPaintedLabelsEnablingTimeBarsAndPreviewOfTheStartPair)
{
    const struct {
        DWORD scheduled, disable, writeProtected;
        bool editable, deletable;
    } cases[] = {{1, 0, 0, true, true}, {0, 0, 1, true, false}, {0, 1, 0, false, false}};
    UseTheme("Lark", "Noon");
    for (const auto& k : cases) {
        const bool scheduled = k.scheduled == 1;
        SetDword(HKEY_CURRENT_USER, kLark, "DisableSetting", k.disable);
        Store("Noon", k.scheduled, k.writeProtected);
        OnColorPage([&](const Page& page) {
            const RECT group = RectInParent(page.Item(kGroup));
            const int l = group.left + 8, t = group.top + 20, r = group.right - 8, c = r - 208, a = t + 235, s = t + 323;
            const int link = l + 208 + (c - l - 208 - 16) / 2;
            const std::pair<int, std::vector<RECT>> layout[] = {
                {kName, {{l, t, l + 208, t + 23}}}, {kList, {{l, t + 27, l + 208, t + 143}}}, {kPreview, {{c, t, r, t + 143}}},
                {kSaveAs, {{l + 218, t, c - 10, t + 23}}}, {kDelete, {{l + 218, t + 27, c - 10, t + 50}}},
                {kRestore, {{l + 218, t + 54, c - 10, t + 77}}}, {kBackground, {{c, t + 151, r, t + 231}}},
                {kColor, {{l, t + 151, l + 208, t + 231}, {l, a + 24, l + 208, a + 84}, {c, a + 24, r, a + 84}}},
                {kLink, {{link, t + 191, link + 16, t + 207}}}, {kActivate, {{l, a, l + 208, a + 20}}},
                {kStart, {{c + 70, a, c + 120, a + 20}}}, {kEnd, {{c + 130, a, c + 200, a + 20}}},
                {kDayStart, {{c, s, c + 40, s + 20}}}, {kDayEnd, {{r - 40, s, r, s + 20}}}};
            for (const auto& [id, rects] : layout) {
                std::vector<RECT> shown;
                for (HWND child : ChildrenWithId(page.hwnd, id))
                    shown.push_back(RectInParent(child));
                EXPECT_EQ(shown, rects) << id;
            }
            const RECT day = RectInParent(page.Item(kShiftBy));  // shown closed; opened it reaches s + 150
            EXPECT_TRUE(day.left == l + 108 && day.top == s && day.right == l + 208) << "Day list";
            EXPECT_EQ(::SendMessageA(page.hwnd, WM_GETFONT, 0, 0), ::SendMessageA(page.sheet, WM_GETFONT, 0, 0));
            EXPECT_TRUE(page.ShowsText({l + 208, t + 171, c, t + 187})) << "<- Link ->";
            EXPECT_EQ(LastCall("RmApplyColorsForPreview"), "RmApplyColorsForPreview(" + Palette("ff0000", "0000ff", ",") + ")");
            for (int id : {kColor, kBackground, kLink, kActivate, kSaveAs, kRestore})
                EXPECT_EQ(page.Enabled(id), k.editable) << id;
            for (int id : {kList, kStart, kEnd, kDayStart, kDayEnd, kThemes})
                EXPECT_TRUE(page.Enabled(id)) << id;
            EXPECT_EQ(page.Enabled(kDelete), k.deletable);
            if (!k.editable)
                return;
            page.MoveHue(kColor, 60);
            EXPECT_FALSE(page.Enabled(kDelete)) << "derived";
            if (!scheduled)
                return;
            // Foreground and background from their start into their end colour, following the hue drag.
            const std::pair<HsbColor, HsbColor> pairs[] = {{{60, 100, 100}, {120, 100, 100}}, {{300, 100, 100}, {0, 0, 100}}};
            const std::vector<HWND> times = ChildrenWithId(page.hwnd, kColor);
            for (int i = 0; i < 2; ++i) {
                HWND bar = ::GetDlgItem(times[i + 1], kTimeBar);
                EXPECT_EQ(RectInParent(bar), (RECT{15, 33, 193, 43}));
                const CTimeBlend blend(pairs[i].first, pairs[i].second, 176);
                EXPECT_TRUE(WaitUntil([&] {
                    const HDC dc = ::GetDC(bar);
                    int x = 0;
                    while (x < 176 && ::GetPixel(dc, x, 4) == blend.Column(x))
                        ++x;
                    ::ReleaseDC(bar, dc);
                    return x == 176;
                })) << "time bar " << i;
            }
        });
    }
}

TEST_F(ThemesPageTest, ApplyActivatesAppliesRecordsTheScheduleAndTellsEveryProcessInOrder)
{
    const std::string process = std::to_string(::GetCurrentProcessId());
    const struct {
        DWORD scheduled;
        bool derive;
        const char *active, *hueShiftTheme, *hueShiftColor;
        size_t applies;  // the schedule runs once more
    } cases[] = {{0, false, "Noon", "", "", 1}, {1, false, "Noon", "Lark", "Noon", 2}, {1, true, "", "Lark", "", 2}};
    UseTheme("Lark", "Noon");
    for (const auto& c : cases) {
        Store("Noon", c.scheduled);
        SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftTheme", "Old");
        ChildProcess probe(ProgramBeside("qorprobe.exe") + " session QorPageProbe 20000");
        ASSERT_TRUE(WaitUntil([] { return ::FindWindowA("QorPageProbe", nullptr) != nullptr; }));
        OnColorPage([&](const Page& page) {
            if (c.derive)
                page.MoveHue(kColor, 0);
            ResetStandIns();
            ::SendMessageA(page.sheet, PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0);
            const std::vector<std::string> applies = CallsTo(ThemeLibraryCalls(), "RmApplyColors");
            EXPECT_EQ(applies.size(), c.applies);
            EXPECT_EQ(applies.empty() ? "" : applies.front(), "RmApplyColors(" + Palette("ff0000", "0000ff", ",") + ", \"Lark\")");
        });
        EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLark, "ActiveColorSetting"), c.active);
        EXPECT_EQ(GetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftTheme"), c.hueShiftTheme);
        EXPECT_EQ(GetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftColor"), c.hueShiftColor);
        EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLark, "strPaletteMain").has_value(), c.derive) << "custom setting saved";
        ::PostMessageA(::FindWindowA("QorPageProbe", nullptr), WM_CLOSE, 0, 0);
        std::string told = probe.Finish();  // and the General page's sound (2)
        told.erase(std::remove(told.begin(), told.end(), '\r'), told.end());
        EXPECT_NE(told.find("appearance 1 " + process + "\nappearance 5 " + process + "\n"), std::string::npos) << told;
        EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 3) << told;
    }
}

TEST_F(ThemesPageTest, AReloadByTheHostWhileOpenIsFollowedKeepingTheEditAndTheChoice)
{
    UseTheme("Lark", "Beta");
    for (const char* name : {"Alpha", "Beta"})
        Store(name);
    WNDCLASSA hostClass = {};
    hostClass.lpfnWndProc = ReinitOnRequest;
    hostClass.lpszClassName = "QorReinitHost";
    ::RegisterClassA(&hostClass);
    HWND host = ::CreateWindowA("QorReinitHost", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    OnColorPage([&](const Page& page) {
        page.Pick(0);
        Store("Zeta");
        ::SendMessageA(host, WM_APP, 0, 0);
        page.MoveHue(kColor, 30);
        EXPECT_TRUE(page.Shows({"Alpha", "Beta", "Zeta"}, -1, "Custom, Derived From Alpha"));
        page.Pick(2);
        EXPECT_EQ(page.Text(kName), "Zeta");
        ::SendMessageA(host, WM_APP, 0, 0);
        ::SendMessageA(page.sheet, PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0);
    });
    ::DestroyWindow(host);
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLark, "ActiveColorSetting"), "Zeta");
}

TEST_F(ThemesPageTest, OpensOnManySettingsOverlongNamesNoThemesKeyAndAFailingReload)
{
    const struct {
        std::function<void()> seed;
        size_t themes, settings;
        const char *caption, *name;  // the theme group's caption is the template's when the page stops early
    } cases[] = {
        {[] {
             UseTheme("Lark", "Setting 1999");
             for (int i = 0; i < 2000; ++i)
                 SetStringUnder(HKEY_CURRENT_USER, kLark, "Setting " + std::to_string(i), "strTimeSettings", "default");
         }, 1, 2000, "Theme setting", "Setting 1999"},
        {[] {
             UseTheme("Lark", "Noon");
             Store("Noon");
             SetStringUnder(HKEY_CURRENT_USER, kLark, std::string(255, 's'), "strTimeSettings", "default");
             SetStringUnder(HKEY_CURRENT_USER, kThemesKey, std::string(255, 't'), "Path", "C:\\windows");
         }, 2, 1, "Theme setting", "Noon"},
        {[] {}, 0, 0, "Theme setting", "[Custom Setting]"},
        {[] {
             CreateVolatileKey(HKEY_CURRENT_USER, kThemesKey);  // no lasting theme key below: the manager cannot load
         }, 0, 0, "Select theme", "[Custom Setting]"},
    };
    for (const auto& c : cases) {
        ResetQorKeys();
        c.seed();
        OnColorPage([&](const Page& page) {
            EXPECT_EQ(page.Entries(kThemes).size(), c.themes) << c.name;
            EXPECT_EQ(page.Entries().size(), c.settings) << c.name;
            EXPECT_TRUE(page.Text(kThemeGroup) == c.caption && page.Text(kName) == c.name) << c.name;
        });
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
        {Showing(kNameEdit, "Alpha"), {{kNameEdit, "   "}}, IDOK}, {Box(kInvalidName, IDOK, true, "qorthmcust"), {}, IDOK},
        {Showing(kNameEdit, "   "), {{kNameEdit, "a\\b"}}, IDOK}, {Box(kInvalidName, IDOK, true, "qorthmcust"), {}, IDOK},
        {Showing(kNameEdit, "a\\b"), {{kNameEdit, " alpha "}}, IDOK, [&](const Page& page) {
             EXPECT_TRUE(GetDword(HKEY_CURRENT_USER, kLark + "\\Alpha", "bWriteProtected") == 0u
                         && GetString(HKEY_CURRENT_USER, kLark + "\\Alpha", "strPaletteMain") == Palette("feff00", "fe00ff"));
             next(all, 0, "alpha", LB_ERR, kSaveAs)(page);
         }},
        {Showing(kNameEdit, "alpha"), {{kNameEdit, "Ghost"}}, IDOK, next({"Alpha", "Beta", "Ghost", "Noon"}, 2, "Ghost")},
        {Box(kAskDelete, IDNO), {}, IDNO, next({"Alpha", "Beta", "Ghost", "Noon"}, 2, "Ghost")},
        {Box(kAskDelete, IDNO), {}, IDYES, next(all, 1, "Beta")}, {Box(kAskDelete, IDNO), {}, IDYES},
        {Box("Unable to delete color setting", IDOK, false), {}, IDOK,
         [&](const Page& page) { DeleteKeyTree(HKEY_CURRENT_USER, kLark + "\\Beta\\Child"), next(all, 1, "Beta", 0)(page); }},
        {Box(kAskDelete, IDNO), {}, IDYES, next({"Beta", "Noon"}, 0, "Beta", 1)},
        {Box(kAskDelete, IDNO), {}, IDYES, next({"Beta"}, 0, "Beta")},
        {Box(kAskDelete, IDNO), {}, IDYES, next({}, LB_ERR, "", LB_ERR, kSaveAs)},
        {Showing(kNameEdit, ""), {{kNameEdit, "Mine"}}, IDOK, [](const Page& page) {
             EXPECT_TRUE(page.Shows({"Mine"}, 0, "Mine") && !KeyExists(HKEY_CURRENT_USER, kLark + "\\Ghost"));
             ::SendMessageA(page.sheet, PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0);
             EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLark, "ActiveColorSetting"), "Mine") << "the manager holds what was saved";
             page.Click(kRestore);
         }},
        {Box(kAskRestore, IDCANCEL), {}, IDCANCEL, [](const Page& page) {
             EXPECT_TRUE(page.Shows({"Mine"}, 0, "Mine") && page.SheetEnabled(IDCANCEL));
             ResetStandIns(), page.Click(kRestore);
         }},
        {Box(kAskRestore, IDCANCEL), {}, IDOK, [](const Page& page) {
             EXPECT_TRUE(page.Shows({"Mine", "Noon"}, 0, "Mine") && !page.SheetEnabled(IDCANCEL) && !LastCall("RmApplyColors").empty());
             EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLark + "\\Noon", "strPaletteMain"), Palette("00ff00", "0000ff"));
             DeleteKeyTree(HKEY_CURRENT_USER, kLark);
             CreateVolatileKey(HKEY_CURRENT_USER, kLark);  // no lasting setting key below
             page.Click(kSaveAs);
         }},
        {Showing(kNameEdit, "Mine"), {{kNameEdit, "Other"}}, IDOK, next({"Mine", "Noon"}, 0, "Mine", LB_ERR, kRestore)},
        {Box(kAskRestore, IDCANCEL), {}, IDOK, [](const Page& page) { EXPECT_TRUE(page.Shows({}, LB_ERR, "[Custom Setting]")); }},
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
             ::SendMessageA(page.sheet, PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0);
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

} // namespace
