#include "templates/registration_dialog.h"

#include <array>
#include <exception>

#include "framework/ansi_name.h"
#include "framework/dropped_files.h"
#include "framework/win_app.h"
#include "framework/write_failure.h"
#include "resources/resource.h"
#include "script/template_file_location.h"
#include "script/template_file_writer.h"

namespace {

// Edits 1004, 1020, 1021 and 1022 in the order of the layout's fields.
constexpr std::array<int, 4> kEdits = {IDC_FIRST_INPUT, IDC_FIRST_OUTPUT, IDC_LATER_INPUT,
                                       IDC_LATER_OUTPUT};

// The edits as the user sees them: their group box and their label.
constexpr std::array<const char*, 4> kEditPlaces = {"１件目のﾌｧｲﾙ用 Input", "１件目のﾌｧｲﾙ用 Output",
                                                    "２件目以降のﾌｧｲﾙ用 Input",
                                                    "２件目以降のﾌｧｲﾙ用 Output"};

// The factory template of each field (index 0 unused) and of the precision.
constexpr std::array<UINT, 9> kFactoryStrings = {
    0,
    IDS_FACTORY_FIELD1,
    IDS_FACTORY_FIELD2,
    IDS_FACTORY_FIELD3,
    IDS_FACTORY_FIELD4,
    IDS_FACTORY_FIELD5,
    IDS_FACTORY_FIELD6,
    IDS_FACTORY_FIELD7,
    IDS_FACTORY_FIELD8,
};

const char kCannotRead[] = "ｺﾏﾝﾄﾞ登録ﾌｧｲﾙがないため実行を中断します。";
const char kCannotSave[] = "ｺﾏﾝﾄﾞﾌｧｲﾙの保存に失敗しました。";
const char kLoadIncomplete[] =
    "ｺﾏﾝﾄﾞ登録ﾌｧｲﾙを読み込めなかったため保存できません。\n画面を閉じて開き直してください。";

}  // namespace

const MessageMapEntry<CRegistrationDialog> CRegistrationDialog::kMessageMap[] = {
    MapMessage(WM_CLOSE, &CRegistrationDialog::OnClose),
    MapMessage(WM_DROPFILES, &CRegistrationDialog::OnDropFiles),
    MapCommand(IDC_REGISTER_CLOSE, &CRegistrationDialog::OnCloseButton),
    MapCommand(IDC_REGISTER_SAVE, &CRegistrationDialog::OnSave),
    MapCommand(IDC_REGISTER_DEFAULT, &CRegistrationDialog::OnDefault),
};

UINT CRegistrationDialog::TemplateOf(tewo::RegistrationDialog which) {
  return which == tewo::RegistrationDialog::DxfToDwg ? IDD_REGISTER_DXF_TO_DWG
                                                     : IDD_REGISTER_DWG_TO_DXF;
}

CRegistrationDialog::CRegistrationDialog(tewo::RegistrationDialog which)
    : CDialog(TemplateOf(which)), which_(which), layout_(tewo::LayoutOf(which)) {}

bool CRegistrationDialog::OnMessage(UINT message, WPARAM wp, LPARAM lp, INT_PTR& result) {
  return Dispatch<CRegistrationDialog>(*this, kMessageMap, message, wp, lp, result);
}

BOOL CRegistrationDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  // A template file may hold longer blocks than the edits take by default:
  // every byte that is read must be shown and saved again.
  for (int edit : kEdits) SendDlgItemMessage(edit, EM_SETLIMITTEXT, 0, 0);
  Load(tewo::CommandTemplateFilePath());
  return TRUE;
}

void CRegistrationDialog::ClearEdits() const {
  for (int edit : kEdits) SetDlgItemText(edit, "");
}

void CRegistrationDialog::Load(const std::string& path) {
  loadComplete_ = false;
  const auto loaded = tewo::LoadRegistrationTemplates(layout_, path);
  if (!loaded) {
    ReportMessage(m_hWnd, kCannotRead);
    AfxGetApp()->System().ExitProcess(1);
    return;
  }
  loaded_ = *loaded;
  for (const std::string& line : loaded_.invalidLines) {
    ReportMessage(m_hWnd, tewo::RegistrationErrorMessage(line));
  }
  for (std::size_t i = 0; i < kEdits.size(); ++i) SetDlgItemText(kEdits[i], loaded_.editTexts[i]);
  if (layout_.ownsPrecision && loaded_.precisionText) {
    SetDlgItemText(IDC_PRECISION, *loaded_.precisionText);
  }
  loadComplete_ = true;
}

INT_PTR CRegistrationDialog::OnClose(WPARAM, LPARAM) {
  // Unsaved edits are discarded without a question.
  EndDialog(0);
  return FALSE;
}

void CRegistrationDialog::OnCloseButton() { PostMessage(WM_CLOSE); }

INT_PTR CRegistrationDialog::OnDropFiles(WPARAM wp, LPARAM) {
  HDROP drop = reinterpret_cast<HDROP>(wp);
  // Only the first dropped item counts, whatever its name.
  const DroppedItem item = DroppedItemAt(drop, 0);
  ::DragFinish(drop);
  // A file whose name would reach the file functions as another name changes nothing.
  if (item.isFile && !NameIsCarried(m_hWnd, item.path, NameUse::Open)) return 0;

  // The dialog is emptied first; a folder then leaves it empty, which a
  // Save writes as such.
  loadComplete_ = false;
  loaded_ = {};
  ClearEdits();
  if (item.isFile) {
    Load(item.path.text);
  } else {
    loadComplete_ = true;
  }
  return 0;
}

void CRegistrationDialog::OnDefault() {
  for (std::size_t i = 0; i < kEdits.size(); ++i) {
    SetDlgItemText(kEdits[i], LoadResourceString(kFactoryStrings[layout_.editFields[i]]));
  }
  if (layout_.ownsPrecision)
    SetDlgItemText(IDC_PRECISION, LoadResourceString(IDS_FACTORY_PRECISION));
}

void CRegistrationDialog::OnSave() {
  if (!loadComplete_) {
    ReportMessage(m_hWnd, kLoadIncomplete);
    return;
  }
  // A failure of any step (memory, for one) is a failed save, never silence.
  try {
    Save();
  } catch (const std::exception&) {
    ReportMessage(m_hWnd, kCannotSave);
  }
}

void CRegistrationDialog::Save() {
  // Every text is taken before anything is written: one that the code page
  // cannot carry refuses the whole Save and leaves the file as it was.
  std::array<std::vector<std::string>, 4> editLines;
  for (std::size_t i = 0; i < kEdits.size(); ++i) {
    const auto text = TextToSave(m_hWnd, GetDlgItem(kEdits[i]), {kEditPlaces[i]});
    if (!text) return;
    editLines[i] = tewo::EditLines(*text);
  }
  std::string precision;
  if (layout_.ownsPrecision) {
    const auto text = TextToSave(m_hWnd, GetDlgItem(IDC_PRECISION), {"DXF精度", false});
    if (!text) return;
    precision = *text;
  }
  const std::string text =
      tewo::FormatTemplateFile(layout_, editLines, loaded_.otherModeStores, precision);
  // The file is replaced whole or not at all; on failure the edits stay for another try.
  const tewo::WriteResult written = tewo::WriteTemplateFile(tewo::CommandTemplateFilePath(), text,
                                                            &AfxGetApp()->System().Files());
  if (!written) {
    ReportWriteFailure(m_hWnd, kCannotSave, written);
  } else {
    ReportLeftBehind(m_hWnd, written);
  }
}
