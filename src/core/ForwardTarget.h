#pragma once
#include <QString>

// A window whose procedures the page can call by name through a forwarder. Each window
// answers the names it binds; an unknown name does nothing.
class ForwardTarget {
public:
    virtual ~ForwardTarget() = default;
    virtual void CallByName(const QString& procedure) = 0;
};
