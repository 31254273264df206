// List boxes, drawn by the list: a per-item image and greyed mark kept in the item data.
#pragma once

#include "ui/win32/control_base.h"

namespace tarnix::ui::win32 {

class ImageListImpl;

class ListBoxImpl final : public WindowControl<ListBox> {
 public:
  ListBoxImpl(Win32Form& form, const ListBoxSpec& spec, HWND parent);
  int Count() const override;
  std::string Item(int index) const override;
  std::vector<std::string> Items() const override;
  void SetItem(int index, const std::string& text) override;
  int ItemImage(int index) const override;
  void SetItemImage(int index, int image) override;
  bool ItemGreyed(int index) const override;
  void SetItemGreyed(int index, bool greyed) override;
  void Add(const std::string& text, int image) override;
  void Insert(int index, const std::string& text, int image) override;
  void Delete(int index) override;
  void Clear() override;
  int ItemIndex() const override;
  void SetItemIndex(int index) override;

  void OnCommand(int code) override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
  bool OnMeasureItem(MEASUREITEMSTRUCT& item) override;
  bool TakesFocus() const override { return true; }

 private:
  int ItemHeight() const;
  // The item's data (image and greyed mark); an index out of range throws.
  LPARAM Data(int index) const;
  // Sets it and draws the item again.
  void SetData(int index, LPARAM data);
  // The item's text, split at its tabs into the columns its tab stops set.
  void DrawColumns(HDC dc, const std::wstring& text, const RECT& area) const;
  HFONT ListFont() const;
  ListBoxSpec spec_;
  ImageListImpl* images_;
};

}  // namespace tarnix::ui::win32
