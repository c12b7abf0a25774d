#include "core/open_edits.h"

#include <algorithm>
#include <vector>

namespace {
std::vector<const OpenEditCommit*>& Registered()
{
    static std::vector<const OpenEditCommit*> registered;
    return registered;
}
}  // namespace

OpenEditCommit::OpenEditCommit(std::function<bool()> commit)
    : commit_(std::move(commit))
{
    Registered().push_back(this);
}

OpenEditCommit::~OpenEditCommit()
{
    std::erase(Registered(), this);
}

bool OpenEditCommit::commit() const
{
    return !commit_ || commit_();
}

bool CommitOpenEdits()
{
    // A commit may show a message and so run other events: a window may
    // unload meanwhile. Each is looked up again before it commits.
    const std::vector<const OpenEditCommit*> order = Registered();
    for (const OpenEditCommit* edit : order) {
        if (std::find(Registered().begin(), Registered().end(), edit) == Registered().end())
            continue;
        if (!edit->commit())
            return false;
    }
    return true;
}
