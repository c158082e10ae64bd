#include "app/form1.h"

#include <stdexcept>

#include "app/codec/link_codec.h"
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

TForm1::~TForm1() = default;

void TForm1::CreateHandleDone() {
  TForm::CreateHandleDone();
  watch_ = std::make_unique<TClipboardWatch>(Handle());
}

void TForm1::WndProc(TMessage& m) {
  if (m.Msg == WM_SYSCOMMAND && (m.WParam & 0xFFF0) == kWatchClipboardCommand && watch_) {
    watch_->Toggle();
    m.Result = 0;
    return;
  }
  if (m.Msg == kClipboardUpdateMessage) {
    if (watch_ && watch_->IsForeignChange()) ReadWatchedClipboard();
    m.Result = 0;
    return;
  }
  TForm::WndProc(m);
}

namespace {

std::vector<std::string> LineBytes(const std::vector<std::wstring_view>& lines) {
  std::vector<std::string> bytes;
  bytes.reserve(lines.size());
  for (std::wstring_view line : lines) bytes.push_back(WideToCodePage(line, kLinkCodePage));
  return bytes;
}

}  // namespace

std::wstring TForm1::AddressText(const TLinkResult& r) {
  std::wstring text = AddressToText(r.address, r.charset);
  if (r.charset == csUtf8) utf8Addresses_.insert(text);
  return text;
}

void TForm1::Button1Click(TComponent*) {
  const std::wstring text = Memo1->GetText();
  if (text.empty()) {
    Application().MessageBox(L"请输入要转换的专用地址！", L"提示", MB_OK);
    return;
  }
  const int kind = ComboBox1->ItemIndex();
  int failed = 0;
  // With no kind selected the target keeps its text.
  if (!LinkPrefix(kind).empty()) {
    const std::vector<std::wstring_view> lines = SplitWideLines(text);
    const std::vector<TLinkResult> results = DecodeLines(LineBytes(lines), kind);
    failed = FailedLines(results);
    utf8Addresses_.clear();
    std::wstring result;
    for (std::size_t i = 0; i < results.size(); ++i) {
      if (i) result += L"\r\n";
      const TLinkResult& r = results[i];
      // An ordinary address passes unchanged; a failed line stays in place, empty.
      if (r.Ok() && r.scheme == lsOrdinary) result += TrimWideLine(lines[i]);
      else if (r.Ok() && !r.address.empty()) result += AddressText(r);
    }
    Memo2->SetText(result);
  }
  CopyResult(Memo2, failed);
}

void TForm1::Button2Click(TComponent*) {
  const std::wstring text = Memo2->GetText();
  if (text.empty()) {
    Application().MessageBox(L"请输入要转换的普通地址！", L"提示", MB_OK);
    return;
  }
  // Each address is encoded in the charset it was decoded from (GBK unless it came as UTF-8).
  std::string bytes;
  const std::vector<std::wstring_view> lines = SplitWideLines(text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) bytes += "\r\n";
    const bool utf8 = utf8Addresses_.count(std::wstring(TrimWideLine(lines[i]))) > 0;
    bytes += utf8 ? WideToCodePage(lines[i], CP_UTF8) : WideToCodePage(lines[i], kLinkCodePage);
  }
  if (auto links = ConvertLines(TConversion::ToSpecial, ComboBox1->ItemIndex(), bytes)) {
    std::wstring result;
    for (std::size_t i = 0; i < links->size(); ++i) {
      if (i) result += L"\r\n";
      result += ResultToText((*links)[i]);
    }
    Memo1->SetText(result);
  }
  CopyResult(Memo1, 0);
}

void TForm1::CopyResult(TMemo* target, int failed) {
  target->SelectAll();
  // The target's text goes on the clipboard explicitly (also when it is empty), and the label
  // says so only when it worked.
  if (SetClipboardText(Handle(), target->GetText())) Label1->SetCaption(CopiedStatus(failed));
}

void TForm1::ReadWatchedClipboard() {
  const std::optional<std::wstring> text = GetClipboardText(Handle());
  if (!text || text->empty()) return;
  // Only lines with a special link's scheme count; other text on the clipboard is left be.
  const std::vector<TLinkResult> results = DecodeLines(LineBytes(SplitWideLines(*text)), -1);
  std::wstring addresses;
  int decoded = 0;
  int failed = 0;
  for (const TLinkResult& r : results) {
    if (!IsSpecialLink(r)) continue;
    if (!r.Ok()) {
      ++failed;
      continue;
    }
    if (decoded++ == 0) utf8Addresses_.clear();
    else addresses += L"\r\n";
    addresses += AddressText(r);
  }
  if (decoded + failed == 0) return;
  if (decoded > 0) Memo2->SetText(addresses);
  Label1->SetCaption(WatchStatus(decoded, failed));
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
