// Link text is exchanged in code page 936 whatever the system's ANSI code page: this test runs
// under a Western locale (its ctest command sets it) and converts Chinese there.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/codec/link_codec.h"
#include "app/form1.h"
#include "app/text_exchange.h"
#include "runtime/application.h"
#include "tests/runtime/gui_test_util.h"

namespace varnelta {
namespace {

TEST(CodePage, ChineseSurvivesOnAWesternSystem) {
  ASSERT_NE(GetACP(), 936u) << "run this test under a locale whose ANSI code page is not 936";
  Application().Initialize();
  TForm1 form(nullptr);
  form.Show();
  testing::PumpPending();
  const std::wstring address = L"http://example.com/迅雷 文件.zip";
  form.Memo2->SetText(address);
  SendMessageW(form.Button2->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(WideToCodePage(form.Memo1->GetText(), 1252), *MakeSpecialLink(0, WideToCodePage(address, 936)));
  form.Memo2->SetText(L"");
  SendMessageW(form.Button1->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(form.Memo2->GetText(), address);
}

}  // namespace
}  // namespace varnelta
