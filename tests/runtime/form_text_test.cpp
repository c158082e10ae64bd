#include "runtime/form_text.h"

#include <gtest/gtest.h>

namespace varnelta {
namespace {

const char* kSample = R"(object Form1: TForm1
  Caption = 'It''s '#13#10'two lines'
  Width = -12
  Mask = $FF00000F
  Visible = True
  Icons = [biSystemMenu, biMinimize]
  Empty = []
  Items = (
    '迅雷'
    'a' + 'b'
    #9)
  Data = {
    00FF10
    7f}
  Font.Name = 'Tahoma'
  object Button1: TButton
    Left = 96
  end
end
)";

TEST(FormText, ParsesEveryValueKind) {
  TFormObject root = ParseFormText(kSample);
  EXPECT_EQ(root.Name, "Form1");
  EXPECT_EQ(root.ClassName, "TForm1");
  ASSERT_EQ(root.Properties.size(), 9u);
  EXPECT_EQ(root.Properties[0].Value.String, L"It's \r\ntwo lines");
  EXPECT_EQ(root.Properties[1].Value.Integer, -12);
  EXPECT_EQ(root.Properties[2].Value.Integer, 0xFF00000F);
  EXPECT_EQ(root.Properties[3].Value.Identifier, "True");
  EXPECT_EQ(root.Properties[4].Value.SetMembers, (std::vector<std::string>{"biSystemMenu", "biMinimize"}));
  EXPECT_EQ(root.Properties[5].Value.Type, TFormValue::Kind::Set);
  EXPECT_TRUE(root.Properties[5].Value.SetMembers.empty());
  EXPECT_EQ(root.Properties[6].Value.Items, (std::vector<std::wstring>{L"迅雷", L"ab", L"\t"}));
  EXPECT_EQ(root.Properties[7].Value.Bytes, (std::vector<std::uint8_t>{0x00, 0xFF, 0x10, 0x7F}));
  EXPECT_EQ(root.Properties[8].Name, "Font.Name");
  EXPECT_EQ(root.Properties[8].Line, 15);
  ASSERT_EQ(root.Children.size(), 1u);
  EXPECT_EQ(root.Children[0].Name, "Button1");
  EXPECT_EQ(root.Children[0].Line, 16);
  EXPECT_EQ(root.Children[0].Properties[0].Value.Integer, 96);
}

TEST(FormText, WriteThenParseGivesTheSameTree) {
  TFormObject root = ParseFormText(kSample);
  std::string text = WriteFormText(root);
  EXPECT_EQ(ParseFormText(text), root);
  // Writing is stable: a second round gives the same text.
  EXPECT_EQ(WriteFormText(ParseFormText(text)), text);
}

TEST(FormText, WritesQuotesControlCharactersAndChineseReadably) {
  TFormObject root;
  root.Name = "F";
  root.ClassName = "TF";
  TFormProperty p;
  p.Name = "Caption";
  p.Value.Type = TFormValue::Kind::String;
  p.Value.String = L"a'b\r\n专2普";
  root.Properties.push_back(p);
  std::string text = WriteFormText(root);
  EXPECT_NE(text.find("Caption = 'a''b'#13#10'专2普'"), std::string::npos) << text;
}

int ErrorLine(const std::string& text) {
  try {
    ParseFormText(text);
  } catch (const EFormError& e) {
    return e.Line();
  }
  return 0;
}

TEST(FormText, ErrorsNameTheLine) {
  EXPECT_EQ(ErrorLine(""), 1);
  EXPECT_EQ(ErrorLine("object A: TA\n  X = 'open\nend\n"), 2);
  EXPECT_EQ(ErrorLine("object A: TA\n  X = 1\n  Y 2\nend\n"), 3);
  EXPECT_EQ(ErrorLine("object A: TA\n  X = 1\n"), 3);  // no 'end'
  EXPECT_EQ(ErrorLine("object A: TA\n\n  D = {0A1}\nend\n"), 3);
  EXPECT_EQ(ErrorLine("object A: TA\n  D = {0G}\nend\n"), 2);
  EXPECT_EQ(ErrorLine("object A: TA\n  N = 99999999999999999999\nend\n"), 2);
  EXPECT_EQ(ErrorLine("object A: TA\n  S = #55296\nend\n"), 2);  // a lone surrogate
  EXPECT_EQ(ErrorLine("object A: TA\n  S = '\xC0\xAF'\nend\n"), 2);  // overlong UTF-8
  EXPECT_EQ(ErrorLine("object A: TA\nend\nend\n"), 3);
  EXPECT_EQ(ErrorLine("object A TA\nend\n"), 1);
  EXPECT_EQ(ErrorLine("object A: TA\n  L = ('a' 1)\nend\n"), 2);
  EXPECT_EQ(ErrorLine("object A: TA\n  M = [a,]\nend\n"), 2);
}

TEST(FormText, NestingIsBounded) {
  std::string text;
  for (int i = 0; i <= kMaxFormDepth; ++i) text += "object A: TA\n";
  for (int i = 0; i <= kMaxFormDepth; ++i) text += "end\n";
  EXPECT_EQ(ErrorLine(text), kMaxFormDepth + 1);
}

}  // namespace
}  // namespace varnelta
