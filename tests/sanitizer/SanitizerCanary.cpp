// Commits one deliberate fault of the kind named on the command line. The sanitized
// build must stop each with a report and a failing exit code; if one ran through, the
// sanitizer run of the test suite could not be trusted to catch it either.
#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// Values the compiler cannot see through, so the faults happen at run time.
volatile int largest = INT_MAX;
volatile int one = 1;
volatile std::size_t three = 3;

int signedOverflow() {
    const int sum = largest + one;
    return sum < 0 ? 0 : 1;
}

int heapOverflow() {
    const auto values = std::make_unique<int[]>(three);
    values[three] = 1;
    return values[0];
}

int* keptAlive = nullptr;

int leak() {
    keptAlive = new int[three];
    keptAlive[0] = 1;
    const int first = keptAlive[0];
    keptAlive = nullptr;
    return first;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s signed-overflow|heap-overflow|leak\n", argv[0]);
        return 2;
    }
    if (std::strcmp(argv[1], "signed-overflow") == 0) {
        return signedOverflow();
    }
    if (std::strcmp(argv[1], "heap-overflow") == 0) {
        return heapOverflow();
    }
    if (std::strcmp(argv[1], "leak") == 0) {
        return leak();
    }
    std::fprintf(stderr, "unknown fault: %s\n", argv[1]);
    return 2;
}
