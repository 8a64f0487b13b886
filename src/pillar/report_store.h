// The reports the error handler received, kept for the whole process so that a client (a test) can read
// them back later through any handler object.
#pragma once

#include <cstdint>
#include <optional>

#include "automation/automation.h"

namespace cz::pillar {

struct Report {
    String procedure;
    std::int32_t number = 0;
    String source;
    String description;
    String application;
    String arguments;
};

void addReport(Report report);
std::int32_t reportCount();
// The report at a 0-based index, or nothing when there is none.
std::optional<Report> reportAt(std::int32_t index);
void clearReports();

// About boxes asked for in this process.
void countAbout();
std::int32_t aboutCount();

}  // namespace cz::pillar
