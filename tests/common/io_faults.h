#pragma once
// Disk failures injected below the program. A test program that uses this file carries its own
// write, fsync, close and rename, which stand in front of the C library's (and the sanitizers')
// and pass every call on to them, except while a failure is armed: then the one step of the one
// file that a replace writes beside a given target (".<name>.<random>.new") fails as a failing
// disk fails it. Everything else in the process, other files and the old-contents copies
// included, goes on working.

#include <QString>

namespace iofault {

enum class Step {
    Write,      // the first write of the new file fails (EIO)
    ShortWrite, // the disk takes part of it, then no more (ENOSPC): the flush of the rest fails
    Sync,       // fsync reports that the bytes did not reach the disk (EIO)
    Close,      // close reports a write the system had put off (EIO)
    Rename,     // the new file cannot be put in place (EIO)
};

struct StepCase {
    Step step;
    const char *name;
};
// Every step, for tables of tests.
inline constexpr StepCase kEverySteps[] = {
    {Step::Write, "write"}, {Step::ShortWrite, "flush of a write cut short"}, {Step::Sync, "sync"},
    {Step::Close, "close"}, {Step::Rename, "rename"},
};

// Arms the failure of step for the new file beside target while it lives.
class Armed {
public:
    Armed(Step step, const QString &target);
    ~Armed();
    Armed(const Armed &) = delete;
    Armed &operator=(const Armed &) = delete;
    // How many calls were made to fail, so that a test can tell that its failure was reached.
    int hits() const;
};

} // namespace iofault
