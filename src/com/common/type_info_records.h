// Owners for the records that ITypeInfo and ITypeLib lend out and want handed back.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <utility>

namespace cz::com {

// Source: the lending interface; Record: the record; Give: how it is handed back.
template <class Source, class Record, void (STDMETHODCALLTYPE Source::*Give)(Record*)>
class LentRecord {
public:
    LentRecord() noexcept = default;
    LentRecord(LentRecord&& other) noexcept
        : source_(std::exchange(other.source_, nullptr)), record_(std::exchange(other.record_, nullptr)) {}
    LentRecord& operator=(LentRecord&& other) noexcept {
        LentRecord(std::move(other)).swap(*this);
        return *this;
    }
    ~LentRecord() {
        if (record_) (source_->*Give)(record_);
    }

    // For the lending call: gives back what is held and remembers who lends the next one.
    Record** put(Source& source) noexcept {
        LentRecord().swap(*this);
        source_ = &source;
        return &record_;
    }
    const Record* operator->() const noexcept { return record_; }
    const Record* get() const noexcept { return record_; }
    explicit operator bool() const noexcept { return record_ != nullptr; }
    void swap(LentRecord& other) noexcept {
        std::swap(source_, other.source_);
        std::swap(record_, other.record_);
    }

private:
    Source* source_ = nullptr;
    Record* record_ = nullptr;
};

using TypeAttributes = LentRecord<ITypeInfo, TYPEATTR, &ITypeInfo::ReleaseTypeAttr>;
using FunctionDescription = LentRecord<ITypeInfo, FUNCDESC, &ITypeInfo::ReleaseFuncDesc>;
using LibraryAttributes = LentRecord<ITypeLib, TLIBATTR, &ITypeLib::ReleaseTLibAttr>;

}  // namespace cz::com
