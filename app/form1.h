// The main window: two memos, the link kind selector, the two command buttons, the status label
// and the skin component that skins it, read from the stored description "TFORM1". Registers
// under the window class name "Varnelta" so that a second copy of the program finds it.
#pragma once

#include <memory>
#include <set>
#include <string>

#include "app/clipboard_watch.h"
#include "app/codec/link_recognition.h"
#include "runtime/form.h"
#include "runtime/std_controls.h"
#include "skin/data/skin_data.h"

namespace varnelta {

inline constexpr UINT kBringToFrontMessage = 0x1400;

class TForm1 : public TForm {
  VARNELTA_CLASS()
 public:
  // Read from the program's stored description, or from `description` when one is given.
  explicit TForm1(TComponent* owner, std::string_view description = {});
  ~TForm1() override;

  TButton* Button1 = nullptr;
  TButton* Button2 = nullptr;
  TMemo* Memo1 = nullptr;
  TMemo* Memo2 = nullptr;
  TComboBox* ComboBox1 = nullptr;
  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TSkinData* SkinData1 = nullptr;

  void Button1Click(TComponent* Sender);  // "专2普": Memo1 to Memo2
  void Button2Click(TComponent* Sender);  // "普2专": Memo2 to Memo1
  TNotifyEvent FindMethod(std::string_view name) override;
  void WndProc(TMessage& message) override;

  // The system menu's clipboard watch (there once the window exists).
  TClipboardWatch* ClipboardWatch() const { return watch_.get(); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;

 private:
  // The text of one decoded line; remembers the addresses that came as UTF-8.
  std::wstring AddressText(const TLinkResult& result);
  void CopyResult(TMemo* target, int failed);
  void ReadWatchedClipboard();
  void BringToFront(TMessage& message);

  std::unique_ptr<TClipboardWatch> watch_;
  // Addresses shown in Memo2 that were UTF-8: "普2专" encodes them as UTF-8 again.
  std::set<std::wstring> utf8Addresses_;
};

}  // namespace varnelta
