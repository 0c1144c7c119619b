// The Not Responding screen: a look-alike of the system's box for a program that has stopped
// responding, named after the task chosen on the Close Program screen.
#pragma once

#include "frame/screen.h"
#include "screens/not_responding/layout.h"

namespace not_responding {

// Each control's layout row, bound as a constant: every compiler finds it while compiling,
// and a wrong name or kind does not compile.
namespace rows {
inline constexpr frame::LayoutRow<frame::ControlKind::kCommandButton> Command2{kLayout,
                                                                               L"Command2"};
inline constexpr frame::LayoutRow<frame::ControlKind::kCommandButton> Command1{kLayout,
                                                                               L"Command1"};
inline constexpr frame::LayoutRow<frame::ControlKind::kLabel> Label1{kLayout, L"Label1"};
}  // namespace rows

class NotRespondingForm : public frame::Screen {
 public:
  NotRespondingForm();

  frame::CommandButton Command2{*this, rows::Command2};
  frame::CommandButton Command1{*this, rows::Command1};
  frame::Label Label1{*this, rows::Label1};

 protected:
  void Form_Load() override;

 private:
  void Command1_Click();
  void Command2_Click();
};

}  // namespace not_responding

extern frame::GlobalScreen<not_responding::NotRespondingForm> Form2;
