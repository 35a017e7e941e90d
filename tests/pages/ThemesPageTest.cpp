// The Color Settings page as a user works it, through the real module's sheet:
// the two lists, the name text, linked hues, the enabling rules, the layout
// and what the page paints, and what Apply stores, applies and tells.
#include "color/TimeBlend.h"
#include "standins/qorrm/qorrm_standin.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/LoadedModule.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/StandInTest.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace qortest;
using Texts = std::vector<std::string>;

// Layouts compare as rectangles.
static bool operator==(const RECT& a, const RECT& b)
{
    return ::EqualRect(&a, &b) != FALSE;
}

namespace {

enum : int {
    kThemes = 1027, kThemeGroup = 1031, kGroup = 1032, kList = 4096, kPreview = 4097, kColor = 4098,
    kBackground = 4099, kLink = 4102, kSaveAs = 4103, kDelete = 4104, kStart = 4105, kEnd = 0x10010,
    kName = 0x10011, kActivate = 0x10014, kShiftBy = 0x10015, kDayStart = 0x10016, kDayEnd = 0x10017,
    kRestore = 0x10018, kApply = 0x3021, kScrollBar = 4096, kTimeBar = 4097,
};
const std::string kLark = std::string(kThemesKey) + "\\Lark";

std::string Palette(const char* fore, const char* back)
{
    std::string text;
    for (int i = 0; i < 23; ++i)
        text += i < 19 ? fore : back;
    return text;
}

void StoreSetting(const std::string& name, const std::string& main, DWORD scheduled = 0, DWORD writeProtected = 0,
                  const std::string& theme = kLark)
{
    const std::string key = theme + "\\" + name;
    SetString(HKEY_CURRENT_USER, key, "strPaletteMain", main);
    SetString(HKEY_CURRENT_USER, key, "strPaletteShift", Palette("00ff00", "ffffff"));
    SetDword(HKEY_CURRENT_USER, key, "bTimeActivated", scheduled);
    SetString(HKEY_CURRENT_USER, key, "strTimeSettings", "Day;00:00;23:59");
    SetDword(HKEY_CURRENT_USER, key, "bWriteProtected", writeProtected);
}

// Lark, in a folder that exists, is the library's active theme with the given active setting.
void UseLark(const char* active)
{
    SetString(HKEY_CURRENT_USER, kLark, "Path", "C:\\windows");
    SetString(HKEY_CURRENT_USER, kLark, "ActiveColorSetting", active);
    SetString(HKEY_CURRENT_USER, QORRM_STANDIN_KEY, "ActiveTheme", "Lark");
}

std::string LastCall(const char* function)
{
    const std::vector<std::string> calls = CallsTo(ThemeLibraryCalls(), function);
    return calls.empty() ? "" : calls.back();
}

size_t Previews()
{
    return CallsTo(ThemeLibraryCalls(), "RmApplyColorsForPreview").size();
}

bool WaitUntil(const std::function<bool()>& done)
{
    for (int tries = 0; tries < 500 && !done(); ++tries)
        ::Sleep(10);
    return done();
}

RECT InPage(HWND window)
{
    RECT rect = {};
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The page as the user sees and works it, from the answerer's thread.
struct Page {
    HWND sheet;
    HWND hwnd;

    HWND Item(int id) const { return ::GetDlgItem(hwnd, id); }
    std::string Text(int id) const { return TextOf(Item(id)); }
    bool Enabled(int id) const { return ::IsWindowEnabled(Item(id)) != FALSE; }
    int Hue(int id) const { return ::GetScrollPos(::GetDlgItem(Item(id), kScrollBar), SB_CTL); }
    Texts Entries(int id, UINT countMessage, UINT textMessage) const
    {
        Texts texts(static_cast<size_t>(::SendMessageA(Item(id), countMessage, 0, 0)));
        for (size_t i = 0; i < texts.size(); ++i) {
            char text[300] = {};
            ::SendMessageA(Item(id), textMessage, i, reinterpret_cast<LPARAM>(text));
            texts[i] = text;
        }
        return texts;
    }
    Texts Settings() const { return Entries(kList, LB_GETCOUNT, LB_GETTEXT); }
    int Chosen() const { return static_cast<int>(::SendMessageA(Item(kList), LB_GETCURSEL, 0, 0)); }
    void Command(int id, UINT code) const { ::SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id))); }
    void Choose(int entry) const
    {
        ::SendMessageA(Item(kList), LB_SETCURSEL, entry, 0);
        Command(kList, LBN_SELCHANGE);
    }
    // Drags the hue scroll bar of a colour control; waits until the preview shows it.
    void MoveHue(int id, int hue) const
    {
        const size_t before = Previews();
        ::SendMessageA(Item(id), WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, hue),
                       reinterpret_cast<LPARAM>(::GetDlgItem(Item(id), kScrollBar)));
        EXPECT_TRUE(WaitUntil([&] { return Previews() > before; }));
    }
    // Pixels darker than the page's face in an area: painted text.
    int DarkPixels(const RECT& area) const
    {
        const HDC dc = ::GetDC(hwnd);
        int dark = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                dark += GetGValue(::GetPixel(dc, x, y)) < 100;
        ::ReleaseDC(hwnd, dc);
        return dark;
    }
};

// Opens the sheet on the Color Settings page, lets work run on it, then presses a sheet button.
void OnColorPage(const std::function<void(const Page&)>& work, int button = PSBTN_CANCEL)
{
    LoadedModule module;
    ModalAnswerer answerer;
    answerer.Then(WindowWithCaption("Qor GUI Settings"), [&](HWND sheet) {
        ::SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
        ::RedrawWindow(sheet, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);  // as the screen shows it
        work(Page{sheet, reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0))});
        PressSheetButton(sheet, button);
    });
    module.ColorSettingsDialog();
    EXPECT_TRUE(answerer.Wait());
}

using ThemesPageTest = StandInTest;

TEST_F(ThemesPageTest, ThemesListedInRegistryOrderTheActiveOneChosenAnotherOneAppliedWhenChosen)
{
    const struct {
        const char *active, *chosen, *loaded;
    } cases[] = {{"ThemeA", "ThemeA", "ThemeA"}, {"sYSTEM dEPENDENT", "ThemeA", "ThemeA"}, {"Unknown", "Theme-B", "Unknown"}};
    for (const auto& c : cases) {
        ResetQorKeys();
        ResetStandIns();
        const std::pair<const char*, const char*> themes[] = {
            {"Theme-B", "C:\\windows"}, {"ThemeA", "C:\\windows"}, {"Gone", "C:\\no such folder"}, {"File", "C:\\windows\\notepad.exe"}};
        for (const auto& [theme, path] : themes)
            SetString(HKEY_CURRENT_USER, std::string(kThemesKey) + "\\" + theme, "Path", path);
        SetString(HKEY_CURRENT_USER, kThemesKey, "SystemDefault", "ThemeA");
        SetString(HKEY_CURRENT_USER, QORRM_STANDIN_KEY, "ActiveTheme", c.active);
        StoreSetting("Dusk", Palette("ff0000", "0000ff"), 0, 0, std::string(kThemesKey) + "\\Theme-B");
        SetString(HKEY_CURRENT_USER, std::string(kThemesKey) + "\\Theme-B", "ActiveColorSetting", "Dusk");
        OnColorPage([&](const Page& page) {
            EXPECT_EQ(page.Entries(kThemes, CB_GETCOUNT, CB_GETLBTEXT), (Texts{"Theme-B", "ThemeA"}));
            EXPECT_EQ(page.Text(kThemes), c.chosen) << c.active;
            EXPECT_EQ(LastCall("RmLoadNewTheme"), "RmLoadNewTheme(\"" + std::string(c.loaded) + "\")");
            if (std::string(c.chosen) == "Theme-B")
                return;
            ::SendMessageA(page.Item(kThemes), CB_SETCURSEL, 0, 0);
            page.Command(kThemes, CBN_SELENDOK);
            EXPECT_EQ(LastCall("RmLoadNewTheme"), "RmLoadNewTheme(\"Theme-B\")");
            EXPECT_EQ(LastCall("RmApplyColors"),
                      "RmApplyColors(" + std::string(Palette("ff0000,", "0000ff,")).substr(0, 23 * 7 - 1) + ", \"Theme-B\")");
            EXPECT_EQ(page.Settings(), Texts{"Dusk"});
        });
    }
}

TEST_F(ThemesPageTest, SettingsListedSortedWithoutTheCustomSettingTheNameShownInItsThreeStates)
{
    UseLark("Alpha");
    StoreSetting("Alpha", Palette("ff0000", "0000ff"));
    StoreSetting("_Zulu", Palette("ff0000", "0000ff"));
    SetString(HKEY_CURRENT_USER, kLark, "strTimeSettings", "default");  // custom values of the theme
    OnColorPage([](const Page& page) {
        EXPECT_EQ(page.Settings(), (Texts{"_Zulu", "Alpha"}));
        EXPECT_TRUE(page.Chosen() == 1 && page.Text(kName) == "Alpha");
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(page.sheet, kApply)));
        page.Choose(0);
        EXPECT_TRUE(page.Text(kName) == "_Zulu" && ::IsWindowEnabled(::GetDlgItem(page.sheet, kApply)));
        for (int hue : {100, 120}) {
            page.MoveHue(kColor, hue);
            EXPECT_EQ(page.Text(kName), "Custom, Derived From _Zulu");
            EXPECT_EQ(page.Chosen(), LB_ERR);
        }
    });
    SetString(HKEY_CURRENT_USER, kLark, "ActiveColorSetting", "");
    OnColorPage([](const Page& page) {
        EXPECT_EQ(page.Settings(), (Texts{"_Zulu", "Alpha"}));
        EXPECT_TRUE(page.Chosen() == LB_ERR && page.Text(kName) == "[Custom Setting]");
    });
}

TEST_F(ThemesPageTest, LinkedHuesKeepTheDifferenceTakenWhenTheLinkWasLastSwitched)
{
    const struct {
        const char *fore, *back;
        int foreHue, backHue, moveTo, linked;
    } cases[] = {{"ff002a", "ff2b00", 350, 10, 355, 15}, {"ff1600", "ff002a", 5, 350, 20, 6}};
    UseLark("Linked");
    for (const auto& c : cases) {
        StoreSetting("Linked", Palette(c.fore, c.back));
        OnColorPage([&](const Page& page) {
            EXPECT_TRUE(page.Hue(kColor) == c.foreHue && page.Hue(kBackground) == c.backHue);
            page.MoveHue(kColor, c.moveTo);
            EXPECT_EQ(page.Hue(kBackground), c.linked);
            page.Command(kLink, BN_CLICKED);
            EXPECT_EQ(::SendMessageA(page.Item(kLink), BM_GETCHECK, 0, 0), BST_UNCHECKED);
            page.MoveHue(kColor, 100);
            EXPECT_EQ(page.Hue(kBackground), c.linked) << "unlinked";
            page.Command(kLink, BN_CLICKED);
            page.MoveHue(kBackground, c.linked + 10);
            EXPECT_EQ(page.Hue(kColor), 110) << "linked again at the difference of that moment";
        });
    }
}

TEST_F(ThemesPageTest, EditingFollowsDisableSettingDeleteNeverOffersWhatItCannotDelete)
{
    const int editing[] = {kColor, kBackground, kLink, kActivate, kSaveAs, kRestore};
    const int usable[] = {kList, kStart, kEnd, kDayStart, kDayEnd, kThemes};
    const struct {
        DWORD disable, writeProtected;
        bool editable, deletable;
    } cases[] = {{0, 0, true, true}, {0, 1, true, false}, {1, 0, false, false}};
    UseLark("Noon");
    for (const auto& c : cases) {
        SetDword(HKEY_CURRENT_USER, kLark, "DisableSetting", c.disable);
        StoreSetting("Noon", Palette("ff0000", "0000ff"), 0, c.writeProtected);
        OnColorPage([&](const Page& page) {
            for (int id : editing)
                EXPECT_EQ(page.Enabled(id), c.editable) << id;
            for (int id : usable)
                EXPECT_TRUE(page.Enabled(id)) << id;
            EXPECT_EQ(page.Enabled(kDelete), c.deletable);
            for (int hue : {40, 50}) {
                if (!c.editable)
                    return;
                page.MoveHue(kColor, hue);
                EXPECT_FALSE(page.Enabled(kDelete)) << "derived, after refresh " << hue;
            }
        });
    }
}

// The children with an id, from the top left.
std::vector<HWND> ChildrenWithId(HWND page, int id)
{
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(page, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (::GetDlgCtrlID(child) == id)
            children.push_back(child);
    std::sort(children.begin(), children.end(), [](HWND a, HWND b) {
        const RECT ra = InPage(a), rb = InPage(b);
        return std::make_pair(ra.top, ra.left) < std::make_pair(rb.top, rb.left);
    });
    return children;
}

std::vector<RECT> RectsOf(HWND page, int id)
{
    std::vector<RECT> rects;
    for (HWND child : ChildrenWithId(page, id))
        rects.push_back(InPage(child));
    return rects;
}

TEST_F(ThemesPageTest, LayoutInTheGroupBoxPaintedLabelsTimeBarsAndPreviewOfTheStartPair)
{
    UseLark("Noon");
    for (DWORD scheduled : {1, 0}) {
        StoreSetting("Noon", Palette("ff0000", "0000ff"), scheduled);
        OnColorPage([&](const Page& page) {
            const RECT group = InPage(page.Item(kGroup));
            const int l = group.left + 8, t = group.top + 20, r = group.right - 8, c = r - 208, a = t + 235, s = t + 323;
            const int link = l + 208 + (c - l - 208 - 16) / 2;
            const std::pair<int, std::vector<RECT>> layout[] = {
                {kName, {{l, t, l + 208, t + 23}}}, {kList, {{l, t + 27, l + 208, t + 143}}},
                {kPreview, {{c, t, r, t + 143}}}, {kSaveAs, {{l + 218, t, c - 10, t + 23}}},
                {kDelete, {{l + 218, t + 27, c - 10, t + 50}}}, {kRestore, {{l + 218, t + 54, c - 10, t + 77}}},
                {kColor, {{l, t + 151, l + 208, t + 231}, {l, a + 24, l + 208, a + 84}, {c, a + 24, r, a + 84}}},
                {kBackground, {{c, t + 151, r, t + 231}}}, {kLink, {{link, t + 191, link + 16, t + 207}}},
                {kActivate, {{l, a, l + 208, a + 20}}}, {kStart, {{c + 70, a, c + 120, a + 20}}},
                {kEnd, {{c + 130, a, c + 200, a + 20}}}, {kDayStart, {{c, s, c + 40, s + 20}}},
                {kDayEnd, {{r - 40, s, r, s + 20}}}};
            for (const auto& [id, rects] : layout)
                EXPECT_EQ(RectsOf(page.hwnd, id), rects) << id;
            RECT dropped = {};
            ::SendMessageA(page.Item(kShiftBy), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
            ::MapWindowPoints(nullptr, page.hwnd, reinterpret_cast<POINT*>(&dropped), 2);
            EXPECT_TRUE(dropped.left == l + 108 && dropped.top == s && dropped.right == l + 208) << "Day list";
            EXPECT_EQ(::SendMessageA(page.hwnd, WM_GETFONT, 0, 0), ::SendMessageA(page.sheet, WM_GETFONT, 0, 0));

            EXPECT_EQ(page.DarkPixels({c, a, c + 70, a + 20}) > 0, scheduled == 1) << "Adjust";
            EXPECT_EQ(page.DarkPixels({l, s, l + 108, s + 20}) > 0, scheduled == 1) << "Shift Colors By";
            EXPECT_GT(page.DarkPixels({l + 208, t + 171, c, t + 187}), 0) << "<- Link ->";
            EXPECT_EQ(::IsWindowVisible(page.Item(kDayEnd)) != FALSE, scheduled == 1);
            EXPECT_EQ(LastCall("RmApplyColorsForPreview"),
                      "RmApplyColorsForPreview(" + Palette("ff0000,", "0000ff,").substr(0, 23 * 7 - 1) + ")");
            if (!scheduled)
                return;
            // Foreground and background from their start colour into their end colour, following a hue drag.
            page.MoveHue(kColor, 60);
            const std::pair<HsbColor, HsbColor> pairs[] = {{{60, 100, 100}, {120, 100, 100}}, {{300, 100, 100}, {0, 0, 100}}};
            const std::vector<HWND> times = ChildrenWithId(page.hwnd, kColor);
            for (int i = 0; i < 2; ++i) {
                HWND bar = ::GetDlgItem(times[i + 1], kTimeBar);
                RECT client = {};
                ::GetClientRect(bar, &client);
                const CTimeBlend blend(pairs[i].first, pairs[i].second, client.right);
                EXPECT_TRUE(WaitUntil([&] {
                    const HDC dc = ::GetDC(bar);
                    int x = 0;
                    while (x < client.right && ::GetPixel(dc, x, client.bottom / 2) == blend.Column(x))
                        ++x;
                    ::ReleaseDC(bar, dc);
                    return x == client.right;
                })) << "time bar " << i;
            }
        });
    }
}

TEST_F(ThemesPageTest, ApplyActivatesAppliesRecordsTheScheduleAndTellsEveryProcessInOrder)
{
    const std::string applied = "RmApplyColors(" + Palette("ff0000,", "0000ff,").substr(0, 23 * 7 - 1) + ", \"Lark\")";
    const std::string process = std::to_string(::GetCurrentProcessId());
    const struct {
        DWORD scheduled;
        bool derive;
        const char *active, *hueShiftTheme, *hueShiftColor;
        size_t applies;  // the schedule runs once more
    } cases[] = {{0, false, "Noon", "", "", 1}, {1, false, "Noon", "Lark", "Noon", 2}, {1, true, "", "Lark", "", 2}};
    UseLark("Noon");
    for (const auto& c : cases) {
        StoreSetting("Noon", Palette("ff0000", "0000ff"), c.scheduled);
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
            EXPECT_EQ(applies.empty() ? "" : applies.front(), applied) << "the main colours first";
        });
        EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLark, "ActiveColorSetting"), c.active);
        EXPECT_EQ(GetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftTheme"), c.hueShiftTheme);
        EXPECT_EQ(GetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftColor"), c.hueShiftColor);
        EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLark, "strPaletteMain").has_value(), c.derive) << "custom setting saved";
        ::PostMessageA(::FindWindowA("QorPageProbe", nullptr), WM_CLOSE, 0, 0);
        // The General page applies too and tells of the sound (2).
        std::string told = probe.Finish();
        told.erase(std::remove(told.begin(), told.end(), '\r'), told.end());
        EXPECT_NE(told.find("appearance 1 " + process + "\nappearance 5 " + process + "\n"), std::string::npos) << told;
        EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 3) << told;
    }
}

// A key made under a parent opened on its own: Wine refuses long full paths.
void CreateUnder(const std::string& parent, const std::string& name, const char* value, const char* data)
{
    HKEY parentKey = nullptr, key = nullptr;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, parent.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &parentKey, nullptr);
    ::RegCreateKeyExA(parentKey, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    ::RegSetValueExA(key, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(data), static_cast<DWORD>(strlen(data) + 1));
    ::RegCloseKey(key);
    ::RegCloseKey(parentKey);
}

TEST_F(ThemesPageTest, OpensOnManySettingsOverlongNamesNoThemesKeyAndAFailingReload)
{
    const struct {
        const char* what;
        std::function<void()> seed;
        size_t themes, settings;
        const char* caption;  // the theme group's: the template's when the page stops early
    } cases[] = {
        {"2000 settings", [] {
             UseLark("Setting 1999");
             for (int i = 0; i < 2000; ++i)
                 CreateUnder(kLark, "Setting " + std::to_string(i), "strTimeSettings", "default");
         }, 1, 2000, "Theme setting"},
        {"255-character names", [] {
             UseLark("Noon");
             StoreSetting("Noon", Palette("ff0000", "0000ff"));
             CreateUnder(kLark, std::string(255, 's'), "strTimeSettings", "default");
             CreateUnder(kThemesKey, std::string(255, 't'), "Path", "C:\\windows");
         }, 2, 1, "Theme setting"},
        {"no Themes key", [] {}, 0, 0, "Theme setting"},
        {"reload fails", [] {
             HKEY key = nullptr;  // a volatile key takes no lasting theme key under it
             ::RegCreateKeyExA(HKEY_CURRENT_USER, kThemesKey, 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr);
             ::RegCloseKey(key);
         }, 0, 0, "Select theme"},
    };
    for (const auto& c : cases) {
        ResetQorKeys();
        c.seed();
        OnColorPage([&](const Page& page) {
            EXPECT_EQ(page.Entries(kThemes, CB_GETCOUNT, CB_GETLBTEXT).size(), c.themes) << c.what;
            EXPECT_EQ(page.Settings().size(), c.settings) << c.what;
            EXPECT_EQ(page.Text(kThemeGroup), c.caption) << c.what;
        });
    }
}

} // namespace
