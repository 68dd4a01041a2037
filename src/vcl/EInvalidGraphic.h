#pragma once
// The error of a picture file that holds no picture the platform can read.

#include "core/Exception.h"

#include <string>

class EInvalidGraphic : public Exception {
public:
    explicit EInvalidGraphic(const std::string& fileName) : Exception("Bitmap image is not valid: " + fileName) {}
};
