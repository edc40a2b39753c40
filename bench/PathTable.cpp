#include "PathTable.h"

#include <cstdio>
#include <utility>

namespace bench {

namespace {

std::string format(const char* pattern, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

} // namespace

PathTable::PathTable(std::string unit) : m_unit(std::move(unit)) {}

void PathTable::addRatio(const std::string& path, const std::string& floor, double library, double floorCost,
                         double goal)
{
    const double ratio = library / floorCost;
    const char* pattern = m_unit == "ns" ? "%.1f" : "%.0f";
    m_rows.push_back({path, floor, format(pattern, library), format(pattern, floorCost), format("%.2fx", ratio),
                      format("<= %.1fx", goal), ratio <= goal});
}

void PathTable::addGrowth(const std::string& path, const std::string& measure, double growthKB, double limitKB)
{
    m_rows.push_back({path, "none: " + measure + " growth", format("%+.0f kB", growthKB), "", "", format("flat (<= %.0f kB)", limitKB),
                      growthKB <= limitKB});
}

void PathTable::print() const
{
    std::printf("\n| path | floor | library (%s/op) | floor (%s/op) | ratio | goal | |\n", m_unit.c_str(), m_unit.c_str());
    std::printf("|---|---|---:|---:|---:|---|---|\n");
    for (const Row& row : m_rows)
        std::printf("| %s | %s | %s | %s | %s | %s | %s |\n", row.path.c_str(), row.floor.c_str(), row.library.c_str(),
                    row.floorCost.c_str(), row.ratio.c_str(), row.goal.c_str(), row.met ? "met" : "missed");
}

} // namespace bench
