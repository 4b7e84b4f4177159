#pragma once

// Heap allocations made so far by the program (operator new in all its
// ordinary forms); linking allocation_counter.cpp puts the count in place.
long allocationCount();
