// The error a resource that cannot be found or read raises. Its message names
// the resource; the window shows it in an error box and the game goes on.
#pragma once

#include <stdexcept>
#include <string>

namespace quorvil {

class ResourceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace quorvil
