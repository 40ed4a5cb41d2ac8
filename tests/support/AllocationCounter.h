#pragma once

// Counts every heap allocation in the process (malloc and operator new, SDL's
// included) while an instance lives. It relies on the address sanitizer's
// allocation hooks, so it only counts in sanitizer builds: tests skip when
// Available() is false.
class AllocationCounter {
  public:
    static bool Available();

    AllocationCounter();
    ~AllocationCounter();
    AllocationCounter(const AllocationCounter&) = delete;
    AllocationCounter& operator=(const AllocationCounter&) = delete;

    int Count() const;
};
