// clsZqPickerGeneralA: a creatable class without members.
#include "chooser10.h"
#include "com/classes/classes.h"
#include "com/common/dual_object.h"

namespace cz::com::classes {
namespace {

constexpr ClassIdentity kIdentity{&CLSID_clsZqPickerGeneralA, u"Chooser10.clsZqPickerGeneralA"};

class General final : public DualObject<_clsZqPickerGeneralA> {
public:
    General() : DualObject(kIdentity) {}
};

}  // namespace

HRESULT createGeneral(REFIID iid, void** out) noexcept { return createObject<General>(kIdentity.source, iid, out); }

}  // namespace cz::com::classes
