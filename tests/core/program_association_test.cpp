#include <gtest/gtest.h>

#include "core/commands/program_association.h"
#include "sim/memory_registry.h"

namespace olb {
namespace {

TEST(CleanRegisteredCommand, LeavesTheProgramOfQuotedAndUnquotedCommands) {
  struct Case {
    std::string command;
    std::string program;
  } cases[] = {
      {R"("C:\Program Files\Ed\ed.exe" "%1")", R"(C:\Program Files\Ed\ed.exe)"},
      {R"(C:\WINDOWS\notepad.exe %1)", R"(C:\WINDOWS\notepad.exe)"},
      {R"("C:\ed.exe" /n /e "%1")", R"(C:\ed.exe" /n /e)"},
      {R"(C:\x.exe /dde)", R"(C:\x.exe /dde)"},
      {R"("C:\x.exe")", R"(C:\x.exe)"},
      {R"(%SystemRoot%\system32\mspaint.exe "%1")", ""},
      {R"(C:\y.exe   "" %1 %2)", R"(C:\y.exe)"},
      {"\"", ""},
      {"\"\"", ""},
      {"", ""},
      {"txtfile", "txtfile"},
  };
  for (const Case& c : cases) EXPECT_EQ(CleanRegisteredCommand(c.command), c.program) << c.command;
}

class ProgramAssociation : public testing::Test {
 protected:
  void Set(const std::string& key, const std::string& text) {
    registry.Write(RegistryRoot::ClassesRoot, key, "",
                   {static_cast<uint32_t>(RegistryType::String), {text.begin(), text.end()}});
  }
  std::string Get(const std::string& extension) {
    return GetProgramAssociation(registry, extension);
  }
  sim::MemoryRegistry registry;
};

TEST_F(ProgramAssociation, PrefersTheExtensionsOwnOpenCommand) {
  Set(".abc\\shell\\open\\command", R"("C:\own.exe" "%1")");
  Set(".abc", "abcfile");
  Set("abcfile\\shell\\open\\command", R"(C:\class.exe %1)");
  EXPECT_EQ(Get("abc"), R"(C:\own.exe)");
}

TEST_F(ProgramAssociation, FollowsTheClassToItsOpenCommand) {
  Set(".txt", "txtfile");
  Set("txtfile\\shell\\open\\command", R"(C:\WINDOWS\notepad.exe %1)");
  EXPECT_EQ(Get("txt"), R"(C:\WINDOWS\notepad.exe)");
  EXPECT_EQ(Get("TXT"), R"(C:\WINDOWS\notepad.exe)");  // keys are found without case
}

TEST_F(ProgramAssociation, IsTheClassNameWhenTheClassHasNoOpenCommand) {
  Set(".zzz", "zzzfile");
  EXPECT_EQ(Get("zzz"), "zzzfile");
  Set(".qq", "\"qq class\" %x");  // a class name is cleaned like a command
  EXPECT_EQ(Get("qq"), "qq class");
}

TEST_F(ProgramAssociation, IsEmptyForUnregisteredOrEmptyEntries) {
  EXPECT_EQ(Get("nope"), "");
  EXPECT_EQ(Get(""), "");
  Set(".empty", "");
  Set("\\shell\\open\\command", "C:\\never.exe");  // an empty class name is not followed
  EXPECT_EQ(Get("empty"), "");
  registry.Write(RegistryRoot::ClassesRoot, ".bin", "",
                 {static_cast<uint32_t>(RegistryType::Binary), {'C', ':'}});
  EXPECT_EQ(Get("bin"), "");
  // The classes root is not the current user's tree.
  registry.Write(RegistryRoot::CurrentUser, ".cu", "",
                 {static_cast<uint32_t>(RegistryType::String), {'x'}});
  EXPECT_EQ(Get("cu"), "");
}

}  // namespace
}  // namespace olb
