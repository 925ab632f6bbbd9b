// Running out of memory on purpose: this test program replaces the global
// operator new, so that the n-th allocation after arming throws
// std::bad_alloc, whichever thread makes it.
#pragma once

namespace faults {

class FailingAllocation {
public:
    explicit FailingAllocation(long n);  // 1-based
    ~FailingAllocation();
    FailingAllocation(const FailingAllocation&) = delete;
    FailingAllocation& operator=(const FailingAllocation&) = delete;

    // Whether the n-th allocation came, so that the code under test saw it fail.
    bool fired() const;
    long allocations() const;  // since arming
};

// Runs `attempt` with the 1st, 2nd, ... allocation failing, until one run
// makes fewer allocations than the one that would fail; `check` is told
// after each run whether the failure fired. Returns the runs made.
template <class Attempt, class Check>
long failEachAllocation(Attempt attempt, Check check, long step = 1) {
    for (long n = 1;; n += step) {
        bool fired = false;
        {
            FailingAllocation failing(n);
            attempt();
            fired = failing.fired();
        }
        check(fired, n);
        if (!fired) return n;
    }
}

}  // namespace faults
