// Reading and writing published properties by name, as the skinners do for controls of any class.
#include <gtest/gtest.h>

#include "runtime/component.h"
#include "skin/controls/property_access.h"

namespace varnelta {
namespace {

class TSample : public TComponent {
  VARNELTA_CLASS()
 public:
  TSample() : TComponent(nullptr) {}
  bool Default() const { return default_; }
  void SetDefault(bool v) { default_ = v; }
  std::wstring Caption() const { return caption_; }
  void SetCaption(const std::wstring& v) { caption_ = v; }
  TSample* Inner() const { return inner_; }
  TSample* inner_ = nullptr;

 private:
  bool default_ = false;
  std::wstring caption_;
};

const TClassInfo& TSample::StaticClass() {
  static const TClassInfo info{"TSample",
                               &TComponent::StaticClass(),
                               {BoolProperty<TSample>("Default", &TSample::Default, &TSample::SetDefault),
                                StrProperty<TSample>("Caption", &TSample::Caption, &TSample::SetCaption),
                                ObjectProperty<TSample, TSample>("Inner", &TSample::Inner)},
                               {}};
  return info;
}

TEST(PropertyAccessTest, MissingOrOtherKindsGiveTheFallbacks) {
  TSample s;
  s.SetTag(5555);
  EXPECT_EQ(GetOrdProperty(&s, "Tag"), 5555);
  EXPECT_EQ(GetOrdProperty(&s, "tag"), 5555);
  EXPECT_EQ(GetOrdProperty(&s, "Nothing"), -1);
  EXPECT_EQ(GetOrdProperty(&s, "Default"), -1);  // an enumeration is no integer
  EXPECT_EQ(GetOrdProperty(&s, "Caption"), -1);
  EXPECT_EQ(GetOrdProperty(nullptr, "Tag"), -1);
  EXPECT_EQ(GetEnumPropertyText(&s, "Default"), "false");
  EXPECT_EQ(GetEnumPropertyText(&s, "Tag"), "");
  EXPECT_EQ(GetTextProperty(&s, "Nothing"), L"");
  EXPECT_EQ(GetObjectProperty(&s, "Inner"), nullptr);
  EXPECT_EQ(GetObjectProperty(&s, "Caption"), nullptr);
  TSample inner;
  s.inner_ = &inner;
  EXPECT_EQ(GetObjectProperty(&s, "Inner"), &inner);
}

TEST(PropertyAccessTest, SetFromTextByKind) {
  TSample s;
  EXPECT_TRUE(SetPropertyFromText(&s, "Tag", L"-42"));
  EXPECT_EQ(s.Tag(), -42);
  EXPECT_FALSE(SetPropertyFromText(&s, "Tag", L"4x"));
  EXPECT_FALSE(SetPropertyFromText(&s, "Tag", L""));
  EXPECT_EQ(s.Tag(), -42);
  EXPECT_TRUE(SetPropertyFromText(&s, "Default", L"True"));
  EXPECT_EQ(GetEnumPropertyText(&s, "Default"), "true");
  EXPECT_TRUE(SetPropertyFromText(&s, "Caption", L"确定"));
  EXPECT_EQ(GetTextProperty(&s, "Caption"), L"确定");
  EXPECT_FALSE(SetPropertyFromText(&s, "Inner", L"x"));
  EXPECT_FALSE(SetPropertyFromText(&s, "Nothing", L"1"));
}

}  // namespace
}  // namespace varnelta
