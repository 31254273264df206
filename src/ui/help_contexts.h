// The help context of each window: F1 in a window opens the help topic bound to its number.
// Every subsystem's forms set these in their FormSpec, so they live below the subsystems.
#pragma once

namespace tarnix::ui::help {

constexpr int MainWindow = 104;      // Tmform
constexpr int ChangeReport = 105;    // TForm1
constexpr int LineEditor = 106;      // Teditline
constexpr int AddEntry = 107;        // Taddform
constexpr int EditEntry = 108;       // TEditStr
constexpr int About = 109;           // TAboutBox
constexpr int UndoList = 110;        // Tundolist
constexpr int ShortcutProps = 111;   // TfrmLink
constexpr int ServiceStartup = 112;  // TfrmServ
constexpr int FirstLaunch = 113;     // TfrmFirst
constexpr int Find = 114;            // TfrmFind
constexpr int HelpWindow = 115;      // TfrmHelp

}  // namespace tarnix::ui::help
