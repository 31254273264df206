// The text of the help. Captions are written exactly as the windows show them, without the
// "&" that marks a menu's access key.
#include "setup/help_topics.h"

namespace tarnix {

const char* const kContentsTopic = "contents";

namespace {

std::vector<HelpTopic> WindowTopics() {
  return {
      {kContentsTopic,
       "Tarnix II",
       "Tarnix II shows, edits and guards every place from which programs start by themselves "
       "when Windows starts or you log on.\n"
       "Each kind of place has a page in the main window: Registry, Win.ini, Config, Autoexec, "
       "Winstart.bat, NT Services, Startup Group, Common Startup Group, Logon and Tasks. Click "
       "a tab to see what starts from there.\n"
       "Tarnix II keeps a snapshot of every place. Each time it starts, it compares the places "
       "with the snapshot and shows you what changed, so that you can keep the change or "
       "change it back.\n"
       "To check now: press F9 (File, Check it!).\n"
       "To keep the way things are now as the new snapshot: press F2 (File, Save).\n"
       "To have the check run at every logon: File, Check system on startup.\n"
       "Press F1 in any window of Tarnix II for help on that window. Choose a topic below, or "
       "from the list on the left.",
       {"registry",    "winini", "textfiles", "services", "startupgroups", "logon",
        "tasks",       "marks",  "commands",  "report",   "snapshot",      "log",
        "commandline", "add",    "edit",      "undo",     "shortcut",      "servicestart",
        "firstlaunch", "find",   "editline",  "about",    "usinghelp"}},
      {"commands",
       "Menus, buttons and keys",
       "File menu: Check it! (F9) compares every place with the snapshot. Save (F2) writes your "
       "edits of the text pages and the Win.ini page and saves the snapshot. Check system on "
       "startup adds the check at logon. Create shortcut on desktop and Create shortcut in "
       "Programs menu put a Tarnix2 shortcut there. Show history log and Clear history log "
       "open or delete the log. Registry editor starts regedit. Startup folder opens your "
       "startup folder in Explorer. Exit (Alt+X or Esc) ends the program; it asks first when "
       "you have edits that are not saved.\n"
       "Edit menu: Find (Ctrl+F) searches the pages for a text, Find Next (F3) goes on to the "
       "next match, Refresh (F5) reads every place again and drops edits that are not saved. "
       "Disable and Enable switch the selected entry off and on as Task Manager does, and a "
       "scheduled task as the Task Scheduler does.\n"
       "Help menu: Help (F1) opens this help, About Tarnix shows the version.\n"
       "The buttons on the right do the same: Check! (F9), Save (F2), Find (CTRL+F), Refresh "
       "(F5), Help and Exit. The button at the bottom right shows the version of Windows.",
       {kContentsTopic, "snapshot", "log", "find"}},
      {"registry",
       "The Registry page",
       "The Registry page shows the three registry run lists. HKLM->Run and HKLM->RunServices "
       "start programs for all users on the computer; HKCU->Run starts them for you only. On "
       "Windows NT and later HKLM->RunServices is not used; the services are on the NT "
       "Services page.\n"
       "Each line is the name of one entry; its command is shown when you edit it.\n"
       "To add an entry: click the list, then press Ins, or right-click and choose Add.\n"
       "To change an entry's command: double-click it, or select it and press Enter.\n"
       "To delete an entry: select it and press Del, then OK.\n"
       "To undo a change: Ctrl+Z undoes a change made since Tarnix II started; Ctrl+R (Undo "
       "previous sessions) also offers changes made in earlier runs.\n"
       "To keep a copy of all three lists: Ctrl+S (Save all keys to file) writes a .reg file "
       "that the registry editor can import.\n"
       "Changes on this page are written at once. The next check reports them until you save "
       "the snapshot (F2).",
       {"add", "edit", "undo", "marks", "snapshot", kContentsTopic}},
      {"winini",
       "The Win.ini page",
       "The Win.ini page shows the Load and Run lines of the [windows] section of win.ini. "
       "Programs named there start when Windows starts.\n"
       "To change them: type in the boxes, then press F2 (Save). Nothing is written before "
       "you save; Refresh (F5) or leaving without saving drops the edit.",
       {"textfiles", "snapshot", kContentsTopic}},
      {"textfiles",
       "Config, Autoexec, Winstart.bat",
       "These pages show the files config.sys (or config.nt), autoexec.bat (or autoexec.nt) "
       "and winstart.bat, line by line.\n"
       "To change a file: edit its page, then press F2 (Save). Save writes every edited page "
       "and takes the new contents into the snapshot. Refresh (F5) drops edits that are not "
       "saved.\n"
       "A page that cannot show its file whole (for example a file with a NUL byte in it) is "
       "read-only, and the status line says so; the file itself is still checked and kept "
       "whole.",
       {"winini", "snapshot", kContentsTopic}},
      {"services",
       "The NT Services page",
       "On Windows NT and later this page lists the services that are running. The small "
       "picture beside each name shows its state.\n"
       "To change when a service starts: select it and click Startup. You may need to run "
       "Tarnix II as an administrator for this.\n"
       "To read what the services reported: click Event Viewer.",
       {"servicestart", kContentsTopic}},
      {"startupgroups",
       "The Startup Group pages",
       "Startup Group lists the files in your own startup folder; Common Startup Group lists "
       "those in the startup folder for all users. Windows starts every shortcut there when "
       "you log on.\n"
       "To add a program: press Ins (or right-click, Add), choose the program and give the "
       "shortcut a name.\n"
       "To change a shortcut's program, arguments or working directory: double-click it, or "
       "select it and press Enter.\n"
       "To delete a file: select it and press Del, then OK. The file is deleted at once.",
       {"add", "shortcut", "marks", kContentsTopic}},
      {"marks",
       "Disable and Enable",
       "Task Manager's Startup tab and Settings, Apps, Startup do not delete a program that "
       "you switch off: they keep a mark beside it, and Windows skips the program while the "
       "mark says disabled. Tarnix II shows such an entry greyed, in HKLM->Run and HKCU->Run, "
       "on the two Startup Group pages and, for HKLM Run (32-bit), on the Logon page. When you "
       "select an entry, the status line says whether it is enabled or disabled, and since "
       "when.\n"
       "To switch an entry off: select it, then choose Disable in the Edit menu or the "
       "right-click menu, or click the Disable button of the page's toolbar. To switch it on "
       "again: Enable.\n"
       "Tarnix II writes the mark as Task Manager writes it, so both show the same afterwards. "
       "The entry itself stays as it is. Entries for all users need administrator rights. "
       "HKLM->RunServices, RunOnce, the policy run lists and Winlogon have no such mark.\n"
       "Every check compares the marks with the snapshot: an entry that was disabled and is "
       "enabled again, or one newly disabled, is reported as \"Name=disabled\" and "
       "\"Name=enabled\". Change Back! sets the marks back as the snapshot holds them.",
       {"registry", "startupgroups", "logon", "report", kContentsTopic}},
      {"logon",
       "The Logon page",
       "The Logon page lists the other places in the registry from which Windows starts "
       "programs when you log on, one entry a line: its place, its name and its command.\n"
       "HKLM Run (32-bit): the run list of 32-bit programs on 64-bit Windows, where their "
       "installers put it.\n"
       "HKLM RunOnce, HKLM RunOnce (32-bit) and HKCU RunOnce: programs that start once, at the "
       "next logon. Windows deletes each entry when it starts it, so an entry that is gone is "
       "not reported as a change.\n"
       "HKLM Policies Run and HKCU Policies Run: the run lists that policies set.\n"
       "HKLM Winlogon: Shell, the program that is the desktop (normally explorer.exe), and "
       "Userinit. A program written behind explorer.exe starts at every logon.\n"
       "To change a command: double-click the entry, or select it and press Enter.\n"
       "To delete an entry: select it and press Del, then OK. Shell and Userinit can only be "
       "edited: Windows needs them.\n"
       "Changes are written at once; Undo on the Registry page (Ctrl+Z, Ctrl+R) undoes them. "
       "Every check compares these places with the snapshot, as it does the run lists.\n"
       "An entry of HKLM Run (32-bit) that Task Manager disabled is greyed; Disable and Enable "
       "switch it as on the Registry page.",
       {"registry", "edit", "undo", "report", "marks", kContentsTopic}},
      {"tasks",
       "The Tasks page",
       "The Tasks page lists the scheduled tasks that start a program when Windows starts or "
       "when you log on, one task a line: its place (the folder in the Task Scheduler), its name "
       "and its command. A disabled task is greyed. When you select a task, the status line says "
       "when it starts (At boot, At logon) and whether it is enabled.\n"
       "To switch a task off: select it, then choose Disable in the Edit menu or the right-click "
       "menu, or click the Disable button of the page's toolbar. To switch it on again: Enable.\n"
       "To delete a task: select it and press Del, then OK. The Task Scheduler deletes it at "
       "once; there is no undo.\n"
       "When the tasks cannot be listed, the first line of the page says why; the tasks that "
       "could be read are still shown.\n"
       "Every check compares the tasks with the snapshot: a new task, a task gone, or one that "
       "starts otherwise (another program, another trigger, switched on or off) is reported. "
       "Change Back! deletes a new task, sets a task's state back, or registers a deleted one "
       "again.",
       {"marks", "report", "snapshot", kContentsTopic}},
  };
}

std::vector<HelpTopic> DialogTopics() {
  return {
      {"report",
       "Attention! Tarnix find out changes!",
       "This window appears when a startup place is not the same as in the snapshot. The line "
       "at the top names the place. In the list, a red plus marks a line that was added, a "
       "red minus a line that was deleted or changed.\n"
       "To accept the change: click OK! That's right! The snapshot takes the place as it is "
       "now.\n"
       "To undo the change: click Change Back! The place is set back to the snapshot.\n"
       "To keep only some lines: select a line and click Delete Line (or press Del), or click "
       "Edit (or press Enter) to change it; then click Save current list. The place and the "
       "snapshot both take the list as you left it; in a startup folder, the files you took "
       "out of the list are deleted.\n"
       "Not every button works for every place: a run list can only be confirmed or changed "
       "back; a startup folder cannot be changed back or edited line by line; the Win.ini "
       "lines cannot be deleted.\n"
       "To decide later: click Close. Nothing is changed, and the next check shows the change "
       "again.\n"
       "Every decision is written to the history log.",
       {"editline", "snapshot", "log", kContentsTopic}},
      {"editline",
       "Edit Line",
       "Change the line in the box and click OK to put it into the change report's list. "
       "Cancel leaves the line as it was. Nothing is written until you click Save current "
       "list in the change report.",
       {"report"}},
      {"add",
       "Add",
       "Adds a program to a run list of the Registry page, or a shortcut to a startup group.\n"
       "1. Click Browse to choose the program, or type its command line in Program.\n"
       "2. Type a name in Name: the entry's name, or the shortcut's file name without .lnk.\n"
       "3. Click Add.\n"
       "Both boxes must be filled in. Cancel or Esc closes the window without adding.",
       {"registry", "startupgroups", "undo"}},
      {"edit",
       "Edit",
       "Changes the command of a run-list entry. The name at the top cannot be changed here.\n"
       "Type the new command, or click Browse to choose a program (this replaces the whole "
       "command, arguments too), then click OK. Cancel leaves the entry as it was.\n"
       "The change is written at once and can be undone with Ctrl+Z.",
       {"registry", "undo"}},
      {"undo",
       "Undo",
       "Lists changes made to the run lists, newest first: what was done, when, to which list "
       "and to which entry.\n"
       "To undo one: select it and click Undo. A deleted or changed entry gets its old "
       "command back; an added entry is removed. Cancel or Esc closes the window.\n"
       "Ctrl+Z lists the changes made since Tarnix II started; Ctrl+R (Undo previous sessions) "
       "lists every change that has not been undone, from earlier runs too.",
       {"registry", "edit", "add"}},
      {"shortcut",
       "Shortcut properties",
       "Shows the shortcut file named at the top.\n"
       "Change Program (or click Browse to choose it), Arguments or Working Directory, then "
       "click OK to write the shortcut. Cancel leaves it as it was. The shortcut's icon and "
       "other settings are kept.",
       {"startupgroups"}},
      {"servicestart",
       "Service Startup",
       "Choose when the service starts: Automatic (when Windows starts), Manual (when a "
       "program or you start it) or Disabled (never). Click OK to change it, Cancel to leave "
       "it. Changing a service needs administrator rights.",
       {"services"}},
      {"firstlaunch",
       "Tarnix II First launching",
       "This window appears the first time Tarnix II runs. When you click OK, Tarnix II makes "
       "the group MovendaSoft, Tarnix2 in the Programs menu with Tarnix2 and Uninstall, saves "
       "the snapshot of every startup place, and does what the boxes say:\n"
       "Add shortcut  to  Programs  menu: a Tarnix2 shortcut directly in the Programs menu.\n"
       "Create shortcut on the Desktop: a Tarnix2 shortcut on the desktop.\n"
       "Check at starting Windows: the check runs at every logon.\n"
       "You can do each of these later from the File menu.",
       {"snapshot", "commandline", kContentsTopic}},
      {"find",
       "Find",
       "Type a text and click Find. Tarnix II searches, in this order, the Autoexec, Config "
       "and Winstart.bat pages, the three run lists, the Startup Group list, the Win.ini lines, "
       "the Logon page and the Tasks page, brings the page to the front and selects the match. "
       "Letter case does not matter.\n"
       "Find Next (F3) goes on to the next match. Cancel closes the window.",
       {"commands"}},
      {"about",
       "About Tarnix",
       "Shows the version of Tarnix II. The two large buttons open the maker's web page and "
       "start a mail to the maker. OK closes the window.",
       {kContentsTopic}},
  };
}

std::vector<HelpTopic> ReferenceTopics() {
  return {
      {"snapshot",
       "The snapshot",
       "The snapshot is what Tarnix II remembers of every startup place: each run list, "
       "the places of the Logon page, the scheduled tasks, "
       "win.ini's Load and Run lines, the text files and the startup folders. It is kept in "
       "the registry under HKEY_LOCAL_MACHINE\\Software\\Movenda\\Tarnix2\\Save.\n"
       "A snapshot saved by an earlier version holds nothing of the Logon page; the first "
       "check takes those places in as they are, without a report, and says so in the history "
       "log.\n"
       "The first start saves it. Every check compares the places with it. F2 (Save) saves it "
       "again as things are now; OK! That's right! in the change report saves one place.\n"
       "Writing under HKEY_LOCAL_MACHINE needs administrator rights on Windows 10 and 11; when "
       "the snapshot cannot be written, Tarnix II says so.",
       {"report", "log", kContentsTopic}},
      {"log",
       "The history log",
       "Every check writes what it found and what you decided to tx2log.txt, in the folder "
       "of tarnix2.exe, or, where you may not write there, in AppData\\Local\\Tarnix2 of "
       "your user profile: when the check started and ended, each changed place with its lines, "
       "and whether the change was confirmed, cancelled or made manually.\n"
       "To read it: File, Show history log.\n"
       "To delete it: File, Clear history log, then Yes.",
       {"report", kContentsTopic}},
      {"commandline",
       "The command line: /c and /u",
       "tarnix2 without a switch runs the check, then opens the main window.\n"
       "tarnix2 /c runs the check only: it shows a change report when something changed and "
       "ends without the main window. Check system on startup adds this to your run list, so "
       "the check runs at every logon.\n"
       "tarnix2 /u removes Tarnix II after you click OK: its shortcuts, its run entry and the "
       "snapshot. Delete tarnix2.exe yourself afterwards. The Uninstall shortcut in the "
       "Tarnix2 group does the same.\n"
       "Only one Tarnix II runs at a time; starting it again brings the running one to the "
       "front.",
       {"snapshot", "firstlaunch", kContentsTopic}},
      {"usinghelp",
       "Using help",
       "Choose a topic from the list on the left. The topics under See also lead on: "
       "double-click one, or select it and press Enter. Back returns to the topic you read "
       "before. Close or Esc closes the help.\n"
       "F1 in any window of Tarnix II opens the help on that window.",
       {kContentsTopic}},
  };
}

std::vector<HelpTopic> AllTopics() {
  std::vector<HelpTopic> topics = WindowTopics();
  for (auto part : {DialogTopics(), ReferenceTopics()}) {
    topics.insert(topics.end(), part.begin(), part.end());
  }
  return topics;
}

}  // namespace

const std::vector<HelpTopic>& HelpTopics() {
  static const std::vector<HelpTopic> topics = AllTopics();
  return topics;
}

}  // namespace tarnix
