// The Close Program screen: a look-alike of the system's CTRL+ALT+DEL task list, and the hub
// the program starts on.
#pragma once

#include "frame/screen.h"
#include "screens/close_program/layout.h"

namespace close_program {

// Each control's layout row, bound as a constant: every compiler finds it while compiling,
// and a wrong name or kind does not compile.
namespace rows {
inline constexpr frame::LayoutRow<frame::ControlKind::kTimer> Timer2{kLayout, L"Timer2"};
inline constexpr frame::LayoutRow<frame::ControlKind::kTimer> Timer1{kLayout, L"Timer1"};
inline constexpr frame::LayoutRow<frame::ControlKind::kListBox> List1{kLayout, L"List1"};
inline constexpr frame::LayoutRow<frame::ControlKind::kCommandButton> Command3{kLayout,
                                                                               L"Command3"};
inline constexpr frame::LayoutRow<frame::ControlKind::kCommandButton> Command2{kLayout,
                                                                               L"Command2"};
inline constexpr frame::LayoutRow<frame::ControlKind::kCommandButton> Command1{kLayout,
                                                                               L"Command1"};
}  // namespace rows

class CloseProgramForm : public frame::Screen {
 public:
  CloseProgramForm();

  frame::Timer Timer2{*this, rows::Timer2};
  frame::Timer Timer1{*this, rows::Timer1};
  frame::ListBox List1{*this, rows::List1};
  frame::CommandButton Command3{*this, rows::Command3};
  frame::CommandButton Command2{*this, rows::Command2};
  frame::CommandButton Command1{*this, rows::Command1};

 protected:
  void Form_Load() override;

 private:
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void List1_DblClick();
  void Timer1_Timer();
  void Timer2_Timer();
};

}  // namespace close_program

extern frame::GlobalScreen<close_program::CloseProgramForm> Form1;
