// clsZqChooser10A, the library root object. None of its members is built yet.
#include "chooser10.h"
#include "com/classes/classes.h"
#include "com/common/dual_object.h"

namespace cz::com::classes {
namespace {

constexpr ClassIdentity kIdentity{&CLSID_clsZqChooser10A, u"Chooser10.clsZqChooser10A"};

class RootObject final : public DualObject<_clsZqChooser10A> {
public:
    RootObject() : DualObject(kIdentity) {}

    STDMETHODIMP get_GetProStdProperties(IDispatch**) override { return notAvailable(u"GetProStdProperties"); }
    STDMETHODIMP get_GetProResStrings(LONG*, BSTR*) override { return notAvailable(u"GetProResStrings"); }
    STDMETHODIMP get_GetProResPicture(LONG*, LONG*, IPictureDisp**) override { return notAvailable(u"GetProResPicture"); }
    STDMETHODIMP get_GetProResData(LONG*, VARIANT*, VARIANT*) override { return notAvailable(u"GetProResData"); }
    STDMETHODIMP About(LONG*) override { return notAvailable(u"About"); }
    STDMETHODIMP get_BuddyObjectGlobal(IDispatch**) override { return notAvailable(u"BuddyObjectGlobal"); }
    STDMETHODIMP putref_BuddyObjectGlobal(IDispatch*) override { return notAvailable(u"BuddyObjectGlobal"); }
};

}  // namespace

HRESULT createRootObject(REFIID iid, void** out) noexcept { return createObject<RootObject>(kIdentity.source, iid, out); }

}  // namespace cz::com::classes
