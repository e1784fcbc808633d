// The error message box: modal, one OK button. The tests put a recorder in
// its place.
#pragma once

#include <string_view>

namespace quorvil {

class MessageBox {
 public:
  virtual ~MessageBox() = default;
  // Returns when the player has dismissed the box.
  virtual void ShowError(std::string_view caption, std::string_view text) = 0;
};

}  // namespace quorvil
