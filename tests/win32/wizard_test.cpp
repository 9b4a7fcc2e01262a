#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "bar_fixture.h"
#include "core/wizard/autoload.h"
#include "temp_folder.h"
#include "win32/adapters/html_help_viewer.h"
#include "win32/adapters/shell_file_ops.h"
#include "win32/adapters/win32_registry.h"
#include "win32/base/module_path.h"
#include "win32/base/unicode.h"
#include "win32/wizard/form6.h"

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

PageSeen Look(TForm6& form, WizardPage page) {
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

class Form6Test : public ::testing::Test {
 protected:
  Form6Test() { registry.AddKey(RegistryRoot::CurrentUser, kRunKey); }
  Application app{GetModuleHandleW(nullptr)};
  TForm6 form{GetModuleHandleW(nullptr), app.handle()};
  TempFolder root;
  ShellFileOps files;
  sim::MemoryRegistry registry;
  BarOptions options;
  std::vector<PageSeen> seen;

  WizardEnd Run() {
    return RunSetupWizard({form, files, registry, "C:\\bar.exe"}, root.Path() + "\\", options);
  }
};

TEST_F(Form6Test, TheWizardsPagesAnswerEnterClicksAndEsc) {
  form.onPageShown = [&](WizardPage page) {
    seen.push_back(Look(form, page));
    EXPECT_TRUE(IsWindowVisible(form.hwnd()));
    if (page == WizardPage::Step1) {
      SendMessageW(CheckBox(form.controls(), 4), BM_CLICK, 0, 0);  // Multimedia off
      PostKey(GetFocus(), VK_RETURN);  // Enter presses the default button
    } else if (page == WizardPage::Step2) {
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

TEST_F(Form6Test, TheCloseBoxCancelsTheFirstPage) {
  form.onPageShown = [&](WizardPage) { PostMessageW(form.hwnd(), WM_CLOSE, 0, 0); };
  EXPECT_EQ(Run(), WizardEnd::CancelledAtStep1);
  EXPECT_FALSE(root.Exists("Games"));
  EXPECT_TRUE(IsWindow(form.hwnd()));
}

TEST_F(Form6Test, IsDesignedAtItsSizeWithAnEightBitSidePicture) {
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

class BarWizardTest : public BarTest {};

TEST_F(BarWizardTest, AboutIsModalOverTheBarWithTheMenuFlagRaised) {
  BarWindow& b = Start();
  b.Show();
  TForm6 form(GetModuleHandleW(nullptr), app.handle());
  b.showAboutPage = [&form] { form.ShowAboutPage(); };
  bool menuActive = false, barEnabled = true;
  std::wstring version, caption, ok;
  form.onPageShown = [&](WizardPage page) {
    EXPECT_EQ(page, WizardPage::About);
    menuActive = b.engine().state().MenuActive;
    barEnabled = IsWindowEnabled(b.hwnd()) != FALSE;
    version = TextOf(GetDlgItem(form.panel(page), static_cast<int>(Form6Id::Label10)));
    caption = TextOf(form.hwnd());
    ok = TextOf(form.controls().okButton);
    SendMessageW(form.controls().cancelButton, BM_CLICK, 0, 0);
  };
  b.RunCommand(CommandId::About1);
  EXPECT_TRUE(menuActive);
  EXPECT_FALSE(barEnabled);
  EXPECT_EQ(version, L"Version: 3.6");
  EXPECT_EQ(caption, L"Ovel Launch Bar: About");
  EXPECT_EQ(ok, L"OK");
  EXPECT_FALSE(b.engine().state().MenuActive);
  EXPECT_TRUE(IsWindowEnabled(b.hwnd()));
}

TEST_F(BarWizardTest, AutoloadAndHelpUseTheProgramsOwnPath) {
  BarWindow& b = Start();
  registry.AddKey(RegistryRoot::CurrentUser, kRunKey);
  b.RunCommand(CommandId::Autoload1);
  const std::string exe = ExecutablePath();
  const auto value = registry.Read(RegistryRoot::CurrentUser, kRunKey, kRunValueName);
  EXPECT_EQ(value ? std::string(value->data.begin(), value->data.end()) : "", exe);

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

TEST(Autoload, TheRunValueIsTheExecutablesFullPathAsRegSz) {
  constexpr wchar_t kRun[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  HKEY run = nullptr;  // Windows has the key; a fresh Wine prefix may not
  RegCreateKeyExW(HKEY_CURRENT_USER, kRun, 0, nullptr, 0, KEY_READ, nullptr, &run, nullptr);
  RegCloseKey(run);
  Win32Registry registry;
  WriteAutoloadValue(registry, ExecutablePath());
  wchar_t exe[MAX_PATH] = {}, data[MAX_PATH + 2] = {};
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  DWORD type = 0, size = sizeof(data);
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, kRun, L"Ovel Launch Bar", RRF_RT_ANY | RRF_NOEXPAND,
                         &type, data, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(size, (wcslen(exe) + 1) * sizeof(wchar_t));  // with its terminating NUL
  EXPECT_STREQ(data, exe);
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kRun, L"Ovel Launch Bar");

  // A key that does not exist is not made.
  constexpr char kMissing[] = "Software\\Vantrel Software\\No Such Key";
  EXPECT_FALSE(registry.WriteExisting(RegistryRoot::CurrentUser, kMissing, "x", {REG_SZ, {'a'}}));
  EXPECT_FALSE(registry.Read(RegistryRoot::CurrentUser, kMissing, "x"));
}

// Wine's viewer may or may not open a window for a missing file; what
// matters is that the call returns and the library is loaded only while the
// viewer owns it.
TEST(HtmlHelp, LoadsTheControlOnDemandAndFreesItWithTheViewer) {
  TempFolder folder;
  ASSERT_FALSE(GetModuleHandleW(L"hhctrl.ocx"));
  {
    HtmlHelpViewer viewer(nullptr);
    viewer.DisplayTopic(folder.PathOf("none.CHM") + "::/introduction.htm");
    EXPECT_TRUE(GetModuleHandleW(L"hhctrl.ocx"));
  }
  EXPECT_FALSE(GetModuleHandleW(L"hhctrl.ocx"));
}

}  // namespace
}  // namespace olb::win
