#pragma once
// The error of a resource that the program does not have.

#include "core/Exception.h"

#include <string>

class EResNotFound : public Exception {
public:
    explicit EResNotFound(const std::string& name) : Exception("Resource " + name + " not found") {}
};
