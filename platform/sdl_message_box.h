// The error message box through SDL's simple message box, with no owner
// window. Where SDL cannot show one (no display), the text goes to standard
// error so that it is not lost.
#pragma once

#include "platform/message_box.h"

namespace quorvil {

class SdlMessageBox : public MessageBox {
 public:
  void ShowError(std::string_view caption, std::string_view text) override;
};

}  // namespace quorvil
