#include <exception>
#include <iostream>

#include "Generator.h"

// Usage: picture_generator <res folder>
int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: picture_generator <res folder>\n";
        return 2;
    }
    try {
        picgen::GenerateResources(argv[1]);
    } catch (const std::exception& error) {
        std::cerr << "picture_generator: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
