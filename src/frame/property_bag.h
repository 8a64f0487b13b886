// A read-only automation object made of named values: the library's application object and the error
// objects handed to the framework component are of this kind.
#pragma once

#include <utility>
#include <vector>

#include "automation/automation.h"

namespace cz {

class PropertyBag : public LateBound {
public:
    explicit PropertyBag(std::vector<std::pair<String, Variant>> values) : values_(std::move(values)) {}

    Variant get(std::u16string_view name) override;
    void put(std::u16string_view name, const Variant& value) override;
    Variant call(std::u16string_view name, std::vector<Arg>& args) override;

private:
    std::vector<std::pair<String, Variant>> values_;
};

}  // namespace cz
