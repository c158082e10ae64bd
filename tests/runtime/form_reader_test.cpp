#include "runtime/form_reader.h"

#include <gtest/gtest.h>

#include "runtime/class_registry.h"
#include "runtime/filer.h"
#include "runtime/memory_stream.h"
#include "runtime/string_list.h"

namespace varnelta {
namespace {

enum TShade { shLight, shDark, shNone };
const TEnumType ShadeType{"TShade", {"shLight", "shDark", "shNone"}};
const TEnumType OptionType{"TOption", {"opOne", "opTwo", "opThree"}};

std::vector<std::string>& Log() {
  static std::vector<std::string> log;
  return log;
}

class TSub : public TPersistent {
  VARNELTA_CLASS()
 public:
  int Size() const { return size_; }
  void SetSize(int v) { size_ = v; }

 private:
  int size_ = 8;
};

const TClassInfo& TSub::StaticClass() {
  static const TClassInfo info{"TSub", &TPersistent::StaticClass(), {IntProperty("Size", &TSub::Size, &TSub::SetSize, 8)}, {}};
  return info;
}

// A component with one property of every kind, a binary property and a record of what it saw.
class TThing : public TComponent {
  VARNELTA_CLASS()
 public:
  using TComponent::TComponent;
  int Count() const { return count_; }
  void SetCount(int v) {
    count_ = v;
    Log().push_back(Name() + ".Count reading=" + (HasState(csReading) ? "1" : "0"));
  }
  TShade Shade() const { return shade_; }
  void SetShade(TShade v) { shade_ = v; }
  bool Flag() const { return flag_; }
  void SetFlag(bool v) { flag_ = v; }
  unsigned Options() const { return options_; }
  void SetOptions(unsigned v) { options_ = v; }
  std::wstring Text() const { return text_; }
  void SetText(const std::wstring& v) { text_ = v; }
  std::vector<std::wstring> Lines() const { return lines_.Items(); }
  void SetLines(const std::vector<std::wstring>& v) { lines_.Assign(v); }
  TSub* Sub() const { return &sub_; }
  std::vector<std::uint8_t> blob;
  bool blobStored = false;
  TNotifyEvent OnPoke;
  TThing* parent = nullptr;
  TThing* Buddy() const { return buddy_; }
  void SetBuddy(TThing* v) { buddy_ = v; }

  void DefineProperties(TFiler& filer) override {
    filer.DefineBinaryProperty(
        "Blob",
        [this](TMemoryStream& s) {
          blob.assign(s.Bytes().begin(), s.Bytes().end());
          Log().push_back(Name() + ".Blob");
        },
        [this](TMemoryStream& s) { s.Write(blob.data(), blob.size()); }, blobStored);
  }
  void Loaded() override {
    TComponent::Loaded();
    Log().push_back(Name() + ".Loaded");
  }
  void SetParentComponent(TComponent* p) override { parent = dynamic_cast<TThing*>(p); }
  std::vector<TComponent*> StoredChildren(const TComponent* root) const override {
    std::vector<TComponent*> out;
    for (int i = 0; i < root->ComponentCount(); ++i) {
      auto* t = dynamic_cast<TThing*>(root->Components(i));
      if (t && t->parent == this) out.push_back(t);
      if (t && t->parent == nullptr && this == root) out.push_back(t);
    }
    return out;
  }
  TNotifyEvent FindMethod(std::string_view name) override {
    if (name == "ThingPoke") return {"ThingPoke", [this](TComponent* s) { Log().push_back(Name() + " poked by " + s->Name()); }};
    return {};
  }

 private:
  int count_ = 0;
  TShade shade_ = shLight;
  bool flag_ = false;
  unsigned options_ = 0;
  std::wstring text_;
  TStringList lines_;
  mutable TSub sub_;
  TThing* buddy_ = nullptr;
};

const TClassInfo& TThing::StaticClass() {
  static const TClassInfo info{
      "TThing",
      &TComponent::StaticClass(),
      {IntProperty("Count", &TThing::Count, &TThing::SetCount, 0),
       EnumProperty("Shade", ShadeType, &TThing::Shade, &TThing::SetShade, shLight),
       BoolProperty("Flag", &TThing::Flag, &TThing::SetFlag, false),
       SetProperty("Options", OptionType, &TThing::Options, &TThing::SetOptions, 0),
       StrProperty("Text", &TThing::Text, &TThing::SetText), ListProperty("Lines", &TThing::Lines, &TThing::SetLines),
       ObjectProperty("Sub", &TThing::Sub), EventProperty("OnPoke", &TThing::OnPoke),
       ComponentProperty("Buddy", &TThing::Buddy, &TThing::SetBuddy)},
      [](TComponent* owner) -> TComponent* { return new TThing(owner); }};
  return info;
}

const char* kForm = R"(object Root: TThing
  Count = 3
  object A: TThing
    Tag = 7
    Count = 1
    Shade = shDark
    Flag = True
    Options = [opOne, opThree]
    Text = '专用链接：'
    Lines = (
      'x=1'
      '')
    Sub.Size = 11
    OnPoke = ThingPoke
    Blob = {0102FF}
    object B: TThing
      Count = 2
    end
  end
end
)";

class FormReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterComponentClass(TThing::StaticClass());
    Log().clear();
  }
};

TEST_F(FormReaderTest, AssignsEveryKindInStoredOrderAndCallsLoadedAfterwards) {
  TThing root(nullptr);
  ReadComponentText(root, kForm);
  auto* a = dynamic_cast<TThing*>(root.FindComponent("A"));
  auto* b = dynamic_cast<TThing*>(root.FindComponent("b"));
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->Owner(), &root);
  EXPECT_EQ(b->Owner(), &root);
  EXPECT_EQ(b->parent, a);
  EXPECT_EQ(a->Tag(), 7);
  EXPECT_EQ(a->Shade(), shDark);
  EXPECT_TRUE(a->Flag());
  EXPECT_EQ(a->Options(), 5u);
  EXPECT_EQ(a->Text(), L"专用链接：");
  EXPECT_EQ(a->Lines(), (std::vector<std::wstring>{L"x=1", L""}));
  EXPECT_EQ(a->Sub()->Size(), 11);
  EXPECT_EQ(a->blob, (std::vector<std::uint8_t>{1, 2, 0xFF}));
  a->OnPoke(b);
  EXPECT_EQ(a->OnPoke.Name, "ThingPoke");
  std::vector<std::string> expected{"Root.Count reading=1", "A.Count reading=1", "A.Blob", "B.Count reading=1",
                                    "Root.Loaded", "A.Loaded", "B.Loaded", "Root poked by B"};
  EXPECT_EQ(Log(), expected);
  EXPECT_FALSE(a->HasState(csLoading | csReading));
}

TEST_F(FormReaderTest, WriterProducesTheSameDescription) {
  TThing root(nullptr);
  ReadComponentText(root, kForm);
  dynamic_cast<TThing*>(root.FindComponent("A"))->blobStored = true;
  std::string written = WriteComponentText(root);
  EXPECT_EQ(ParseFormText(written), ParseFormText(kForm)) << written;
  TThing copy(nullptr);
  ReadComponentText(copy, written);
  EXPECT_EQ(WriteComponentText(copy), written.substr(0, written.find("    Blob")) +
                                          written.substr(written.find("    object B")));
}

TEST_F(FormReaderTest, PropertiesByName) {
  TThing t(nullptr);
  EXPECT_TRUE(SetEnumProp(&t, "shade", "SHNONE"));
  EXPECT_EQ(GetEnumProp(&t, "Shade"), "shNone");
  EXPECT_TRUE(SetEnumProp(&t, "Flag", "true"));
  EXPECT_EQ(GetEnumProp(&t, "Flag"), "True");
  EXPECT_FALSE(SetEnumProp(&t, "Shade", "shPurple"));
  EXPECT_TRUE(SetOrdProp(&t, "Sub.Size", 20));
  EXPECT_EQ(GetOrdProp(&t, "Sub.Size"), 20);
  EXPECT_FALSE(GetOrdProp(&t, "Text").has_value());
  EXPECT_FALSE(GetOrdProp(&t, "Nothing").has_value());
  EXPECT_TRUE(SetStrProp(&t, "Text", L"abc"));
  EXPECT_EQ(GetStrProp(&t, "Text"), L"abc");
  EXPECT_EQ(GetObjectProp(&t, "Sub"), t.Sub());
  EXPECT_EQ(GetObjectProp(&t, "Count"), nullptr);
  EXPECT_EQ(GetEnumProp(nullptr, "Shade"), "");
  // Declaration order, inherited first.
  auto all = TThing::StaticClass().AllProperties();
  ASSERT_GE(all.size(), 3u);
  EXPECT_EQ(all[0]->Name, "Name");
  EXPECT_EQ(all[1]->Name, "Tag");
  EXPECT_EQ(all[2]->Name, "Count");
}

int ReadErrorLine(const std::string& text) {
  TThing root(nullptr);
  try {
    ReadComponentText(root, text);
  } catch (const EFormError& e) {
    return e.Line();
  }
  return 0;
}

TEST_F(FormReaderTest, ErrorsNameTheLine) {
  EXPECT_EQ(ReadErrorLine("object R: TThing\n  Count = 1\n  Colour = 2\nend\n"), 3);
  EXPECT_EQ(ReadErrorLine("object R: TThing\n  object X: TNoSuchClass\n  end\nend\n"), 2);
  EXPECT_EQ(ReadErrorLine("object R: TThing\n  Shade = shPurple\nend\n"), 2);
  EXPECT_EQ(ReadErrorLine("object R: TThing\n  Count = 'one'\nend\n"), 2);
  EXPECT_EQ(ReadErrorLine("object R: TThing\n  Options = [opFour]\nend\n"), 2);
  EXPECT_EQ(ReadErrorLine("object R: TThing\n  OnPoke = Missing\nend\n"), 2);
  EXPECT_EQ(ReadErrorLine("object R: TThing\n  Blob = 'text'\nend\n"), 2);
  EXPECT_EQ(ReadErrorLine("object R: TThing\n  Sub = 1\nend\n"), 2);
  EXPECT_EQ(ReadErrorLine("object R: TThing\n  object A: TThing\n  end\n  object a: TThing\n  end\nend\n"), 4);
  EXPECT_EQ(ReadErrorLine("object R: TOther\nend\n"), 1);
  EXPECT_EQ(ReadErrorLine("object R: TThing\n  object 9: TThing\n"), 2);
}

TEST_F(FormReaderTest, ComponentReferencesResolveOnceTheWholeFormIsRead) {
  // A refers to B, which is stored after it, and to the form itself.
  const char* form =
      "object Root: TThing\n"
      "  Buddy = Root\n"
      "  object A: TThing\n"
      "    Buddy = b\n"
      "  end\n"
      "  object B: TThing\n"
      "  end\n"
      "end\n";
  TThing root(nullptr);
  ReadComponentText(root, form);
  auto* a = dynamic_cast<TThing*>(root.FindComponent("A"));
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->Buddy(), root.FindComponent("B"));
  EXPECT_EQ(root.Buddy(), &root);
  const std::string written = WriteComponentText(root);
  EXPECT_NE(written.find("    Buddy = B\n"), std::string::npos) << written;
  EXPECT_NE(written.find("  Buddy = Root\n"), std::string::npos) << written;

  TThing other(nullptr);
  try {
    ReadComponentText(other, "object Root: TThing\n  object A: TThing\n    Buddy = Nobody\n  end\nend\n");
    FAIL() << "an unknown component was accepted";
  } catch (const EFormError& e) {
    EXPECT_EQ(e.Line(), 3);
    EXPECT_NE(std::string(e.what()).find("Nobody"), std::string::npos);
  }
}

TEST_F(FormReaderTest, OwnerFreesWhatItOwns) {
  auto root = std::make_unique<TThing>(nullptr);
  ReadComponentText(*root, kForm);
  EXPECT_EQ(root->ComponentCount(), 2);
  delete root->FindComponent("B");
  EXPECT_EQ(root->ComponentCount(), 1);
  root.reset();  // frees A; leak checkers see the rest
}

}  // namespace
}  // namespace varnelta
