// An automation object of the outside world (IDispatch), seen by the portable code as a cz::LateBound:
// properties and methods by name, failures as cz::Failure.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include "automation/automation.h"
#include "platform/win32/com_ptr.h"

namespace cz::win32 {

class DispatchObject final : public LateBound {
public:
    explicit DispatchObject(ComPtr<IDispatch> dispatch) : dispatch_(std::move(dispatch)) {}

    // The wrapped pointer itself, so that a reference handed back out is the one that came in.
    IDispatch* dispatch() const noexcept { return dispatch_.get(); }

    Variant get(std::u16string_view name) override;
    void put(std::u16string_view name, const Variant& value) override;
    // Arguments marked byRef travel as references to variants in local storage; what the callee leaves there is
    // written back into the Arg afterwards.
    Variant call(std::u16string_view name, std::vector<Arg>& args) override;

private:
    DISPID idOf(std::u16string_view name);
    HRESULT invoke(DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result, std::u16string_view name);

    ComPtr<IDispatch> dispatch_;
};

}  // namespace cz::win32
