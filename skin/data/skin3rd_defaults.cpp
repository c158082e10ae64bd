// The class-name to skinner-kind rows a new skin component starts with: controls of other
// libraries that the engine skins like one of its own kinds.
#include "skin/data/skin_data.h"

namespace varnelta {

namespace {

struct TKindRows {
  const wchar_t* Kind;
  std::initializer_list<const wchar_t*> Classes;
};

}  // namespace

const std::vector<std::wstring>& DefaultSkin3rd() {
  static const std::vector<std::wstring> rows = [] {
    const TKindRows groups[] = {
        {L"scrollbar",
         {L"TCategoryButtons", L"TVirtualStringTree", L"TVirtualDrawTree", L"TAdvPanelGroup", L"THTMLViewer",
          L"TDBCtrlGrid", L"TImageEnMView", L"TImageEnView", L"TAdvMemo", L"TDBAdvMemo"}},
        {L"pngspeedbutton", {L"TPngSpeedbutton"}},
        {L"pngbitbtn", {L"TPngBitBtn"}},
        {L"Panel", {L"TTBXDockablePanel", L"TControlBar", L"TTBDock", L"TTBToolbar", L"TRzGroup"}},
        {L"panel",
         {L"TLMDCalculator", L"TLMDGROUPBOX", L"TLMDSIMPLEPANEL", L"TLMDDBCalendar", L"TLMDButtonPanel",
          L"TLMDLMDCalculator", L"TLMDHeaderPanel", L"TLMDTechnicalLine", L"TLMDLMDClock", L"TLMDTrackbar"}},
        {L"combobox",
         {L"TComboboxex", L"TcxDBLookupComboBox", L"TcxDBComboBox", L"TcxDBDateEdit", L"TcxDBImageComboBox",
          L"TcxDBCalcEdit", L"TcxDBBlobEdit", L"TcxDBPopupEdit", L"TcxDBFontNameComboBox",
          L"TcxDBShellComboBox", L"TRxLookupEdit", L"TRxDBLookupCombo", L"TRzDateTimeEdit", L"TRzColorEdit",
          L"TRzDateTimePicker", L"TRzDBDateTimeEdit", L"TRzDbColorEdit", L"TRzDBDateTimePicker"}},
        {L"Combobox",
         {L"TLMDListCombobox", L"TLMDCheckListCombobox", L"TLMDHeaderListCombobox", L"TLMDImageCombobox",
          L"TLMDColorCombobox", L"TLMDFontCombobox", L"TLMDFontSizeCombobox", L"TLMDFontSizeCombobox",
          L"TLMDPrinterCombobox", L"TLMDDriveCombobox", L"TLMDCalculatorComboBox", L"TLMDTrackBarComboBox",
          L"TLMDCalendarComboBox", L"TLMDTreeComboBox", L"TDBLookupCombobox", L"TWWDBCombobox",
          L"TWWDBCombobox", L"TWWDBLookupCombo", L"TWWKeyCombo", L"TWWTempKeyCombo",
          L"TWWDBDateTimePicker"}},
        {L"speedbutton", {L"TRxSpeedButton", L"TfrSpeedButton", L"TfrTBButton"}},
        {L"button", {L"TRzButton"}},
        {L"bitbtn", {L"TRzBitbtn", L"TLMDButton", L"TcxButton"}},
        {L"menubtn", {L"TRzMenuButton"}},
        {L"CheckGroup", {L"TRzCheckGroup", L"TLMDCheckGroup", L"TLMDDBCheckGroup"}},
        {L"Radiogroup", {L"TRzRadioGroup", L"TRzDBRadioGroup"}},
        {L"radiogroup",
         {L"TLMDRADIOGROUP", L"TLMDDBRADIOGROUP", L"TWWRADIOGROUP", L"TcxDBRadioGroup", L"TcxRadioGroup"}},
        {L"Edit", {L"TRzButtonEdit", L"TLMDCalculatorEdit"}},
        {L"edit",
         {L"TLMDEDIT", L"TLMDMASKEDIT", L"TLMDBROWSEEDIT", L"TLMDEXTSPINEDIT", L"TLMDCALENDAREDIT",
          L"TLMDFILEOPENEDIT", L"TLMDFILESAVEEDIT", L"TLMDCOLOREDIT", L"TLMDDBEDIT", L"TLMDDBMASKEDIT",
          L"TLMDDBEXTSPINEDIT", L"TLMDDBSPINEDIT", L"TLMDDBEDITDBLookup", L"TLMDEDITDBLookup", L"TWWDBEDIT",
          L"TOVCPICTUREFIELD", L"TOVCDBPICTUREFIELD", L"TOVCSLIDEREDIT", L"TOVCDBSLIDEREDIT",
          L"TOVCSIMPLEFIELD", L"TOVCDBSIMPLEFIELD", L"TO32DBFLEXEDIT", L"TOVCNUMERICFIELD",
          L"TOVCDBNUMERICFIELD"}},
        {L"Radiobutton", {L"TRzDBRadioButton", L"TLMDRadiobutton"}},
        {L"Groupbox", {L"TLMDGroupBox"}},
        {L"groupbox", {L"TcxGroupbox"}},
        {L"Checkbox", {L"TDBCheckboxEh", L"TDBCheckboxEh", L"TLMDCHECKBOX", L"TLMDDBCHECKBOX"}},
    };
    std::vector<std::wstring> list;
    for (const TKindRows& group : groups) {
      for (const wchar_t* name : group.Classes) list.push_back(std::wstring(name) + L"=" + group.Kind);
    }
    return list;
  }();
  return rows;
}

}  // namespace varnelta
