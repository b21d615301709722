// The picture control: one picture, decoded once for the size the control shows it at, drawn
// stretched, proportional or centred. Metafiles are played by GDI after the reader has checked
// every record.

#include <windows.h>

#include <algorithm>
#include <optional>

#include "gui/win32/child_window.h"
#include "gui/win32/window_class.h"
#include "pictures/files.h"

namespace win32 {
namespace {

constexpr wchar_t kPictureClass[] = L"WallpaperPicture";

bool isMetafile(pictures::Format format) {
  return format == pictures::Format::Wmf || format == pictures::Format::Emf;
}

// A decoded picture laid over the control's background, ready for StretchDIBits.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> bgra;
};

Pixels overBackground(pictures::Picture picture, COLORREF background) {
  const unsigned backRed = GetRValue(background), backGreen = GetGValue(background),
                 backBlue = GetBValue(background);
  for (std::size_t i = 0; i < picture.bgra.size(); i += 4) {
    unsigned alpha = picture.bgra[i + 3];
    if (alpha == 255) continue;
    auto blend = [alpha](unsigned front, unsigned back) {
      return static_cast<std::uint8_t>((front * alpha + back * (255 - alpha) + 127) / 255);
    };
    picture.bgra[i] = blend(picture.bgra[i], backBlue);
    picture.bgra[i + 1] = blend(picture.bgra[i + 1], backGreen);
    picture.bgra[i + 2] = blend(picture.bgra[i + 2], backRed);
    picture.bgra[i + 3] = 255;
  }
  return {static_cast<int>(picture.size.width), static_cast<int>(picture.size.height),
          std::move(picture.bgra)};
}

HENHMETAFILE playableMetafile(const pictures::Metafile& metafile) {
  const BYTE* bits = metafile.bytes.data() + metafile.gdiOffset;
  UINT size = static_cast<UINT>(metafile.bytes.size() - metafile.gdiOffset);
  if (metafile.format == pictures::Format::Emf) return SetEnhMetaFileBits(size, bits);
  METAFILEPICT picture{MM_ANISOTROPIC, static_cast<LONG>(metafile.frame.width) * 2540 / 96,
                       static_cast<LONG>(metafile.frame.height) * 2540 / 96, nullptr};
  return SetWinMetaFileBits(size, bits, nullptr, &picture);
}

class Picture : public ChildWindow<gui::Picture> {
 public:
  Picture(const gui::ControlArgs& args, gui::PictureLook look) : look_(look) {
    registerWindowClass(kPictureClass, procedure, nullptr, CS_DBLCLKS);
    hwnd_ = CreateWindowExW(0, kPictureClass, L"", WS_CHILD | WS_VISIBLE, args.rect.left,
                            args.rect.top, args.rect.width, args.rect.height, windowOf(args.parent),
                            nullptr, GetModuleHandleW(nullptr), this);
  }
  ~Picture() override { dropMetafile(); }

  void loadFromFile(const std::string& path) override {
    pictures::Format format = pictures::formatFromPath(path);
    if (isMetafile(format)) {
      pictures::Metafile metafile = pictures::loadMetafile(path);
      HENHMETAFILE playable = playableMetafile(metafile);
      if (!playable) {
        throw pictures::PictureError(pictures::PictureError::Kind::Damaged,
                                     "the metafile cannot be played", path);
      }
      dropMetafile();
      metafile_ = playable;
      pixels_.reset();
      size_ = metafile.frame;
    } else {
      pictures::Size size = pictures::probePictureSize(path);
      Pixels pixels = overBackground(pictures::loadPicture(path, fitFor(size)), kPanelColor);
      dropMetafile();
      pixels_ = std::move(pixels);
      size_ = size;
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
  }
  void setDrawing(const gui::PictureDrawing& drawing) override {
    drawing_ = drawing;
    InvalidateRect(hwnd_, nullptr, TRUE);
  }
  int pictureWidth() const override { return static_cast<int>(size_.width); }
  int pictureHeight() const override { return static_cast<int>(size_.height); }

 private:
  RECT clientArea() const {
    RECT area;
    GetClientRect(hwnd_, &area);
    return area;
  }

  // Pictures are decoded no larger than they are shown.
  pictures::Fit fitFor(pictures::Size size) const {
    RECT area = clientArea();
    pictures::Size box{static_cast<std::uint32_t>(std::max<LONG>(area.right, 1)),
                       static_cast<std::uint32_t>(std::max<LONG>(area.bottom, 1))};
    if (drawing_.stretch && !drawing_.proportional) return {box, false};
    if (drawing_.proportional && (size.width > box.width || size.height > box.height)) {
      return {box, true};
    }
    return {};
  }

  // Where the picture goes, from its own size and the drawing options.
  RECT target() const {
    RECT area = clientArea();
    int width = static_cast<int>(size_.width), height = static_cast<int>(size_.height);
    if (drawing_.stretch && !drawing_.proportional) {
      width = area.right;
      height = area.bottom;
    } else if (drawing_.proportional && width > 0 && height > 0) {
      bool tooBig = width > area.right || height > area.bottom;
      if (drawing_.stretch || tooBig) {
        double scale = std::min(static_cast<double>(area.right) / width,
                                static_cast<double>(area.bottom) / height);
        width = std::max(1, static_cast<int>(width * scale));
        height = std::max(1, static_cast<int>(height * scale));
      }
    }
    int left = drawing_.center ? (area.right - width) / 2 : 0;
    int top = drawing_.center ? (area.bottom - height) / 2 : 0;
    return {left, top, left + width, top + height};
  }

  void paint(HDC dc) {
    RECT area = clientArea();
    if (!pixels_ && !metafile_ && look_ != gui::PictureLook::Empty) {
      if (look_ == gui::PictureLook::Band) paintBand(dc, area);
      if (look_ == gui::PictureLook::Logo) paintLogo(dc, area);
      if (look_ == gui::PictureLook::Title) paintTitle(dc, area);
      return;
    }
    FillRect(dc, &area, panelBrush());
    RECT to = target();
    if (metafile_ && size_.width > 0 && size_.height > 0) {
      PlayEnhMetaFile(dc, metafile_, &to);
    } else if (pixels_) {
      BITMAPINFO info{};
      info.bmiHeader.biSize = sizeof info.bmiHeader;
      info.bmiHeader.biWidth = pixels_->width;
      info.bmiHeader.biHeight = -pixels_->height;
      info.bmiHeader.biPlanes = 1;
      info.bmiHeader.biBitCount = 32;
      info.bmiHeader.biCompression = BI_RGB;
      SetStretchBltMode(dc, HALFTONE);
      SetBrushOrgEx(dc, 0, 0, nullptr);
      StretchDIBits(dc, to.left, to.top, to.right - to.left, to.bottom - to.top, 0, 0,
                    pixels_->width, pixels_->height, pixels_->bgra.data(), &info, DIB_RGB_COLORS,
                    SRCCOPY);
    }
  }

  void dropMetafile() {
    if (metafile_) DeleteEnhMetaFile(metafile_);
    metafile_ = nullptr;
  }

  static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Picture* self = windowObject<Picture>(hwnd, message, lParam);
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
      case WM_PAINT: {
        PAINTSTRUCT paintInfo;
        HDC dc = BeginPaint(hwnd, &paintInfo);
        self->paint(dc);
        EndPaint(hwnd, &paintInfo);
        return 0;
      }
      case WM_ERASEBKGND:
        return 1;
      case WM_LBUTTONUP:
        fire(self->onClick);
        return 0;
      case WM_LBUTTONDBLCLK:
        fire(self->onDoubleClick);
        return 0;
      default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
  }

  gui::PictureLook look_;
  gui::PictureDrawing drawing_;
  pictures::Size size_;
  std::optional<Pixels> pixels_;
  HENHMETAFILE metafile_ = nullptr;
};

}  // namespace

std::unique_ptr<gui::Picture> makePicture(const gui::ControlArgs& args, gui::PictureLook look) {
  return std::make_unique<Picture>(args, look);
}

}  // namespace win32
