#pragma once
#include <map>
#include <string>

namespace ov {

// Remembers what was reported to the user, so that the same fault is told
// once: again only when it changed (another signature) or was forgotten.
class ReportMemory {
public:
    bool IsNew(const std::string& what, const std::string& signature)
    {
        const auto [it, added] = seen_.emplace(what, signature);
        if (added) return true;
        if (it->second == signature) return false;
        it->second = signature;
        return true;
    }
    void Forget(const std::string& what) { seen_.erase(what); }
    void ForgetAll() { seen_.clear(); }

private:
    std::map<std::string, std::string> seen_;
};

} // namespace ov
