#include "core/Exception.h"

#include <utility>

Exception::Exception(Text message)
    : FMessage(std::move(message))
{
}

EFOpenError::EFOpenError(const Text& path)
    : Exception("Cannot open file " + path)
{
}

EFCreateError::EFCreateError(const Text& path)
    : Exception("Cannot create file " + path)
{
}

ECapacityError::ECapacityError()
    : Exception("Text exceeds memo capacity")
{
}
