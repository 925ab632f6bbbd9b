// AUDIT: what reading the drawing repaired, one line each. The repairs are
// in the drawing already; saving it writes it repaired.
#include <string>

#include "session_commands.h"
#include "zcad/console.h"
#include "zcad/database.h"
#include "zcad/dxf.h"

namespace zcad {

std::string repairReport(const Database& db) {
    const std::vector<std::string> repairs = dxfRepairs(db);
    if (repairs.empty()) return "No repairs: the drawing was read as it stood.\n";
    std::string report;
    for (const auto& line : repairs) report += line + "\n";
    report += std::to_string(repairs.size()) + (repairs.size() == 1 ? " repair" : " repairs") +
              " made in reading; saving writes the drawing repaired.\n";
    return report;
}

std::string repairNotice(const Database& db) {
    const std::size_t count = dxfRepairs(db).size();
    if (count == 0) return {};
    return std::to_string(count) + (count == 1 ? " repair" : " repairs") +
           " made in reading the drawing (AUDIT lists them)";
}

bool auditCommand(std::string_view) {
    writeOutput(repairReport(currentDatabase()));
    return true;
}

}  // namespace zcad
