#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "bar_fixture.h"
#include "core/wizard/autoload.h"
#include "temp_folder.h"
#include "win32/adapters/win32_help_viewer.h"
#include "win32/adapters/win32_file_ops.h"
#include "win32/base/module_path.h"
#include "win32/base/unicode.h"
#include "core/wizard/page_layout.h"
#include "win32/wizard/setup_window.h"

namespace olb::win {
namespace {

std::wstring TextOf(HWND w) {
  wchar_t text[256] = {};
  GetWindowTextW(w, text, 256);
  return text;
}

// What a page looked like once it was up.
struct PageSeen {
  WizardPage page;
  std::wstring caption, ok;
  std::vector<bool> panelsVisible;
  POINT panelAt;
};

PageSeen Look(SetupWindow& form, WizardPage page) {
  PageSeen seen{page, TextOf(form.hwnd()), TextOf(form.controls().okButton), {}, {}};
  for (HWND p : form.controls().panels) seen.panelsVisible.push_back(IsWindowVisible(p) != FALSE);
  RECT r{};
  GetWindowRect(form.panel(page), &r);
  MapWindowPoints(nullptr, form.hwnd(), reinterpret_cast<POINT*>(&r), 2);
  seen.panelAt = {r.left, r.top};
  return seen;
}

void PostKey(HWND target, WPARAM key) {
  PostMessageW(target, WM_KEYDOWN, key, 0);
  PostMessageW(target, WM_KEYUP, key, 0xC0000000);
}

class SetupWindowTest : public ::testing::Test {
 protected:
  SetupWindowTest() { registry.AddKey(RegistryRoot::CurrentUser, kRunKey); }
  Application app{GetModuleHandleW(nullptr)};
  SetupWindow form{GetModuleHandleW(nullptr), app.handle()};
  TempFolder root;
  Win32FileOps files;
  sim::MemoryRegistry registry;
  BarOptions options;
  std::vector<PageSeen> seen;

  WizardEnd Run() {
    return RunSetupWizard({form, files, registry, "C:\\bar.exe"}, root.Path() + "\\", options);
  }
};

TEST_F(SetupWindowTest, TheWizardsPagesAnswerEnterClicksAndEsc) {
  form.onPageShown = [&](WizardPage page) {
    seen.push_back(Look(form, page));
    EXPECT_TRUE(IsWindowVisible(form.hwnd()));
    if (page == WizardPage::Step1) {
      SendMessageW(CheckBox(form.controls(), 4), BM_CLICK, 0, 0);  // Multimedia off
      PostKey(GetFocus(), VK_RETURN);  // Enter presses the default button
    } else if (page == WizardPage::Step2) {
      // No Run value yet: Autoload starts unticked.
      EXPECT_EQ(SendMessageW(CheckBox(form.controls(), 6), BM_GETCHECK, 0, 0), BST_UNCHECKED);
      SendMessageW(CheckBox(form.controls(), 6), BM_CLICK, 0, 0);
      SendMessageW(CheckBox(form.controls(), 7), BM_CLICK, 0, 0);  // AutoHide off
      SendMessageW(CheckBox(form.controls(), 8), BM_CLICK, 0, 0);  // Always on Top on
      SendMessageW(form.controls().okButton, BM_CLICK, 0, 0);
    } else {
      PostKey(GetFocus(), VK_ESCAPE);  // how the last page closes does not matter
    }
  };
  EXPECT_EQ(Run(), WizardEnd::Completed);
  EXPECT_FALSE(IsWindowVisible(form.hwnd()));

  ASSERT_EQ(seen.size(), 3u);
  const wchar_t* oks[] = {L"Next", L"Next", L"OK"};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(seen[i].caption, L"Ovel Launch Bar: Settings");
    EXPECT_EQ(seen[i].ok, oks[i]);
    std::vector<bool> only(4, false);
    only[i] = true;
    EXPECT_EQ(seen[i].panelsVisible, only) << i;
    EXPECT_EQ(seen[i].panelAt.x, 112);
    EXPECT_EQ(seen[i].panelAt.y, 8);
  }
  for (const char* name : {"Games", "Graphics", "Internet", "System"})
    EXPECT_TRUE(root.Exists(name)) << name;
  EXPECT_FALSE(root.Exists("Multimedia"));
  EXPECT_TRUE(registry.Read(RegistryRoot::CurrentUser, kRunKey, kRunValueName));
  EXPECT_EQ(options.AutoHide, 0u);
  EXPECT_EQ(options.AlwaysOnTop, 1u);
}

TEST_F(SetupWindowTest, TheCloseBoxCancelsTheFirstPage) {
  form.onPageShown = [&](WizardPage) { PostMessageW(form.hwnd(), WM_CLOSE, 0, 0); };
  EXPECT_EQ(Run(), WizardEnd::CancelledAtStep1);
  EXPECT_FALSE(root.Exists("Games"));
  EXPECT_TRUE(IsWindow(form.hwnd()));
}

TEST_F(SetupWindowTest, IsDesignedAtItsSizeWithAnEightBitSidePicture) {
  RECT client{};
  GetClientRect(form.hwnd(), &client);
  EXPECT_EQ(client.right, 402);
  EXPECT_EQ(client.bottom, 243);
  const LONG style = GetWindowLongW(form.hwnd(), GWL_STYLE);
  EXPECT_TRUE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

  HRSRC res = FindResourceW(nullptr, L"SIDEPIC", MAKEINTRESOURCEW(2));  // RT_BITMAP
  ASSERT_TRUE(res);
  const auto* info = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(nullptr, res)));
  EXPECT_EQ(info->biWidth, 89);
  EXPECT_EQ(info->biHeight, 168);
  EXPECT_EQ(info->biBitCount, 8);
  EXPECT_TRUE(SendMessageW(form.controls().image, STM_GETIMAGE, IMAGE_BITMAP, 0));
}

// Each control of a panel: its box in the panel, and the extent of its text
// in its own font when broken to the box's width, as the control draws it.
struct Fit {
  std::wstring text;
  RECT box;
  SIZE extent;
};

std::vector<Fit> FitsOf(HWND panel) {
  std::vector<Fit> fits;
  for (HWND c = GetWindow(panel, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    Fit f{TextOf(c), {}, {}};
    GetWindowRect(c, &f.box);
    MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&f.box), 2);
    // A check box's text starts after its square.
    const int offset = ClassOf(c) == L"Button" ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 0;
    HDC dc = GetDC(c);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(c, WM_GETFONT, 0, 0)));
    RECT r{0, 0, f.box.right - f.box.left - offset, 0};
    DrawTextW(dc, f.text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    SelectObject(dc, old);
    ReleaseDC(c, dc);
    f.extent = {r.right + offset, r.bottom};
    fits.push_back(f);
  }
  return fits;
}

void ExpectNothingClipped(HWND panel) {
  const std::vector<Fit> fits = FitsOf(panel);
  ASSERT_FALSE(fits.empty());
  for (size_t i = 0; i < fits.size(); ++i) {
    const Fit& f = fits[i];
    SCOPED_TRACE(Narrow(f.text));
    EXPECT_LE(f.extent.cx, f.box.right - f.box.left);
    EXPECT_LE(f.extent.cy, f.box.bottom - f.box.top);
    EXPECT_LE(f.box.right, kPanelWidth - kPageRightMargin);
    EXPECT_LE(f.box.bottom, kPanelHeight);
    for (size_t j = i + 1; j < fits.size(); ++j) {
      RECT both{};
      EXPECT_FALSE(IntersectRect(&both, &f.box, &fits[j].box)) << Narrow(fits[j].text);
    }
  }
}

TEST_F(SetupWindowTest, EveryTextFitsItsBoxAndNoBoxReachesThePanelsEdge) {
  for (WizardPage page : {WizardPage::Step1, WizardPage::Step2, WizardPage::Step3}) {
    SCOPED_TRACE(static_cast<int>(page));
    ExpectNothingClipped(form.panel(page));
  }
  // The step texts are wider than the panel in the font found here: they wrap.
  const std::vector<Fit> step1 = FitsOf(form.panel(WizardPage::Step1));
  EXPECT_GT(step1[0].box.bottom - step1[0].box.top, 16);
  // The word-wrapped label keeps its designed box, grown downward if needed.
  const Fit label9 = FitsOf(form.panel(WizardPage::Step3))[2];
  EXPECT_EQ(label9.box.left, 16);
  EXPECT_EQ(label9.box.right - label9.box.left, 247);
  EXPECT_GE(label9.box.bottom - label9.box.top, 26);

  form.onPageShown = [&](WizardPage page) {
    ExpectNothingClipped(form.panel(page));
    SendMessageW(form.controls().cancelButton, BM_CLICK, 0, 0);
  };
  form.ShowAboutPage();
}

class BarWizardTest : public BarTest {};

TEST_F(BarWizardTest, AboutIsModalOverTheBarWithTheMenuFlagRaised) {
  BarWindow& b = Start();
  b.Show();
  SetupWindow form(GetModuleHandleW(nullptr), app.handle());
  b.showAboutPage = [&form] { form.ShowAboutPage(); };
  bool menuActive = false, barEnabled = true;
  std::wstring version, caption, ok;
  form.onPageShown = [&](WizardPage page) {
    EXPECT_EQ(page, WizardPage::About);
    menuActive = b.controller().engine().state().MenuActive;
    barEnabled = IsWindowEnabled(b.hwnd()) != FALSE;
    version = TextOf(GetDlgItem(form.panel(page), static_cast<int>(SetupControlId::Label10)));
    caption = TextOf(form.hwnd());
    ok = TextOf(form.controls().okButton);
    SendMessageW(form.controls().cancelButton, BM_CLICK, 0, 0);
  };
  b.RunCommand(CommandId::About1);
  EXPECT_TRUE(menuActive);
  EXPECT_FALSE(barEnabled);
  EXPECT_EQ(version, L"Version: 3.6.0");
  EXPECT_EQ(caption, L"Ovel Launch Bar: About");
  EXPECT_EQ(ok, L"OK");
  EXPECT_FALSE(b.controller().engine().state().MenuActive);
  EXPECT_TRUE(IsWindowEnabled(b.hwnd()));
}

TEST_F(BarWizardTest, AutoloadAndHelpUseTheProgramsOwnPath) {
  BarWindow& b = Start();
  registry.AddKey(RegistryRoot::CurrentUser, kRunKey);
  const std::string exe = ExecutablePath();
  const auto runValue = [&] {
    const auto v = registry.Read(RegistryRoot::CurrentUser, kRunKey, kRunValueName);
    return v ? std::string(v->data.begin(), v->data.end()) : "<none>";
  };
  b.RunCommand(CommandId::Autoload1);
  EXPECT_EQ(runValue(), "\"" + exe + "\"");
  b.RunCommand(CommandId::Autoload1);  // checked: chosen again, it is removed
  EXPECT_EQ(runValue(), "<none>");

  struct Recorder : HelpViewer {
    std::vector<std::string> topics;
    void DisplayTopic(std::string_view topic) override { topics.emplace_back(topic); }
  };
  auto recorder = std::make_unique<Recorder>();
  Recorder& seenTopics = *recorder;
  b.SetHelpViewer(std::move(recorder));
  b.RunCommand(CommandId::Help1);
  ASSERT_EQ(seenTopics.topics.size(), 1u);
  EXPECT_EQ(seenTopics.topics[0], exe.substr(0, exe.size() - 4) + ".CHM::/introduction.htm");
}

// Wine's viewer may or may not open a window for a missing file; what
// matters is that the call returns and the library is loaded only while the
// viewer owns it.
TEST(HtmlHelp, LoadsTheControlOnDemandAndFreesItWithTheViewer) {
  TempFolder folder;
  ASSERT_FALSE(GetModuleHandleW(L"hhctrl.ocx"));
  {
    Win32HelpViewer viewer(nullptr);
    viewer.DisplayTopic(folder.PathOf("none.CHM") + "::/introduction.htm");
    EXPECT_TRUE(GetModuleHandleW(L"hhctrl.ocx"));
  }
  EXPECT_FALSE(GetModuleHandleW(L"hhctrl.ocx"));
}

}  // namespace
}  // namespace olb::win
