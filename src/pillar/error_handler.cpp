// clsZqfxErrorHandlerA: receives Chooser10's failure reports, keeps them for the process and writes each
// to the debug output; the Report* members read them back.
#include <string>

#include "com/common/dual_object.h"
#include "pillar/argument_text.h"
#include "pillar/classes.h"
#include "pillar/late_bound_reads.h"
#include "pillar/report_store.h"
#include "platform/win32/bstr.h"
#include "zqpillar10.h"

namespace cz::pillar {
namespace {

using com::ClassIdentity;
using com::DualObject;

constexpr ClassIdentity kIdentity{&CLSID_clsZqfxErrorHandlerA, u"ZqPillar10.clsZqfxErrorHandlerA"};

// The automation runtime's "Subscript out of range".
constexpr std::int32_t kSubscriptOutOfRange = static_cast<std::int32_t>(0x800A0009);

String decimal(std::int32_t n) {
    std::string digits = std::to_string(n);
    return String(digits.begin(), digits.end());
}

void writeDebugLine(const Report& r) {
    String line = u"ZqPillar10: " + r.application + u": " + r.procedure + u": error " + decimal(r.number) + u" (" +
                  r.source + u") " + r.description + u"\n";
    OutputDebugStringW(win32::wide(line));
}

class ErrorHandler final : public DualObject<_clsZqfxErrorHandlerA> {
public:
    ErrorHandler() : DualObject(kIdentity) {}

    STDMETHODIMP ErrorHandlerMessageZq(VARIANT App, VARIANT ErrObject, VARIANT Arg3, VARIANT ProcName, VARIANT Arg5,
                                       VARIANT Arg6, VARIANT Arg7, VARIANT Arg8) override {
        return run([&] {
            const VARIANT* arguments[] = {&App, &ErrObject, &Arg3, &ProcName, &Arg5, &Arg6, &Arg7, &Arg8};
            Object error = objectIn(ErrObject);
            Report report;
            report.procedure = textIn(ProcName);
            report.number = readInteger(error, u"Number");
            report.source = readText(error, u"Source");
            report.description = readText(error, u"Description");
            report.application = readText(objectIn(App), u"Title");
            report.arguments = describeArguments(arguments);
            writeDebugLine(report);
            addReport(std::move(report));
        });
    }

    STDMETHODIMP get_ReportCount(LONG* value) override {
        return run([&] { *checked(value) = reportCount(); });
    }
    STDMETHODIMP get_ReportProcedure(LONG index, BSTR* value) override {
        return run([&] { *checked(value) = win32::Bstr(at(index).procedure).detach(); });
    }
    STDMETHODIMP get_ReportNumber(LONG index, LONG* value) override {
        return run([&] { *checked(value) = at(index).number; });
    }
    STDMETHODIMP get_ReportSource(LONG index, BSTR* value) override {
        return run([&] { *checked(value) = win32::Bstr(at(index).source).detach(); });
    }
    STDMETHODIMP get_ReportDescription(LONG index, BSTR* value) override {
        return run([&] { *checked(value) = win32::Bstr(at(index).description).detach(); });
    }
    STDMETHODIMP get_ReportApplication(LONG index, BSTR* value) override {
        return run([&] { *checked(value) = win32::Bstr(at(index).application).detach(); });
    }
    STDMETHODIMP get_ReportArguments(LONG index, BSTR* value) override {
        return run([&] { *checked(value) = win32::Bstr(at(index).arguments).detach(); });
    }
    STDMETHODIMP ClearReports() override {
        return run([] { clearReports(); });
    }

private:
    template <class T>
    static T* checked(T* result) {
        if (!result) throw Failure(E_POINTER, u"A required pointer argument is null");
        return result;
    }
    static Report at(LONG index) {
        std::optional<Report> report = reportAt(index);
        if (!report) throw Failure(kSubscriptOutOfRange, u"Subscript out of range: there is no report " + decimal(index));
        return *report;
    }
};

}  // namespace

HRESULT createErrorHandler(REFIID iid, void** out) noexcept {
    return com::createObject<ErrorHandler>(kIdentity.source, iid, out);
}

}  // namespace cz::pillar
