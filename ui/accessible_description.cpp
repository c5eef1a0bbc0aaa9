#include "ui/accessible_description.h"

#include <oleacc.h>

#include "ui/handles.h"

namespace ui {
namespace {

// From oleacc.h, spelled out so that the program links no oleacc library:
// COM loads oleacc.dll only when the service is first asked for.
constexpr CLSID kAccPropServicesClass = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID kAccPropServicesInterface = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID kDescriptionProperty = {
    0x4d48dfe4, 0xbd3f, 0x491f, {0xa6, 0x48, 0x49, 0x2d, 0x6f, 0x20, 0xc5, 0x88}};

ComPtr<IAccPropServices> AnnotationService() {
  ComPtr<IAccPropServices> service;
  if (FAILED(CoCreateInstance(kAccPropServicesClass, nullptr, CLSCTX_INPROC_SERVER,
                              kAccPropServicesInterface, service.ReceiveVoid()))) {
    service.reset();
  }
  return service;
}

}  // namespace

// Documented in "IAccPropServices::SetHwndPropStr method" and "Using Direct
// Annotation" (learn.microsoft.com): a server annotates a property of the
// standard object of an HWND, and clears it with ClearHwndProps.
void SetAccessibleDescription(HWND hwnd, const std::wstring& text) {
  // A reader that finds no description still reads the name: the failure is
  // not the user's to hear about.
  if (const auto service = AnnotationService()) {
    service->SetHwndPropStr(hwnd, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                            kDescriptionProperty, text.c_str());
  }
}

void ClearAccessibleDescription(HWND hwnd) {
  if (const auto service = AnnotationService()) {
    service->ClearHwndProps(hwnd, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                            &kDescriptionProperty, 1);
  }
}

}  // namespace ui
