#include "app/form1.h"

#include <stdexcept>

#include "app/conversion.h"
#include "app/text_exchange.h"
#include "runtime/application.h"
#include "runtime/clipboard.h"
#include "runtime/form_reader.h"
#include "skin/data/win32/skin_manage.h"
#include "statusbar/win32/rz_controls.h"

namespace varnelta {

namespace {
template <class T>
T* Find(TComponent& form, const char* name) {
  auto* c = dynamic_cast<T*>(form.FindComponent(name));
  if (!c) throw std::runtime_error(std::string("the form description has no ") + name);
  return c;
}
}  // namespace

const TClassInfo& TForm1::StaticClass() {
  static const TClassInfo info{"TForm1", &TForm::StaticClass(), {}, {}};
  return info;
}

TForm1::TForm1(TComponent* owner, std::string_view description) : TForm(owner) {
  RegisterStandardControls();
  RegisterStatusBarControls();
  RegisterSkinEngine();
  if (description.empty()) {
    ReadFormResource(*this, L"TFORM1");
  } else {
    ReadComponentText(*this, description);
  }
  Button1 = Find<TButton>(*this, "Button1");
  Button2 = Find<TButton>(*this, "Button2");
  Memo1 = Find<TMemo>(*this, "Memo1");
  Memo2 = Find<TMemo>(*this, "Memo2");
  ComboBox1 = Find<TComboBox>(*this, "ComboBox1");
  Label1 = Find<TLabel>(*this, "Label1");
  Label2 = Find<TLabel>(*this, "Label2");
  Label3 = Find<TLabel>(*this, "Label3");
  SkinData1 = Find<TSkinData>(*this, "SkinData1");
  SetMessageHandler(kBringToFrontMessage, [this](TMessage& m) { BringToFront(m); });
}

void TForm1::CreateParams(TCreateParams& params) {
  TForm::CreateParams(params);
  params.WinClassName = L"Varnelta";
}

TNotifyEvent TForm1::FindMethod(std::string_view name) {
  if (name == "Button1Click") return {"Button1Click", [this](TComponent* s) { Button1Click(s); }};
  if (name == "Button2Click") return {"Button2Click", [this](TComponent* s) { Button2Click(s); }};
  return {};
}

void TForm1::Button1Click(TComponent*) { Convert(Memo1, Memo2, true, L"请输入要转换的专用地址！"); }

void TForm1::Button2Click(TComponent*) { Convert(Memo2, Memo1, false, L"请输入要转换的普通地址！"); }

void TForm1::Convert(TMemo* source, TMemo* target, bool toOrdinary, const wchar_t* emptyMessage) {
  std::wstring text = source->GetText();
  if (text.empty()) {
    Application().MessageBox(emptyMessage, L"提示", MB_OK);
    return;
  }
  auto lines = ConvertLines(toOrdinary ? TConversion::ToOrdinary : TConversion::ToSpecial, ComboBox1->ItemIndex(),
                            WideToCodePage(text, kLinkCodePage));
  if (lines) {
    std::wstring result;
    for (std::size_t i = 0; i < lines->size(); ++i) {
      if (i) result += L"\r\n";
      result += ResultToText((*lines)[i]);
    }
    target->SetText(result);
  }
  target->SelectAll();
  // The target's text goes on the clipboard explicitly (also when it is empty), and the label
  // says so only when it worked.
  if (SetClipboardText(Handle(), target->GetText())) Label1->SetCaption(L"已复制到剪贴板！");
}

void TForm1::BringToFront(TMessage& message) {
  message.Result = 0;
  if (Application().IsMinimized()) {
    Application().Restore();
  } else {
    Application().BringToFront();
  }
}

}  // namespace varnelta
