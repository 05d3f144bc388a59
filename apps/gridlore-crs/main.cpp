// gridlore-crs: search, describe, convert and identify coordinate systems from scripts.
#include "CrsCommands.h"

#include <clocale>
#include <iostream>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    std::vector<std::string> const arguments(argv + 1, argv + argc);
    return crstool::RunCommand(arguments, std::cout, std::cerr);
}
