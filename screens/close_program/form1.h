// The Close Program screen: a look-alike of the system's CTRL+ALT+DEL task list, and the hub
// the program starts on.
#pragma once

#include "frame/screen.h"
#include "screens/close_program/layout.h"

namespace close_program {

class CloseProgramForm : public frame::Screen {
 public:
  CloseProgramForm();

  frame::Timer Timer2{*this, {kLayout, L"Timer2"}};
  frame::Timer Timer1{*this, {kLayout, L"Timer1"}};
  frame::ListBox List1{*this, {kLayout, L"List1"}};
  frame::CommandButton Command3{*this, {kLayout, L"Command3"}};
  frame::CommandButton Command2{*this, {kLayout, L"Command2"}};
  frame::CommandButton Command1{*this, {kLayout, L"Command1"}};

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
