// clsZqPickerAdvancedA: a creatable class without members.
#include "chooser10.h"
#include "com/classes/classes.h"
#include "com/common/dual_object.h"

namespace cz::com::classes {
namespace {

constexpr ClassIdentity kIdentity{&CLSID_clsZqPickerAdvancedA, u"Chooser10.clsZqPickerAdvancedA"};

class Advanced final : public DualObject<_clsZqPickerAdvancedA> {
public:
    Advanced() : DualObject(kIdentity) {}
};

}  // namespace

HRESULT createAdvanced(REFIID iid, void** out) noexcept { return createObject<Advanced>(kIdentity.source, iid, out); }

}  // namespace cz::com::classes
