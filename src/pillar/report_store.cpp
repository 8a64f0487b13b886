#include "pillar/report_store.h"

#include <windows.h>

#include <utility>
#include <vector>

namespace cz::pillar {
namespace {

// The process-wide store. Reports may arrive from any apartment, so access is locked.
class Store {
public:
    void add(Report report) {
        Lock lock(this);
        reports_.push_back(std::move(report));
    }
    std::int32_t count() {
        Lock lock(this);
        return static_cast<std::int32_t>(reports_.size());
    }
    std::optional<Report> at(std::int32_t index) {
        Lock lock(this);
        if (index < 0 || static_cast<std::size_t>(index) >= reports_.size()) return std::nullopt;
        return reports_[static_cast<std::size_t>(index)];
    }
    void clear() {
        Lock lock(this);
        reports_.clear();
    }

private:
    class Lock {
    public:
        explicit Lock(Store* store) : store_(store) { AcquireSRWLockExclusive(&store_->lock_); }
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;
        ~Lock() { ReleaseSRWLockExclusive(&store_->lock_); }

    private:
        Store* store_;
    };

    SRWLOCK lock_ = SRWLOCK_INIT;
    std::vector<Report> reports_;
};

constinit Store store;
LONG aboutBoxes = 0;

}  // namespace

void addReport(Report report) { store.add(std::move(report)); }
std::int32_t reportCount() { return store.count(); }
std::optional<Report> reportAt(std::int32_t index) { return store.at(index); }
void clearReports() { store.clear(); }

void countAbout() { InterlockedIncrement(&aboutBoxes); }
std::int32_t aboutCount() { return InterlockedCompareExchange(&aboutBoxes, 0, 0); }

}  // namespace cz::pillar
