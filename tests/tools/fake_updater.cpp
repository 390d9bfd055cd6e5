// SPDX-License-Identifier: MIT
// Stands in for the firmware updater in the tests: writes "started", with
// the number of its arguments, into the folder it was started in.
#include <cstdio>

int main(int argc, char**) {
    std::FILE* f = std::fopen("started", "w");
    if (f == nullptr) {
        return 1;
    }
    std::fprintf(f, "%d\n", argc - 1);
    std::fclose(f);
    return 0;
}
