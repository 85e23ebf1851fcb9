#include "sfResourceStrData.h"

#include "sfText.h"

namespace {

// Our own names; a program that translates them replaces the values, not the names.
const char* const kDefaultStrings[] = {
    // frame menu
    "MI_RESTORECAPTION=Restore", "MI_MINCAPTION=Minimize", "MI_MAXCAPTION=Maximize",
    "MI_CLOSECAPTION=Close", "MI_ROLLUPCAPTION=Roll up", "MI_MINTOTRAYCAPTION=Minimize to tray",
    // frame button hints
    "BUTTON_CLOSE_HINT=Close", "BUTTON_MINIMIZE_HINT=Minimize", "BUTTON_MAXIMIZE_HINT=Maximize",
    "BUTTON_RESTORE_HINT=Restore", "BUTTON_HELP_HINT=Help", "BUTTON_ROLLUP_HINT=Roll up",
    "BUTTON_ROLLDOWN_HINT=Roll down", "BUTTON_MINTOTRAY_HINT=Minimize to tray",
    // edit menu
    "EDIT_UNDO=Undo", "EDIT_CUT=Cut", "EDIT_COPY=Copy", "EDIT_PASTE=Paste",
    "EDIT_DELETE=Delete", "EDIT_SELECTALL=Select All",
    // message buttons
    "MSG_BTN_YES=&Yes", "MSG_BTN_NO=&No", "MSG_BTN_OK=OK", "MSG_BTN_CANCEL=Cancel",
    "MSG_BTN_ABORT=&Abort", "MSG_BTN_RETRY=&Retry", "MSG_BTN_IGNORE=&Ignore",
    "MSG_BTN_ALL=&All", "MSG_BTN_NOTOALL=N&o to All", "MSG_BTN_YESTOALL=Yes to &All",
    "MSG_BTN_HELP=&Help", "MSG_CAP_WARNING=Warning", "MSG_CAP_ERROR=Error",
    "MSG_CAP_INFORMATION=Information", "MSG_CAP_CONFIRM=Confirm",
    // file dialogs
    "FILESAVE_CAPTION=Save file", "FILEOPEN_CAPTION=Open file", "FILE_LOOKIN=Look in:",
    "FILE_FILENAME=File name:", "FILE_FILETYPE=Files of type:", "FILE_SAVE=&Save",
    "FILE_OPEN=&Open", "FILE_CANCEL=Cancel", "FILE_UPFOLDER=Up one level",
    "FILE_NEWFOLDER=Create new folder", "FILE_LISTVIEW=List", "FILE_DETAILS=Details",
    // font dialog
    "FONTDLG_CAPTION=Font", "FONTDLG_NAME=Name:", "FONTDLG_SIZE=Size:",
    "FONTDLG_STYLE=Style", "FONTDLG_COLOR=Color:", "FONTDLG_EXAMPLE=Example",
    // print dialog
    "PRNDLG_CAPTION=Print", "PRNDLG_PRINTER=Printer", "PRNDLG_COPIES=Copies",
    "PRNDLG_PROPERTIES=Properties...",
    // find and replace dialogs
    "FIND_CAPTION=Find", "REPLACE_CAPTION=Replace", "FIND_NEXT=Find next",
    "FIND_WHAT=Find what:", "REPLACE_WITH=Replace with:", "FIND_MATCHCASE=Match case",
    "FIND_WHOLEWORD=Match whole word only", "REPLACE_ALL=Replace all",
};

}  // namespace

TsfResourceStrData::TsfResourceStrData(TComponent* AOwner)
    : TComponent(AOwner), ResStrings(std::begin(kDefaultStrings), std::end(kDefaultStrings)) {}

std::string TsfResourceStrData::FindResString(std::string_view name) const {
  for (const std::string& line : ResStrings) {
    size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    if (sf::SameText(std::string_view(line).substr(0, eq), name)) return line.substr(eq + 1);
  }
  return "";
}
