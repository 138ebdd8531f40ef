#pragma once

namespace ductora::testing {

// Allocations made by the program so far. A test program that calls this links the counting
// replacements of the global operator new with it.
long allocationCount();

}  // namespace ductora::testing
