// clsZqPillar10A: the framework's about box for an application object.
#include <string>

#include "com/common/dual_object.h"
#include "pillar/classes.h"
#include "pillar/late_bound_reads.h"
#include "pillar/report_store.h"
#include "platform/win32/bstr.h"
#include "zqpillar10.h"

namespace cz::pillar {
namespace {

using com::ClassIdentity;
using com::DualObject;

constexpr ClassIdentity kIdentity{&CLSID_clsZqPillar10A, u"ZqPillar10.clsZqPillar10A"};

String decimal(std::int32_t n) {
    std::string digits = std::to_string(n);
    return String(digits.begin(), digits.end());
}

class Pillar final : public DualObject<_clsZqPillar10A> {
public:
    Pillar() : DualObject(kIdentity) {}

    STDMETHODIMP AppAboutZqfx(VARIANT App) override {
        return run([&] {
            countAbout();
            Object app = objectIn(App);
            String title = readText(app, u"Title");
            String version = decimal(readInteger(app, u"Major")) + u"." + decimal(readInteger(app, u"Minor")) + u"." +
                             decimal(readInteger(app, u"Revision"));
            String caption = u"About " + title;
            String text = title + u"\r\nVersion " + version + u"\r\n" + readText(app, u"Path");
            MessageBoxW(nullptr, win32::wide(text), win32::wide(caption), MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
        });
    }

    STDMETHODIMP get_AboutCount(LONG* value) override {
        return run([&] {
            if (!value) throw Failure(E_POINTER, u"A required pointer argument is null");
            *value = aboutCount();
        });
    }
};

}  // namespace

HRESULT createPillar(REFIID iid, void** out) noexcept { return com::createObject<Pillar>(kIdentity.source, iid, out); }

}  // namespace cz::pillar
