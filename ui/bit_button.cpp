#include "ui/bit_button.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace ui {
namespace {

// An icon of the glyph: black where the glyph is, transparent elsewhere, so
// that it sits on whatever face the button has.
UniqueIcon MakeGlyph(Glyph) {
  constexpr int kWidth = 15, kHeight = 25;
  constexpr int kCentre = kWidth / 2, kHeadHeight = 7, kShaftHalfWidth = 1;
  // The mask keeps the background where its bit is 1. Rows of a monochrome
  // bitmap are padded to 16 bits.
  constexpr int kRowBytes = 2;
  std::vector<unsigned char> maskBits(kRowBytes * kHeight, 0);
  for (int y = 0; y < kHeight; ++y) {
    const int fromTip = y < kHeight / 2 ? y : kHeight - 1 - y;
    const int halfWidth = fromTip < kHeadHeight ? fromTip : kShaftHalfWidth;
    for (int x = 0; x < kWidth; ++x) {
      if (std::abs(x - kCentre) > halfWidth) {
        maskBits[y * kRowBytes + x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
      }
    }
  }
  UniqueGdiObject<HBITMAP> mask(CreateBitmap(kWidth, kHeight, 1, 1, maskBits.data()));
  // All black: the mask alone decides what shows.
  const std::vector<std::uint32_t> black(kWidth * kHeight, 0);
  UniqueGdiObject<HBITMAP> colour(CreateBitmap(kWidth, kHeight, 1, 32, black.data()));
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
  picture_ = MakeGlyph(glyph_);
  SendMessageW(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(picture_.get()));
  return true;
}

bool BitButton::HandleCommand(UINT notifyCode) {
  if (notifyCode != BN_CLICKED) return false;
  if (onClick) onClick();
  return true;
}

}  // namespace ui
