#pragma once
// A long job done in slices, so a progress window can repaint and honour Cancel between
// them. Each slice works until its deadline has passed (not for a fixed count of rows), so
// a slice takes about the same time on a fast and on a slow machine.

#include <chrono>

class SlicedJob
{
public:
    using Clock = std::chrono::steady_clock;

    virtual ~SlicedJob() = default;
    // Works until `deadline` has passed or the job is done; true while work remains.
    virtual bool runSlice(Clock::time_point deadline) = 0;
    // The share of the work done so far, 0 .. 100.
    virtual int percent() const = 0;

    // Runs every slice at once, for a caller without a window.
    void runToEnd()
    {
        while (runSlice(Clock::now() + std::chrono::milliseconds(100))) { }
    }
};
