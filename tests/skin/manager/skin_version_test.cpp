// The main window skinned under the system version Wine reports for this program (set per run
// by skin_version_test.sh): no crash, the platform family as the system reports it, and the
// window text read right on either text path (a Chinese caption through the ANSI code page on
// the 95 family).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/form1.h"
#include "runtime/application.h"
#include "skin/data/win32/skin_manage.h"
#include "skin/data/win32/skin_platform.h"
#include "skin/frame/win_skin_form.h"
#include "tests/runtime/gui_test_util.h"

namespace varnelta {
namespace {

TEST(SkinVersionTest, MainWindowSkinsAndReadsItsCaption) {
  Application().Initialize();
  auto form = std::make_unique<TForm1>(nullptr);
  form->Show();
  TSkinManage* manager = TSkinManage::Current();
  ASSERT_NE(manager, nullptr);
  ASSERT_TRUE(testing::PumpUntil([&] { return manager->FindFormSkinner(form->Handle()) != nullptr; }));
  ASSERT_TRUE(testing::PumpUntil([&] { return manager->FindFormSkinner(form->Handle())->State() == fsRunning; }));

  const char* family = std::getenv("VARNELTA_EXPECT_FAMILY");
  const TPlatformVersion& version = RecordedVersion();
  std::printf("version %lu.%lu, %s family\n", version.Major, version.Minor, version.IsNT ? "NT" : "95");
  if (family) {
    EXPECT_EQ(version.IsNT, std::string(family) == "nt");
  }

  const std::wstring caption = L"转换 迅雷链接 Varnelta";
  SetWindowTextW(form->Handle(), caption.c_str());
  EXPECT_EQ(GetWindowTextAsWide(form->Handle()), caption);
  EXPECT_EQ(SendMessageW(form->Handle(), 0x3523, 0, 0), 1);
  form.reset();
  DestroySkinManager();
}

}  // namespace
}  // namespace varnelta
