#pragma once

namespace weftara::workspace {

// Sets a busy flag for as long as it lives and clears it when the scope is
// left, whatever way it is left. Guards handlers against re-entry through
// the change events they raise themselves.
class FlagScope
{
public:
    explicit FlagScope(bool &flag)
        : m_flag(flag)
    {
        m_flag = true;
    }
    ~FlagScope() { m_flag = false; }
    FlagScope(const FlagScope &) = delete;
    FlagScope &operator=(const FlagScope &) = delete;

private:
    bool &m_flag;
};

} // namespace weftara::workspace
