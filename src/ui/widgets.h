// The toolkit's control interfaces. Forms build controls through Form (form.h) and talk to
// them only through these; the Win32 backend maps them onto standard window classes, the
// headless backend holds their state in memory for tests.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tarnix::ui {

// Position and size in pixels of the design at 120 dpi; backends scale to the screen.
struct Bounds {
  int left = 0, top = 0, width = 0, height = 0;
};

enum class MouseButton { Left, Right, Middle };

struct ShiftState {
  bool shift = false, ctrl = false, alt = false;
};

// Virtual key codes, numbered as on Windows.
namespace vk {
constexpr int Back = 0x08, Tab = 0x09, Return = 0x0D, Escape = 0x1B, Space = 0x20;
constexpr int Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28, Insert = 0x2D, Delete = 0x2E;
constexpr int F1 = 0x70, F2 = 0x71, F3 = 0x72, F5 = 0x74, F9 = 0x78;
constexpr int Key(char upperLetterOrDigit) {
  return upperLetterOrDigit;
}
}  // namespace vk

// A menu shortcut: a key with its modifiers; vk 0 means none.
struct Shortcut {
  int vk = 0;
  ShiftState shift;
  bool operator==(const Shortcut& o) const {
    return vk == o.vk && shift.shift == o.shift.shift && shift.ctrl == o.shift.ctrl &&
           shift.alt == o.shift.alt;
  }
};
inline Shortcut Key(int vkCode) {
  return {vkCode, {}};
}
inline Shortcut Ctrl(int vkCode) {
  return {vkCode, {false, true, false}};
}
inline Shortcut Alt(int vkCode) {
  return {vkCode, {false, false, true}};
}

class PopupMenu;

// Every control. Event callbacks are set by the form that owns the control; a callback left
// empty means the event is ignored. Handlers run inside the toolkit's event dispatch, which
// shows an error box for an exception that escapes them.
class Control {
 public:
  virtual ~Control() = default;
  virtual std::string Name() const = 0;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual bool Focused() const = 0;
  virtual void SetFocus() = 0;
  virtual void SetHint(const std::string& hint) = 0;  // tooltip
  virtual std::string Hint() const = 0;
  // A pop-up menu shown on a right click; its shortcuts act while this control has the focus,
  // looked up before the main menu's.
  virtual void SetPopupMenu(PopupMenu* menu) = 0;
  virtual PopupMenu* GetPopupMenu() const = 0;

  std::function<void()> onClick;
  std::function<void()> onDblClick;
  std::function<void()> onExit;    // the control lost the keyboard focus
  std::function<void()> onChange;  // text or selection changed by the user
  std::function<void(MouseButton button, int x, int y)> onMouseDown;
  std::function<void(int& key, ShiftState shift)> onKeyDown;  // set key to 0 to consume it
  std::function<void(int& ch)> onKeyPress;  // a character (13 Enter, 27 Esc); 0 consumes it
};

// A control that holds others (form client area, panel, group box, tab page).
class Container : public Control {};

struct LabelSpec {
  std::string name;
  std::string caption;
  Bounds bounds;
  bool bold = false;
  unsigned color = 0xFFFFFFFFu;  // 0x00BBGGRR; all ones: the system's text colour
  bool wordWrap = false;
};
class Label : public Control {
 public:
  virtual std::string Caption() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
};

enum class ButtonKind {
  Plain,   // a push button; onClick only
  Ok,      // modal result 1, default button (Enter)
  Cancel,  // modal result 2, cancel button (Esc)
  Close,   // "&Close": closes its form
  Retry,   // modal result 4
};
// The caption of a button whose ButtonSpec gives none.
inline std::string StandardCaption(ButtonKind kind) {
  switch (kind) {
    case ButtonKind::Ok:
      return "OK";
    case ButtonKind::Cancel:
      return "Cancel";
    case ButtonKind::Close:
      return "&Close";
    case ButtonKind::Retry:
      return "&Retry";
    case ButtonKind::Plain:
      break;
  }
  return "";
}

struct ButtonSpec {
  std::string name;
  std::string caption;  // empty for Ok/Cancel/Close: the standard caption
  Bounds bounds;
  ButtonKind kind = ButtonKind::Plain;
  bool isDefault = false;  // Enter presses it (Ok buttons are default anyway)
  bool isCancel = false;   // Esc presses it (Cancel buttons are anyway)
  int imageResource = 0;   // bitmap resource drawn left of the caption; 0 none
  bool imageRight = false;
  // When set, a click also closes a modally shown form with this result, after onClick.
  int modalResult = 0;
};
inline bool IsDefaultButton(const ButtonSpec& spec) {
  return spec.isDefault || spec.kind == ButtonKind::Ok;
}
inline bool IsCancelButton(const ButtonSpec& spec) {
  return spec.isCancel || spec.kind == ButtonKind::Cancel;
}
class Button : public Control {
 public:
  virtual std::string Caption() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  // The shield that marks a command needing administrator rights, before the caption.
  virtual void SetShield(bool shown) = 0;
  virtual bool Shield() const = 0;
};

struct CheckSpec {
  std::string name;
  std::string caption;
  Bounds bounds;
  bool checked = false;
};
class CheckBox : public Control {
 public:
  virtual std::string Caption() const = 0;
  virtual bool Checked() const = 0;
  virtual void SetChecked(bool checked) = 0;
};
// Radio buttons with the same parent exclude each other.
class RadioButton : public CheckBox {};

struct EditSpec {
  std::string name;
  Bounds bounds;
  std::string text;
  bool readOnly = false;
};
class EditBox : public Control {
 public:
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;  // clears nothing else; not a user edit
  virtual bool Modified() const = 0;                  // set by the user's typing
  virtual void SetModified(bool modified) = 0;
  virtual int SelStart() const = 0;  // caret position in characters
  virtual void SetSelStart(int position) = 0;
};

struct TextPageSpec {
  std::string name;
  Bounds bounds;
};
// A plain-text page (RichEdit): both scroll bars, word wrap off by default. Character
// positions count a line break as one character, as RichEdit does.
class TextPage : public Control {
 public:
  virtual std::vector<std::string> Lines() const = 0;
  virtual void SetLines(const std::vector<std::string>& lines) = 0;  // not a user edit
  virtual std::string Text() const = 0;                              // lines joined with CR LF
  virtual void Clear() = 0;  // empties the page and clears its modified mark
  virtual bool Modified() const = 0;
  virtual void SetModified(bool modified) = 0;
  virtual void SetWordWrap(bool wrap) = 0;
  // A read-only page takes no typing, so it can show what must never be written back.
  virtual bool ReadOnly() const = 0;
  virtual void SetReadOnly(bool readOnly) = 0;
  virtual int SelStart() const = 0;
  virtual void SetSelStart(int position) = 0;
  virtual int TextLength() const = 0;  // in the positions above
  // Case-insensitive search from start over length characters; the match position or -1.
  virtual int FindText(const std::string& what, int start, int length) const = 0;
};

class ImageList;

struct ListBoxSpec {
  std::string name;
  Bounds bounds;
  // Items are drawn by the toolkit: the item's image from `images` at the top left, if any,
  // then its text, greyed or in the selection colours as its state says.
  ImageList* images = nullptr;
  int itemHeight = 0;           // fixed item height in design pixels; 0: the font's
  bool variableHeight = false;  // owner-drawn with variable item height (text height)
  std::string fontName;         // empty: the form's font
  // Columns: an item's text is split at its tabs, the first part drawn at the left edge and
  // each next one at its stop (design pixels from the left edge), cut short with "..." where
  // the next column begins; a text without a tab spans them. The item's text keeps its tabs.
  std::vector<int> tabStops;
};
class ListBox : public Control {
 public:
  virtual int Count() const = 0;
  virtual std::string Item(int index) const = 0;
  virtual std::vector<std::string> Items() const = 0;
  virtual void SetItem(int index, const std::string& text) = 0;  // keeps its image
  virtual int ItemImage(int index) const = 0;                    // -1 none
  virtual void SetItemImage(int index, int image) = 0;
  // A greyed line is drawn in the system's grey text colour; it stays selectable.
  virtual bool ItemGreyed(int index) const = 0;
  virtual void SetItemGreyed(int index, bool greyed) = 0;
  virtual void Add(const std::string& text, int image = -1) = 0;
  virtual void Insert(int index, const std::string& text, int image = -1) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  virtual int ItemIndex() const = 0;  // -1: nothing selected
  virtual void SetItemIndex(int index) = 0;
};

struct ImageListSpec {
  std::string name;
  int width = 16, height = 16;
  // One bitmap resource per image, in image order.
  std::vector<int> bitmapResources;
};
class ImageList {
 public:
  virtual ~ImageList() = default;
  virtual std::string Name() const = 0;
  virtual int Count() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
};

struct PanelSpec {
  std::string name;
  Bounds bounds;
  std::string caption;
  bool bevel = true;
};
class Panel : public Container {};

struct GroupSpec {
  std::string name;
  std::string caption;
  Bounds bounds;
};
class GroupBox : public Container {};

struct BevelSpec {
  std::string name;
  Bounds bounds;
};
class Bevel : public Control {};

struct ImageSpec {
  std::string name;
  Bounds bounds;
  int bitmapResource = 0;
};
class Picture : public Control {};

class TabPage : public Container {
 public:
  virtual std::string Caption() const = 0;
};
struct PageControlSpec {
  std::string name;
  Bounds bounds;
  bool multiLine = true;  // tabs in several rows when needed
};
class PageControl : public Control {
 public:
  virtual TabPage* AddPage(const std::string& name, const std::string& caption) = 0;
  virtual int PageCount() const = 0;
  virtual TabPage* Page(int index) const = 0;
  virtual TabPage* ActivePage() const = 0;
  virtual void SetActivePage(TabPage* page) = 0;
};

struct StatusBarSpec {
  std::string name;
  std::vector<int> panelWidths;
};
class StatusBar : public Control {
 public:
  virtual std::string PanelText(int panel) const = 0;
  virtual void SetPanelText(int panel, const std::string& text) = 0;
};

struct ProgressSpec {
  std::string name;
  Bounds bounds;
  int min = 0, max = 100;
};
class ProgressBar : public Control {
 public:
  virtual int Position() const = 0;
  virtual void SetPosition(int position) = 0;
};

struct ToolBarSpec {
  std::string name;
  Bounds bounds;
  ImageList* images = nullptr;
  int buttonWidth = 23, buttonHeight = 22;
  bool vertical = false;
  bool flat = true;
};
class ToolButton : public Control {
 public:
  // The shield that marks a command needing administrator rights, over the button's picture.
  virtual void SetShield(bool shown) = 0;
  virtual bool Shield() const = 0;
};
class ToolBar : public Control {
 public:
  // A button showing image `image` of the toolbar's image list (its caption is never shown).
  virtual ToolButton* AddButton(const std::string& name, int image, const std::string& hint) = 0;
  virtual int ButtonCount() const = 0;
  virtual ToolButton* Button(int index) const = 0;
};

struct MenuItemSpec {
  std::string name;
  std::string caption;  // "-" makes a separator
  Shortcut shortcut;
  bool isDefault = false;  // shown in bold (pop-up menus)
};
class MenuItem {
 public:
  virtual ~MenuItem() = default;
  virtual std::string Name() const = 0;
  virtual std::string Caption() const = 0;
  virtual Shortcut GetShortcut() const = 0;
  virtual bool IsDefault() const = 0;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual MenuItem* Add(const MenuItemSpec& spec) = 0;  // a sub-item
  virtual int Count() const = 0;
  virtual MenuItem* Item(int index) const = 0;
  std::function<void()> onClick;
};
class MainMenu {
 public:
  virtual ~MainMenu() = default;
  virtual MenuItem* Add(const MenuItemSpec& spec) = 0;  // a top-level menu
  virtual int Count() const = 0;
  virtual MenuItem* Item(int index) const = 0;
};
class PopupMenu {
 public:
  virtual ~PopupMenu() = default;
  virtual std::string Name() const = 0;
  virtual MenuItem* Add(const MenuItemSpec& spec) = 0;
  virtual int Count() const = 0;
  virtual MenuItem* Item(int index) const = 0;
};

}  // namespace tarnix::ui
