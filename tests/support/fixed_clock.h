#pragma once

#include "text/local_time.h"

namespace tesmira::test {

// A clock whose "now" the test sets and moves.
class FixedClock final : public Clock {
public:
    explicit FixedClock(LocalTime now) : now_(now) {}
    LocalTime now() const override { return now_; }
    void set(LocalTime now) { now_ = now; }
    void advanceSeconds(std::int64_t seconds) { now_.secondsSinceEpoch += seconds; }

private:
    LocalTime now_;
};

}  // namespace tesmira::test
