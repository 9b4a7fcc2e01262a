// The program initialises OLE for its user-interface thread before anything
// else; the tests run on one thread and do the same.
#include <gtest/gtest.h>
#include <windows.h>
#include <ole2.h>

namespace {

class OleEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { OleInitialize(nullptr); }
  void TearDown() override { OleUninitialize(); }
};

const auto* const kOle = ::testing::AddGlobalTestEnvironment(new OleEnvironment);

// A bar destroyed in one test leaves its quit message in the thread's queue;
// the next test's modal loops (dialogs, menus, pumps) would end at once.
class DropQuitMessages : public ::testing::EmptyTestEventListener {
  void OnTestEnd(const ::testing::TestInfo&) override {
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }
};

const bool kDropQuit = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(new DropQuitMessages);
  return true;
}();

}  // namespace
