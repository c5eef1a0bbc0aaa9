#include "ui/bit_button.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace ui {
namespace {

// An icon of the glyph: black (under a high-contrast theme, the button text
// colour) where the glyph is, transparent elsewhere, so that it sits on
// whatever face the button has.
// Drawn at `dpi` from its size at 96 DPI.
UniqueIcon MakeGlyph(Glyph, int dpi) {
  const int width = ScaleTo(dpi, 15), height = ScaleTo(dpi, 25);
  const int centre = width / 2, headHeight = ScaleTo(dpi, 7), shaftHalfWidth = ScaleTo(dpi, 1);
  // The mask keeps the background where its bit is 1. Rows of a monochrome
  // bitmap are padded to 16 bits.
  const int rowBytes = (width + 15) / 16 * 2;
  std::vector<unsigned char> maskBits(rowBytes * height, 0);
  for (int y = 0; y < height; ++y) {
    const int fromTip = y < height / 2 ? y : height - 1 - y;
    const int halfWidth = fromTip < headHeight ? fromTip : shaftHalfWidth;
    for (int x = 0; x < width; ++x) {
      if (std::abs(x - centre) > halfWidth) {
        maskBits[y * rowBytes + x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
      }
    }
  }
  UniqueGdiObject<HBITMAP> mask(CreateBitmap(width, height, 1, 1, maskBits.data()));
  // One colour: the mask alone decides what shows. A 32-bit pixel is 0x00RRGGBB.
  const COLORREF ink = ThemedColor(RGB(0, 0, 0), COLOR_BTNTEXT);
  const std::uint32_t pixel = (GetRValue(ink) << 16) | (GetGValue(ink) << 8) | GetBValue(ink);
  const std::vector<std::uint32_t> pixels(width * height, pixel);
  UniqueGdiObject<HBITMAP> colour(CreateBitmap(width, height, 1, 32, pixels.data()));
  if (!mask || !colour) return UniqueIcon();
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmMask = mask.get();
  info.hbmColor = colour.get();
  return UniqueIcon(CreateIconIndirect(&info));  // copies the bitmaps
}

}  // namespace

bool BitButton::CreateWindowFor(HWND parent, const ControlDef&, const RECT& r) {
  constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | BS_ICON;
  HWND button = CreateWindowExW(0, L"BUTTON", L"", kStyle, r.left, r.top, r.right - r.left,
                                r.bottom - r.top, parent, nullptr, Instance(), nullptr);
  if (!Subclass(button)) return false;
  ShowGlyph();
  return true;
}

void BitButton::Place(const RECT& bounds) {
  Control::Place(bounds);
  ShowGlyph();
}

void BitButton::ShowGlyph() {
  UniqueIcon picture = MakeGlyph(glyph_, Dpi(hwnd()));
  SendMessageW(hwnd(), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(picture.get()));
  picture_ = std::move(picture);  // the old one goes once the button has let it go
}

LRESULT BitButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // The form passes the news of new colours on: the glyph is drawn again in them.
  if (message == WM_SYSCOLORCHANGE) ShowGlyph();
  return Control::HandleMessage(message, wParam, lParam);
}

bool BitButton::HandleCommand(UINT notifyCode) {
  if (notifyCode != BN_CLICKED) return false;
  if (onClick) onClick();
  return true;
}

}  // namespace ui
