#pragma once
// A fixed verdict of the rights test: the same code runs as a user who is not an administrator,
// which a Wine prefix cannot provide (its user always is one).
#include "RightsProbe.h"

class CFixedRightsProbe : public IRightsProbe {
public:
    explicit CFixedRightsProbe(bool administrator) : administrator_(administrator) {}
    bool IsAdministrator() const override { return administrator_; }

private:
    bool administrator_;
};
