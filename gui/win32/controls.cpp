#include "gui/win32/controls.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "gui/win32/child_window.h"
#include "gui/win32/window_class.h"

namespace win32 {
namespace {

constexpr wchar_t kPanelClass[] = L"WallpaperPanel";

class Panel : public ChildWindow<gui::Panel> {
 public:
  explicit Panel(const gui::ControlArgs& args) {
    registerWindowClass(kPanelClass, procedure, panelBrush());
    adopt(createChild(kPanelClass, WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, args));
  }

 private:
  static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (reflectToChild(message, wParam, lParam, result)) return result;
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
};

class Button : public TextChildWindow<gui::Button> {
 public:
  explicit Button(const gui::ControlArgs& args) {
    adoptText(createChild(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, args), args);
  }
  void onCommand(WORD code) override {
    if (code == BN_CLICKED) fire(onClick);
  }
};

class Label : public TextChildWindow<gui::Label> {
 public:
  Label(const gui::ControlArgs& args, gui::LabelLook look) : look_(look) {
    HFONT font = look == gui::LabelLook::WhiteBold ? whiteBoldFont() : interfaceFont();
    adoptText(createChild(L"STATIC", SS_LEFT | SS_NOPREFIX, 0, args, font), args);
    fitToText();
  }
  void setText(const std::string& text) override {
    TextChildWindow::setText(text);
    fitToText();
  }
  HBRUSH onColor(HDC dc) override {
    if (look_ != gui::LabelLook::WhiteBold) return nullptr;
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
    return panelBrush();
  }

 private:
  // Labels size themselves to their text.
  void fitToText() {
    std::wstring text = widen(text_, kind_);
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    SetWindowPos(hwnd_, nullptr, 0, 0, size.cx + 2, size.cy, SWP_NOMOVE | SWP_NOZORDER);
  }
  gui::LabelLook look_;
};

class ListBox : public ChildWindow<gui::ListBox> {
 public:
  explicit ListBox(const gui::ControlArgs& args) : kind_(args.textKind) {
    adopt(createChild(L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, 0,
                      args));
    SendMessageW(hwnd_, LB_SETITEMHEIGHT, 0, 13);
  }
  void add(const std::string& item) override {
    SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(item, kind_).c_str()));
  }
  void assign(const std::vector<std::string>& items) override {
    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0);
    std::size_t bytes = 0;
    for (const auto& item : items) bytes += (item.size() + 1) * sizeof(wchar_t);
    SendMessageW(hwnd_, LB_INITSTORAGE, items.size(), static_cast<LPARAM>(bytes));
    for (const auto& item : items) add(item);
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
  }
  std::int64_t count() const override { return SendMessageW(hwnd_, LB_GETCOUNT, 0, 0); }
  std::string item(std::int64_t index) const override {
    LRESULT length = SendMessageW(hwnd_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(hwnd_, LB_GETTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return narrow(text, kind_);
  }
  std::int64_t itemIndex() const override { return SendMessageW(hwnd_, LB_GETCURSEL, 0, 0); }
  void setItemIndex(std::int64_t index) override {
    SendMessageW(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
  void onCommand(WORD code) override {
    if (code == LBN_SELCHANGE) fire(onClick);
    if (code == LBN_DBLCLK) fire(onDoubleClick);
  }
  HBRUSH onColor(HDC dc) override {
    SetBkColor(dc, kListColor);
    return listBrush();
  }

 private:
  gui::TextKind kind_;
};

class SpinEdit : public ChildWindow<gui::SpinEdit> {
 public:
  SpinEdit(const gui::ControlArgs& args, int minimum, int maximum)
      : minimum_(minimum), maximum_(maximum) {
    adopt(createChild(L"EDIT", ES_READONLY | ES_NUMBER | WS_TABSTOP, WS_EX_CLIENTEDGE, args,
                      largeFont()));
    upDown_ = CreateWindowExW(
        0, UPDOWN_CLASSW, L"",
        WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
        0, 0, 0, 0, GetParent(hwnd_), nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(upDown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(hwnd_), 0);
    SendMessageW(upDown_, UDM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
  }
  int value() const override { return static_cast<int>(SendMessageW(upDown_, UDM_GETPOS32, 0, 0)); }
  void setValue(int value) override {
    quiet_ = true;
    SendMessageW(upDown_, UDM_SETPOS32, 0, std::clamp(value, minimum_, maximum_));
    quiet_ = false;
  }
  void setEnabled(bool enabled) override {
    ChildWindow::setEnabled(enabled);
    EnableWindow(upDown_, enabled);
  }
  void onCommand(WORD code) override {
    if (code == EN_CHANGE && !quiet_) fire(onChange);
  }
  HBRUSH onColor(HDC dc) override {
    SetBkColor(dc, kListColor);
    return listBrush();
  }

 private:
  int minimum_, maximum_;
  HWND upDown_ = nullptr;
  bool quiet_ = false;
};

class ProgressBar : public ChildWindow<gui::ProgressBar> {
 public:
  ProgressBar(const gui::ControlArgs& args, int maximum) {
    adopt(createChild(PROGRESS_CLASSW, 0, 0, args));
    SendMessageW(hwnd_, PBM_SETRANGE32, 0, maximum);
    SendMessageW(hwnd_, PBM_SETSTEP, 1, 0);
  }
  int position() const override { return static_cast<int>(SendMessageW(hwnd_, PBM_GETPOS, 0, 0)); }
  void setPosition(int position) override { SendMessageW(hwnd_, PBM_SETPOS, position, 0); }
};

}  // namespace

HWND windowOf(const gui::Control* control) {
  auto* owner = dynamic_cast<const HasWindow*>(control);
  return owner ? owner->hwnd() : nullptr;
}

HWND createChild(const wchar_t* windowClass, DWORD style, DWORD exStyle,
                 const gui::ControlArgs& args, HFONT font) {
  HWND hwnd = CreateWindowExW(exStyle, windowClass, widen(args.text, args.textKind).c_str(),
                              WS_CHILD | WS_VISIBLE | style, args.rect.left, args.rect.top,
                              args.rect.width, args.rect.height, windowOf(args.parent), nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return hwnd;
}

std::unique_ptr<gui::Panel> makePanel(const gui::ControlArgs& args) {
  return std::make_unique<Panel>(args);
}
std::unique_ptr<gui::Button> makeButton(const gui::ControlArgs& args) {
  return std::make_unique<Button>(args);
}
std::unique_ptr<gui::Label> makeLabel(const gui::ControlArgs& args, gui::LabelLook look) {
  return std::make_unique<Label>(args, look);
}
std::unique_ptr<gui::ListBox> makeListBox(const gui::ControlArgs& args) {
  return std::make_unique<ListBox>(args);
}
std::unique_ptr<gui::SpinEdit> makeSpinEdit(const gui::ControlArgs& args, int minimum,
                                            int maximum) {
  return std::make_unique<SpinEdit>(args, minimum, maximum);
}
std::unique_ptr<gui::ProgressBar> makeProgressBar(const gui::ControlArgs& args, int maximum) {
  return std::make_unique<ProgressBar>(args, maximum);
}

}  // namespace win32
