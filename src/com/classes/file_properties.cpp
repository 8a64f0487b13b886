// clsZqPickerFilePpsA, the shell's file properties and about box. None of its members is built yet.
#include "chooser10.h"
#include "com/classes/classes.h"
#include "com/common/dual_object.h"

namespace cz::com::classes {
namespace {

constexpr ClassIdentity kIdentity{&CLSID_clsZqPickerFilePpsA, u"Chooser10.clsZqPickerFilePpsA"};

class FileProperties final : public DualObject<_clsZqPickerFilePpsA> {
public:
    FileProperties() : DualObject(kIdentity) {}

    STDMETHODIMP DisplayFileProperties(LONG, BSTR) override { return notAvailable(u"DisplayFileProperties"); }
    STDMETHODIMP ShowProperties(BSTR*, LONG*, LONG*) override { return notAvailable(u"ShowProperties"); }
    STDMETHODIMP ShowAbout(LONG*, BSTR*, BSTR*, LONG*, VARIANT*) override { return notAvailable(u"ShowAbout"); }
};

}  // namespace

HRESULT createFileProperties(REFIID iid, void** out) noexcept {
    return createObject<FileProperties>(kIdentity.source, iid, out);
}

}  // namespace cz::com::classes
