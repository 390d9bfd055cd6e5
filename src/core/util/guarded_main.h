// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <exception>
#include <new>

namespace vantrel {

// Runs a program's body so that nothing it throws ends in an abort: the
// failure is told on stderr as "<program>: ..." and the program ends with
// `failureStatus` (a file or device error, never "bad input").
template <class Body> int runGuarded(const char* program, int failureStatus, Body&& body) {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "%s: out of memory\n", program);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", program, e.what());
    } catch (...) {
        std::fprintf(stderr, "%s: an unexpected failure ended the program\n", program);
    }
    return failureStatus;
}

} // namespace vantrel
