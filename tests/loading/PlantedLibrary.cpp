// Stands in for a library an attacker leaves in a folder: named like Qt's Widgets library,
// it forwards every symbol to the real one (a linker filter), so a program that loads it
// runs as usual, and it leaves a marker file behind when it is loaded.
#include <cstdio>
#include <cstdlib>

namespace {

struct MarkOnLoad {
    MarkOnLoad() {
        const char* marker = std::getenv("TORVENN_PLANTED_MARKER");
        if (marker == nullptr)
            return;
        if (std::FILE* file = std::fopen(marker, "w")) {
            std::fputs("loaded\n", file);
            std::fclose(file);
        }
    }
};

const MarkOnLoad markOnLoad;

} // namespace
