// The one table `./run.sh bench` ends with: each hot path of the library
// next to its plain-code floor measured in the same run, their ratio and the
// ratio the path must stay within.
#ifndef BENCH_PATHTABLE_H
#define BENCH_PATHTABLE_H

#include <string>
#include <vector>

namespace bench {

class PathTable
{
public:
    // `unit` names what the figures count: "ns" or "instructions".
    explicit PathTable(std::string unit);

    // Per-operation costs of a path and of its floor.
    void addRatio(const std::string& path, const std::string& floor, double library, double floorCost,
                  double goal);
    // Memory growth in kB, of what `measure` names; met while within `limitKB`.
    void addGrowth(const std::string& path, const std::string& measure, double growthKB, double limitKB);

    void print() const;

private:
    struct Row
    {
        std::string path;
        std::string floor;
        std::string library;
        std::string floorCost;
        std::string ratio;
        std::string goal;
        bool met;
    };

    std::string m_unit;
    std::vector<Row> m_rows;
};

} // namespace bench

#endif // BENCH_PATHTABLE_H
