// The windows created at start besides the main window, for the main window's commands.
#pragma once

namespace tarnix {

class Taddform;
class TAboutBox;
class TEditStr;
class Tundolist;
class TForm1;
class Teditline;
class TfrmFind;
class TfrmSplash;
class TfrmFirst;
class TfrmServ;
class TfrmLink;
class TfrmHelp;

struct AppWindows {
  Taddform* addform = nullptr;
  TAboutBox* AboutBox = nullptr;
  TEditStr* EditStr = nullptr;
  Tundolist* undolist = nullptr;
  TForm1* Form1 = nullptr;
  Teditline* editline = nullptr;
  TfrmFind* frmFind = nullptr;
  TfrmSplash* frmSplash = nullptr;
  TfrmFirst* frmFirst = nullptr;
  TfrmServ* frmServ = nullptr;
  TfrmLink* frmLink = nullptr;
  TfrmHelp* frmHelp = nullptr;
};

}  // namespace tarnix
