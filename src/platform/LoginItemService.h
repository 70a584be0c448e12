#pragma once

// Whether the program starts when the user logs in.
class LoginItemService {
public:
    virtual ~LoginItemService() = default;
    virtual bool isEnabled() const = 0;
    // Failures are reported by the service itself; callers read isEnabled() again.
    virtual void setEnabled(bool enabled) = 0;
};
