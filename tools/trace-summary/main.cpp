// trace-summary FILE: the figures of a boundary trace the library wrote.
// Exits with 1 when the file cannot be read or is no JSON, with 2 when the
// document has problems (the summary lists them) or is of another schema
// version than this tool reads (a line says which), 0 otherwise.
#include "TraceAnalysis.h"

#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: trace-summary FILE\n";
        return 1;
    }
    std::ifstream file(argv[1]);
    if (!file)
    {
        std::cerr << "trace-summary: cannot open " << argv[1] << "\n";
        return 1;
    }
    std::stringstream text;
    text << file.rdbuf();
    return orvane::tracesummary::summarizeText(text.str(), argv[1], std::cout, std::cerr);
}
