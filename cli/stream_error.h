#pragma once

#include <stdexcept>

namespace quernel::cli {

// A file or stream that cannot be read or written; what() is a one-line reason for the user.
class StreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace quernel::cli
